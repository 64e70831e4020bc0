// The integer 8 x 8 DCT pair (Loeffler-Ligtenberg-Moschytz factorisation,
// 13-bit constants) and the clamp of the inverse's outputs.
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

void ForwardDct(const uint8_t* samples, std::size_t stride, int32_t out[64]) {
    int32_t* d = out;
    for (int row = 0; row < 8; ++row, d += 8) {
        const uint8_t* s = samples + static_cast<std::size_t>(row) * stride;
        const int32_t tmp0 = s[0] + s[7] - 256;
        const int32_t tmp7 = s[0] - s[7];
        const int32_t tmp1 = s[1] + s[6] - 256;
        const int32_t tmp6 = s[1] - s[6];
        const int32_t tmp2 = s[2] + s[5] - 256;
        const int32_t tmp5 = s[2] - s[5];
        const int32_t tmp3 = s[3] + s[4] - 256;
        const int32_t tmp4 = s[3] - s[4];
        const int32_t tmp10 = tmp0 + tmp3;
        const int32_t tmp13 = tmp0 - tmp3;
        const int32_t tmp11 = tmp1 + tmp2;
        const int32_t tmp12 = tmp1 - tmp2;
        d[0] = (tmp10 + tmp11) * (1 << kPass1Bits);
        d[4] = (tmp10 - tmp11) * (1 << kPass1Bits);
        int32_t z1 = (tmp12 + tmp13) * k0_541196100;
        d[2] = Descale(z1 + tmp13 * k0_765366865, kConstBits - kPass1Bits);
        d[6] = Descale(z1 - tmp12 * k1_847759065, kConstBits - kPass1Bits);
        z1 = tmp4 + tmp7;
        int32_t z2 = tmp5 + tmp6;
        int32_t z3 = tmp4 + tmp6;
        int32_t z4 = tmp5 + tmp7;
        const int32_t z5 = (z3 + z4) * k1_175875602;
        const int32_t t4 = tmp4 * k0_298631336;
        const int32_t t5 = tmp5 * k2_053119869;
        const int32_t t6 = tmp6 * k3_072711026;
        const int32_t t7 = tmp7 * k1_501321110;
        z1 *= -k0_899976223;
        z2 *= -k2_562915447;
        z3 = z3 * -k1_961570560 + z5;
        z4 = z4 * -k0_390180644 + z5;
        d[7] = Descale(t4 + z1 + z3, kConstBits - kPass1Bits);
        d[5] = Descale(t5 + z2 + z4, kConstBits - kPass1Bits);
        d[3] = Descale(t6 + z2 + z3, kConstBits - kPass1Bits);
        d[1] = Descale(t7 + z1 + z4, kConstBits - kPass1Bits);
    }
    for (int col = 0; col < 8; ++col) {
        int32_t* c = out + col;
        const int32_t tmp0 = c[0] + c[56];
        const int32_t tmp7 = c[0] - c[56];
        const int32_t tmp1 = c[8] + c[48];
        const int32_t tmp6 = c[8] - c[48];
        const int32_t tmp2 = c[16] + c[40];
        const int32_t tmp5 = c[16] - c[40];
        const int32_t tmp3 = c[24] + c[32];
        const int32_t tmp4 = c[24] - c[32];
        const int32_t tmp10 = tmp0 + tmp3;
        const int32_t tmp13 = tmp0 - tmp3;
        const int32_t tmp11 = tmp1 + tmp2;
        const int32_t tmp12 = tmp1 - tmp2;
        c[0] = Descale(tmp10 + tmp11, kPass1Bits);
        c[32] = Descale(tmp10 - tmp11, kPass1Bits);
        int32_t z1 = (tmp12 + tmp13) * k0_541196100;
        c[16] = Descale(z1 + tmp13 * k0_765366865, kConstBits + kPass1Bits);
        c[48] = Descale(z1 - tmp12 * k1_847759065, kConstBits + kPass1Bits);
        z1 = tmp4 + tmp7;
        int32_t z2 = tmp5 + tmp6;
        int32_t z3 = tmp4 + tmp6;
        int32_t z4 = tmp5 + tmp7;
        const int32_t z5 = (z3 + z4) * k1_175875602;
        const int32_t t4 = tmp4 * k0_298631336;
        const int32_t t5 = tmp5 * k2_053119869;
        const int32_t t6 = tmp6 * k3_072711026;
        const int32_t t7 = tmp7 * k1_501321110;
        z1 *= -k0_899976223;
        z2 *= -k2_562915447;
        z3 = z3 * -k1_961570560 + z5;
        z4 = z4 * -k0_390180644 + z5;
        c[56] = Descale(t4 + z1 + z3, kConstBits + kPass1Bits);
        c[40] = Descale(t5 + z2 + z4, kConstBits + kPass1Bits);
        c[24] = Descale(t6 + z2 + z3, kConstBits + kPass1Bits);
        c[8] = Descale(t7 + z1 + z4, kConstBits + kPass1Bits);
    }
}

void InverseDct(const int16_t coefficients[64], const uint16_t quant[64], uint8_t* out,
                std::size_t stride) {
    int64_t ws[64];
    for (int col = 0; col < 8; ++col) {
        const int16_t* in = coefficients + col;
        const uint16_t* q = quant + col;
        const auto dq = [&](int row) {
            return static_cast<int64_t>(static_cast<int16_t>(in[row * 8] * q[row * 8]));
        };
        int64_t* w = ws + col;
        if (in[8] == 0 && in[16] == 0 && in[24] == 0 && in[32] == 0 && in[40] == 0 && in[48] == 0 &&
            in[56] == 0) {
            const int64_t dc = dq(0) * (1 << kPass1Bits);
            for (int row = 0; row < 8; ++row) w[row * 8] = dc;
            continue;
        }
        int64_t z2 = dq(2);
        int64_t z3 = dq(6);
        int64_t z1 = (z2 + z3) * k0_541196100;
        int64_t tmp2 = z1 - z3 * k1_847759065;
        int64_t tmp3 = z1 + z2 * k0_765366865;
        z2 = dq(0);
        z3 = dq(4);
        int64_t tmp0 = (z2 + z3) * (1 << kConstBits);
        int64_t tmp1 = (z2 - z3) * (1 << kConstBits);
        const int64_t tmp10 = tmp0 + tmp3;
        const int64_t tmp13 = tmp0 - tmp3;
        const int64_t tmp11 = tmp1 + tmp2;
        const int64_t tmp12 = tmp1 - tmp2;
        tmp0 = dq(7);
        tmp1 = dq(5);
        tmp2 = dq(3);
        tmp3 = dq(1);
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
        constexpr int n = kConstBits - kPass1Bits;
        w[0] = Descale(tmp10 + tmp3, n);
        w[56] = Descale(tmp10 - tmp3, n);
        w[8] = Descale(tmp11 + tmp2, n);
        w[48] = Descale(tmp11 - tmp2, n);
        w[16] = Descale(tmp12 + tmp1, n);
        w[40] = Descale(tmp12 - tmp1, n);
        w[24] = Descale(tmp13 + tmp0, n);
        w[32] = Descale(tmp13 - tmp0, n);
    }
    for (int row = 0; row < 8; ++row) {
        const int64_t* w = ws + row * 8;
        uint8_t* o = out + static_cast<std::size_t>(row) * stride;
        int64_t z2 = w[2];
        int64_t z3 = w[6];
        int64_t z1 = (z2 + z3) * k0_541196100;
        int64_t tmp2 = z1 - z3 * k1_847759065;
        int64_t tmp3 = z1 + z2 * k0_765366865;
        int64_t tmp0 = (w[0] + w[4]) * (1 << kConstBits);
        int64_t tmp1 = (w[0] - w[4]) * (1 << kConstBits);
        const int64_t tmp10 = tmp0 + tmp3;
        const int64_t tmp13 = tmp0 - tmp3;
        const int64_t tmp11 = tmp1 + tmp2;
        const int64_t tmp12 = tmp1 - tmp2;
        tmp0 = w[7];
        tmp1 = w[5];
        tmp2 = w[3];
        tmp3 = w[1];
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
        constexpr int n = kConstBits + kPass1Bits + 3;
        o[0] = RangeLimit(Narrow(tmp10 + tmp3, n));
        o[7] = RangeLimit(Narrow(tmp10 - tmp3, n));
        o[1] = RangeLimit(Narrow(tmp11 + tmp2, n));
        o[6] = RangeLimit(Narrow(tmp11 - tmp2, n));
        o[2] = RangeLimit(Narrow(tmp12 + tmp1, n));
        o[5] = RangeLimit(Narrow(tmp12 - tmp1, n));
        o[3] = RangeLimit(Narrow(tmp13 + tmp0, n));
        o[4] = RangeLimit(Narrow(tmp13 - tmp0, n));
    }
}
