// tarvex-engine: command-line harness over the chemistry engine. It is test
// equipment: it reads hand-written water files and prints what the engine makes of
// them. Usage: tarvex-engine COMMAND [ARGUMENTS...]
#include <cstdio>
#include <span>

#include "tools/engine_harness/commands.h"
#include "tools/harness_command_line.h"

namespace {

// One line per command.
constexpr HarnessCommand kCommands[] = {
    {"tables", CmdTables, "[--reaction N] [--species N] ..."},
    {"show", CmdShow, "WATERFILE"},
    {"fit", CmdFit, "ALK:PH ALK:PH ..."},
    {"constants", CmdConstants, "WATERFILE"},
    {"speciate", CmdSpeciate, "WATERFILE"},
    {"phadjust", CmdPhAdjust,
     "WATERFILE --target PH [--acid N | --alkali N] [--open]  (textbook 25 C carbonate constants)"},
    {"corrosion", CmdCorrosion, "WATERFILE"},
    {"dose", CmdDose, "WATERFILE PRODUCTFILE [--time SECONDS]"},
    {"calc", CmdCalc, "WATERFILE [--reference]"},
    {"water", CmdWater,
     "WATERFILE [--which surface|injection|formation] [--product PRODUCTFILE] [--solvers] "
     "[--check-solvers]"},
    {"profile", CmdProfile, "temperature|ph|pco2|pressure WATERFILE [--low X --high Y]"},
    {"grid", CmdGrid, "ph|pco2|pressure WATERFILE"},
    {"multimix", CmdMultiMix, "WATERFILE:PERCENT ...  (up to 12 waters)"},
    {"well", CmdWell,
     "12|11|48 WATERFILE [--bottom T,P] [--separator T,P] [--flash T] [--depth D] "
     "[--source 0|1|2]"},
    {"mix", CmdMix,
     "profile INJECTION FORMATION [--low P --high P] | grid KIND INJECTION FORMATION [...]"},
    {"graph2d", CmdGraph2d,
     "temperature|ph|pco2|pressure|well|mix|page WATER [FORMATION] --codes C,... [--size WxH] "
     "[--index] [--formulas] [--grey] [--hatch] [--printer NAME] --out FILE"},
    {"welllog", CmdWellLog,
     "WATER [--codes C,...] [--size WxH] [--index] [--grey] [--hatch] --out FILE"},
    {"wellpage", CmdWellPage,
     "WATER --params C,C,C,C --rect L,T,R,B [--size WxH] [--metafile] [--index] [--grey] "
     "[--hatch] --out FILE"},
    {"axis", CmdAxis, "MIN MAX N"},
    {"bands", CmdBands, "CODE [--log] [--corrosion-unit U]"},
    {"font", CmdFont, "FACE SWITCH HEIGHT TURNS BOLD"},
    {"dat", CmdDat, "OUT"},
    {"frame3d", CmdFrame3d, "bars|contour HEIGHT"},
    {"graph3d", CmdGraph3d,
     "ph|pco2|pressure [WATER] --code C [--size WxH] [--contour] [--grey] [--black] [--flat V] "
     "--out FILE"},
    {"alk", CmdAlk,
     "--pairs A:PH,... --coef K0,K1,K2,K3 [--axes] [--size WxH --out F.ppm] [--paper] "
     "[--export FILE] [--help-snap F.ppm]"},
    {"product", CmdProduct, "pack TEXT OUT [--older] [--scramble 16-HEX-KEY] | show FILE"},
};

static_assert(harness::kHelpExit == kExitOk && harness::kUsageExit == kExitUsage);

}  // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    const HarnessCommand* command =
        harness::ChooseCommand("tarvex-engine", kCommands, argc, argv, exitCode);
    if (command == nullptr) return exitCode;
    return command->run(std::span<char* const>(argv + 2, argc - 2), stdout, stderr);
}
