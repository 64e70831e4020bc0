// "tkIntermediate" as another program may have left it on the clipboard: the
// record read from any bytes (the sender's units after it included), then
// pasted into a working analysis in every alkalinity mode and reporting basis
// with unit codes taken from the record itself.
// fuzz-link: tarvex_ui
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "input/clipboard/analysis_transfer.h"
#include "input/clipboard/analysis_travel.h"
#include "input/unit_factor_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AnalysisTransfer transfer;
    if (!DecodeAnalysisTransfer(data, size, transfer)) return 0;
    for (const auto& line : transfer.descriptions)
        if (std::memchr(line, '\0', sizeof line) == nullptr) __builtin_trap();

    static float factors[kUnitFactorRows][kUnitFactorColumns];
    FillUnitFactors(factors);
    UnitCodes units{};
    for (int item = 0; item < UnitItem::kCount; ++item)
        units.code[item] = static_cast<uint16_t>(transfer.units[item] & 7);

    for (uint16_t step = 0; step <= 29; ++step) {
        const auto mode = static_cast<uint16_t>(step % 10);
        const auto reporting = static_cast<uint16_t>(1 + step / 10);
        WaterAnalysis analysis{};
        SampleDescription description{};
        float acids[4] = {};
        float residence = 0.0f, corrosion = 0.0f, co2 = 0.0f;
        float saturation[64] = {};
        const TravelAnalysis to{&analysis,  &description, acids, &residence,
                                &corrosion, saturation,   &co2};
        TransferToAnalysis(transfer, TravelUnits{&units, mode, factors, reporting}, to);
        for (float v : analysis.values)
            if (!std::isfinite(v)) __builtin_trap();
        if (!std::isfinite(residence) || !std::isfinite(corrosion)) __builtin_trap();
    }
    return 0;
}
