// tarvex-engine show WATERFILE: what the water-file reader makes of a file, element
// by element, with the unit codes and the two modes.
#include <string>

#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/water_file.h"
#include "tools/engine_harness/water_file_items.h"

namespace {

const char* ReportingName(uint16_t mode) {
    switch (mode) {
        case ReportingMode::kPpm:
            return "ppm";
        case ReportingMode::kMgPerL:
            return "mg/L";
        case ReportingMode::kEpm:
            return "epm";
        default:
            return "?";
    }
}

}  // namespace

int CmdShow(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    if (args.size() != 1) {
        std::fprintf(err, "show: give one water file\n");
        return kExitUsage;
    }
    WaterFileData data{};
    const WaterFileStatus status = ReadWaterFile(args[0], data);
    if (!status.ok) {
        // A message tied to a line names the file in front; the others name it already.
        if (status.line > 0)
            std::fprintf(err, "%s: %s\n", args[0], status.message.c_str());
        else
            std::fprintf(err, "%s\n", status.message.c_str());
        return kExitBadInput;
    }
    std::fprintf(out, "reporting %u (%s)\n", data.reportingMode, ReportingName(data.reportingMode));
    std::fprintf(out, "alkalinity_mode %u\n", data.alkalinityMode);
    for (const WaterItem& item : WaterItems()) {
        if (!data.given[item.element]) continue;
        std::fprintf(out, "%3d %-14s %14.7g", item.element, item.name,
                     static_cast<double>(data.analysis.values[item.element]));
        const std::string unit = DescribeUnit(data, item.element);
        if (item.kind == WaterItemKind::kAlkalinityFamily)
            std::fprintf(out, "  alkalinity mode %u (%s)\n", data.alkalinityMode, unit.c_str());
        else if (item.unitItem >= 0)
            std::fprintf(out, "  unit code %u (%s)\n", data.units.code[item.unitItem],
                         unit.c_str());
        else
            std::fprintf(out, "  (%s)\n", unit.c_str());
    }
    return kExitOk;
}
