// The analysis clipboard: "tkIntermediate" copied from the working analysis and
// pasted back in other units, its failures, and the two result formats.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "common/byte_io.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "input/clipboard/analysis_transfer.h"
#include "input/clipboard/clipboard_analysis.h"
#include "input/clipboard_records.h"
#include "input/unit_factor_table.h"
#include "tests/input/waterform/form_fixture.h"

namespace formtest {
namespace {

namespace S = TransferSlot;

class AnalysisClipboardTest : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        unitCodes = UnitCodes{};
        InitUnitFactors();
    }

    // The "tkIntermediate" block on the clipboard, as bytes.
    static std::vector<uint8_t> Block() {
        return win::ClipboardBytes(clipboardFormats.cfIntermediate);
    }
    static float Slot(int slot) { return bytes::GetF32(Block().data() + 4 * slot); }
    static int32_t UnitSlot(int slot) { return bytes::GetI32(Block().data() + 256 + 4 * slot); }

    // A block of bytes onto the clipboard as "tkIntermediate".
    static void Put(const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(win::OpenClipboard(nullptr));
        win::EmptyClipboard();
        const win::HGLOBAL block = win::GlobalAlloc(win::GHND, bytes.size());
        std::memcpy(win::GlobalLock(block), bytes.data(), bytes.size());
        win::GlobalUnlock(block);
        win::SetClipboardData(clipboardFormats.cfIntermediate, block);
        win::CloseClipboard();
    }

    // Copies the working analysis with `sender` units, then pastes it with
    // `receiver` units into a cleared working analysis. The copy is made as
    // an older sender's, without its units: its values in base units are what
    // the receiver takes. The water is at 77 degrees F unless the sender says
    // otherwise, as a paste takes only a water the form would take.
    void CopyThenPaste(const std::function<void()>& sender, const std::function<void()>& receiver) {
        V()[E::kTemperature] = 77.0f;
        sender();
        ASSERT_EQ(CopyAnalysis(), 0);
        std::vector<uint8_t> older = Block();
        std::fill(older.begin() + kAnalysisTransferBytes, older.end(), uint8_t{0});
        Put(older);
        std::memset(currentAnalysis.values, 0, sizeof currentAnalysis.values);
        unitCodes = UnitCodes{};
        receiver();
        ASSERT_EQ(PasteAnalysis(), 0);
    }
    static float* V() { return currentAnalysis.values; }
    static int BoxesSaying(const std::string& text) {
        int n = 0;
        for (const auto& b : win::MessageBoxLog()) n += b.text == text ? 1 : 0;
        return n;
    }
    static int BoxesCaptioned(const std::string& caption) {
        int n = 0;
        for (const auto& b : win::MessageBoxLog()) n += b.caption == caption ? 1 : 0;
        return n;
    }
};

TEST_F(AnalysisClipboardTest, ValuesTravelInBaseUnitsAndArriveInTheReceiversUnits) {
    CopyThenPaste(
        [] {
            unitCodes.code[UnitItem::kCalcium] = 1;  // mg/L as CaCO3
            unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kFahrenheit;
            unitCodes.code[UnitItem::kResidenceTime] = 1;  // minutes
            V()[E::kCalcium] = 100.0f;
            V()[E::kTemperature] = 77.0f;
            V()[E::kPh] = 8.1f;
            currentResidenceTime = 120.0f;
        },
        [] { unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kKelvin; });
    EXPECT_NEAR(Slot(E::kCalcium), 100.0 * 20.04 / 50.0445, 1e-4);  // Ca's meq over CaCO3's
    EXPECT_NEAR(Slot(S::kTemperatureC), 25.0, 1e-4);
    EXPECT_NEAR(Slot(S::kResidence), 7200.0, 1e-3);  // seconds times the minute's 60
    EXPECT_EQ(UnitSlot(UnitItem::kCalcium), 1);
    EXPECT_EQ(UnitSlot(41), 1);  // the residence unit repeated
    EXPECT_NEAR(V()[E::kCalcium], 100.0 * 20.04 / 50.0445, 1e-4);
    EXPECT_NEAR(V()[E::kTemperature], 298.16, 1e-3);
    EXPECT_FLOAT_EQ(V()[E::kPh], 8.1f);
    EXPECT_NEAR(currentResidenceTime, 120.0, 1e-4);
    EXPECT_NEAR(formResidenceSeconds, 120.0, 1e-4);
    EXPECT_EQ(analysisOnClipboard, 1u);
    EXPECT_EQ(Block().size(), kAnalysisTransferBlockBytes);
}

TEST_F(AnalysisClipboardTest, DegreesFollowTheEnginesReading) {
    unitCodes.code[UnitItem::kCalcium] = 3;  // German degrees
    V()[E::kCalcium] = 1.0f;
    ASSERT_EQ(CopyAnalysis(), 0);
    EXPECT_NEAR(Slot(E::kCalcium), 17.9 * 20.04 / 50.0445, 1e-5);
    // 10 and 17.9 mg/L as CaCO3 per French and German degree, as CaCO3 times the
    // ion's share: the table agrees within rounding for every hardness ion.
    struct Ion {
        int item;
        double asCaCO3;
    };
    constexpr double kCaCO3 = 50.0445;  // mg per meq
    for (const Ion ion :
         {Ion{UnitItem::kCalcium, 20.04 / kCaCO3}, Ion{UnitItem::kMagnesium, 12.156 / kCaCO3},
          Ion{UnitItem::kStrontium, 43.81 / kCaCO3}, Ion{UnitItem::kBarium, 68.67 / kCaCO3},
          Ion{UnitItem::kLithium, 6.939 / kCaCO3}}) {
        EXPECT_NEAR(UnitFactorTable[1][ion.item], 10.0 * ion.asCaCO3, 0.001 * ion.asCaCO3)
            << ion.item;
        EXPECT_NEAR(UnitFactorTable[2][ion.item], 17.9 * ion.asCaCO3, 0.01 * ion.asCaCO3)
            << ion.item;
    }
}

TEST_F(AnalysisClipboardTest, PartialPressuresTravelInAtmAsTheEngineReadsThem) {
    // 1000 ppm of CO2 in the gas at 1 atm is 0.001 atm.
    CopyThenPaste(
        [] {
            unitCodes.code[UnitItem::kGasCo2] = 4;
            V()[E::kPressure] = 1.0f;
            V()[E::kPco2] = 1000.0f;
        },
        [] { unitCodes.code[UnitItem::kGasCo2] = 4; });
    EXPECT_NEAR(Slot(S::kPco2Atm), 0.001, 1e-8);
    EXPECT_NEAR(Slot(S::kPressureAtm), 1.0, 1e-6);
    EXPECT_NEAR(V()[E::kPco2], 1000.0, 1e-2);
    EXPECT_NEAR(V()[E::kPressure], 1.0, 1e-6);

    CopyThenPaste(
        [] {
            unitCodes.code[UnitItem::kGasCo2] = 4;
            V()[E::kPressure] = 1.0f;
            V()[E::kPco2] = 1000.0f;
        },
        [] { unitCodes.code[UnitItem::kGasCo2] = 5; });  // mole %
    EXPECT_NEAR(V()[E::kPco2], 0.1, 1e-6);

    // Psia and bar at both ends: the same numbers arrive; across units the same
    // pressure.
    CopyThenPaste(
        [] {
            unitCodes.code[UnitItem::kPressure] = PressureUnit::kPsia;
            unitCodes.code[UnitItem::kGasH2S] = 2;  // psia
            V()[E::kPressure] = 14.7f;
            V()[E::kPH2S] = 0.5f;
        },
        [] {
            unitCodes.code[UnitItem::kPressure] = PressureUnit::kPsia;
            unitCodes.code[UnitItem::kGasH2S] = 1;  // bar
        });
    EXPECT_NEAR(Slot(S::kPressureAtm), 14.7 * 0.068046, 1e-5);
    EXPECT_NEAR(V()[E::kPressure], 14.7, 1e-4);
    EXPECT_NEAR(V()[E::kPH2S], 0.5 * 0.068046 / 0.98692, 1e-6);
}

TEST_F(AnalysisClipboardTest, ANonPositivePressureArrivesAsOneAtmosphereInTheReceiversUnit) {
    struct Case {
        uint16_t code;
        double want;
    };
    for (const Case c : {Case{0, 1.0}, Case{1, 1.0}, Case{2, 14.7}, Case{3, 100.0}}) {
        CopyThenPaste(
            [] {
                V()[E::kPressure] = 0.0f;
            },
            [&] { unitCodes.code[UnitItem::kPressure] = c.code; });
        EXPECT_NEAR(V()[E::kPressure], c.want, 1e-5) << c.code;
    }
}

TEST_F(AnalysisClipboardTest, DensityTravelsInGramsPerMillilitre) {
    CopyThenPaste(
        [] {
            unitCodes.code[UnitItem::kDensity] = 1;  // lbs/gal
            V()[E::kDensity] = 8.55f;
        },
        [] {});
    EXPECT_NEAR(Slot(S::kDensity), 8.55 / 8.34, 1e-6);
    EXPECT_NEAR(V()[E::kDensity], 8.55 / 8.34, 1e-6);
    CopyThenPaste(
        [] {
            V()[E::kDensity] = 1.025f;
        },
        [] { unitCodes.code[UnitItem::kDensity] = 1; });
    EXPECT_NEAR(V()[E::kDensity], 1.025 * 8.34, 1e-4);
}

TEST_F(AnalysisClipboardTest, UnitsWithoutAFactorSendAndReceiveNothing) {
    CopyThenPaste(
        [] {
            unitCodes.code[UnitItem::kPotassium] = 4;
            V()[E::kPotassium] = 50.0f;
            V()[E::kZinc] = 3.0f;
        },
        [] { unitCodes.code[UnitItem::kZinc] = 6; });
    EXPECT_EQ(Slot(E::kPotassium), 0.0f);
    EXPECT_NEAR(Slot(E::kZinc), 3.0, 1e-6);
    EXPECT_EQ(V()[E::kZinc], 0.0f);
}

TEST_F(AnalysisClipboardTest, LeadAndOxalateConvertAsTheEngineReadsThem) {
    CopyThenPaste(
        [] {
            unitCodes.code[UnitItem::kLead] = 1;     // as CaCO3
            unitCodes.code[UnitItem::kOxalate] = 2;  // epm: mmol/L = epm / 2
            V()[E::kLead] = 10.0f;
            V()[E::kOxalate] = 4.0f;
        },
        [] { unitCodes.code[UnitItem::kOxalate] = 1; });         // as CaCO3: mmol/L = v / 100.089
    EXPECT_NEAR(Slot(S::kLead), 10.0 * 207.19 / 100.089, 1e-4);  // per mg CaCO3
    EXPECT_NEAR(Slot(S::kOxalate), 2.0 * 88.0196, 1e-3);
    EXPECT_NEAR(V()[E::kLead], 10.0 * 207.19 / 100.089, 1e-4);
    EXPECT_NEAR(V()[E::kOxalate], 2.0 * 100.089, 1e-3);
}

TEST_F(AnalysisClipboardTest, PasteFillsTheAlkalinityOfEachMode) {
    // The results the copy sends: bicarbonate 150 and carbonate 12 mg/L, M and P
    // alkalinity 143 and 20 mg/L as CaCO3.
    auto sender = [] {
        V()[E::kAlkalinity] = 143.0f;
        SaturationResults[27] = 150.0f;
        SaturationResults[29] = 12.0f;
        SaturationResults[28] = 143.0f;
        SaturationResults[30] = 20.0f;
    };
    struct Case {
        uint16_t mode;
        double m, p;
    };
    const Case cases[] = {
        {1, 143.0, 20.0},
        {2, 150.0, 12.0},
        {3, 150.0, 12.0},
        {4, 143.0 * 30 / 500.05, 20.0 * 30 / 500.05},
        {5, 143.0 / 50.0445, 20.0 / 50.0445},
        {6, 14.3, 2.0},  // French degrees of 10 mg/L as CaCO3
        {7, 143.0 / 17.9, 20.0 / 17.9},
        {8, 150.0 / 61017.3, 12.0 / 60009.4},
    };
    for (const Case& c : cases) {
        CopyThenPaste(sender, [&] { alkalinityMode = c.mode; });
        EXPECT_NEAR(V()[E::kMAlkalinity], c.m, 1e-5 * (1 + c.m)) << "mode " << c.mode;
        EXPECT_NEAR(V()[E::kPAlkalinity], c.p, 1e-5 * (1 + c.p)) << "mode " << c.mode;
        EXPECT_FLOAT_EQ(V()[E::kAlkalinity], 143.0f) << "mode " << c.mode;
        EXPECT_FLOAT_EQ(SaturationResults[28], 143.0f);
        EXPECT_EQ(SaturationResults[0], 0.0f);
    }
    CopyThenPaste(sender, [] { alkalinityMode = 9; });
    EXPECT_EQ(V()[E::kMAlkalinity], 0.0f);
    EXPECT_EQ(V()[E::kAlkalinity], 0.0f);
}

TEST_F(AnalysisClipboardTest, IdentificationAndEveryDescriptionLineTravel) {
    CopyThenPaste(
        [] {
            currentAnalysis.sampleNumber = 12;
            currentAnalysis.sampleDate = 1240704;
            currentAnalysis.reportDate = 1240705;
            currentAnalysis.sampleTime = 930;
            for (int line = 0; line < 8; ++line)
                std::snprintf(currentDescription.text[line], 128, "line %d", line);
            organicAcids[0] = 11.0f;
            corrosionTarget = 2.0f;
            unitCodes.code[UnitItem::kCorrosionRate] = 1;  // mm/yr
            V()[E::kAcidity] = 7.0f;
            dissolvedCO2Copy = 6.5f;
        },
        [] {});
    EXPECT_EQ(currentAnalysis.sampleNumber, 12);
    EXPECT_EQ(currentAnalysis.sampleDate, 1240704);
    EXPECT_EQ(currentAnalysis.reportDate, 1240705);
    EXPECT_EQ(currentAnalysis.sampleTime, 930);
    EXPECT_STREQ(currentDescription.text[0], "line 0");
    EXPECT_STREQ(currentDescription.text[4], "line 4");
    EXPECT_STREQ(currentDescription.text[5], "line 5");
    EXPECT_STREQ(currentDescription.text[6], "line 6");
    EXPECT_STREQ(currentDescription.text[7], "line 7");
    EXPECT_EQ(organicAcids[0], 11.0f);
    EXPECT_NEAR(corrosionTarget, 2.0 / 0.0254, 1e-3);  // sent in mpy, received in mpy
    EXPECT_EQ(V()[E::kAcidity], 7.0f);
    EXPECT_EQ(dissolvedCO2Copy, 6.5f);
    EXPECT_EQ(bytes::GetU32(Block().data() + 512), 1u);
}

TEST_F(AnalysisClipboardTest, WithoutAnAnalysisPasteChangesNothing) {
    V()[E::kCalcium] = 5.0f;
    ASSERT_TRUE(win::OpenClipboard(nullptr));
    win::EmptyClipboard();
    const win::HGLOBAL text = win::GlobalAlloc(win::GHND, 6);
    std::memcpy(win::GlobalLock(text), "hello", 6);
    win::GlobalUnlock(text);
    win::SetClipboardData(win::CF_TEXT, text);
    win::CloseClipboard();

    EXPECT_EQ(PasteAnalysis(), -1);
    ASSERT_EQ(BoxesCaptioned("Clipboard empty. Analysis not pasted."), 1);
    EXPECT_EQ(win::MessageBoxLog().back().text, "Clipboard Empty");
    EXPECT_EQ(V()[E::kCalcium], 5.0f);
}

TEST_F(AnalysisClipboardTest, AShortOrDamagedBlockIsNoAnalysis) {
    const auto put = Put;
    V()[E::kCalcium] = 5.0f;
    put(std::vector<uint8_t>(kAnalysisTransferBytes - 1, 0));
    EXPECT_EQ(PasteAnalysis(), -1);
    EXPECT_EQ(BoxesCaptioned("Clipboard empty. Analysis not pasted."), 1);
    EXPECT_EQ(V()[E::kCalcium], 5.0f);

    // Full length, descriptions without their terminators: each is ended
    // within its 128 bytes.
    std::vector<uint8_t> bytes(kAnalysisTransferBytes, 'x');
    for (int slot = 0; slot < 64; ++slot) bytes::PutF32(bytes.data() + 4 * slot, 1.0f);
    for (int slot = 0; slot < 64; ++slot) bytes::PutI32(bytes.data() + 256 + 4 * slot, 0);
    bytes::PutF32(bytes.data() + 4 * S::kTemperatureC, 25.0f);
    // Dates and a time of letters are none: refused, as the form refuses them.
    put(bytes);
    EXPECT_EQ(PasteAnalysis(), -1);
    EXPECT_NE(win::MessageBoxLog().back().text.find(") is not a date. Analysis not pasted."),
              std::string::npos)
        << win::MessageBoxLog().back().text;
    EXPECT_EQ(V()[E::kCalcium], 5.0f);
    bytes::PutI32(bytes.data() + 518, 0);  // report date: none
    bytes::PutI32(bytes.data() + 522, 0);  // sample date: none
    bytes::PutI16(bytes.data() + 526, 930);
    put(bytes);
    EXPECT_EQ(PasteAnalysis(), 0);
    EXPECT_EQ(V()[E::kChloride], 1.0f);
    EXPECT_EQ(std::strlen(currentDescription.text[3]), 127u);

    // A NaN or an infinity among the values the receiver reads: no analysis is
    // taken, and the box names the field; one in a slot nobody reads is let be.
    V()[E::kCalcium] = 5.0f;
    bytes::PutF32(bytes.data() + 4 * 13, std::nanf(""));
    put(bytes);
    EXPECT_EQ(PasteAnalysis(), 0);
    bytes::PutF32(bytes.data() + 4 * E::kCalcium, std::nanf(""));
    bytes::PutF32(bytes.data() + 4 * E::kSodium, INFINITY);
    put(bytes);
    V()[E::kCalcium] = 5.0f;
    EXPECT_EQ(PasteAnalysis(), -1);
    EXPECT_EQ(win::MessageBoxLog().back().text,
              "The value for Calcium is not a number. Analysis not pasted.");
    EXPECT_EQ(V()[E::kCalcium], 5.0f);
}

// A sour water whose H2S carries more alkalinity at its pH than its
// bicarbonate (a brine of Ca 400, Na 10,000, Cl 16,000, HCO3 100 and H2S
// 100 mg/L at pH 7.0) is no water the forms take: its paste is refused with
// both figures named, and the water on the form stays as it was. The same
// brine with a tenth of the H2S pastes.
TEST_F(AnalysisClipboardTest, ASulfideOutweighingItsAlkalinityIsNotPasted) {
    for (const float h2s : {100.0f, 10.0f}) {
        SCOPED_TRACE(h2s);
        auto sender = [h2s] {
            V()[E::kPh] = 7.0f;
            V()[E::kCalcium] = 400.0f;
            V()[E::kSodium] = 10000.0f;
            V()[E::kChloride] = 16000.0f;
            V()[E::kH2S] = h2s;
            V()[E::kAlkalinity] = 82.0f;
            SaturationResults[27] = 100.0f;
            SaturationResults[28] = 82.0f;
        };
        V()[E::kTemperature] = 77.0f;
        sender();
        ASSERT_EQ(CopyAnalysis(), 0);
        // As an older sender's copy, whose alkalinity the receiver's mode reads.
        std::vector<uint8_t> older = Block();
        std::fill(older.begin() + kAnalysisTransferBytes, older.end(), uint8_t{0});
        Put(older);
        std::memset(currentAnalysis.values, 0, sizeof currentAnalysis.values);
        V()[E::kCalcium] = 5.0f;
        alkalinityMode = 2;
        const size_t boxes = win::MessageBoxLog().size();
        const int pasted = PasteAnalysis();
        if (h2s > 50.0f) {
            EXPECT_EQ(pasted, -1);
            ASSERT_EQ(win::MessageBoxLog().size(), boxes + 1);
            const std::string told = win::MessageBoxLog().back().text;
            EXPECT_NE(told.find("The H2S of the pasted water carries "), std::string::npos) << told;
            EXPECT_NE(told.find("more than the "), std::string::npos) << told;
            EXPECT_EQ(V()[E::kCalcium], 5.0f);
            EXPECT_EQ(V()[E::kH2S], 0.0f);
        } else {
            EXPECT_EQ(pasted, 0);
            EXPECT_EQ(win::MessageBoxLog().size(), boxes);
            EXPECT_FLOAT_EQ(V()[E::kCalcium], 400.0f);
        }
    }
}

// A copy carries its sender's units and values: the receiver converts those,
// polyphosphate included. Cut short within them, or holding a value that is
// no number, they are the older sender's record or a refusal naming the field.
TEST_F(AnalysisClipboardTest, TheSendersUnitsTravelAndAreReadWithCare) {
    reportingMode = ReportingMode::kMgPerL;
    V()[E::kTemperature] = 77.0f;
    V()[E::kCalcium] = 40.078f;
    V()[E::kPolyphosphate] = 2.0f;
    ASSERT_EQ(CopyAnalysis(), 0);
    const std::vector<uint8_t> block = Block();
    EXPECT_EQ(bytes::GetU32(block.data() + kAnalysisTransferBytes), kSenderUnitsTag);
    reportingMode = ReportingMode::kEpm;
    ASSERT_EQ(PasteAnalysis(), 0);
    EXPECT_NEAR(V()[E::kCalcium], 2.0, 1e-3);  // meq/L of a divalent ion
    EXPECT_GT(V()[E::kPolyphosphate], 0.0f);

    // One byte short of the sender's units: the base units alone (calcium
    // in mg/L, whatever the receiver's basis).
    Put(std::vector<uint8_t>(block.begin(),
                             block.begin() + kAnalysisTransferBytes + kSenderUnitsBytes - 1));
    ASSERT_EQ(PasteAnalysis(), 0);
    EXPECT_NEAR(V()[E::kCalcium], 40.078, 1e-4);
    EXPECT_EQ(V()[E::kPolyphosphate], 0.0f);

    std::vector<uint8_t> damaged = block;
    const size_t sentValues = kAnalysisTransferBytes + 4 + 2 + 2 + 2 * 40;
    bytes::PutF32(damaged.data() + sentValues + 4 * E::kPolyphosphate, std::nanf(""));
    Put(damaged);
    V()[E::kCalcium] = 5.0f;
    EXPECT_EQ(PasteAnalysis(), -1);
    EXPECT_EQ(win::MessageBoxLog().back().text,
              "The value for Polyphosphate is not a number. Analysis not pasted.");
    EXPECT_EQ(V()[E::kCalcium], 5.0f);
}

TEST_F(AnalysisClipboardTest, ClipboardFailuresAreReportedAndLeaveItUsable) {
    win::SetClipboardHeldElsewhere(true);
    EXPECT_EQ(CopyAnalysis(), -1);
    EXPECT_EQ(PasteAnalysis(), -1);
    ASSERT_EQ(BoxesSaying("Error opening clipboard. Analysis not posted."), 2);
    win::SetClipboardHeldElsewhere(false);

    win::FailNextGlobalAllocs(1);
    EXPECT_EQ(CopyAnalysis(), -1);
    EXPECT_EQ(BoxesSaying("Error allocating clipboard memory. Analysis not posted."), 1);
    EXPECT_EQ(analysisOnClipboard, 0u);
    EXPECT_EQ(CopyAnalysis(), 0);  // the clipboard was closed again
}

// The result pages' right-button copy: the label goes into the chosen text of
// the current description, cut to fit, and the answer is CopyAnalysis's.
TEST_F(AnalysisClipboardTest, LabelledCopyWritesItsLabelThenCopies) {
    std::snprintf(currentDescription.text[6], 128, "an older label that is longer");
    EXPECT_EQ(CopyLabelledAnalysis("pH 7.5", 6), 0);
    EXPECT_STREQ(currentDescription.text[6], "pH 7.5");
    EXPECT_EQ(analysisOnClipboard, 1u);
    EXPECT_EQ(Block().size(), static_cast<size_t>(kAnalysisTransferBlockBytes));

    const std::string longLabel(200, 'L');
    EXPECT_EQ(CopyLabelledAnalysis(longLabel.c_str(), 4), 0);
    EXPECT_EQ(std::string(currentDescription.text[4]), std::string(127, 'L'));
    EXPECT_EQ(CopyLabelledAnalysis("outside", 8), 0);  // no such text: only the copy

    win::SetClipboardHeldElsewhere(true);
    EXPECT_EQ(CopyLabelledAnalysis("Multi Mixed Water ", 6), -1);
    EXPECT_STREQ(currentDescription.text[6], "Multi Mixed Water ");
    EXPECT_EQ(BoxesSaying("Error opening clipboard. Analysis not posted."), 1);
    win::SetClipboardHeldElsewhere(false);
}

TEST_F(AnalysisClipboardTest, ResultFormatsStandBesideTheAnalysis) {
    unitCodes.code[UnitItem::kPressure] = PressureUnit::kAtm;
    V()[E::kCalcium] = 40.0f;
    V()[E::kPressure] = 3.0f;
    SaturationResults[62] = 2.5f;
    SaturationResults[23] = 1.5f;
    MomentaryExcess[14] = 9.0f;
    std::strcpy(currentDescription.text[4], "fifth");
    CopyToClipboardByKind();
    const std::vector<uint8_t> combined = win::ClipboardBytes(clipboardFormats.cfCombined);
    const std::vector<uint8_t> results = win::ClipboardBytes(clipboardFormats.cfResults);
    ASSERT_EQ(Block().size(), 3104u);
    ASSERT_EQ(combined.size(), 3968u);
    ASSERT_EQ(results.size(), 2936u);

    EXPECT_FLOAT_EQ(bytes::GetF32(combined.data() + 4 * E::kCalcium), 40.0f);
    EXPECT_FLOAT_EQ(bytes::GetF32(combined.data() + 4 * 38), 1.0f);  // atm is sent as 1
    EXPECT_FLOAT_EQ(bytes::GetF32(combined.data() + 256 + 4 * 64), 2.5f);
    EXPECT_FLOAT_EQ(bytes::GetF32(combined.data() + 256 + 4 * 19), 9.0f);
    EXPECT_EQ(bytes::GetI32(combined.data() + 688 + 4 * 38), -1);
    EXPECT_EQ(bytes::GetU32(combined.data() + 944), 1u);
    EXPECT_STREQ(reinterpret_cast<const char*>(combined.data() + 960 + 4 * 128), "fifth");
    for (size_t i = 1600; i < combined.size(); ++i) ASSERT_EQ(combined[i], 0) << i;

    EXPECT_FLOAT_EQ(bytes::GetF32(results.data() + 4 * 36), 1.5f);
    EXPECT_FLOAT_EQ(bytes::GetF32(results.data() + 4 * 64), 2.5f);
    EXPECT_FLOAT_EQ(bytes::GetF32(results.data() + 4 * 19), 9.0f);
    EXPECT_STREQ(reinterpret_cast<const char*>(results.data() + 444 + 4 * 128), "fifth");
    for (size_t i = 1084; i < results.size(); ++i) ASSERT_EQ(results[i], 0) << i;
}

}  // namespace
}  // namespace formtest
