// X key symbols as the program's virtual keys.
#include "platform/window/win_types.h"

// Xlib comes last: its macros (None, True, Bool ...) must not reach our headers.
#include <X11/keysym.h>

namespace win {

int X11VirtualKey(unsigned long sym) {
    if (sym >= XK_a && sym <= XK_z) return static_cast<int>(sym - XK_a) + 'A';
    if (sym >= XK_A && sym <= XK_Z) return static_cast<int>(sym - XK_A) + 'A';
    if (sym >= XK_0 && sym <= XK_9) return static_cast<int>(sym - XK_0) + '0';
    if (sym >= XK_F1 && sym <= XK_F12) return VK_F1 + static_cast<int>(sym - XK_F1);
    switch (sym) {
        case XK_Left:
        case XK_KP_Left:
            return VK_LEFT;
        case XK_Right:
        case XK_KP_Right:
            return VK_RIGHT;
        case XK_Up:
        case XK_KP_Up:
            return VK_UP;
        case XK_Down:
        case XK_KP_Down:
            return VK_DOWN;
        case XK_Prior:
        case XK_KP_Prior:
            return VK_PRIOR;
        case XK_Next:
        case XK_KP_Next:
            return VK_NEXT;
        case XK_Home:
        case XK_KP_Home:
            return VK_HOME;
        case XK_End:
        case XK_KP_End:
            return VK_END;
        case XK_Return:
        case XK_KP_Enter:
            return VK_RETURN;
        case XK_Tab:
        case XK_ISO_Left_Tab:
            return VK_TAB;
        case XK_BackSpace:
            return VK_BACK;
        case XK_Escape:
            return VK_ESCAPE;
        case XK_Delete:
        case XK_KP_Delete:
            return VK_DELETE;
        case XK_Insert:
        case XK_KP_Insert:
            return VK_INSERT;
        case XK_space:
            return VK_SPACE;
        case XK_Shift_L:
        case XK_Shift_R:
            return VK_SHIFT;
        case XK_Control_L:
        case XK_Control_R:
            return VK_CONTROL;
        case XK_Alt_L:
        case XK_Alt_R:
            return VK_MENU;
        default:
            return 0;
    }
}

}  // namespace win
