// The integer 8 x 8 DCT pair (Loeffler-Ligtenberg-Moschytz factorisation,
// 13-bit constants) and the clamp of the inverse's outputs.
#include <cstring>
#include <initializer_list>

#include "imaging/jpeg/jpeg_internal.h"

namespace {

constexpr int kConstBits = 13;
constexpr int kPass1Bits = 2;
constexpr int32_t k0_298631336 = 2446;
constexpr int32_t k0_390180644 = 3196;
constexpr int32_t k0_541196100 = 4433;
constexpr int32_t k0_765366865 = 6270;
constexpr int32_t k0_899976223 = 7373;
constexpr int32_t k1_175875602 = 9633;
constexpr int32_t k1_501321110 = 12299;
constexpr int32_t k1_847759065 = 15137;
constexpr int32_t k1_961570560 = 16069;
constexpr int32_t k2_053119869 = 16819;
constexpr int32_t k2_562915447 = 20995;
constexpr int32_t k3_072711026 = 25172;

constexpr int32_t Descale(int32_t x, int n) {
    return (x + (int32_t{1} << (n - 1))) >> n;
}
constexpr int64_t Descale(int64_t x, int n) {
    return (x + (int64_t{1} << (n - 1))) >> n;
}

// 256 zeros, 0..255, 384 x 255, 384 zeros, 0..127: indexed at 384 + (v & 1023).
struct RangeTable {
    uint8_t v[256 + 256 + 384 + 384 + 128];
    constexpr RangeTable() : v() {
        for (int i = 0; i < 256; ++i) v[256 + i] = static_cast<uint8_t>(i);
        for (int i = 0; i < 384; ++i) v[512 + i] = 255;
        for (int i = 0; i < 128; ++i) v[1280 + i] = static_cast<uint8_t>(i);
    }
};
constexpr RangeTable kRange;

constexpr int32_t Narrow(int64_t x, int n) {
    return static_cast<int32_t>((x + (int64_t{1} << (n - 1))) >> n);
}

}  // namespace

uint8_t RangeLimit(int32_t value) {
    return kRange.v[384 + (value & 1023)];
}

namespace {

// The butterflies of the forward 8-point pass, eight at a time: x[i][lane]
// is input i of lane `lane`. Outputs 0 and 4 are in the units of the input,
// the others scaled by 2^13. The lanes are independent, so the compiler may
// run them side by side.
inline void ForwardPass(const int32_t (&x)[8][8], int32_t (&r)[8][8]) {
    for (int l = 0; l < 8; ++l) {
        const int32_t tmp0 = x[0][l] + x[7][l];
        const int32_t tmp7 = x[0][l] - x[7][l];
        const int32_t tmp1 = x[1][l] + x[6][l];
        const int32_t tmp6 = x[1][l] - x[6][l];
        const int32_t tmp2 = x[2][l] + x[5][l];
        const int32_t tmp5 = x[2][l] - x[5][l];
        const int32_t tmp3 = x[3][l] + x[4][l];
        const int32_t tmp4 = x[3][l] - x[4][l];
        const int32_t tmp10 = tmp0 + tmp3;
        const int32_t tmp13 = tmp0 - tmp3;
        const int32_t tmp11 = tmp1 + tmp2;
        const int32_t tmp12 = tmp1 - tmp2;
        r[0][l] = tmp10 + tmp11;
        r[4][l] = tmp10 - tmp11;
        const int32_t z1 = (tmp12 + tmp13) * k0_541196100;
        r[2][l] = z1 + tmp13 * k0_765366865;
        r[6][l] = z1 - tmp12 * k1_847759065;
        int32_t z3 = tmp4 + tmp6;
        int32_t z4 = tmp5 + tmp7;
        const int32_t z5 = (z3 + z4) * k1_175875602;
        const int32_t z1o = (tmp4 + tmp7) * -k0_899976223;
        const int32_t z2o = (tmp5 + tmp6) * -k2_562915447;
        z3 = z3 * -k1_961570560 + z5;
        z4 = z4 * -k0_390180644 + z5;
        r[7][l] = tmp4 * k0_298631336 + z1o + z3;
        r[5][l] = tmp5 * k2_053119869 + z2o + z4;
        r[3][l] = tmp6 * k3_072711026 + z2o + z3;
        r[1][l] = tmp7 * k1_501321110 + z1o + z4;
    }
}

// The butterflies of one inverse 8-point pass: the eight outputs scaled by 2^13.
inline void InversePass(const int64_t x[8], int64_t r[8]) {
    int64_t z2 = x[2];
    int64_t z3 = x[6];
    int64_t z1 = (z2 + z3) * k0_541196100;
    int64_t tmp2 = z1 - z3 * k1_847759065;
    int64_t tmp3 = z1 + z2 * k0_765366865;
    int64_t tmp0 = (x[0] + x[4]) * (1 << kConstBits);
    int64_t tmp1 = (x[0] - x[4]) * (1 << kConstBits);
    const int64_t tmp10 = tmp0 + tmp3;
    const int64_t tmp13 = tmp0 - tmp3;
    const int64_t tmp11 = tmp1 + tmp2;
    const int64_t tmp12 = tmp1 - tmp2;
    tmp0 = x[7];
    tmp1 = x[5];
    tmp2 = x[3];
    tmp3 = x[1];
    z1 = tmp0 + tmp3;
    z2 = tmp1 + tmp2;
    z3 = tmp0 + tmp2;
    int64_t z4 = tmp1 + tmp3;
    const int64_t z5 = (z3 + z4) * k1_175875602;
    tmp0 *= k0_298631336;
    tmp1 *= k2_053119869;
    tmp2 *= k3_072711026;
    tmp3 *= k1_501321110;
    z1 *= -k0_899976223;
    z2 *= -k2_562915447;
    z3 = z3 * -k1_961570560 + z5;
    z4 = z4 * -k0_390180644 + z5;
    tmp0 += z1 + z3;
    tmp1 += z2 + z4;
    tmp2 += z2 + z3;
    tmp3 += z1 + z4;
    r[0] = tmp10 + tmp3;
    r[7] = tmp10 - tmp3;
    r[1] = tmp11 + tmp2;
    r[6] = tmp11 - tmp2;
    r[2] = tmp12 + tmp1;
    r[5] = tmp12 - tmp1;
    r[3] = tmp13 + tmp0;
    r[4] = tmp13 - tmp0;
}

}  // namespace

JPEG_VECTOR_CLONES void ForwardDct(const uint8_t* samples, std::size_t stride, int32_t out[64]) {
    // Rows first, the eight rows side by side; then the columns, side by side.
    int32_t x[8][8], r[8][8];
    for (int row = 0; row < 8; ++row) {
        const uint8_t* s = samples + static_cast<std::size_t>(row) * stride;
        for (int i = 0; i < 8; ++i) x[i][row] = s[i] - 128;
    }
    ForwardPass(x, r);
    for (int row = 0; row < 8; ++row) {  // x[row][k]: output k of the row
        x[row][0] = r[0][row] * (1 << kPass1Bits);
        x[row][4] = r[4][row] * (1 << kPass1Bits);
        for (int k : {1, 2, 3, 5, 6, 7}) x[row][k] = Descale(r[k][row], kConstBits - kPass1Bits);
    }
    ForwardPass(x, r);
    for (int k = 0; k < 8; ++k) {
        const int n = k == 0 || k == 4 ? kPass1Bits : kConstBits + kPass1Bits;
        for (int col = 0; col < 8; ++col) out[k * 8 + col] = Descale(r[k][col], n);
    }
}

void InverseDct(const int16_t coefficients[64], const uint16_t quant[64], uint8_t* out,
                std::size_t stride) {
    // A block of its DC term alone (common in smooth pictures) is flat.
    int16_t ac = 0;
    for (int i = 1; i < 64; ++i) ac = static_cast<int16_t>(ac | coefficients[i]);
    if (ac == 0) {
        const int64_t dc = static_cast<int16_t>(coefficients[0] * quant[0]) * (1 << kPass1Bits);
        const uint8_t v = RangeLimit(Narrow(dc * (1 << kConstBits), kConstBits + kPass1Bits + 3));
        for (int row = 0; row < 8; ++row)
            std::memset(out + static_cast<std::size_t>(row) * stride, v, 8);
        return;
    }
    int64_t ws[64];
    int64_t x[8], r[8];
    for (int col = 0; col < 8; ++col) {
        const int16_t* in = coefficients + col;
        const uint16_t* q = quant + col;
        int64_t* w = ws + col;
        if (in[8] == 0 && in[16] == 0 && in[24] == 0 && in[32] == 0 && in[40] == 0 && in[48] == 0 &&
            in[56] == 0) {
            const int64_t dc = static_cast<int16_t>(in[0] * q[0]) * (1 << kPass1Bits);
            for (int row = 0; row < 8; ++row) w[row * 8] = dc;
            continue;
        }
        for (int i = 0; i < 8; ++i) x[i] = static_cast<int16_t>(in[i * 8] * q[i * 8]);
        InversePass(x, r);
        for (int i = 0; i < 8; ++i) w[i * 8] = Descale(r[i], kConstBits - kPass1Bits);
    }
    constexpr int n = kConstBits + kPass1Bits + 3;
    for (int row = 0; row < 8; ++row) {
        const int64_t* w = ws + row * 8;
        uint8_t* o = out + static_cast<std::size_t>(row) * stride;
        if ((w[1] | w[2] | w[3] | w[4] | w[5] | w[6] | w[7]) == 0) {
            // A flat row: every output is the DC term's.
            const uint8_t v = RangeLimit(Narrow(w[0] * (1 << kConstBits), n));
            for (int i = 0; i < 8; ++i) o[i] = v;
            continue;
        }
        InversePass(w, r);
        for (int i = 0; i < 8; ++i) o[i] = RangeLimit(Narrow(r[i], n));
    }
}
