// Station temperatures, pressures and depths of the well profiles.
#include "scenarios/wells/well_stations.h"

#include <cstddef>
#include <iterator>

#include "common/unit_codes.h"
#include "engine/tables/water_properties.h"

namespace {

// Absolute temperature (K, degrees C + 273.16) of a station temperature; an
// unknown unit reads as 25 degrees C.
double StationKelvin(float t, uint16_t temperatureUnit) {
    switch (temperatureUnit) {
        case TemperatureUnit::kFahrenheit:
            return (t - 32.0) * 5.0 / 9.0 + 273.16;
        case TemperatureUnit::kCelsius:
            return t + 273.16;
        case TemperatureUnit::kKelvin:
            return t;
        default:
            return 298.16;
    }
}

// Writes gauge = pressure - the unit's atmospheric pressure for stations
// [first, size); an unknown unit leaves the gauge column as it is.
void FillGauge(const WellStationColumns& out, uint16_t pressureUnit, std::size_t first) {
    double offset = 0.0;
    if (!AtmosphericOffset(pressureUnit, offset)) return;
    for (std::size_t k = first; k < out.gaugePressure.size(); ++k)
        out.gaugePressure[k] = static_cast<float>(out.pressure[k] - offset);
}

// Temperatures from low to high over the stations, the step added station by
// station in single precision.
void SpreadEvenly(float low, float high, std::span<float> column) {
    const float step = (high - low) / static_cast<float>(column.size() - 1);
    float value = low;
    for (float& v : column) {
        v = value;
        value += step;
    }
}

}  // namespace

bool AtmosphericOffset(uint16_t pressureUnit, double& offset) {
    constexpr double kOffset[] = {1.0, 1.01325, 14.696, 101.325};
    if (pressureUnit >= std::size(kOffset)) return false;
    offset = kOffset[pressureUnit];
    return true;
}

bool PsiInPressureUnit(double psi, uint16_t pressureUnit, double& value) {
    // The engine's conversions: atm = psia x 0.068046, bar = psia x 0.068948.
    constexpr double kPerPsi[] = {0.068046, 0.068948, 1.0, 6.8948};
    if (pressureUnit >= std::size(kPerPsi)) return false;
    value = psi * kPerPsi[pressureUnit];
    return true;
}

void BuildWellLogStations(uint32_t source, const WellLogSpecs& specs,
                          const WhatIfSettings& settings, uint16_t temperatureUnit,
                          uint16_t pressureUnit, const WellStationColumns& out) {
    const float* w = specs.value;
    if (source == WellPointSource::kWellLog) {
        SpreadEvenly(w[WellLogField::kSeparatorTemperature],
                     w[WellLogField::kBottomHoleTemperature], out.temperature);
        SpreadEvenly(w[WellLogField::kSeparatorPressure], w[WellLogField::kBottomHolePressure],
                     out.pressure);
        FillGauge(out, pressureUnit, 0);
        return;
    }
    SpreadEvenly(settings.temperatureLow, settings.temperatureHigh, out.temperature);
    if (source == WellPointSource::kSteamLine) {
        // Below the normal boiling point the water stands at atmospheric
        // pressure; above it, at the saturation pressure of water (MPa, x
        // 145.03773773 psi per MPa), taken as the gauge pressure and expressed
        // in the user's pressure unit. An unknown unit gets the psi figure.
        double offset = 0.0;
        const bool known = AtmosphericOffset(pressureUnit, offset);
        for (std::size_t k = 0; k < out.temperature.size(); ++k) {
            const double kelvin = StationKelvin(out.temperature[k], temperatureUnit);
            double gauge = 0.0;
            if (kelvin > 373.16) {
                const double psi = CalcWaterSatPressure(static_cast<float>(kelvin)) * kPsiaPerMPa;
                if (!PsiInPressureUnit(psi, pressureUnit, gauge)) gauge = psi;
            }
            if (known) out.gaugePressure[k] = static_cast<float>(gauge);
            out.pressure[k] = static_cast<float>(gauge + offset);
        }
        return;
    }
    // Typical pressure: every station at pressureEval, as entered.
    for (float& p : out.pressure) p = settings.pressureEval;
    FillGauge(out, pressureUnit, 0);
}

void BuildFlashStations(const WellLogSpecs& specs, uint16_t pressureUnit, bool gaugeAtFlash,
                        const WellStationColumns& out) {
    const float* w = specs.value;
    const std::size_t n = out.temperature.size();
    // The flashed water stands at one atmosphere; psia takes the rounded 14.7.
    constexpr float kAtmosphere[] = {1.0f, 1.01325f, 14.7f, 101.325f};
    const float bottomT = w[WellLogField::kBottomHoleTemperature];
    const float bottomP = w[WellLogField::kBottomHolePressure];
    const float depth = w[WellLogField::kDepth];
    const float separatorT = w[WellLogField::kSeparatorTemperature];
    const float separatorP = w[WellLogField::kSeparatorPressure];

    out.temperature[0] = w[WellLogField::kFlashedTemperature];
    out.pressure[0] = pressureUnit < std::size(kAtmosphere) ? kAtmosphere[pressureUnit] : 1.0f;
    out.depth[0] = 0.0f;
    out.temperature[1] = separatorT;
    out.pressure[1] = separatorP;
    out.depth[1] = 0.0f;

    // Stations 2 .. n-1 in n-2 equal steps from the separator.
    const float divisor = static_cast<float>(n - 2);
    const float stepT = (bottomT - separatorT) / divisor;
    const float stepP = (bottomP - separatorP) / divisor;
    const float stepDepth = depth / divisor;
    for (std::size_t k = 2; k < n; ++k) {
        out.temperature[k] = out.temperature[k - 1] + stepT;
        out.pressure[k] = out.pressure[k - 1] + stepP;
        out.depth[k] = out.depth[k - 1] + stepDepth;
    }
    out.temperature[n - 1] = bottomT;
    out.pressure[n - 1] = bottomP;
    out.depth[n - 1] = depth;
    FillGauge(out, pressureUnit, gaugeAtFlash ? 0 : 1);
}
