// Explicit temperature functions of equilibrium constants. About forty reactions
// have a fitted log10 K(T) = a + b T + c / T + d log10 T + e / T^2 (T in K) that
// replaces the van 't Hoff estimate up to 40 C (313.16 K); above 40 C each is
// extrapolated linearly in 1/T through its values at 312.16 K and 313.16 K.
#pragma once

struct TemperatureFunction {
    int reaction;  // index in the reaction table
    double a, b, c, d, e;
};

constexpr int kTemperatureFunctionCount = 37;
// The fitted functions, in reaction order.
extern const TemperatureFunction kTemperatureFunctions[kTemperatureFunctionCount];

// Reactions whose constant is a function of pH, not of temperature (their log10 K is
// slope x pH + offset); the speciation recomputes them from its settled pH.
constexpr int kPhLinearReactionA = 157;  // 1.68 pH - 5.7
constexpr int kPhLinearReactionB = 158;  // 1.52 pH - 5.4

// The borate constant (reaction 25): its function is multiplied by the van 't Hoff Kw.
constexpr int kBorateReaction = 25;

// Temperatures (K) at which the functions stop and through which they are extrapolated.
constexpr double kFunctionLimitK = 313.16;
constexpr double kFunctionLowerPointK = 312.16;

// log10 K of one function at temperatureK itself.
double EvaluateTemperatureFunction(const TemperatureFunction& f, double temperatureK);

// log10 K at temperatureK: the function itself up to 313.16 K, the extrapolation
// through y1 = value at 312.16 K and y2 = value at 313.16 K above.
double ExtrapolatedLogK(double y1, double y2, double temperatureK);

// Writes reactionK of every function row (and of the two pH-linear rows) for
// temperatureK. logKwAtT, logKw312 and logKw313 are log10 of the van 't Hoff Kw at T,
// 312.16 K and 313.16 K, by which the borate constant is scaled.
void ApplyTemperatureFunctions(double temperatureK, double logKwAtT, double logKw312,
                               double logKw313, double* reactionK);

// reactionK of the two pH-linear rows (the same at every temperature).
void ApplyPhLinearConstants(double ph, double* reactionK);
