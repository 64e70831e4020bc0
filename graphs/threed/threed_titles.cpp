// The four texts of the 3D graph built from the plotted code: the title, the
// unit label of the value axis, the profile title and the subtitle.
#include <cstdio>
#include <cstring>
#include <string>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/bands/grid_range.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/threed/threed_series.h"
#include "graphs/threed/threed_text.h"
#include "input/records.h"
#include "reporttext/format/sub_sup_text.h"
#include "scenarios/mixing/mixing_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "treatment/records.h"

namespace {

struct MineralTitle {
    int codes[3];
    const char* name;
    const char* formula;
};

constexpr MineralTitle kMinerals[] = {
    {{0, 60, 100}, "Calcite", "CaCO_3"},
    {{1, 58, 101}, "Aragonite", "CaCO_3"},
    {{2, 114, -1}, "Amorphous Silica", "SiO_2"},
    {{3, 109, -1}, "Calcium phosphate", "Ca_3(PO_4)_2"},
    {{4, 105, -1}, "Anhydrite", "CaSO_4"},
    {{5, 106, -1}, "Gypsum", "CaSO_4*2H_2O"},
    {{12, 112, -1}, "Brucite", "Mg(OH)_2"},
    {{19, 51, 116}, "Strontianite", "SrCO_3"},
    {{20, 115, -1}, "Fluorite", "CaF_2"},
    {{21, 107, -1}, "Barite", "BaSO_4"},
    {{22, 57, 102}, "Witherite", "BaCO_3"},
    {{23, 113, -1}, "Ferric hydroxide", "Fe(OH)_3"},
    {{24, 55, 103}, "Siderite", "FeCO_3"},
    {{25, 53, 104}, "Magnesite", "MgCO_3"},
    {{26, 111, -1}, "Strengite", "FePO_4"},
    {{32, 119, -1}, "Halite", "NaCl"},
    {{36, 110, -1}, "Hydroxyapatite", "Ca_5(PO_4)_3(OH)"},
    {{37, 108, -1}, "Celestite", "SrSO_4"},
    {{44, 117, -1}, "Iron sulfide", "FeS"},
    {{45, 118, -1}, "Thenardite", "Na_2SO_4"},
    {{47, 121, -1}, "Magnesium silicate", "MgSiO_3"},
    {{62, 120, -1}, "Calcium oxalate", "CaC_2O_4"},
};

const MineralTitle* MineralOf(int code) {
    for (const MineralTitle& m : kMinerals)
        for (int c : m.codes)
            if (c == code) return &m;
    return nullptr;
}

const char* AcidName(uint16_t acid) {
    switch (acid) {
        case 0:
            return "98% Sulfuric Acid";
        case 1:
            return "Hydrochloric Acid";
        case 2:
            return "Carbon Dioxide";
        case 3:
            return "93% Sulfuric Acid";
        default:
            return "None Selected";
    }
}

const char* AlkaliName(uint16_t alkali) {
    static const char* const kNames[] = {"Lime", "Soda Ash", "Sodium Bicarbonate", "Caustic Soda",
                                         "Caustic Potash"};
    return alkali < 5 ? kNames[alkali] : "None Selected";
}

const char* CorrosionUnit() {
    return unitCodes.code[UnitItem::kCorrosionRate] == 0 ? "mpy" : "mm/yr";
}

const char* PrecipitationUnit() {
    switch (displaySettings.precipitationUnit) {
        case 0:
            return "mg/l";
        case 1:
            return "lbs/1000 barrels";
        default:
            return "kg/1000 barrels";
    }
}

void Append(char (&to)[kThreeDTextChars], const char* suffix) {
    char joined[2 * kThreeDTextChars + 64];
    std::snprintf(joined, sizeof joined, "%s%s", to, suffix);
    CopyThreeDText(to, joined);
}

const char* TitleOf(uint16_t code, int16_t kind) {
    if (const MineralTitle* m = MineralOf(code))
        return displaySettings.mineralTitles != 0 ? m->formula : m->name;
    switch (code) {
        case 10:
            return "Langelier Saturation Index";
        case 11:
            return "Ryznar Stability Index";
        case 18:
            return "Larson-Skold Corrosivity Index";
        case 31:
            return "Practical Equilibrium Index";
        case 42:
            return "Oddo-Tomson Index";
        case 43:
            return "Stiff-Davis Index";
        case 40:
            return "Mixed Water Temperature";
        case 41:
            return kind == 1 || kind == 2 ? "Mixed Water pH" : "pH";
        case 94:
            return "CO_2 - H_2S Corrosion rate";
        case 95:
            return "H_2S Corrosion rate";
        case 96:
            return "Surface Corrosion rate";
        default:
            return "";
    }
}

}  // namespace

void BuildThreeDTitles(uint16_t code, ThreeDTexts& texts) {
    texts = ThreeDTexts{};
    graphTitle[0] = graphUnitLabel[0] = graphProfileTitle[0] = graphSubtitle[0] = '\0';
    const int16_t kind = ThreeDGridKind();
    const ProductRecord& product = productTable.records[0];
    const int16_t mode = product.productMode;

    if (code == 40 || code == 41)
        CopyThreeDText(graphProfileTitle, "PARAMETER PROFILE");
    else if (code == 89)
        CopyThreeDText(graphProfileTitle, kind == -1 && mode == 2 ? " " : "DOSAGE PROFILE");
    else if (code >= 94 && code <= 96)
        CopyThreeDText(graphProfileTitle, "CORROSION PROFILE");
    else
        CopyThreeDText(graphProfileTitle, "INDEX PROFILE");

    if (gridSource == GridSource::kMixing && (kind == -1 || kind == 0)) {
        char line[64];
        std::snprintf(line, sizeof line, "at %5.2f percent injection water",
                      static_cast<double>(mixGridTables.gridMixPercent[0]));
        CopyThreeDText(graphSubtitle, line);
    }

    // Codes that name no table have no title either.
    if (!GridCodeHasValues(code)) {
        graphProfileTitle[0] = '\0';
        return;
    }
    if (code == 90) {
        CopyThreeDText(graphTitle, AcidName(phControlSettings.acidChemical));
        Append(graphTitle, " Dosage Profile");
        CopyThreeDText(graphUnitLabel, "mg/l");
        return;
    }
    if (code == 91) {
        CopyThreeDText(graphTitle, AlkaliName(phControlSettings.alkaliChemical));
        Append(graphTitle, " Dosage Profile");
        CopyThreeDText(graphUnitLabel, "mg/l");
        return;
    }
    if (code == 89) {
        // The name may fill its 20 bytes without a terminator.
        const char* name = productTable.records[0].name;
        const std::string bounded(name, strnlen(name, sizeof productTable.records[0].name));
        CopyThreeDText(graphTitle, TypedTextInLabel(bounded).c_str());
    } else {
        CopyThreeDText(graphTitle, TitleOf(code, kind));
    }

    switch (code) {
        case 10:
            return CopyThreeDText(graphUnitLabel, "LSI");
        case 11:
            return CopyThreeDText(graphUnitLabel, "RSI");
        case 31:
            return CopyThreeDText(graphUnitLabel, "PSI");
        case 42:
            return CopyThreeDText(graphUnitLabel, "OTI");
        case 43:
            return CopyThreeDText(graphUnitLabel, "SDI");
        case 41:
            return CopyThreeDText(graphUnitLabel, "pH Units");
        case 40: {
            const uint16_t t = unitCodes.code[UnitItem::kTemperature];
            if (t < 3)
                CopyThreeDText(graphUnitLabel, t == 0   ? "\xB0"
                                                          "F"
                                               : t == 1 ? "\xB0"
                                                          "C"
                                                        : "\xB0"
                                                          "K");
            return;
        }
        case 18:
            return;
        case 89:
            if (mode < 2) {
                Append(graphTitle, " Dosage Profile");
                CopyThreeDText(graphUnitLabel, "mg/l");
            } else if (mode == 2) {
                Append(graphTitle, " Corrosion Profile");
                CopyThreeDText(graphUnitLabel, CorrosionUnit());
            }
            return;
        case 94:
        case 95:
        case 96:
            return CopyThreeDText(graphUnitLabel, CorrosionUnit());
        default:
            break;
    }
    if (code == 51 || code == 53 || code == 55 || code == 57 || code == 58 || code == 60) {
        Append(graphTitle, " Precipitation Potential");
        CopyThreeDText(graphUnitLabel, PrecipitationUnit());
    } else if (code >= 100) {
        Append(graphTitle, " Momentary Excess");
        CopyThreeDText(graphUnitLabel, PrecipitationUnit());
    } else if (displaySettings.indexFormat == 1) {
        Append(graphTitle, " Saturation Index");
        CopyThreeDText(graphUnitLabel, "Saturation Index");
    } else {
        Append(graphTitle, " Saturation Ratio");
        CopyThreeDText(graphUnitLabel, "Degree of Supersaturation");
    }
}

void CopyThreeDText(char (&to)[kThreeDTextChars], const char* from) {
    size_t n = std::strlen(from);
    if (n > kThreeDTextChars - 1) {
        n = kThreeDTextChars - 1;
        if (from[n - 1] == '_' || from[n - 1] == '^') --n;
    }
    std::memcpy(to, from, n);
    to[n] = '\0';
}

void AddScaleToUnitLabel(ThreeDTexts& texts, const char* suffix) {
    // A blank suffix means no scale; "K", "M", "B" and the exponents are scales.
    if (texts.scaleShown || suffix[0] == '\0' || std::strcmp(suffix, " ") == 0) return;
    texts.scaleShown = true;
    texts.unscaledUnitLabel = graphUnitLabel;
    char joined[2 * kThreeDTextChars];
    std::snprintf(joined, sizeof joined, "%s (%s)", graphUnitLabel, suffix);
    CopyThreeDText(graphUnitLabel, joined);
}
