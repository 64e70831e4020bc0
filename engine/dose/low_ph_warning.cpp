// The warning a grid run gives when a predicted pH comes out lower than the
// pH-alkalinity curve allows, so that the user knows the alkalinity was raised.
#include <cstdio>

#include "engine/dose/dose_records.h"
#include "engine/dose/low_ph_warning.h"
#include "platform/dialogs/message_box.h"
#include "shell/records.h"

void WarnLowPredictedpH(float ph, float temperature, float concentrationRatio) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "The predicted pH is lower than expected at:\n"
                  "Temperature: %5.2f  pH: %5.2f  Concentration ratio: %5.2f\n"
                  "  Alkalinity adjusted upward based\n"
                  "upon pH-Alkalinity curve to increase pH!",
                  static_cast<double>(temperature), static_cast<double>(ph),
                  static_cast<double>(concentrationRatio));
    (void)win::MessageBox(mainWindowState.mainWindow, text, "WARNING",
                          win::MB_OK | win::MB_ICONINFORMATION);
    lowPhWarned = 1;
}
