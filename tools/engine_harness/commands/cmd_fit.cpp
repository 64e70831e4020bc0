// tarvex-engine fit ALK:PH ...: fits pH = a + b log10(alkalinity) to measured
// pairs, as the pH-alkalinity curve input does, and prints the coefficients,
// R squared and the singular flag.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/workspace/least_squares.h"
#include "tools/engine_harness/commands.h"

namespace {

bool ParsePair(const char* text, double& alkalinity, double& ph) {
    const char* colon = std::strchr(text, ':');
    if (colon == nullptr) return false;
    char* end = nullptr;
    alkalinity = std::strtod(text, &end);
    if (end != colon) return false;
    ph = std::strtod(colon + 1, &end);
    return *end == '\0' && end != colon + 1;
}

}  // namespace

int CmdFit(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    constexpr int kMaxPairs = 10;  // the curve input takes at most ten pairs
    if (args.size() < 2 || args.size() > kMaxPairs) {
        std::fprintf(err, "fit: give 2 to %d pairs ALK:PH\n", kMaxPairs);
        return kExitUsage;
    }
    double x[kMaxPairs], y[kMaxPairs];
    const int n = static_cast<int>(args.size());
    for (int k = 0; k < n; ++k) {
        double alk = 0, ph = 0;
        if (!ParsePair(args[k], alk, ph) || !(alk > 0) || !(ph > 0 && ph <= 14)) {
            std::fprintf(err,
                         "fit: \"%s\" is not a pair ALK:PH with alkalinity > 0 and 0 < pH <= 14\n",
                         args[k]);
            return kExitBadInput;
        }
        x[k] = std::log10(alk);
        y[k] = ph;
    }
    double coef[2], fitted[kMaxPairs], residuals[kMaxPairs], se, coefErr[2], r2, r;
    uint16_t singular = 0;
    if (FitLeastSquares(x, y, 1, static_cast<int16_t>(n), coef, fitted, residuals, &se, coefErr,
                        &r2, &r, &singular) != 0) {
        std::fprintf(err, "fit: too many pairs\n");
        return kExitBadInput;
    }
    std::fprintf(
        out,
        "intercept %.9g\nslope %.9g\nr_squared %.9g\nr %.9g\nstandard_error %.9g\nsingular %u\n",
        coef[0], coef[1], r2, r, se, singular);
    for (int k = 0; k < n; ++k)
        std::fprintf(out, "point %d fitted %.9g residual %.9g\n", k + 1, fitted[k], residuals[k]);
    return kExitOk;
}
