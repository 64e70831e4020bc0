// The rows that the column pages of several waters share on their chemistry
// side (the profile pages and the multi-mix source-water page): the ions with
// their unit suffixes, the names of the pH-control chemicals and the flagged
// dose cell.
#pragma once

#include <string>

#include "platform/window/win_types.h"

enum class IonFormat { kF1, kF2 };  // "%7.1f" or "%7.2f"

constexpr int kIonSuffixCount = 8;
struct IonRow {
    const char* label;
    int unitItem;                           // the UnitCodes item of the ion
    const char* suffixes[kIonSuffixCount];  // by unit code; nullptr past the last
    int element;                            // AnalysisElement
    IonFormat format;                       // as the profile pages show it
};

constexpr int kCationRowCount = 13;
constexpr int kAnionRowsBeforeCount = 3;  // chloride, sulfate, bromine
constexpr int kAnionRowsAfterCount = 8;   // oxalate to boron
constexpr int kPolyphosphateAfterRow = 3;
extern const IonRow kCationRows[kCationRowCount];
extern const IonRow kAnionRowsBefore[kAnionRowsBeforeCount];
extern const IonRow kAnionRowsAfter[kAnionRowsAfterCount];

// The suffix of `row` for unit code `code` ("" where the row lists none). With
// `oem` the suffix is written as the pressure page draws it: no subscript
// marks, and the font's degree byte for the French and German degrees.
[[nodiscard]] std::string IonSuffix(const IonRow& row, int code, bool oem);
[[nodiscard]] std::string IonCell(IonFormat format, float value);

// The pH-control chemicals by their codes; `shortCaustic` gives the
// temperature page's "OH Soda" and "OH Potash".
[[nodiscard]] const char* AcidName(int chemical);
[[nodiscard]] const char* AlkaliName(int chemical, bool shortCaustic);

// A product dose cell: status 0 the plain "%7.2f" dose in black; any other
// status "[" + the five-character dose + "]", in RGB(42, 0, 42) for 1 and 3,
// RGB(42, 0, 0) for 2 and black otherwise.
struct DoseCellText {
    std::string text;
    win::COLORREF colour;
};
[[nodiscard]] DoseCellText DoseCell(float dose, int status);
// The dosage heading of a product mode: "DOSAGE" below 2, "CORROSION RATE
// PREDICTION" at 2, nothing above.
[[nodiscard]] const char* DosageHeading(int productMode);

struct ReportLayout;
// With a product selected on a work of version 200 or later: the dosage heading
// at line `headingLine` and the product's name at `nameLine`. Without one, false
// and nothing written.
bool AddProductHeading(ReportLayout& layout, int headingLine, int nameLine);
// `name` followed by "(mpy)" or "(mm/yr)" as the corrosion rate is reported.
[[nodiscard]] std::string CorrosionRateLabel(const char* name);
