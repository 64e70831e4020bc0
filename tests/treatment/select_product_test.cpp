// SELECT PRODUCT and what a change of product refreshes: Cancel, a product, No
// Product, a refused file, and the multi-mix and well-profile follow-ups.
#include "treatment/product/select_product.h"

#include <cstring>

#include "platform/win.h"
#include "tests/treatment/dialog_fixture.h"
#include "tests/treatment/product_fixture.h"
#include "treatment/treatment_dialog_ids.h"

namespace {

using producttest::Bytes;
using producttest::MakeProduct;
namespace fs = std::filesystem;

class SelectProductTest : public producttest::DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        auto barite = MakeProduct(2, "PHOS-BA");
        WriteProduct("PHOSBA.PRD", EncodeProductFile(*barite, ProductLayout::kCurrent));
        auto corrosion = MakeProduct(1, "FILMER");
        corrosion->records[0].productMode = 2;
        WriteProduct("filmer.prd", EncodeProductFile(*corrosion, ProductLayout::kOlder));
        WriteProduct("BROKEN.PRD", std::vector<uint8_t>(5000, 0x41));
        WriteProduct("NOTES.TXT", {1, 2, 3});
    }

    // Runs the dialog with the given steps; the status words as they were before.
    uint32_t Open(std::function<void(win::HWND)> steps) {
        win::OnDialog(TreatmentDialog::kSelectProduct, std::move(steps), 1);
        return OpenSelectProduct(nullptr);
    }

    static bool AllStale() {
        const ResultStatus& s = resultStatus;
        return s.tempProfileStale && s.phProfileStale && s.pressureProfileStale &&
               s.mixProfileStale && s.wellProfileStale && s.wellLogSummaryStale;
    }
};

TEST_F(SelectProductTest, RowsNameEveryProductFileAndMarkTheUnreadable) {
    std::vector<std::string> rows;
    std::string current;
    Open([&](win::HWND d) {
        rows = Rows(d, SelectProductControl::kList);
        current = win::WindowText(win::GetDlgItem(d, SelectProductControl::kCurrent));
        win::PressButton(d, win::IDCANCEL);
    });
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], "BROKEN.PRD\t(cannot be read)");
    EXPECT_EQ(rows[1], "FILMER\tcorrosion inhibitor\tfilmer.prd");
    EXPECT_EQ(rows[2], "PHOS-BA\tscale inhibitor\tPHOSBA.PRD");
    EXPECT_EQ(current, "Current product: None");
    EXPECT_EQ(FileOfProductRow(rows[0]), "BROKEN.PRD");
    EXPECT_EQ(FileOfProductRow(rows[2]), "PHOSBA.PRD");
    EXPECT_TRUE(failures.empty());
}

// The list opens on the product in force, found by its file whatever the
// case of the name the work file kept, or by its name when its file is not
// listed; with none selected, or one the folder does not hold, on the first
// row. Select (Return) then keeps that product.
TEST_F(SelectProductTest, TheListOpensOnTheProductInForce) {
    struct Case {
        const char* what;
        int selected;
        const char* name;
        const char* file;
        int row;  // the row the list opens on
        const char* kept;  // the product Select leaves in force
    };
    const Case cases[] = {
        {"none selected", 0, "None", "No File", 0, nullptr},
        {"PHOS-BA", 1, "PHOS-BA", "PHOSBA.PRD", 2, "PHOS-BA"},
        {"FILMER by its file in capitals", 1, "FILMER", "FILMER.PRD", 1, "FILMER"},
        {"PHOS-BA by its name", 1, "PHOS-BA", "GONE.PRD", 2, "PHOS-BA"},
        {"a product the folder does not hold", 1, "ELSEWHERE", "ELSE.PRD", 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        productTable = *MakeProduct(2, c.name);
        std::strcpy(productTable.records[0].fileName, c.file);
        resultStatus.productSelected = static_cast<uint16_t>(c.selected);
        long row = -2;
        std::string current;
        Open([&](win::HWND d) {
            row = static_cast<long>(
                win::SendDlgItemMessage(d, SelectProductControl::kList, win::LB_GETCURSEL, 0, 0));
            current = win::WindowText(win::GetDlgItem(d, SelectProductControl::kCurrent));
            win::PressButton(d, c.kept != nullptr ? win::IDOK : win::IDCANCEL);
        });
        EXPECT_EQ(row, c.row);
        EXPECT_EQ(current, std::string("Current product: ") + c.name);
        if (c.kept != nullptr) {
            EXPECT_STREQ(productTable.records[0].name, c.kept);
        }
    }
    EXPECT_TRUE(failures.empty());
}

TEST_F(SelectProductTest, CancelChangesNothingButTheChosenWord) {
    resultStatus.productChosen = 1;
    const std::vector<uint8_t> before = Bytes(productTable);
    EXPECT_EQ(Open([](win::HWND d) { win::PressButton(d, win::IDCANCEL); }), 0u);
    EXPECT_EQ(resultStatus.productChosen, 0u);
    EXPECT_EQ(Bytes(productTable), before);
    EXPECT_EQ(mainWindowState.dataChanged, 0u);
    EXPECT_EQ(resultStatus.tempProfileStale, 0);
    EXPECT_EQ(resultStatus.productSelected, 0);
}

TEST_F(SelectProductTest, AProductReplacesTheTableUnderItsFileName) {
    doseState.surface.doseDone = 1;
    EXPECT_EQ(Open([this](win::HWND d) {
                  ASSERT_TRUE(Pick(d, SelectProductControl::kList, "PHOS-BA"));
                  win::PressButton(d, win::IDOK);
              }),
              1u);
    EXPECT_STREQ(productTable.records[0].name, "PHOS-BA");
    EXPECT_STREQ(productTable.records[0].fileName, "PHOSBA.PRD");
    EXPECT_EQ(productTable.componentCount, 2);
    EXPECT_EQ(productTable.selection, 0);
    EXPECT_EQ(resultStatus.productSelected, 1);
    EXPECT_EQ(resultStatus.productChosen, 1u);
    EXPECT_EQ(productLoaded, 1);
    EXPECT_EQ(doseState.surface.doseDone, 0);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
    EXPECT_TRUE(AllStale());  // the pressure page's flag too
    EXPECT_TRUE(failures.empty());
}

TEST_F(SelectProductTest, ADoubleClickSelectsAndAnOlderFileReadsToo) {
    EXPECT_EQ(Open([this](win::HWND d) {
                  ASSERT_TRUE(Pick(d, SelectProductControl::kList, "FILMER", true));
              }),
              1u);
    EXPECT_STREQ(productTable.records[0].name, "FILMER");
    EXPECT_STREQ(productTable.records[0].fileName, "filmer.prd");
    EXPECT_EQ(productTable.records[0].productMode, 2);
}

TEST_F(SelectProductTest, NoProductSwitchesDosingOff) {
    productTable = *MakeProduct(3, "OLD");
    resultStatus.productSelected = 1;
    EXPECT_EQ(Open([](win::HWND d) { win::PressButton(d, SelectProductControl::kNoProduct); }), 0u);
    EXPECT_STREQ(productTable.records[0].name, "None");
    EXPECT_STREQ(productTable.records[0].fileName, "No File");
    EXPECT_STREQ(productTable.records[0].functionText, "No Function");
    EXPECT_EQ(productTable.selection, 0xFFFF);
    EXPECT_EQ(productTable.componentCount, 0);
    EXPECT_EQ(resultStatus.productSelected, 0);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
    EXPECT_TRUE(AllStale());
}

// A refused file names itself in a WARNING box, keeps the dialog open and the
// records byte for byte as they were.
TEST_F(SelectProductTest, ARefusedFileKeepsTheDialogAndTheProduct) {
    productTable = *MakeProduct(3, "KEPT");
    const std::vector<uint8_t> before = Bytes(productTable);
    const ResultStatus status = resultStatus;
    bool stillOpen = false;
    EXPECT_EQ(Open([&](win::HWND d) {
                  ASSERT_TRUE(Pick(d, SelectProductControl::kList, "BROKEN"));
                  win::PressButton(d, win::IDOK);
                  stillOpen = win::IsWindow(d) != 0;
                  win::PressButton(d, win::IDCANCEL);
              }),
              0u);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "WARNING");
    EXPECT_EQ(win::MessageBoxLog()[0].text,
              "The product file BROKEN.PRD cannot be used: its size fits no product file "
              "layout. The current product is kept.");
    EXPECT_EQ(Bytes(productTable), before);
    EXPECT_EQ(std::memcmp(&resultStatus, &status, sizeof status), 0);
    EXPECT_EQ(mainWindowState.dataChanged, 0u);
}

// A file that vanished between the listing and the choice is refused, not
// created.
TEST_F(SelectProductTest, AFileGoneSinceTheListingIsRefused) {
    Open([this](win::HWND d) {
        ASSERT_TRUE(Pick(d, SelectProductControl::kList, "PHOS-BA"));
        fs::remove(folder / "INHIB" / "PHOSBA.PRD");
        win::PressButton(d, win::IDOK);
        win::PressButton(d, win::IDCANCEL);
    });
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_NE(win::MessageBoxLog()[0].text.find("PHOSBA.PRD cannot be used: it cannot be opened"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "INHIB" / "PHOSBA.PRD"));
}

std::vector<int32_t> recalcCalls;
void RecordRecalc(win::HWND) {
    recalcCalls.push_back(multiMixState.editIndex);
    multiMixState.editIndex = 11;  // the recalculation walks the waters
}

TEST_F(SelectProductTest, TheBlendIsRecomputedOnlyWhenItIsCurrent) {
    recalcCalls.clear();
    InstallRecalcMultiMixHook(RecordRecalc);
    multiMixState.editIndex = 4;
    Open([](win::HWND d) { win::PressButton(d, SelectProductControl::kNoProduct); });
    EXPECT_TRUE(recalcCalls.empty());

    multiMixState.multiMixDone = 1;
    Open([this](win::HWND d) {
        ASSERT_TRUE(Pick(d, SelectProductControl::kList, "PHOS-BA"));
        win::PressButton(d, win::IDOK);
    });
    EXPECT_EQ(recalcCalls, std::vector<int32_t>{4});
    EXPECT_EQ(multiMixState.editIndex, 4);  // put back
}

// With the well-log data entered, the 11-station well profile is
// recomputed; without a source water its driver says so.
TEST_F(SelectProductTest, TheWellProfileFollowsWhenItsWellDataIsEntered) {
    win::AnswerMessageBox("", "", win::IDOK, -1);
    Open([](win::HWND d) { win::PressButton(d, SelectProductControl::kNoProduct); });
    EXPECT_TRUE(win::MessageBoxLog().empty());
    wellLogSpecsEntered = 1;
    resultStatus.productSelected = 1;  // No Product changes something only after a product
    Open([](win::HWND d) { win::PressButton(d, SelectProductControl::kNoProduct); });
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].text,
              "You must input a source water analysis before performing calculations!");
}

TEST_F(SelectProductTest, TheMainWindowsOwnedWindowsAreRepainted) {
    win::WNDCLASS wc{};
    wc.lpfnWndProc = win::DefWindowProc;
    wc.lpszClassName = "ProductTestWindow";
    ASSERT_NE(win::RegisterClass(&wc), 0);
    win::HWND main = win::CreateWindowEx(0, "ProductTestWindow", "main", win::WS_OVERLAPPEDWINDOW,
                                         0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    win::HWND page = win::CreateWindowEx(0, "ProductTestWindow", "page", win::WS_OVERLAPPEDWINDOW,
                                         10, 10, 200, 100, main, nullptr, nullptr, nullptr);
    win::HWND other = win::CreateWindowEx(0, "ProductTestWindow", "other", win::WS_OVERLAPPEDWINDOW,
                                          10, 10, 200, 100, nullptr, nullptr, nullptr, nullptr);
    for (win::HWND w : {main, page, other}) win::ValidateRect(w, nullptr);
    mainWindowState.mainWindow = main;
    resultStatus.productSelected = 1;
    Open([](win::HWND d) { win::PressButton(d, SelectProductControl::kNoProduct); });
    win::RECT r;
    EXPECT_TRUE(win::GetUpdateRect(page, &r, win::FALSE));
    EXPECT_FALSE(win::GetUpdateRect(other, &r, win::FALSE));
}

}  // namespace
