// The steps every graph window's procedure takes alike: menu texts, painting
// now, the messages all graph windows answer the same way, the alt keys, the
// click point, the value boxes and the way back to the main window.
#pragma once

#include <span>

#include "platform/window/win_types.h"

using GraphPainter = void (*)(win::HDC dc, win::HWND window);

// Sets the text of item `id` of the window's menu (none: nothing happens).
void SetGraphMenuText(win::HWND hwnd, int id, const char* text);
// Sets the text and enables the item, or greys it.
void SetGraphMenuItem(win::HWND hwnd, int id, const char* text, bool grey = false);

// Paints the graph into the window's device context now.
void PaintGraphNow(win::HWND hwnd, GraphPainter paint);

// An alt key and the command it sends; letters of either case match.
struct GraphAltKey {
    char letter;  // upper case
    int command;
};
// The command of an alt key, or 0.
[[nodiscard]] int GraphAltKeyCommand(win::WPARAM key, std::span<const GraphAltKey> keys);

// What one graph window does in the messages every graph window answers.
struct GraphWindowTraits {
    // WM_PAINT: runs once the paint has begun (null: nothing), then `paint`
    // paints the graph for the screen.
    void (*beforePaint)(win::HWND hwnd);
    GraphPainter paint;
    // WM_SYSKEYDOWN: the command an alt key sends to the window (0: none).
    int (*altCommand)(win::WPARAM key);
    // WM_LBUTTONDBLCLK and WM_CLOSE, answered 0 (null: the default answer).
    void (*close)(win::HWND hwnd);
};
// The messages every graph window answers alike: WM_SIZE (a restored window
// repainted with erasing at once), WM_PAINT, WM_SYSKEYDOWN, the double click
// and the system close, and WM_DESTROY (however the window ends, the graph
// slot no longer holds it); any other message gets the default answer.
win::LRESULT AnswerGraphMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                win::LPARAM lParam, const GraphWindowTraits& traits);

// The client point of a mouse message's lParam with its origin at the client
// area's bottom left, y up, as the bars are kept.
[[nodiscard]] win::POINT GraphClickPoint(win::HWND hwnd, win::LPARAM lParam);
// The box of a value click: with a product selected it asks YES/NO and YES
// shows the limits summary of `point`; else it only informs. The box of an
// analysis copy only informs.
void AnswerValueClick(win::HWND hwnd, const char* caption, const char* message, int point);
void ShowClickBox(win::HWND hwnd, const char* caption, const char* message);

// After a print: the window back at `place` (its screen rectangle before the
// print), shown, enabled, active and in front, invalidated.
void ShowGraphWindowAfterPrint(win::HWND hwnd, const win::RECT& place);

// The main window activated, maximised and updated (after a graph closes).
void ShowMainWindowAgain();
// CLOSE of a window in the graph slot: the slot's window (the asking one)
// destroyed, the slot marked free and the main window shown again.
void CloseSlotGraphWindow(win::HWND hwnd);
