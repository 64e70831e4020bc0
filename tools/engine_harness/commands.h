// The commands of the engine harness tarvex-engine. Each command lives in its own
// cmd_<name>.cpp and is listed in the command table of main.cpp. A command gets the
// arguments after its name and writes its report to `out`, complaints to `err`.
#pragma once

#include <cstdio>
#include <span>

// Exit codes of every command.
constexpr int kExitOk = 0;
constexpr int kExitBadInput = 1;  // a file could not be read or parsed
constexpr int kExitUsage = 2;     // the command line itself is wrong

using CommandFunction = int (*)(std::span<char* const> args, std::FILE* out, std::FILE* err);

struct HarnessCommand {
    const char* name;
    CommandFunction run;
    const char* usage;  // the arguments, for the help text
};

// tables [--reaction N] [--species N] ...: row counts and single rows of the tables.
int CmdTables(std::span<char* const> args, std::FILE* out, std::FILE* err);
// show WATERFILE: the values, unit codes and modes a water file gives.
int CmdShow(std::span<char* const> args, std::FILE* out, std::FILE* err);
// fit ALK:PH ...: the pH-alkalinity curve fit pH = a + b log10(alkalinity).
int CmdFit(std::span<char* const> args, std::FILE* out, std::FILE* err);
// constants WATERFILE: temperature, pressure, sums, water properties and every
// reactionLogK of the water at its own conditions.
int CmdConstants(std::span<char* const> args, std::FILE* out, std::FILE* err);
// speciate WATERFILE: pH, ionic strength, water activity, passes and every species
// with a non-zero molality after the speciation of the water.
int CmdSpeciate(std::span<char* const> args, std::FILE* out, std::FILE* err);
// phadjust WATERFILE --target PH [--acid N | --alkali N] [--open]: the acid or
// alkali demand for a target pH and the analysis elements the adjustment rewrites.
int CmdPhAdjust(std::span<char* const> args, std::FILE* out, std::FILE* err);
// corrosion WATERFILE: the four corrosion rates of the water in mm/yr and mpy.
int CmdCorrosion(std::span<char* const> args, std::FILE* out, std::FILE* err);
// dose WATERFILE PRODUCTFILE [--time SECONDS]: the dose of a product (a .PRD file
// or the harness's text form) for the water, its ingredient amounts and the limit status.
int CmdDose(std::span<char* const> args, std::FILE* out, std::FILE* err);
// calc WATERFILE [--reference]: a reference pass and a results pass (only the
// reference pass with --reference); the saturation results, momentary excess and
// analysis values afterwards.
int CmdCalc(std::span<char* const> args, std::FILE* out, std::FILE* err);
// water WATERFILE [--which surface|injection|formation] [--product PRODUCTFILE]: the full
// calculation of a stored water; the stored water after balancing, the results, the
// corrosion rates and the dose state.
int CmdWater(std::span<char* const> args, std::FILE* out, std::FILE* err);
// profile temperature|ph|pco2|pressure WATERFILE [--low X --high Y]: the seven-point
// what-if profile of the water as the surface water; one line per point.
int CmdProfile(std::span<char* const> args, std::FILE* out, std::FILE* err);
// grid ph|pco2|pressure WATERFILE: the 7 x 7 what-if grid by temperature; one line
// per cell.
int CmdGrid(std::span<char* const> args, std::FILE* out, std::FILE* err);
// multimix WATERFILE:PERCENT ...: the blend of up to twelve waters by weight, with
// its analysis, results, corrosion rates, pH control and dose.
int CmdMultiMix(std::span<char* const> args, std::FILE* out, std::FILE* err);
// well 12|11|48 WATERFILE [--bottom T,P] [--separator T,P] [--flash T] [--depth D]
// [--source 0|1|2]: a well profile of a water, one line per station.
int CmdWell(std::span<char* const> args, std::FILE* out, std::FILE* err);
// mix profile INJECTION FORMATION [--low P --high P] | mix grid KIND INJECTION FORMATION:
// the waterflood mixing-ratio profile or a mixing grid of two calculated waters.
int CmdMix(std::span<char* const> args, std::FILE* out, std::FILE* err);
// product pack TEXT OUT [--older] [--scramble 16-HEX-KEY] | product show FILE:
// writes a product file (current layout, or older; scrambled with the key) from
// the text form, or prints a product file or text form in the text form.
int CmdProduct(std::span<char* const> args, std::FILE* out, std::FILE* err);
// graph2d KIND WATER [FORMATION] --codes C,... [--size WxH] [--index] [--formulas] [--grey]
// [--hatch] [--printer NAME] --out FILE: the 2D bar graph of a profile as a picture or a print.
int CmdGraph2d(std::span<char* const> args, std::FILE* out, std::FILE* err);
// welllog WATER [--codes C,...] [--size WxH] [--index] [--grey] [--hatch] --out FILE: the
// well-log summary graph of the water's 48-interval well profile as a picture.
int CmdWellLog(std::span<char* const> args, std::FILE* out, std::FILE* err);
// wellpage WATER --params C,C,C,C --rect L,T,R,B [--size WxH] [--metafile] [...] --out FILE:
// the graph block of the well-log summary page over the 11-station well profile.
int CmdWellPage(std::span<char* const> args, std::FILE* out, std::FILE* err);
// axis MIN MAX N: the rounded value axis of a data range (low, high, intervals).
int CmdAxis(std::span<char* const> args, std::FILE* out, std::FILE* err);
// bands CODE [--log] [--corrosion-unit U]: the direction and four thresholds of the
// colour bands of an index.
int CmdBands(std::span<char* const> args, std::FILE* out, std::FILE* err);
// font FACE SWITCH HEIGHT TURNS BOLD: the request of the graph font factory.
int CmdFont(std::span<char* const> args, std::FILE* out, std::FILE* err);
// dat OUT: writes the example table of the graph data file, the save dialog answered by OUT.
int CmdDat(std::span<char* const> args, std::FILE* out, std::FILE* err);
// frame3d bars|contour HEIGHT: the corners of the 3D graph's box.
int CmdFrame3d(std::span<char* const> args, std::FILE* out, std::FILE* err);
// graph3d ph|pco2|pressure [WATER] --code C [--size WxH] [--contour] [--grey] [--black]
// [--flat V] --out FILE: the 3D graph of a grid as a picture.
int CmdGraph3d(std::span<char* const> args, std::FILE* out, std::FILE* err);
// alk --pairs A:PH,... --coef K0,K1,K2,K3 [--axes] [--size WxH --out F.ppm] [--paper]
// [--export FILE] [--help-snap F.ppm]: the pH-alkalinity graph's axes and curve points, its
// picture, and the curve input's help screen.
int CmdAlk(std::span<char* const> args, std::FILE* out, std::FILE* err);
