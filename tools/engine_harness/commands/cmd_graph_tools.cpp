// tarvex-engine axis MIN MAX N: the rounded value axis (low, high, intervals).
// tarvex-engine bands CODE [--log] [--corrosion-unit U]: the direction and the
// four thresholds of an index's colour bands.
// tarvex-engine font FACE SWITCH HEIGHT TURNS BOLD: the font request of the
// graph font factory, or "no font".
// tarvex-engine dat OUT: the example table of the graph data file written to OUT
// (the save dialog answered by OUT); the messages of the export are printed.
#include <cstdlib>
#include <cstring>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/axis/axis_scale.h"
#include "graphs/axis/graph_font.h"
#include "graphs/bands/index_bands.h"
#include "graphs/datafile/graph_data_file.h"
#include "input/description_records.h"
#include "platform/drivers/script.h"
#include "platform/win.h"
#include "shell/mainwindow/display_settings_records.h"
#include "tools/engine_harness/commands.h"

namespace {

bool Number(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0';
}

bool Whole(const char* text, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0';
}

}  // namespace

int CmdAxis(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    double lo = 0, hi = 0;
    long n = 0;
    if (args.size() != 3 || !Number(args[0], lo) || !Number(args[1], hi) || !Whole(args[2], n) ||
        n < -32768 || n > 32767) {
        std::fprintf(err, "axis: give MIN MAX N\n");
        return kExitUsage;
    }
    double low = 0, high = 0;
    uint16_t intervals = 0;
    ComputeAxisScale(lo, hi, static_cast<int16_t>(n), low, high, intervals);
    std::fprintf(out, "%.6g %.6g %u\n", low, high, static_cast<unsigned>(intervals));
    return kExitOk;
}

int CmdBands(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    long code = 0;
    if (args.empty() || !Whole(args[0], code) || code < 0 || code > 0xFFFF) {
        std::fprintf(err, "bands: give an index code\n");
        return kExitUsage;
    }
    displaySettings.indexFormat = 0;
    unitCodes.code[UnitItem::kCorrosionRate] = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        long unit = 0;
        if (std::strcmp(args[i], "--log") == 0) {
            displaySettings.indexFormat = 1;
        } else if (std::strcmp(args[i], "--corrosion-unit") == 0 && i + 1 < args.size() &&
                   Whole(args[i + 1], unit) && unit >= 0 && unit <= 0xFFFF) {
            unitCodes.code[UnitItem::kCorrosionRate] = static_cast<uint16_t>(unit);
            ++i;
        } else {
            std::fprintf(err, "bands: unexpected argument \"%s\"\n", args[i]);
            return kExitUsage;
        }
    }
    uint16_t outCode = 0, direction = 0;
    double t[4];
    GetIndexColorBands(static_cast<uint16_t>(code), outCode, direction, t);
    std::fprintf(out, "%u %.3g %.3g %.3g %.3g\n", static_cast<unsigned>(direction), t[0], t[1],
                 t[2], t[3]);
    return kExitOk;
}

int CmdFont(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    long v[5] = {};
    if (args.size() != 5) {
        std::fprintf(err, "font: give FACE SWITCH HEIGHT TURNS BOLD\n");
        return kExitUsage;
    }
    for (int i = 0; i < 5; ++i)
        if (!Whole(args[i], v[i]) || v[i] < -100000 || v[i] > 100000) {
            std::fprintf(err, "font: bad number \"%s\"\n", args[i]);
            return kExitUsage;
        }
    win::LOGFONTA f;
    if (!GraphFontRequest(static_cast<int32_t>(v[0]), static_cast<uint32_t>(v[1]),
                          static_cast<int32_t>(v[2]), static_cast<uint32_t>(v[3]),
                          static_cast<uint32_t>(v[4]), f)) {
        std::fprintf(out, "no font\n");
        return kExitOk;
    }
    std::fprintf(out,
                 "face \"%s\" charset %u pitch-and-family 0x%02X weight %ld escapement %ld "
                 "orientation %ld quality %u height %ld\n",
                 f.lfFaceName, static_cast<unsigned>(f.lfCharSet),
                 static_cast<unsigned>(f.lfPitchAndFamily), static_cast<long>(f.lfWeight),
                 static_cast<long>(f.lfEscapement), static_cast<long>(f.lfOrientation),
                 static_cast<unsigned>(f.lfQuality), static_cast<long>(f.lfHeight));
    return kExitOk;
}

// The example table of the graph data file: a calcite grid over pH 6.0 to
// 9.0 and 10 to 70 degrees, in log index form (a negative value and one too
// small for six decimals among them).
int CmdDat(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    if (args.size() != 1) {
        std::fprintf(err, "dat: give OUT\n");
        return kExitUsage;
    }
    float rows[kGraphDataSide];
    float columns[kGraphDataSide];
    double values[kGraphDataSide * kGraphDataSide];
    for (int i = 0; i < kGraphDataSide; ++i) {
        rows[i] = 6.0f + 0.5f * static_cast<float>(i);
        columns[i] = 10.0f * static_cast<float>(i + 1);
    }
    for (int r = 0; r < kGraphDataSide; ++r)
        for (int c = 0; c < kGraphDataSide; ++c)
            values[r * kGraphDataSide + c] = -0.045757 + 0.25 * r + 0.01 * c;
    values[1] = 1e-7;
    std::snprintf(currentDescription.text[0], sizeof currentDescription.text[0], "%s",
                  "Harness water");
    std::snprintf(currentDescription.text[1], sizeof currentDescription.text[1], "%s",
                  "Field \"North\", well 7");
    const GraphDataTable table{
        rows, columns, values, {"Calcite Saturation Index", "Saturation Index", "INDEX PROFILE"}};
    win::AnswerFileDialog(args[0]);
    win::AnswerMessageBox("", "already exists", win::IDYES);
    const int result = ExportGraphData(nullptr, 0, 0, 0, table);
    for (const win::MessageBoxRecord& box : win::MessageBoxLog())
        std::fprintf(result == 0 ? out : err, "%s: %s\n", box.caption.c_str(), box.text.c_str());
    return result == 0 ? kExitOk : kExitBadInput;
}
