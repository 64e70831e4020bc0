// Dialog templates built in code: controls placed in dialog units, with the
// label, edit field, group box and radio group shapes the dialogs share.
#pragma once

#include <initializer_list>
#include <span>
#include <utility>
#include <vector>

#include "platform/dialogs/dialog.h"

// The style of the program's modal dialogs: a popup with a caption, a system
// menu and a modal frame, in its own font, centred on its owner.
inline constexpr win::DWORD kModalDialogStyle = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU |
                                                win::DS_MODALFRAME | win::DS_SETFONT |
                                                win::DS_CENTER;

// An empty template of that style with its caption and font.
inline win::DialogTemplate ModalDialog(const char* caption, const char* fontName, int pointSize) {
    win::DialogTemplate t;
    t.caption = caption;
    t.style = kModalDialogStyle;
    t.fontName = fontName;
    t.pointSize = pointSize;
    return t;
}

// The same in the 8-point dialog font, (cx, cy) in size and holding `items`.
inline win::DialogTemplate ModalDialog(const char* caption, short cx, short cy,
                                       std::vector<win::DialogItemTemplate> items) {
    win::DialogTemplate t = ModalDialog(caption, "MS Sans Serif", 8);
    t.cx = cx;
    t.cy = cy;
    t.items = std::move(items);
    return t;
}

// Sizes a template of columns: `right` is where the rightmost column ends and
// `bottoms` where each column ends below, with `margin` round them.
inline void FitToColumns(win::DialogTemplate& t, short right, std::initializer_list<short> bottoms,
                         short margin) {
    short bottom = 0;
    for (short b : bottoms)
        if (b > bottom) bottom = b;
    t.cx = static_cast<short>(right + margin);
    t.cy = static_cast<short>(bottom + margin);
}

class TemplateBuilder {
  public:
    static constexpr int kNoId = -1;
    static constexpr win::DWORD kEdit = win::WS_BORDER | win::WS_TABSTOP | win::ES_AUTOHSCROLL;
    static constexpr win::DWORD kRadio = win::BS_AUTORADIOBUTTON | win::WS_TABSTOP;

    explicit TemplateBuilder(win::DialogTemplate& t) : t_(t) {}
    void Add(const char* cls, int id, const char* text, win::DWORD style, short x, short y,
             short cx, short cy) {
        t_.items.push_back(win::DialogItemTemplate{cls, id, text, style, x, y, cx, cy});
    }
    // A one-line text lowered to sit level with the edit fields of its row.
    void Label(const char* text, short x, short y, short cx, int id = kNoId) {
        Add("STATIC", id, text, win::SS_LEFT, x, static_cast<short>(y + 2), cx, 9);
    }
    void Edit(int id, short x, short y, short cx, win::DWORD extra = 0, short cy = 11) {
        Add("EDIT", id, "", kEdit | extra, x, y, cx, cy);
    }
    // A push button of the usual height.
    void Button(int id, const char* text, short x, short y, short cx,
                win::DWORD style = win::WS_TABSTOP) {
        Add("BUTTON", id, text, style, x, y, cx, 14);
    }
    void GroupBox(const char* title, short x, short y, short cx, short cy) {
        Add("BUTTON", kNoId, title, win::BS_GROUPBOX, x, y, cx, cy);
    }
    // Radio buttons one under another inside a group box; returns the group's
    // bottom with a gap under it.
    short Radios(const char* title, std::span<const std::pair<int, const char*>> entries, short x,
                 short y, short cx) {
        const auto height = static_cast<short>(12 + 11 * entries.size());
        GroupBox(title, x, y, cx, height);
        short row = static_cast<short>(y + 10);
        bool first = true;
        for (const auto& [id, text] : entries) {
            Add("BUTTON", id, text, kRadio | (first ? win::WS_GROUP : 0), static_cast<short>(x + 5),
                row, static_cast<short>(cx - 10), 10);
            row = static_cast<short>(row + 11);
            first = false;
        }
        return static_cast<short>(y + height + 3);
    }
    short Radios(const char* title, std::initializer_list<std::pair<int, const char*>> entries,
                 short x, short y, short cx) {
        return Radios(title, std::span(entries.begin(), entries.size()), x, y, cx);
    }

  private:
    win::DialogTemplate& t_;
};
