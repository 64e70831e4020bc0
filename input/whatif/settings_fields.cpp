// Showing and reading the fields the what-if and mixing-zone settings share.
#include "input/whatif/settings_fields.h"

#include "input/fields/decimal_field.h"
#include "input/waterform/form_text.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"

namespace {

constexpr int kAcidCount = 3;
constexpr int kAlkaliCount = 5;

}  // namespace

void ShowValue(win::HWND dialog, int id, double value) {
    WriteFieldNumber(dialog, id, value, 6);
}

float FieldValue(win::HWND dialog, int id) {
    return static_cast<float>(ShownValueOr(dialog, id, DecimalFieldValue(dialog, id)));
}

bool Unedited(win::HWND dialog, int id) {
    return FieldShowsWrittenNumber(dialog, id);
}

void Check(win::HWND dialog, int id, bool on) {
    win::CheckDlgButton(dialog, id, on ? win::BST_CHECKED : win::BST_UNCHECKED);
}

bool Checked(win::HWND dialog, int id) {
    return win::IsDlgButtonChecked(dialog, id) == win::BST_CHECKED;
}

bool FieldReader::Refused(int id, const std::string& question) {
    const int answer =
        win::MessageBox(dialog_, question.c_str(), "WARNING", win::MB_YESNO | win::MB_ICONHAND);
    if (answer == win::IDYES) {
        result_ = id;
        return false;
    }
    result_ = -1;
    return true;
}

bool FieldReader::Ordered(int id, float& low, float& high, float heldLow, float heldHigh,
                          const std::string& question) {
    if (!(high < low)) return true;
    if (!Refused(id, question)) return false;
    low = heldLow;
    high = heldHigh;
    return true;
}

void FillPhControl(win::HWND dialog, const PhControlIds& ids, const PhControlSettings& c) {
    const bool acid = c.phControlMethod == 1 || c.phControlMethod == 3;
    const bool alkali = c.phControlMethod == 2 || c.phControlMethod == 3;
    for (int i = 0; i < kAcidCount; ++i) Check(dialog, ids.acids[i], acid && c.acidChemical == i);
    Check(dialog, ids.acids[kAcidCount], !acid || c.acidChemical >= kAcidCount);
    for (int i = 0; i < kAlkaliCount; ++i)
        Check(dialog, ids.alkalies[i], alkali && c.alkaliChemical == i);
    Check(dialog, ids.alkalies[kAlkaliCount], !alkali || c.alkaliChemical >= kAlkaliCount);
    if (c.targetPh > 0.0f && c.targetPh <= 14.0f)
        ShowValue(dialog, ids.phTarget, c.targetPh);
    else
        win::SetDlgItemText(dialog, ids.phTarget, "7.00");
    for (int i = 0; i < 6; ++i) Check(dialog, ids.predictions[i], c.phPredictionMethod == i);
}

void ReadPhControl(win::HWND dialog, const PhControlIds& ids, std::span<const int> order,
                   const char* noMethodText, PhControlSettings& c) {
    // NONE shown for a chemical the held method does not dose keeps the
    // chemical held (an OK on the unchanged dialog changes nothing); NONE
    // chosen for one it doses is none.
    const bool heldAcid = c.phControlMethod == 1 || c.phControlMethod == 3;
    const bool heldAlkali = c.phControlMethod == 2 || c.phControlMethod == 3;
    bool acid = false;
    for (int i = 0; i < kAcidCount; ++i)
        if (Checked(dialog, ids.acids[i])) {
            c.acidChemical = static_cast<uint16_t>(i);
            acid = true;
        }
    if (!acid && heldAcid) c.acidChemical = 0xFFFF;
    bool alkali = false;
    for (int i = 0; i < kAlkaliCount; ++i)
        if (Checked(dialog, ids.alkalies[i])) {
            c.alkaliChemical = static_cast<uint16_t>(i);
            alkali = true;
        }
    if (!alkali && heldAlkali) c.alkaliChemical = 0xFFFF;
    c.phControlMethod = acid && alkali ? 3 : acid ? 1 : alkali ? 2 : 0;

    int method = -1;
    for (int m : order)
        if (method < 0 && Checked(dialog, ids.predictions[m])) method = m;
    if (method < 0) {
        method = 0;
        win::MessageBox(dialog, noMethodText, "WARNING", win::MB_ICONINFORMATION);
    }
    c.phPredictionMethod = static_cast<uint16_t>(method);
}
