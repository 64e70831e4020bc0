// The whole windowing layer in one include.
#pragma once

#include "platform/system/clipboard.h"
#include "platform/dialogs/common_dialogs.h"
#include "platform/controls/controls.h"
#include "platform/dialogs/dialog.h"
#include "platform/drivers/driver.h"
#include "platform/files/file_io.h"
#include "platform/gdi/gdi.h"
#include "platform/window/menu.h"
#include "platform/dialogs/message_box.h"
#include "platform/print/print_setup.h"
#include "platform/window/rect.h"
#include "platform/drivers/script.h"
#include "platform/gdi/surface.h"
#include "platform/system/system.h"
#include "platform/window/win_types.h"
#include "platform/window/window.h"
