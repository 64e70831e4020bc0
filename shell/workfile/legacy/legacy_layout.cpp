// The stored forms of the older work files, record by record.
#include "shell/workfile/legacy/legacy_layout.h"

namespace legacy {
namespace {

constexpr int16_t O = kOldest;
constexpr int16_t N = kNewestLegacyVersion;

constexpr Form Cur(int first, int last, Versions v) {
    return {static_cast<int16_t>(first),
            static_cast<int16_t>(last),
            v,
            Stored::kCurrent,
            0,
            0,
            0,
            Rest::kZero,
            Fill::kNone};
}
constexpr Form Rows(int first, int last, Versions v, uint32_t bytes, uint16_t rows, uint16_t perRow,
                    Rest rest) {
    return {static_cast<int16_t>(first),
            static_cast<int16_t>(last),
            v,
            Stored::kRows,
            bytes,
            rows,
            perRow,
            rest,
            Fill::kNone};
}
constexpr Form Analyses(int first, int last, Versions v, uint16_t count) {
    return {static_cast<int16_t>(first),
            static_cast<int16_t>(last),
            v,
            Stored::kAnalyses,
            204u * count,
            count,
            0,
            Rest::kZero,
            Fill::kNone};
}
constexpr Form Texts(int first, int last, Versions v, uint16_t count, uint16_t textBytes,
                     Fill fill) {
    return {static_cast<int16_t>(first),
            static_cast<int16_t>(last),
            v,
            Stored::kDescriptions,
            5u * textBytes * count,
            count,
            textBytes,
            Rest::kKeep,
            fill};
}
constexpr Form Skip(int first, int last, Versions v, uint32_t bytes, Fill fill = Fill::kNone) {
    return {static_cast<int16_t>(first),
            static_cast<int16_t>(last),
            v,
            Stored::kSkip,
            bytes,
            0,
            0,
            Rest::kKeep,
            fill};
}
constexpr Form Absent(int first, int last, Versions v, Fill fill) {
    return {static_cast<int16_t>(first),
            static_cast<int16_t>(last),
            v,
            Stored::kAbsent,
            0,
            0,
            0,
            Rest::kKeep,
            fill};
}
constexpr Form Special(int first, int last, Versions v, Stored stored, uint32_t bytes) {
    return {static_cast<int16_t>(first),
            static_cast<int16_t>(last),
            v,
            stored,
            bytes,
            0,
            0,
            Rest::kZero,
            Fill::kNone};
}

constexpr Versions kFrom539 = Ver({539, N});
constexpr Versions kUpTo538 = Ver({O, 538});
constexpr Versions kMiddle48 = Ver({124, 499}, {512, 538});  // 48-value rows before 539
constexpr Versions kEarly = Ver({O, 123}, {500, 511});
constexpr Versions kFrom123 = Ver({123, 499}, {511, N});
constexpr Versions kRows123To538 = Ver({123, 499}, {511, 538});

}  // namespace

const Form kForms[] = {
    Cur(1, 12, kAlways),
    Cur(13, 16, Ver({530, N})),
    Texts(13, 16, Ver({140, 199}, {528, 529}), 1, 128, Fill::kEmptyTexts56),
    Texts(13, 16, Ver({114, 139}, {200, 527}), 1, 22, Fill::kEmptyTexts56),
    Absent(13, 16, Ver({O, 113}), Fill::kStoredDescriptions),
    Cur(17, 21, kFrom539),
    Analyses(17, 21, kUpTo538, 1),
    Cur(22, 25, kFrom539),
    Rows(22, 25, kMiddle48, 192, 1, 48, Rest::kZero),
    Rows(22, 25, kEarly, 184, 1, 46, Rest::kZero),
    Cur(26, 26, kAlways),
    Cur(27, 27, kFrom539),
    Rows(27, 27, kUpTo538, 1920, 10, 48, Rest::kKeep),
    Cur(28, 28, kFrom539),
    Rows(28, 28, kMiddle48, 1920, 10, 48, Rest::kZero),
    Skip(28, 28, kEarly, 1840),
    Cur(29, 29, kAlways),
    Cur(30, 31, kFrom539),
    Rows(30, 30, kMiddle48, 9408, 49, 48, Rest::kZero),
    // The second grid block has no reader; record 31 holds the run state,
    // whose fields the block's rows would fill with numbers of no meaning
    // (past what a saved file may hold, or not a number).
    Skip(31, 31, kMiddle48, 9408),
    Skip(30, 31, Ver({116, 123}, {504, 511}), 5096),
    Skip(30, 31, Ver({O, 115}, {500, 503}), 4508),
    Cur(32, 33, kAlways),
    Skip(34, 34, Ver({117, N}), 224),
    Skip(34, 34, Ver({O, 116}), 168),
    Cur(35, 49, kAlways),
    Cur(50, 50, Ver({125, 499}, {513, N})),
    Special(50, 50, Ver({O, 124}, {500, 512}), Stored::kUnits62, 62),
    Cur(51, 78, kAlways),
    Rows(79, 79, kFrom539, 2560, 10, 64, Rest::kZero),
    Rows(79, 79, kMiddle48, 880, 10, 22, Rest::kZero),
    Skip(79, 79, Ver({116, 123}, {504, 511}), 800),
    Skip(79, 79, Ver({113, 115}, {500, 503}), 680),
    Absent(79, 79, Ver({O, 112}), Fill::kExcessHead),
    Cur(80, 84, Ver({113, N})),
    Absent(80, 84, Ver({O, 112}), Fill::kZero),
    Rows(85, 85, kFrom539, 12544, 49, 64, Rest::kZero),
    Rows(85, 85, kMiddle48, 4312, 49, 22, Rest::kZero),
    Absent(85, 85, Ver({O, 114}), Fill::kMinus99),
    Rows(86, 88, kFrom539, 256, 1, 64, Rest::kZero),
    Rows(86, 88, Ver({115, 538}), 88, 1, 22, Rest::kZero),
    Special(89, 113, Ver({550, N}), Stored::kProductTable, 0),
    Special(89, 113, Ver({507, 549}), Stored::kOlderProduct, 0),
    Special(89, 113, Ver({O, 506}), Stored::kNoProduct, 0),
    Cur(114, 114, Ver({119, 499}, {507, N})),
    Cur(115, 115, Ver({507, N})),
    Absent(115, 115, Ver({O, 506}), Fill::kZero),
    Rows(116, 116, kFrom539, 9408, 49, 48, Rest::kZero),
    Absent(116, 116, Ver({O, 119}, {500, 507}), Fill::kGridAnalysis),
    Cur(117, 119, Ver({120, 499}, {508, N})),
    Cur(120, 129, Ver({122, 499}, {510, N})),
    Cur(130, 132, Ver({125, 499}, {513, N})),
    Cur(133, 144, kFrom123),
    Rows(145, 145, kFrom539, 1920, 10, 48, Rest::kKeep),
    Cur(146, 146, kFrom539),
    Rows(146, 146, kMiddle48, 1920, 10, 48, Rest::kZero),
    Skip(146, 146, Ver({123, 123}, {511, 511}), 184, Fill::kTempProfileUndone),
    Cur(147, 147, kFrom539),
    Rows(147, 147, kRows123To538, 1920, 10, 48, Rest::kKeep),
    Cur(148, 148, kFrom539),
    Skip(148, 148, Ver({123, 123}, {511, 511}), 184, Fill::kPhProfileUndone),
    Cur(149, 158, kFrom123),
    Cur(159, 159, Ver({141, 499}, {529, N})),
    Special(159, 159, Ver({123, 140}, {511, 528}), Stored::kConstants32, 32),
    Cur(160, 166, kFrom123),
    Rows(167, 168, kFrom123, 880, 10, 22, Rest::kZero),
    Cur(169, 169, Ver({124, 499}, {512, N})),
    Cur(170, 171, kFrom123),
    Rows(172, 172, kFrom539, 256, 1, 64, Rest::kZero),
    Rows(172, 172, kRows123To538, 88, 1, 22, Rest::kZero),
    Cur(173, 173, kFrom539),
    Analyses(173, 173, kRows123To538, 1),
    Cur(174, 174, kFrom539),
    Rows(174, 174, kRows123To538, 192, 1, 48, Rest::kZero),
    Rows(175, 175, kFrom539, 3072, 12, 64, Rest::kZero),
    Rows(175, 175, kRows123To538, 1056, 12, 22, Rest::kZero),
    Cur(176, 176, kFrom539),
    Analyses(176, 176, kRows123To538, 12),
    Cur(177, 177, Ver({530, N})),
    Texts(177, 177, Ver({140, 199}, {528, 529}), 12, 128, Fill::kEmptyTexts56),
    Texts(177, 177, Ver({123, 139}, {200, 499}, {511, 527}), 12, 22, Fill::kEmptyTexts56),
    Cur(178, 178, kFrom539),
    Rows(178, 178, kRows123To538, 2304, 12, 48, Rest::kZero),
    Cur(179, 210, kFrom123),
    Cur(211, 211, Ver({530, N})),
    Texts(211, 211, Ver({140, 199}, {528, 529}), 1, 128, Fill::kNone),
    Texts(211, 211, Ver({123, 139}, {200, 499}, {511, 527}), 1, 22, Fill::kNone),
    Cur(212, 213, Ver({129, 499}, {517, N})),
    Cur(214, 214, kFrom539),
    Rows(214, 214, Ver({129, 499}, {517, 538}), 1920, 10, 48, Rest::kKeep),
    Cur(215, 215, kFrom539),
    Rows(215, 215, Ver({129, 499}, {517, 538}), 1920, 10, 48, Rest::kZero),
    Rows(216, 216, Ver({129, 499}, {517, N}), 880, 10, 22, Rest::kZero),
    Cur(217, 230, kFrom123),
    Cur(231, 242, Ver({130, 499}, {518, N})),
    Cur(243, 273, Ver({131, 499}, {519, N})),
    Cur(274, 276, Ver({132, 499}, {520, N})),
    Cur(277, 282, Ver({133, 499}, {521, N})),
    Cur(283, 297, Ver({523, N})),
    Cur(298, 298, Ver({524, N})),
    Cur(299, 304, Ver({527, N})),
    Cur(305, 305, kFrom539),
    Rows(305, 305, Ver({527, 538}), 2304, 12, 48, Rest::kKeep),
    Cur(306, 306, kFrom539),
    Rows(306, 306, Ver({527, 538}), 2304, 12, 48, Rest::kZero),
    Rows(307, 307, kFrom539, 3072, 12, 64, Rest::kZero),
    Rows(307, 307, Ver({527, 538}), 1056, 12, 22, Rest::kZero),
    Cur(308, 312, Ver({527, N})),
    Cur(313, 314, Ver({546, N})),
    Special(313, 314, Ver({527, 545}), Stored::kWords14, 14),
    Cur(315, 317, Ver({527, N})),
    Cur(318, 318, Ver({528, N})),
    Cur(319, 319, Ver({532, N})),
    Cur(320, 321, Ver({533, N})),
    Cur(322, 340, Ver({534, N})),
    Cur(341, 356, Ver({535, N})),
    Cur(357, 363, Ver({540, N})),
    Cur(364, 398, Ver({548, N})),
    Cur(399, 400, Ver({551, N})),
    Cur(401, 401, Ver({552, N})),
    Cur(402, 402, Ver({553, N})),
    Absent(403, 404, kAlways, Fill::kZero),
    Absent(405, 405, kAlways, Fill::kZero),
};
const int kFormCount = static_cast<int>(sizeof kForms / sizeof kForms[0]);

const Form* FormOf(int record, int16_t version) {
    for (const Form& f : kForms)
        if (record >= f.first && record <= f.last && f.versions.Has(version)) return &f;
    return nullptr;
}

HeaderPlace HeaderPlaceOf(int16_t version) {
    constexpr uint32_t kDescriptionStart = 26;  // after the version word and records 1-12
    const Form* d = FormOf(13, version);
    uint32_t descriptionBytes = 0;
    if (d != nullptr && d->stored == Stored::kCurrent) descriptionBytes = 1024;
    if (d != nullptr && d->stored == Stored::kDescriptions) descriptionBytes = 5u * d->perRow;
    const Form* a = FormOf(17, version);
    const uint32_t analysisBytes = a != nullptr && a->stored == Stored::kAnalyses ? 204 : 268;
    return {kDescriptionStart, descriptionBytes, kDescriptionStart + 4 * descriptionBytes,
            analysisBytes};
}

}  // namespace legacy
