// The checksum test of the solubility data file: two bit-serial CRC-16 forms
// over its first 1,528 bytes.
#include <string>
#include <vector>

#include "platform/files/file_io.h"
#include "shell/records.h"
#include "shell/spare/file_dialogs.h"

uint32_t Crc16Step1021(uint32_t crc, uint8_t data, uint32_t polynomial) {
    uint32_t d = static_cast<uint32_t>(data) << 8;
    for (int bit = 0; bit < 8; ++bit) {
        crc = ((crc ^ d) & 0x8000u) != 0 ? (crc << 1) ^ polynomial : crc << 1;
        d <<= 1;
    }
    return crc;
}

uint32_t Crc16StepA001(uint32_t crc, uint8_t data, uint32_t polynomial) {
    for (int bit = 0; bit < 8; ++bit) {
        crc = ((crc ^ data) & 1u) != 0 ? (crc >> 1) ^ polynomial : crc >> 1;
        data >>= 1;
    }
    return crc;
}

int32_t CheckSolubilityFileCrc() {
    const std::string path = std::string(mainWindowState.installDir) + "\\FILES\\FTN01.BIN";
    const win::HFILE file = win::_lopen(path.c_str(), win::OF_READ);
    if (file == win::HFILE_ERROR) return -1;
    win::_llseek(file, 0, 0);
    std::vector<uint8_t> bytes(kChecksumBytes);
    const win::UINT got = win::_lread(file, bytes.data(), kChecksumBytes);
    win::_lclose(file);
    // A file shorter than the checked bytes fails, whatever its checksums.
    if (got != kChecksumBytes) return -1;
    uint32_t crcA = 0, crcB = 0;
    for (uint8_t b : bytes) {
        crcA = Crc16StepA001(crcA, b, 0xA001);
        crcB = Crc16Step1021(crcB, b, 0x1021);
    }
    return crcA == kExpectedCrcA && crcB == kExpectedCrc1021 ? 0 : -1;
}
