// CCITT coding of bilevel rows for TIFF strips: modified Huffman (rows
// byte-aligned), T.4 one- and two-dimensional with EOL codes, and T.6
// against a reference line. A 1 bit is white.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct CcittCode {
    int run;
    int length;
    uint32_t code;
};
extern const CcittCode kCcittWhiteTerminating[64];
extern const CcittCode kCcittWhiteMakeUp[27];
extern const CcittCode kCcittBlackTerminating[64];
extern const CcittCode kCcittBlackMakeUp[27];
extern const CcittCode kCcittExtendedMakeUp[13];
inline constexpr int kCcittPass = 100;
inline constexpr int kCcittHorizontal = 101;
inline constexpr int kCcittVertical0 = 200;  // 200 + d for a vertical offset d
extern const CcittCode kCcittModes[9];

// The most changing elements a row's list holds.
inline constexpr int kCcittMaxChanges = 16384;

// Writes codes most significant bit first.
class CcittEncoder {
  public:
    explicit CcittEncoder(int width);
    void MhRow(const uint8_t* row);  // then padded to a byte
    void T4Row(const uint8_t* row);  // EOL, then the row
    // IMG_OK, or IMG_TIFF_CODING_OVERFLOW for a row with too many changes.
    [[nodiscard]] int32_t G4Row(const uint8_t* row);
    void StartG4Strip();  // the reference line all white
    void EndG4Strip();    // EOFB and padding
    std::vector<uint8_t>& bytes() { return out_; }
    void Put(uint32_t code, int length);
    void Align();

  private:
    void Run(int run, bool white);
    int width_;
    std::vector<uint8_t> out_;
    uint64_t accumulator_ = 0;
    int bits_ = 0;
    std::vector<int> reference_;
    std::vector<int> current_;
};

// Decoding options: 2 modified Huffman, 3 T.4 (t4Options bit 0: 2-D rows
// allowed), 4 T.6.
struct CcittDecodeSetup {
    int compression = 2;
    uint32_t t4Options = 0;
    int width = 0;
};
// Decodes up to `rows` rows of (width + 7) / 8 bytes from one strip; the
// rows decoded are counted in `*done`. IMG_OK, IMG_CODED_DATA_ERROR or
// IMG_TIFF_CODING_OVERFLOW.
[[nodiscard]] int32_t CcittDecodeStrip(const CcittDecodeSetup& setup, const uint8_t* data,
                                       std::size_t size, uint8_t* out, int rows, int* done);
