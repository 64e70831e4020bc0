// The whole windowing layer in one include.
#pragma once

#include "platform/clipboard.h"
#include "platform/common_dialogs.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/driver.h"
#include "platform/file_io.h"
#include "platform/gdi.h"
#include "platform/menu.h"
#include "platform/message_box.h"
#include "platform/print_setup.h"
#include "platform/rect.h"
#include "platform/script.h"
#include "platform/surface.h"
#include "platform/system.h"
#include "platform/win_types.h"
#include "platform/window.h"
