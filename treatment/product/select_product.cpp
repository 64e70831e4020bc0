// The product selection dialog. The rows are made by reading every product
// file, so an unreadable one is marked before the user picks it; picking one
// reads it again into a scratch table, and only a file that reads whole
// replaces the current product.
#include "treatment/product/select_product.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>

#include "engine/records.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/window/window.h"
#include "shell/records.h"
#include "treatment/files/product_file.h"
#include "treatment/product/product_change.h"
#include "treatment/records.h"
#include "treatment/treatment_dialog_ids.h"

namespace {

// How the dialog ended.
enum : win::INT_PTR { kEndCancel = 0, kEndProduct = 1, kEndNoProduct = 2 };

constexpr const char* kUnreadable = "(cannot be read)";

std::string ProductFolder() {
    return std::string(mainWindowState.installDir) + "\\INHIB\\";
}

// A text from a file, cut at its terminator, with control characters (a tab
// would split the row) shown as blanks.
template <size_t N>
std::string ShownText(const char (&field)[N]) {
    std::string s;
    for (size_t i = 0; i < N && field[i] != '\0'; ++i)
        s += static_cast<unsigned char>(field[i]) < 0x20 ? ' ' : field[i];
    return s;
}

const char* KindText(const ProductTable& t) {
    return t.records[0].productMode < 2 ? "scale inhibitor" : "corrosion inhibitor";
}

// The text of a row of the list; empty for a row too long to read.
std::string ListRowText(win::HWND dialog, win::LRESULT row) {
    char text[512] = {};
    const win::LRESULT length = win::SendDlgItemMessage(
        dialog, SelectProductControl::kList, win::LB_GETTEXTLEN, static_cast<win::WPARAM>(row), 0);
    if (length < 0 || length >= static_cast<win::LRESULT>(sizeof text)) return "";
    win::SendDlgItemMessage(dialog, SelectProductControl::kList, win::LB_GETTEXT,
                            static_cast<win::WPARAM>(row), reinterpret_cast<win::LPARAM>(text));
    return text;
}

bool SameFileName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::toupper(x) == std::toupper(y);
           });
}

// The row of the product in force: the row of its file, or else the first row
// that names it; the first row when no product is selected or none is listed.
win::WPARAM RowInForce(win::HWND dialog) {
    if (resultStatus.productSelected == 0) return 0;
    const ProductRecord& product = productTable.records[0];
    const std::string file = ShownText(product.fileName);
    const std::string name = ShownText(product.name);
    const win::LRESULT count =
        win::SendDlgItemMessage(dialog, SelectProductControl::kList, win::LB_GETCOUNT, 0, 0);
    win::LRESULT named = -1;
    for (win::LRESULT i = 0; i < count; ++i) {
        const std::string row = ListRowText(dialog, i);
        if (SameFileName(FileOfProductRow(row), file)) return static_cast<win::WPARAM>(i);
        const bool readable = row.find(kUnreadable) == std::string::npos;
        if (named < 0 && readable && row.substr(0, row.find('\t')) == name) named = i;
    }
    return named < 0 ? 0 : static_cast<win::WPARAM>(named);
}

void FillList(win::HWND dialog) {
    for (const std::string& row : ProductFileRows())
        win::SendDlgItemMessage(dialog, SelectProductControl::kList, win::LB_ADDSTRING, 0,
                                reinterpret_cast<win::LPARAM>(row.c_str()));
    win::SendDlgItemMessage(dialog, SelectProductControl::kList, win::LB_SETCURSEL,
                            RowInForce(dialog), 0);
    const std::string current = "Current product: " + ShownText(productTable.records[0].name);
    win::SetDlgItemText(dialog, SelectProductControl::kCurrent, current.c_str());
}

void SetListTabStops(win::HWND dialog) {
    int stops[2] = {96, 176};
    win::SendDlgItemMessage(dialog, SelectProductControl::kList, win::LB_SETTABSTOPS, 2,
                            reinterpret_cast<win::LPARAM>(stops));
}

// Reads the chosen row's file; a file that reads whole becomes the current
// product and ends the dialog, any other is refused and the dialog stays.
void SelectRow(win::HWND dialog) {
    const win::LRESULT row =
        win::SendDlgItemMessage(dialog, SelectProductControl::kList, win::LB_GETCURSEL, 0, 0);
    if (row == win::LB_ERR) return;
    const std::string text = ListRowText(dialog, row);
    if (text.empty()) return;
    const std::string file = FileOfProductRow(text);
    auto scratch = std::make_unique<ProductTable>();
    std::string detail;
    const ProductFileFault fault =
        ReadProductFile(ProductFolder() + file, *scratch, nullptr, &detail);
    if (fault != ProductFileFault::kNone) {
        const char* reason = detail.empty() ? ProductFileFaultText(fault) : detail.c_str();
        win::MessageBox(dialog, ProductRefusalText(file, reason).c_str(), "WARNING",
                        win::MB_OK | win::MB_ICONINFORMATION);
        return;
    }
    char(&name)[sizeof scratch->records[0].fileName] = scratch->records[0].fileName;
    std::memset(name, 0, sizeof name);
    file.copy(name, sizeof name - 1);
    productTable = *scratch;
    win::EndDialog(dialog, kEndProduct);
}

}  // namespace

std::string ProductFilePattern() {
    return ProductFolder() + "*.PRD";
}

std::vector<std::string> ProductFileRows() {
    std::vector<win::DirectoryEntry> entries;
    std::vector<std::string> rows;
    if (!win::ListDirectory(ProductFilePattern(), &entries)) return rows;
    auto scratch = std::make_unique<ProductTable>();
    for (const win::DirectoryEntry& e : entries) {
        if (e.isDirectory) continue;
        if (ReadProductFile(ProductFolder() + e.name, *scratch) == ProductFileFault::kNone)
            rows.push_back(ShownText(scratch->records[0].name) + "\t" + KindText(*scratch) + "\t" +
                           e.name);
        else
            rows.push_back(e.name + "\t" + kUnreadable);
    }
    return rows;
}

std::string FileOfProductRow(const std::string& row) {
    const size_t first = row.find('\t');
    if (first == std::string::npos) return row;
    if (row.compare(first + 1, std::string::npos, kUnreadable) == 0) return row.substr(0, first);
    return row.substr(row.rfind('\t') + 1);
}

std::string ProductRefusalText(const std::string& fileName, const char* reason) {
    return "The product file " + fileName + " cannot be used: " + reason +
           ". The current product is kept.";
}

win::INT_PTR SelectProdDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
    switch (msg) {
        case win::WM_INITDIALOG:
            SetListTabStops(dialog);
            FillList(dialog);
            return win::TRUE;
        case win::WM_COMMAND:
            switch (win::LOWORD(wParam)) {
                case win::IDOK:
                    SelectRow(dialog);
                    return win::TRUE;
                case SelectProductControl::kList:
                    if (win::HIWORD(wParam) == win::LBN_DBLCLK) SelectRow(dialog);
                    return win::TRUE;
                case SelectProductControl::kNoProduct:
                    win::EndDialog(dialog, kEndNoProduct);
                    return win::TRUE;
                case win::IDCANCEL:
                    win::EndDialog(dialog, kEndCancel);
                    return win::TRUE;
                default:
                    return win::FALSE;
            }
        default:
            return win::FALSE;
    }
}

uint32_t OpenSelectProduct(win::HWND owner) {
    resultStatus.productChosen = 0;
    const win::INT_PTR end = win::DialogBoxParam(
        mainWindowState.instance, TreatmentDialog::kSelectProduct, owner, SelectProdDlgProc, 0);
    // No Product while none is selected changes nothing.
    const bool noChange = end == kEndNoProduct && resultStatus.productSelected == 0;
    if ((end == kEndProduct || end == kEndNoProduct) && !noChange) {
        ApplyProductChange(end == kEndProduct ? ProductChange::kProduct
                                              : ProductChange::kNoProduct);
        // What the change made stale is computed again now, under the
        // progress window over the main window, not after the command: the
        // window whose command chose the product then takes the keyboard
        // back, or, from the main menu, the window in front.
        PaintOwnedWindowsNow(mainWindowState.mainWindow);
    }
    return resultStatus.productChosen;
}
