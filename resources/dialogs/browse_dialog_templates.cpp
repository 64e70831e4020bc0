// Templates 52, 75 and 76: browse a folder's files, show what identifies the
// one picked, load it or delete it.
//
// Layout of 52: the folder and pattern across the top, the file list on the
// left, the picked file's date, time, ID, four description lines, system type
// and version on the right, LOAD, DELETE and Cancel below. 75 and 76 keep the
// list and the buttons and show three texts of the picked file instead.
#include "platform/dialogs/dialog.h"
#include "resources/dialog_ids.h"
#include "resources/program_resources.h"
#include "resources/template_builder.h"

namespace {

namespace B = BrowseControl;

constexpr win::DWORD kShown = win::WS_BORDER | win::ES_READONLY | win::ES_AUTOHSCROLL;

class Builder : public TemplateBuilder {
  public:
    using TemplateBuilder::TemplateBuilder;
    // A captioned read-only field.
    void Field(const char* caption, int id, short x, short y, short cx) {
        Label(caption, x, y, 44);
        Add("EDIT", id, "", kShown, static_cast<short>(x + 46), y, cx, 12);
    }
    // The folder, the pattern, the list and the three buttons every browser has.
    void Common(short listHeight, short buttonsY) {
        Label("Directory:", 6, 6, 40);
        Add("STATIC", B::kFolder, "", win::SS_LEFT, 48, 8, 240, 9);
        Add("EDIT", B::kPattern, "", kEdit, 6, 20, 282, 12);
        Add("LISTBOX", B::kList, "", win::LBS_NOTIFY | win::WS_VSCROLL | win::WS_BORDER, 6, 38, 90,
            listHeight);
        Add("BUTTON", B::kLoad, "LOAD", win::BS_DEFPUSHBUTTON | win::WS_TABSTOP, 60, buttonsY, 50,
            14);
        Add("BUTTON", B::kDelete, "DELETE", win::WS_TABSTOP, 122, buttonsY, 50, 14);
        Add("BUTTON", 2, "Cancel", win::WS_TABSTOP, 184, buttonsY, 50, 14);
    }
};

win::DialogTemplate MakeWorkFileBrowser() {
    win::DialogTemplate t;
    t.caption = "WORK FILE BROWSE & DELETE";
    t.cx = 296;
    t.cy = 200;
    t.fontName = "MS Sans Serif";
    Builder b(t);
    b.Common(136, 180);
    constexpr short x = 104;
    b.Field("Date", B::kDate, x, 38, 60);
    b.Field("Time", B::kTime, x, 54, 30);
    b.Field("ID #", B::kId, x, 70, 30);
    b.Add("BUTTON", -1, "Sample Description", win::BS_GROUPBOX, x, 86, 184, 46);
    b.Add("EDIT", B::kLine1, "", kShown, x + 4, 98, 86, 12);
    b.Add("EDIT", B::kLine2, "", kShown, x + 4, 114, 86, 12);
    b.Add("EDIT", B::kLine3, "", kShown, x + 94, 98, 86, 12);
    b.Add("EDIT", B::kLine4, "", kShown, x + 94, 114, 86, 12);
    b.Field("System Type", B::kSystemType, x, 140, 70);
    b.Field("Version #", B::kVersion, x, 156, 70);
    return t;
}

// The raw-data and inhibitor browsers: three texts of the picked file.
win::DialogTemplate MakeFileBrowser(const char* caption, bool inhibitor) {
    win::DialogTemplate t;
    t.caption = caption;
    t.cx = 296;
    t.cy = 150;
    t.fontName = "MS Sans Serif";
    Builder b(t);
    b.Common(86, 130);
    constexpr short x = 104;
    b.Field(inhibitor ? "Name" : "Text 1", B::kText1, x, 38, 130);
    b.Field(inhibitor ? "Function" : "Text 2", B::kText2, x, 54, 130);
    if (inhibitor) {
        b.Field("Mode", B::kId, x, 70, 30);
        b.Field("File", B::kFileName, x, 86, 130);
    } else {
        b.Field("Text 3", B::kText3, x, 70, 130);
    }
    return t;
}

}  // namespace

void RegisterBrowseDialogTemplates() {
    win::RegisterDialogTemplate(DialogId::kBrowseWorkFiles, MakeWorkFileBrowser());
    win::RegisterDialogTemplate(DialogId::kDeleteCorFile,
                                MakeFileBrowser("RAW DATA FILE BROWSE & DELETE", false));
    win::RegisterDialogTemplate(DialogId::kDeleteInhFile,
                                MakeFileBrowser("INHIBITOR FILE BROWSE & DELETE", true));
}
