// Clipboard verbs. Formats are named as the log names them: the standard ones
// "text", "OEM text", "DIB", "bitmap", "palette", "enhanced metafile", the
// registered ones by their names ("tkIntermediate", "rich text format").
#include "app/verbs/clipboard_verbs.h"

#include <cstring>
#include <vector>

#include "platform/drivers/script.h"
#include "platform/files/plain_file_read.h"
#include "platform/files/whole_file_write.h"
#include "platform/system/clipboard.h"

namespace {

// The largest file `clipboard load` puts on the clipboard: past the largest
// picture or text another program would put there, and read in well under a
// second.
constexpr std::size_t kLoadMaxBytes = std::size_t{64} << 20;

struct StandardFormat {
    const char* name;
    win::UINT format;
};
constexpr StandardFormat kStandard[] = {
    {"text", win::CF_TEXT},       {"OEM text", win::CF_OEMTEXT},
    {"DIB", win::CF_DIB},         {"bitmap", win::CF_BITMAP},
    {"palette", win::CF_PALETTE}, {"enhanced metafile", win::CF_ENHMETAFILE},
};

std::string NameOf(win::UINT format) {
    for (const StandardFormat& s : kStandard)
        if (s.format == format) return s.name;
    char name[128] = {};
    if (win::GetClipboardFormatName(format, name, sizeof name) > 0) return name;
    return "format " + std::to_string(format);
}

// The format of a name: a standard name, else the registered format (its
// registration gives the id the program uses).
win::UINT FormatOf(const std::string& name) {
    for (const StandardFormat& s : kStandard)
        if (name == s.name) return s.format;
    if (name.empty()) return 0;
    return win::RegisterClipboardFormat(name.c_str());
}

bool Fail(const std::string& what) {
    win::ReportScriptFailure("clipboard: " + what);
    return false;
}

// Puts bytes on the clipboard as the only entry, as another program would.
void Put(win::UINT format, const std::vector<uint8_t>& bytes) {
    win::HGLOBAL block = win::GlobalAlloc(win::GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
    if (block == nullptr) {
        Fail("no memory for the data");
        return;
    }
    void* p = win::GlobalLock(block);
    if (!bytes.empty()) std::memcpy(p, bytes.data(), bytes.size());
    win::GlobalUnlock(block);
    if (!win::OpenClipboard(nullptr)) {
        win::GlobalFree(block);
        Fail("the clipboard is in use");
        return;
    }
    win::EmptyClipboard();
    win::SetClipboardData(format, block);
    win::CloseClipboard();
}

void List(RunLog& log) {
    log.Note("clipboard");
    if (!win::OpenClipboard(nullptr)) return;
    for (win::UINT f = win::EnumClipboardFormats(0); f != 0; f = win::EnumClipboardFormats(f))
        log.Note("  " + NameOf(f) + " (" + std::to_string(win::ClipboardBytes(f).size()) +
                 " bytes)");
    win::CloseClipboard();
}

void Save(const ScriptAction& a) {
    const win::UINT format = FormatOf(a.text);
    if (format == 0 || !win::IsClipboardFormatAvailable(format)) {
        Fail("no \"" + a.text + "\" on the clipboard");
        return;
    }
    const std::vector<uint8_t> bytes = win::ClipboardBytes(format);
    if (win::ReplaceLinuxFileContents(a.path, bytes.data(), bytes.size()) == win::FALSE)
        Fail(win::FailedLinuxWriteText("Writing", a.path));
}

void Load(const ScriptAction& a) {
    const win::UINT format = FormatOf(a.text);
    std::string data;
    std::string why = "no such format";
    if (format == 0 || !ReadPlainFile(a.path, kLoadMaxBytes, "a clipboard entry", data, why)) {
        Fail("cannot read " + a.path + " as \"" + a.text + "\": " + why);
        return;
    }
    Put(format, std::vector<uint8_t>(data.begin(), data.end()));
}

}  // namespace

void RunClipboardVerb(const ScriptAction& a, RunLog& log) {
    using Op = ScriptAction::ClipboardOp;
    switch (a.clipboard) {
        case Op::kList:
            List(log);
            break;
        case Op::kSave:
            Save(a);
            break;
        case Op::kText: {
            std::vector<uint8_t> bytes(a.text.begin(), a.text.end());
            bytes.push_back(0);
            Put(win::CF_TEXT, bytes);
            break;
        }
        case Op::kLoad:
            Load(a);
            break;
        case Op::kEmpty:
            if (win::OpenClipboard(nullptr)) {
                win::EmptyClipboard();
                win::CloseClipboard();
            }
            break;
        case Op::kHold:
        case Op::kRelease:
            // Another program keeps the clipboard open: opening it fails until release.
            win::SetClipboardHeldElsewhere(a.clipboard == Op::kHold);
            break;
    }
}
