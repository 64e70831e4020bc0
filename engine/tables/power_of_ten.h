// 10^x and e^x for the engine's hot paths. ExpInline is e^x by the usual table
// method, written out so that it inlines: x = (k + f) ln2 / 64 with |f| <= 1/2,
// e^x = 2^(k div 64) x 2^((k mod 64) / 64) x e^r, r = x - k ln2 / 64 taken in two
// parts, and e^r by its series to r^5 (|r| <= ln2 / 128, so the first term left out
// is below 4e-17). It agrees with std::exp to a few units in the last place;
// outside |x| < 700, where the result would leave the normal doubles, it is
// std::exp. Exp10 is e^(x ln 10), within a few units in the last place of the
// power function for the exponents the engine meets (|x| up to about 300).
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

namespace exp_detail {

// 2^(j / 64), j = 0 .. 63, each correctly rounded.
inline constexpr double kTwoPowers[64] = {
    0x1.0000000000000p+0, 0x1.02c9a3e778061p+0, 0x1.059b0d3158574p+0, 0x1.0874518759bc8p+0,
    0x1.0b5586cf9890fp+0, 0x1.0e3ec32d3d1a2p+0, 0x1.11301d0125b51p+0, 0x1.1429aaea92de0p+0,
    0x1.172b83c7d517bp+0, 0x1.1a35beb6fcb75p+0, 0x1.1d4873168b9aap+0, 0x1.2063b88628cd6p+0,
    0x1.2387a6e756238p+0, 0x1.26b4565e27cddp+0, 0x1.29e9df51fdee1p+0, 0x1.2d285a6e4030bp+0,
    0x1.306fe0a31b715p+0, 0x1.33c08b26416ffp+0, 0x1.371a7373aa9cbp+0, 0x1.3a7db34e59ff7p+0,
    0x1.3dea64c123422p+0, 0x1.4160a21f72e2ap+0, 0x1.44e086061892dp+0, 0x1.486a2b5c13cd0p+0,
    0x1.4bfdad5362a27p+0, 0x1.4f9b2769d2ca7p+0, 0x1.5342b569d4f82p+0, 0x1.56f4736b527dap+0,
    0x1.5ab07dd485429p+0, 0x1.5e76f15ad2148p+0, 0x1.6247eb03a5585p+0, 0x1.6623882552225p+0,
    0x1.6a09e667f3bcdp+0, 0x1.6dfb23c651a2fp+0, 0x1.71f75e8ec5f74p+0, 0x1.75feb564267c9p+0,
    0x1.7a11473eb0187p+0, 0x1.7e2f336cf4e62p+0, 0x1.82589994cce13p+0, 0x1.868d99b4492edp+0,
    0x1.8ace5422aa0dbp+0, 0x1.8f1ae99157736p+0, 0x1.93737b0cdc5e5p+0, 0x1.97d829fde4e50p+0,
    0x1.9c49182a3f090p+0, 0x1.a0c667b5de565p+0, 0x1.a5503b23e255dp+0, 0x1.a9e6b5579fdbfp+0,
    0x1.ae89f995ad3adp+0, 0x1.b33a2b84f15fbp+0, 0x1.b7f76f2fb5e47p+0, 0x1.bcc1e904bc1d2p+0,
    0x1.c199bdd85529cp+0, 0x1.c67f12e57d14bp+0, 0x1.cb720dcef9069p+0, 0x1.d072d4a07897cp+0,
    0x1.d5818dcfba487p+0, 0x1.da9e603db3285p+0, 0x1.dfc97337b9b5fp+0, 0x1.e502ee78b3ff6p+0,
    0x1.ea4afa2a490dap+0, 0x1.efa1bee615a27p+0, 0x1.f50765b6e4540p+0, 0x1.fa7c1819e90d8p+0,
};

}  // namespace exp_detail

inline double ExpInline(double x) {
    if (!(std::fabs(x) < 700.0)) return std::exp(x);
    constexpr double kPerLn2 = 0x1.71547652b82fep+6;    // 64 / ln 2
    constexpr double kLn2High = 0x1.62e42ff000000p-7;   // ln 2 / 64, leading bits
    constexpr double kLn2Low = -0x1.718432a1b0e26p-41;  // ... and the rest
    constexpr double kRound = 0x1.8p52;                 // adds to round to an integer
    const double shifted = x * kPerLn2 + kRound;
    const double kd = shifted - kRound;  // x 64 / ln 2 rounded to an integer
    const int64_t k = static_cast<int64_t>(kd);
    const double r = (x - kd * kLn2High) - kd * kLn2Low;
    const double p =
        1.0 + r * (1.0 + r * (0.5 + r * (1.0 / 6.0 + r * (1.0 / 24.0 + r * (1.0 / 120.0)))));
    const uint64_t scale = std::bit_cast<uint64_t>(exp_detail::kTwoPowers[k & 63]) +
                           (static_cast<uint64_t>(k >> 6) << 52);
    return std::bit_cast<double>(scale) * p;
}

inline double Exp10(double x) {
    constexpr double kLn10 = 2.302585092994045684;
    return ExpInline(x * kLn10);
}
