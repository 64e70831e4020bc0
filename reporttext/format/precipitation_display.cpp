// The one conversion of precipitation amounts to their display unit.
#include "reporttext/format/precipitation_display.h"

#include "reporttext/format/format_value.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/main_window_records.h"

float PrecipitationInDisplayUnit(float mgPerLitre) {
    // A value the engine could not compute stays that mark in every unit.
    if (IsUndefinedValue(mgPerLitre)) return mgPerLitre;
    switch (displaySettings.precipitationUnit) {
        case 0:
            return mgPerLitre;
        case 1:
            return mgPerLitre * precipitationFactor;
        default: {
            const float kilogramFactor = static_cast<float>(precipitationFactor * 0.454);
            return mgPerLitre * kilogramFactor;
        }
    }
}
