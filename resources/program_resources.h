// The program's resources as C++ data: the string table, the main menu and the
// background pictures. They are handed to the platform layer's resource tables
// once at start-up, where LoadString, LoadMenu and LoadBitmap find them.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "resources/resource_ids.h"

// Registers every resource below with the platform layer.
void RegisterProgramResources();

// The program's icon (a few sizes), for the display's title bars and window lists.
void RegisterProgramIcon();

// The string table (id, text), in id order.
struct StringResource {
    unsigned id;
    const char* text;
};
[[nodiscard]] const std::vector<StringResource>& StringTable();
void RegisterStringTable();

// Menu 9, the main window's menu.
void RegisterMainMenu();

// Menus 11, 12 and 17, the class menus of the result pages.
void RegisterPageMenus();

// Menu 14, the class menu of the 2D graph window.
void RegisterGraphMenus();
// Menu 15, the class menu of the pH-alkalinity graph window.
void RegisterAlkGraphMenu();

// The treatment products' dialogs (product selection, graph choice, limits
// summary).
void RegisterTreatmentDialogs();

// The templates of the four list choosers (63 to 66).
void RegisterChooserDialogs();

// Registers picture `id`, drawn by `draw(width, height)` as a packed DIB the
// first time it is loaded.
void RegisterDrawnPicture(int id, std::vector<uint8_t> (*draw)(int width, int height), int width,
                          int height);

// The eight background pictures: id and size in pixels.
struct PictureSize {
    int id;
    int width;
    int height;
};
inline constexpr PictureSize kBackgroundPictures[8] = {
    {PictureId::k640x480, 640, 480},     {PictureId::k800x600, 800, 600},
    {PictureId::k1023x768, 1023, 768},   {PictureId::k1280x800, 1280, 800},
    {PictureId::k1280x1023, 1280, 1023}, {PictureId::k1600x1200, 1600, 1200},
    {PictureId::k1680x1050, 1680, 1050}, {PictureId::k1920x1200, 1920, 1200},
};

// One background picture as a packed 24-bit device-independent bitmap
// (BITMAPINFOHEADER, then bottom-up rows padded to 4 bytes).
[[nodiscard]] std::vector<uint8_t> MakeBackgroundPicture(int width, int height);
void RegisterBackgroundPictures();

// The printing dialogs: the cancel dialog 38 and the option dialogs 161, 73, 78.
void RegisterPrintDialogs();

// The pictures of report pages as packed DIBs: the logo (24 bits, or 1 bit
// for mono printers) and the summary pages' backdrop at any size.
[[nodiscard]] std::vector<uint8_t> MakeLogoPicture(bool colour);
[[nodiscard]] std::vector<uint8_t> MakeBackdropPicture(int width, int height);
void RegisterReportPictures();

// Dialog 72, the calendar, and templates 80 to 83, the water analysis form in
// its four screen sizes.
void RegisterCalendarDialog();
void RegisterWaterFormTemplates();

// Templates 27 to 29, the units dialog, and 84 and 85, the single-water
// what-if settings.
void RegisterUnitsDialogTemplates();
void RegisterWhatIfDialogTemplates();
// Templates 88 and 89, the mixing zone settings.
void RegisterMixZoneDialogTemplates();
// The twelve "Change Range" templates of the graph windows (191 to 208).
void RegisterRangeDialogTemplates();
// Templates 31 to 35 and 165: the constant concentrations, the pH-alkalinity
// curve in four fonts and the precipitation display.
void RegisterPhCurveDialogTemplates();
// Templates 115 to 117, the multi-mix water input.
void RegisterMultiMixDialogTemplates();

// Templates 181 to 189 and 79: the windows-to-display and print-selection
// dialogs and the printout size dialog; templates 21 to 24 and picture 110:
// the About box.
void RegisterSelectionDialogTemplates();
void RegisterAboutResources();

// Templates 52, 75 and 76: the work, raw-data and inhibitor file browsers.
void RegisterBrowseDialogTemplates();
