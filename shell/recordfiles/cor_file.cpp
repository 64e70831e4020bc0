// The preamble of a sample-record file and the record's values and results.
#include "shell/recordfiles/cor_file.h"

#include "common/byte_io.h"
#include "engine/balancing/balancing_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "input/records.h"

namespace cor {

void EncodePreamble(const Preamble& p, uint8_t* out) {
    bytes::PutI16(out, p.version);
    bytes::PutU16(out + 2, p.alkalinityMode);
    bytes::PutU16(out + 4, p.carbonateModel);
    for (int i = 0; i < 40; ++i) bytes::PutU16(out + 6 + 2 * i, p.units[i]);
    for (int i = 0; i < 5; ++i) bytes::PutU16(out + 86 + 2 * i, p.balancing[i]);
}

void DecodePreamble(const uint8_t* in, Preamble& p) {
    p.version = bytes::GetI16(in);
    p.alkalinityMode = bytes::GetU16(in + 2);
    p.carbonateModel = bytes::GetU16(in + 4);
    for (int i = 0; i < 40; ++i) p.units[i] = bytes::GetU16(in + 6 + 2 * i);
    for (int i = 0; i < 5; ++i) p.balancing[i] = bytes::GetU16(in + 86 + 2 * i);
}

Preamble LivePreamble(int16_t version) {
    Preamble p{};
    p.version = version;
    p.alkalinityMode = alkalinityMode;
    p.carbonateModel = whatIfOptions.carbonateModel;
    for (int i = 0; i < 40; ++i) p.units[i] = unitCodes.code[i];
    p.balancing[0] = balancingSettings.cationBalanceIon;
    p.balancing[1] = balancingSettings.anionBalanceIon;
    p.balancing[2] = calcPassMode;
    p.balancing[3] = cationAdded;
    p.balancing[4] = anionAdded;
    return p;
}

void ApplyPreamble(const Preamble& p) {
    alkalinityMode = p.alkalinityMode;
    whatIfOptions.carbonateModel = p.carbonateModel;
    for (int i = 0; i < 40; ++i) unitCodes.code[i] = p.units[i];
    balancingSettings.cationBalanceIon = p.balancing[0];
    balancingSettings.anionBalanceIon = p.balancing[1];
    calcPassMode = p.balancing[2];
    cationAdded = p.balancing[3];
    anionAdded = p.balancing[4];
}

float Value(const uint8_t* record, int e) {
    return bytes::GetF32(record + Record::kValues + 4 * e);
}
void SetValue(uint8_t* record, int e, float v) {
    bytes::PutF32(record + Record::kValues + 4 * e, v);
}
float Result(const uint8_t* record, int k) {
    return bytes::GetF32(record + Record::kResults + 4 * k);
}
void SetResult(uint8_t* record, int k, float v) {
    bytes::PutF32(record + Record::kResults + 4 * k, v);
}

}  // namespace cor
