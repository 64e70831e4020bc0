// Menu 15, the class menu of the pH-alkalinity graph window: OUTPUT, and
// PROPERTIES with its four items greyed (the picture has one style only).
#include "platform/window/menu.h"
#include "resources/program_resources.h"

namespace {

using win::MenuTemplateItem;

MenuTemplateItem Item(unsigned id, const char* text, win::UINT flags = 0) {
    return MenuTemplateItem{text, id, flags, {}};
}

}  // namespace

void RegisterAlkGraphMenu() {
    win::RegisterMenuTemplate(
        kGraphMenuAlk,
        {MenuTemplateItem{"&OUTPUT",
                          0,
                          win::MF_POPUP,
                          {Item(1013, "&PRINT"), Item(985, "&COPY"), Item(995, "&EXPORT IMAGE"),
                           Item(1028, "&CLOSE")}},
         MenuTemplateItem{
             "&PROPERTIES",
             0,
             win::MF_POPUP,
             {Item(1011, " DISPLAY GRAY SCALE  \t(Currently Color)", win::MF_GRAYED),
              Item(1009, " EXPORT GRAY SCALE IMAGES \t(Currently Color)", win::MF_GRAYED),
              Item(1010, " PRINT GRAY SCALE  \t(Currently Color)", win::MF_GRAYED),
              Item(1012, " USE SOLID PATTERNS\t(Currently &Hatch Patterns)", win::MF_GRAYED)}}});
}
