// Where dialogs open and how large message boxes are: a dialog its template
// does not place opens centred on its owner, kept on the desktop; a message
// box is as wide as its longest line up to two thirds of the desktop, breaks
// longer lines between words, and every line of its text lies inside it.
#include <string>

#include "platform/dialogs/message_box.h"
#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

constexpr int kDeskWidth = 1024;
constexpr int kDeskHeight = 768;
constexpr int kTemplateId = 4711;

INT_PTR QuietDialog(HWND, UINT m, WPARAM, LPARAM) {
    return m == WM_INITDIALOG ? TRUE : FALSE;
}

class DialogLayoutTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        SetDesktopSize(kDeskWidth, kDeskHeight);
        RegisterPlainClass("LayoutOwner");
    }

    HWND Owner(int x, int y, int w, int h) {
        return CreateWindowEx(0, "LayoutOwner", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, w,
                              h, nullptr, nullptr, nullptr, nullptr);
    }

  public:
    // The dialog of `t` opened (modeless) over `owner`, its window rectangle.
    static RECT Opened(const DialogTemplate& t, HWND owner, HWND* dialog = nullptr) {
        RegisterDialogTemplate(kTemplateId, t);
        HWND d = CreateDialogParam(nullptr, kTemplateId, owner, QuietDialog, 0);
        RECT r{};
        GetWindowRect(d, &r);
        if (dialog != nullptr) *dialog = d;
        return r;
    }

    static DialogTemplate Plain(short cx, short cy, DWORD style = 0) {
        DialogTemplate t;
        t.caption = "Placed";
        t.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | style;
        t.cx = cx;
        t.cy = cy;
        return t;
    }
};

TEST_F(DialogLayoutTest, DialogsOpenCentredOnTheirOwnerAndOnTheDesktop) {
    HWND owner = Owner(500, 300, 400, 300);
    RECT r = Opened(Plain(100, 60), owner);
    EXPECT_NEAR((r.left + r.right) / 2, 700, 1) << "centred across the owner";
    EXPECT_NEAR((r.top + r.bottom) / 2, 450, 1) << "centred down the owner";

    // An owner near the corner: the dialog is moved onto the desktop.
    DestroyWindow(owner);
    owner = Owner(900, 700, 300, 200);
    for (DWORD style : {DWORD{0}, DWORD{DS_CENTER}}) {
        r = Opened(Plain(200, 150, style), owner);
        EXPECT_EQ(r.right, kDeskWidth) << style;
        EXPECT_EQ(r.bottom, kDeskHeight) << style;
    }
    // No owner: the middle of the desktop.
    r = Opened(Plain(100, 60), nullptr);
    EXPECT_NEAR((r.left + r.right) / 2, kDeskWidth / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, kDeskHeight / 2, 1);

    // A template that places its dialog keeps that place, in the owner's client area.
    DestroyWindow(owner);
    owner = Owner(100, 100, 400, 300);
    DialogTemplate placed = Plain(100, 60);
    placed.x = 20;
    placed.y = 16;
    r = Opened(placed, owner);
    POINT origin{0, 0};
    ClientToScreen(owner, &origin);
    EXPECT_GT(r.left, origin.x);
    EXPECT_GT(r.top, origin.y);
    EXPECT_LT(r.left, origin.x + 60);
}

// Every line of the box's text, broken as the label breaks it, fits in the
// label, and the label and the buttons lie inside the box.
void ExpectTextInside(const std::string& text, UINT type) {
    SCOPED_TRACE(text.substr(0, 40));
    HWND box = nullptr;
    RECT outer = DialogLayoutTest::Opened(detail::MessageBoxTemplate(text, "WARNING", type),
                                          nullptr, &box);
    EXPECT_LE(outer.right - outer.left, kDeskWidth * 2 / 3 + 40);
    RECT client;
    GetClientRect(box, &client);
    HWND label = GetDlgItem(box, 0xFFFF);
    ASSERT_NE(label, nullptr);
    RECT labelRect;
    GetWindowRect(label, &labelRect);
    POINT corner{0, 0};
    ClientToScreen(box, &corner);
    OffsetRect(&labelRect, -corner.x, -corner.y);
    EXPECT_GE(labelRect.left, 0);
    EXPECT_LE(labelRect.right, client.right);

    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(label, WM_GETFONT, 0, 0)));
    char shown[4096] = {};
    GetWindowText(label, shown, sizeof shown);
    RECT need{0, 0, labelRect.right - labelRect.left, 0};
    DrawTextA(dc, shown, -1, &need, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    EXPECT_LE(need.right, labelRect.right - labelRect.left) << "a line wider than the label";
    EXPECT_LE(need.bottom, labelRect.bottom - labelRect.top) << "lines below the label";

    for (int id : {IDOK, IDYES, IDNO}) {
        HWND button = GetDlgItem(box, id);
        if (button == nullptr) continue;
        RECT b;
        GetWindowRect(button, &b);
        OffsetRect(&b, -corner.x, -corner.y);
        EXPECT_GE(b.top, labelRect.bottom) << "button over the text";
        EXPECT_LE(b.bottom, client.bottom) << "button outside the box";
        EXPECT_LE(b.right, client.right);
    }
    DestroyWindow(box);
}

TEST_F(DialogLayoutTest, MessageBoxesHoldTheirWholeText) {
    ExpectTextInside("FILE SUCCESSFULLY RESTORED!", MB_OK);
    ExpectTextInside("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", MB_OK);
    ExpectTextInside("Two lines\nthe SECOND LINE IS LONGER THAN THE FIRST", MB_YESNO);
    std::string longText;
    for (int i = 0; i < 40; ++i) longText += "The units of the analysis differ from the file. ";
    ExpectTextInside(longText, MB_YESNO);
    ExpectTextInside(std::string(300, 'M'), MB_OK);  // one word wider than the desktop
}

TEST_F(DialogLayoutTest, MessageBoxWidthFollowsItsLongestLine) {
    auto width = [](const std::string& text) {
        DialogTemplate t = detail::MessageBoxTemplate(text, "WARNING", MB_OK);
        return static_cast<int>(t.cx);
    };
    // Capitals are wider than small letters: the box follows the letters.
    EXPECT_GT(width("FILE SUCCESSFULLY RESTORED! FILE SUCCESSFULLY"),
              width("file successfully restored! file successfully"));
    // A long text is no wider than two thirds of the desktop: it breaks.
    std::string longText;
    for (int i = 0; i < 40; ++i) longText += "word ";
    std::string longer = longText + longText;
    EXPECT_EQ(width(longText + longText), width(longer + longer));
}

}  // namespace
}  // namespace wintest
