// Scripted runs of what a chemist meets first: numbers typed into the water
// form read exactly or refused (with the field named, nothing stored and no
// page opened), values without meaning refused, the identification texts kept
// through a work file, the first multi-mix water's dates, and the units.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "common/byte_io.h"
#include "common/packed_date.h"
#include "engine/records.h"
#include "input/description_records.h"
#include "input/records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/workfile/work_file_layout.h"
#include "tests/app/program_run_fixture.h"

namespace {

namespace E = AnalysisElement;

class WaterEntryRun : public ProgramRunFixture {
  protected:
    // Types `text` into field `control` of the source water form and presses
    // OK; a form that stays open (a refused field) is cancelled afterwards.
    int TypeAndOk(int control, const std::string& text, const std::string& more = "") {
        return Run(more + "dialog 80 set " + std::to_string(control) + " " + text +
                   "\ndialog 80 press 1\ndialog 80 press 2\nmenu 1030\n"
                   "answer no Data has been modified\n");
    }
    bool Logged(const std::string& part) const { return Log().find(part) != std::string::npos; }
    static std::string Box(const std::string& text) {
        return "message box \"WARNING\": \"" + text + "\" -> ok";
    }
    bool PageOpened() const { return Logged("SURFACE WATER ANALYSIS"); }
};

// Each kind of text typed for sodium: what is stored, or the refusal shown.
TEST_F(WaterEntryRun, TypedNumbersAreReadExactlyOrRefused) {
    struct Case {
        const char* typed;
        float stored;         // when taken
        const char* refusal;  // the message when refused, else nullptr
    };
    const std::string many(400, '7');
    const Case cases[] = {
        {"10,760", 10760.0f, nullptr},
        {"1,234.5", 1234.5f, nullptr},
        {"1e3", 1000.0f, nullptr},
        {"12", 12.0f, nullptr},
        {"2,5", 0.0f,
         "\"2,5\" typed for Sodium is not a number. Please enter a number such as 12.5, 1e3 "
         "or 10,760."},
        {"12abc", 0.0f, "\"12abc\" typed for Sodium is not a number."},
        {"nan", 0.0f, "\"nan\" typed for Sodium is not a number."},
        {many.c_str(), 0.0f, "typed for Sodium is too large a number."},
    };
    for (const Case& c : cases) {
        Fresh();
        ASSERT_EQ(TypeAndOk(404, c.typed), 0) << c.typed << "\n" << Log();
        if (c.refusal == nullptr) {
            EXPECT_EQ(resultStatus.surfaceEntered, 1) << c.typed;
            EXPECT_EQ(surfaceWater.values[E::kSodium], c.stored) << c.typed;
            EXPECT_FALSE(Logged("typed for Sodium")) << c.typed;
        } else {
            EXPECT_TRUE(Logged(c.refusal)) << c.typed << "\n" << Log();
            EXPECT_EQ(resultStatus.surfaceEntered, 0) << c.typed;
            EXPECT_FALSE(PageOpened()) << c.typed;
        }
    }
    // An empty field still reads 0.
    Fresh();
    ASSERT_EQ(TypeAndOk(400, "412"), 0) << Log();
    EXPECT_EQ(surfaceWater.values[E::kCalcium], 412.0f);
    EXPECT_EQ(surfaceWater.values[E::kSodium], 0.0f);
}

// A refused field keeps everything typed so far out of the records: the
// calcium typed beside the refused sodium is not read either.
TEST_F(WaterEntryRun, ARefusedFormStoresNothing) {
    ASSERT_EQ(TypeAndOk(404, "19,35", "dialog 80 set 400 412\n"), 0) << Log();
    EXPECT_EQ(currentAnalysis.values[E::kCalcium], 0.0f);
    EXPECT_EQ(currentAnalysis.values[E::kSodium], 0.0f);
    EXPECT_EQ(surfaceWater.values[E::kCalcium], 0.0f);
    EXPECT_EQ(resultStatus.surfaceEntered, 0);
    EXPECT_FALSE(PageOpened());
}

// Values with no meaning for their quantity are refused with the range, in
// the user's units; a negative pH (predict the pH) and an alkalinity sign stay.
TEST_F(WaterEntryRun, ValuesWithoutMeaningAreRefusedWithTheirRange) {
    struct Case {
        int control;
        const char* typed;
        const char* message;
    };
    const Case refused[] = {
        {400, "-5", "\"-5\" is outside the range of Calcium (0 to 1,000,000 mg/l as Ca)."},
        {407, "180000",
         "\"180000\" is outside the range of pH (up to 14; a negative pH has the pH "
         "predicted)."},
        {427, "-500",
         "\"-500\" is outside the range of Temperature (30 to 572 \xB0"
         "F)."},
        {427, "1e6",
         "\"1e6\" is outside the range of Temperature (30 to 572 \xB0"
         "F)."},
        {429, "5000", "\"5000\" is outside the range of Pressure (0 to 1000 Atm.)."},
        {428, "-1",
         "\"-1\" is outside the range of Density (0.5 to 2.5 g/mL, or 0 for the default)."},
        {822, "-0.1", "\"-0.1\" is outside the range of pCO2 (0 to 1,000 Atm.)."},
        // Beyond what a work file holds of a flow or the corrosion target.
        {460, "1e28", "\"1e28\" is outside the range of Brine Flow (0 to 6.28998e+27 BPD)"},
        {480, "2e30", "\"2e30\" is outside the range of Gas Flow (0 to 1e+30"},
        {643, "1e31", "\"1e31\" is outside the range of Corrosion Target (0 to 1e+30 mpy"},
    };
    for (const Case& c : refused) {
        Fresh();
        ASSERT_EQ(TypeAndOk(c.control, c.typed), 0) << c.typed << "\n" << Log();
        EXPECT_TRUE(Logged(c.message)) << c.typed << "\n" << Log();
        EXPECT_EQ(resultStatus.surfaceEntered, 0) << c.typed;
        EXPECT_FALSE(PageOpened()) << c.typed;
    }
    Fresh();
    ASSERT_EQ(TypeAndOk(407, "-1", "dialog 80 set 419 140\n"), 0) << Log();
    EXPECT_EQ(resultStatus.surfaceEntered, 1);
    EXPECT_EQ(surfaceWater.values[E::kCompanionPh], -1.0f);
}

// A number typed over its own negative is a new number on each water form,
// as any other edit is: the form that took -300 for the alkalinity takes 300
// after it (seen failing: the second OK found "no change" by the magnitudes
// and the form kept -300).
TEST_F(WaterEntryRun, ANumberTypedOverItsNegativeIsTaken) {
    for (const char* menu : {"1030", "1031", "1032"}) {
        SCOPED_TRACE(menu);
        Fresh();
        const std::string form = std::string("menu ") + menu + "\n";
        const std::string read = "dialog 80 read 419\ndialog 80 read 420\ndialog 80 press 2\n" + form;
        ASSERT_EQ(Run("dialog 80 set 400 412\ndialog 80 set 419 -300\ndialog 80 set 420 25\n"
                      "dialog 80 press 1\n" + form +
                      "dialog 80 set 419 300\ndialog 80 set 420 -25\ndialog 80 press 1\n" + form +
                      read + "answer no Data has been modified\n"),
                  0)
            << Log();
        const std::vector<std::string> m = Reads(419), p = Reads(420);
        ASSERT_EQ(m.size(), 1u) << Log();
        ASSERT_EQ(p.size(), 1u) << Log();
        EXPECT_EQ(std::stod(m[0]), 300.0) << Log();
        EXPECT_EQ(std::stod(p[0]), -25.0) << Log();
    }
}

// The sample ID and every description line, "°" included, are in records
// 13-16 of the saved file and come back on Open, on the form and in What's
// Stored.
TEST_F(WaterEntryRun, DescriptionsSurviveASavedWorkFile) {
    const char* lines[7] = {"Sea water test 1", "Typed by newcomer", "Well 7 \xB0 25 C",
                            "Line four",        "Comments here",     "Line six",
                            "Line seven"};
    const int edits[7] = {399, 398, 396, 397, 430, 431, 432};
    std::string script =
        "dialog 80 set 394 ID \xB0"
        "7\ndialog 80 set 393 42\ndialog 80 set 419 140\n";
    for (int i = 0; i < 7; ++i)
        script += "dialog 80 set " + std::to_string(edits[i]) + " " + lines[i] + "\n";
    script +=
        "dialog 80 press 1\nmenu 1030\nfile \\WS.KRV\nmenu 1022\n"
        "text DisplayMUWater chem.txt\n";
    ASSERT_EQ(Run(script), 0) << Log();
    const std::string file = Read("WS.KRV");
    ASSERT_EQ(file.size(), 203243u);
    // Record 13 (the form's set) at 26 and record 16 (the surface water's) at
    // 3098: eight lines of 128 bytes, line 7 the ID.
    for (size_t record : {size_t{26}, size_t{3098}}) {
        for (int i = 0; i < 7; ++i)
            EXPECT_STREQ(file.c_str() + record + 128 * i, lines[i]) << record << " " << i;
        EXPECT_STREQ(file.c_str() + record + 128 * 7,
                     "ID \xB0"
                     "7");
    }
    // The page shows the ID where the printed report does, its degree sign
    // too (in the page font's code page; the text of the page is Windows-1252).
    EXPECT_NE(Read("chem.txt").find("   Sample ID: ID \xB0"
                                    "7     Report Date:"),
              std::string::npos)
        << Read("chem.txt");

    Fresh();
    ASSERT_EQ(Run("file \\WS.KRV\nmenu 1020\n"
                  "dialog 80 read 394\ndialog 80 read 399\ndialog 80 read 396\n"
                  "dialog 80 read 432\ndialog 80 press 2\nmenu 1030\n"
                  "dialog 52 select 931 WS.KRV dblclick\n"
                  "dialog 52 read 825\ndialog 52 read 827\ndialog 52 read 826\n"
                  "dialog 52 press 2\nmenu 1027\n"),
              0)
        << Log();
    EXPECT_STREQ(waterDescriptions[0].text[7],
                 "ID \xB0"
                 "7");
    for (const std::string read :
         {"read 394 \"ID \xB0"
          "7\"",
          "read 399 \"Sea water test 1\"", "read 396 \"Well 7 \xB0 25 C\"",
          "read 432 \"Line seven\"", "read 825 \"Sea water test 1\"",
          "read 827 \"Typed by newcomer\"", "read 826 \"Well 7 \xB0 25 C\""})
        EXPECT_TRUE(Logged(read)) << read << "\n" << Log();
}

// What's Stored on work files holding the source, injection and formation
// waters in turn, each with its own date, ID and description (or none): the
// browser shows the date, ID and description of the one water it names (the
// source water, else the injection water, else the formation water) however
// many were entered after it, its folder as the real one, and loading the file
// captions the restore message with the file's real name.
TEST_F(WaterEntryRun, WhatsStoredDescribesTheWaterItNames) {
    struct Water {
        int menu;  // its form's command
        const char* date;
        const char* id;
        const char* description;  // "" for none
    };
    const Water source{1030, "01-02-2011", "101", "Source water line"};
    const Water injection{1031, "03-04-2012", "202", "Injection line"};
    const Water formation{1032, "05-06-2013", "303", "Formation line"};
    const Water bare{1032, "07-08-2014", "404", ""};
    struct Case {
        std::vector<Water> entered;  // in the order typed
        Water shown;
    };
    const Case cases[] = {
        {{source}, source},
        {{source, formation}, source},
        {{bare, source}, source},
        {{injection, formation}, injection},
        {{formation, injection}, injection},
        {{formation}, formation},
        {{source, bare}, source},
        {{bare}, bare},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.shown.date) + " after " + std::to_string(c.entered.size()));
        std::filesystem::remove(folder / "WS.KRV");
        Fresh();
        std::string script;
        for (const Water& w : c.entered) {
            script += "dialog 80 set 391 " + std::string(w.date) + "\ndialog 80 set 393 " + w.id +
                      "\ndialog 80 set 399 " + w.description +
                      "\ndialog 80 set 400 412\ndialog 80 set 404 10760\ndialog 80 press 1\n"
                      "menu " + std::to_string(w.menu) + "\n";
        }
        script +=
            "file \\WS.KRV\nmenu 1022\n"
            "dialog 52 select 931 WS.KRV dblclick\n"
            "dialog 52 read 644\ndialog 52 read 393\ndialog 52 read 825\ndialog 52 read 833\n"
            "dialog 52 press 824\nmenu 1027\n";
        ASSERT_EQ(Run(script), 0) << Log();
        EXPECT_EQ(Reads(644), std::vector<std::string>{c.shown.date}) << Log();
        EXPECT_EQ(Reads(393).back(), c.shown.id);
        const std::string line = *c.shown.description != '\0' ? c.shown.description
                                                                 : std::string(20, ' ');
        EXPECT_EQ(Reads(825).back(), line);
        EXPECT_EQ(Reads(833), std::vector<std::string>{folder.string()});
        const std::string restored =
            "message box \"" + (folder / "WS.KRV").string() + "\": \"" ;
        EXPECT_TRUE(Logged(restored)) << Log();
    }
}

// The first multi-mix water keeps the dates and time typed for it when the
// dialog comes back after OK.
TEST_F(WaterEntryRun, FirstMultiMixWaterKeepsItsDates) {
    ASSERT_EQ(Run("dialog 115 set 391 01-02-2020\ndialog 115 set 395 03-04-2021\n"
                  "dialog 115 set 392 1230\ndialog 115 set 400 100\n"
                  "dialog 115 set 492 100\ndialog 115 press 1\n"
                  "dialog 115 next\ndialog 115 read 391\ndialog 115 read 395\n"
                  "dialog 115 read 392\ndialog 115 press 2\nmenu 113\n"
                  "answer no Data has been modified\n"),
              0)
        << Log();
    EXPECT_TRUE(Logged("read 391 \"01-02-2020\"")) << Log();
    EXPECT_TRUE(Logged("read 395 \"03-04-2021\"")) << Log();
    EXPECT_TRUE(Logged("read 392 \"12:30\"")) << Log();
    const WaterAnalysis& w = multiMixState.sourceWaters[0];
    EXPECT_EQ(w.sampleDate, PackDate(DateParts{2020, 1, 2}));
    EXPECT_EQ(w.reportDate, PackDate(DateParts{2021, 3, 4}));
    EXPECT_EQ(w.sampleTime, 1230);
}

// A date of each decade from 1900 to 2099, typed as sample and report date on
// the source water's form, copied and pasted into the multi-mix input, typed
// on a second multi-mix water, mixed, saved, opened after New: every form
// shows the dates typed, and the file opens (seen failing: on the multi-mix
// input 01-01-1901 read 01-01-2001, 07-04-1905 05-07-2004, 12-31-1912
// 12-12-2031 and 01-01-1900 00-01-2001, at once after the paste; the form then
// refused its own date and the saved file "Report Date (101) is not a date").
TEST_F(WaterEntryRun, DatesOfEveryDecadeAreKept) {
    std::vector<std::pair<std::string, std::string>> dates = {{"01-01-1900", "01-01-1901"},
                                                              {"07-04-1905", "12-31-1912"}};
    for (int decade = 1900; decade < 2100; decade += 20) {
        auto date = [](int year) {
            char text[16];
            std::snprintf(text, sizeof text, "%02d-%02d-%04d", year / 10 % 12 + 1,
                          10 + year / 10 % 19, year + year / 10 % 10);
            return std::string(text);
        };
        dates.emplace_back(date(decade), date(decade + 10));
    }
    auto reads = [](int dialog) {
        const std::string d = "dialog " + std::to_string(dialog);
        return d + " read 391\n" + d + " read 395\n";
    };
    for (const auto& [sample, report] : dates) {
        SCOPED_TRACE(sample + " " + report);
        Fresh();
        std::filesystem::remove(folder / "D.KRV");
        auto type = [&](int dialog) {
            const std::string d = "dialog " + std::to_string(dialog);
            return d + " set 391 " + sample + "\n" + d + " set 395 " + report + "\n";
        };
        const std::string script =
            type(80) +
            "dialog 80 set 400 100\ndialog 80 set 419 140\ndialog 80 press 1278\n"
            "dialog 80 press 1\nmenu 1030\n" +
            reads(80) + "dialog 80 press 2\nmenu 1030\nanswer yes Last Analysis\n" +
            "dialog 115 press 1279\n" + reads(115) +
            "dialog 115 set 492 50\ndialog 115 press 1\ndialog 115 next\n" + reads(115) +
            "dialog 115 press 520\ndialog 115 set 400 200\ndialog 115 set 419 140\n" +
            type(115) +
            "dialog 115 set 492 50\ndialog 115 press 527\nmenu 113\n"
            "file \\D.KRV\nmenu 1022\nmenu 1019\nfile \\D.KRV\nmenu 1020\n" +
            reads(80) + "dialog 80 press 2\nmenu 1030\n" +
            "dialog 115 set 523 1\ndialog 115 press 522\n" + reads(115) +
            "dialog 115 set 523 2\ndialog 115 press 522\n" + reads(115) +
            "dialog 115 press 1\ndialog 115 next\ndialog 115 press 2\nmenu 113\n"
            "answer no Data has been modified\nanswer no Did you wish to leave data\n";
        ASSERT_EQ(Run(script), 0) << Log();
        EXPECT_TRUE(Logged("FILE SUCCESSFULLY RESTORED!")) << Log();
        EXPECT_FALSE(Logged("is not a date")) << Log();
        EXPECT_FALSE(Logged("typed for")) << Log();
        EXPECT_EQ(Reads(391), std::vector<std::string>(6, sample)) << Log();
        EXPECT_EQ(Reads(395), std::vector<std::string>(6, report)) << Log();
    }
}

// A text the multi-mix input cannot read is refused there too, and the water
// is not stored.
TEST_F(WaterEntryRun, MultiMixRefusesWhatItCannotRead) {
    ASSERT_EQ(Run("dialog 115 set 400 1,00\ndialog 115 set 492 100\ndialog 115 press 1\n"
                  "dialog 115 press 2\nmenu 113\nanswer no Data has been modified\n"),
              0)
        << Log();
    EXPECT_TRUE(Logged("\"1,00\" typed for Calcium is not a number.")) << Log();
    EXPECT_EQ(multiMixState.multiMixEntered[0], 0u);
    EXPECT_EQ(multiMixState.sourceWaters[0].values[E::kCalcium], 0.0f);
}

// A sour water whose H2S carries more alkalinity at its pH than its
// bicarbonate and carbonate hold has no carbonate that gives both: each water
// form and the multi-mix input tell it with both figures, store nothing, open
// no page, and keep what was typed. The brine Ca 400, Na 10,000, Cl 16,000,
// HCO3 100, H2S 100 at pH 7.0 and 77 F (or its H2S from a pH2S) was taken
// without a word, its page "Dissolved CO2 < 0.001"; the fresh water of HCO3
// 35.23 at pH 5.78 under pH2S 0.106 atm at 83.9 atm was taken and its
// temperature profile under the pCO2 plot variable read pH 26.03 and T.D.S.
// 1.0e+16 at its own 77 F. The brine with the H2S a little below its
// alkalinity is taken.
TEST_F(WaterEntryRun, ASulfideThatOutweighsTheAlkalinityIsTold) {
    struct Sour {
        std::vector<std::string> fields;  // field, value
        const char* told;                 // the figures told, or nullptr
    };
    const std::vector<std::string> brine = {"400 400", "404 10000", "414 16000", "419 100",
                                            "407 7.0", "427 77"};
    auto with = [&brine](const std::string& sulfide) {
        std::vector<std::string> f = brine;
        f.push_back(sulfide);
        return f;
    };
    const Sour waters[] = {
        {with("421 100"),
         "carries 1.93 meq/kg of alkalinity at pH 7.00, more than the 1.68 meq/kg of its "
         "bicarbonate and carbonate"},
        {with("821 0.1"), "more than the 1.68 meq/kg of its bicarbonate and carbonate"},
        {{"419 35.23", "407 5.78", "427 77", "429 83.9", "821 0.106"},
         "carries 0.753 meq/kg of alkalinity at pH 5.78, more than the 0.577 meq/kg of its "
         "bicarbonate and carbonate"},
        {with("421 60"), nullptr}};
    struct Form {
        const char* dialog;
        const char* menu;
    };
    const Form forms[] = {{"80", "1030"}, {"80", "1031"}, {"80", "1032"}, {"115", "113"}};
    for (const Sour& sour : waters) {
        const std::string& sulfide = sour.fields.back();
        const int field = std::stoi(sulfide.substr(0, 3));
        for (const Form& form : forms) {
            SCOPED_TRACE(std::string(form.menu) + ", " + sour.fields[0] + " ... " + sulfide);
            const std::string d = std::string("dialog ") + form.dialog + " ";
            const bool mix = std::string(form.dialog) == "115";
            // OK on the multi-mix input's one water goes on to the next.
            if (mix && sour.told == nullptr) continue;
            std::string typed = mix ? "answer yes Last Analysis\n" + d + "set 492 100\n" : "";
            for (const std::string& f : sour.fields) typed += d + "set " + f + "\n";
            Fresh();
            ASSERT_EQ(Run(typed + d + "press 1\n" + d + "read 419\n" + d + "read " +
                          std::to_string(field) + "\n" + d + "press 2\nmenu " + form.menu +
                          "\nanswer no Data has been modified\n"),
                      0)
                << Log();
            EXPECT_EQ(Logged("No water holds both"), sour.told != nullptr) << Log();
            if (sour.told == nullptr) continue;
            EXPECT_TRUE(Logged(sour.told)) << Log();
            EXPECT_FALSE(Logged("WATER ANALYSIS")) << Log();
            EXPECT_EQ(resultStatus.surfaceEntered + resultStatus.injectionEntered +
                          resultStatus.formationEntered,
                      0);
            EXPECT_EQ(multiMixState.multiMixEntered[0], 0u);
            EXPECT_EQ(multiMixState.sourceWaters[0].values[E::kBicarbonate], 0.0f);
            // The form stays open on what was typed.
            const std::vector<std::string> alkalinity = Reads(419);
            const std::vector<std::string> typedSulfide = Reads(field);
            ASSERT_EQ(alkalinity.size(), 1u) << Log();
            ASSERT_EQ(typedSulfide.size(), 1u) << Log();
            for (const std::string& f : sour.fields)
                if (f.rfind("419 ", 0) == 0) {
                    EXPECT_EQ(std::stod(alkalinity[0]), std::stod(f.substr(4)));
                }
            EXPECT_EQ(std::stod(typedSulfide[0]), std::stod(sulfide.substr(4)));
        }
    }
}

// A work file whose surface water is the sour brine above (its H2S raised
// from a taken 60 to 100 mg/L in the file, in the stored water and in the
// values as typed) opens, keeping the water for correction on its form, and
// the user is told which water and both figures.
TEST_F(WaterEntryRun, AnOpenedWaterWhoseSulfideOutweighsItsAlkalinityIsTold) {
    ASSERT_EQ(Run("dialog 80 set 400 400\ndialog 80 set 404 10000\ndialog 80 set 414 16000\n"
                  "dialog 80 set 419 100\ndialog 80 set 407 7.0\ndialog 80 set 427 77\n"
                  "dialog 80 set 421 60\ndialog 80 press 1\nmenu 1030\nfile \\WH.KRV\n"
                  "menu 1022\n"),
              0)
        << Log();
    ASSERT_FALSE(Logged("No water holds both")) << Log();
    std::string file = Read("WH.KRV");
    for (size_t at : {workfile::kRecordTable[18].offset + 12, workfile::kRecordTable[274].offset}) {
        ASSERT_NEAR(bytes::GetF32(reinterpret_cast<const uint8_t*>(file.data()) + at + 4 * E::kH2S),
                    60.0f, 0.01f);
        bytes::PutF32(reinterpret_cast<uint8_t*>(file.data()) + at + 4 * E::kH2S, 100.0f);
    }
    std::ofstream(folder / "WH.KRV", std::ios::binary) << file;
    Fresh();
    ASSERT_EQ(Run("file \\WH.KRV\nmenu 1020\nmenu 1038\n"), 0) << Log();
    EXPECT_TRUE(Logged("FILE SUCCESSFULLY RESTORED")) << Log();
    EXPECT_TRUE(Logged("The H2S of the surface water carries 1.93 meq/kg of alkalinity at pH "
                       "7.00, more than the 1.68 meq/kg of its bicarbonate and carbonate"))
        << Log();
    EXPECT_TRUE(Logged("Please correct the water on its form.")) << Log();
    EXPECT_EQ(surfaceWater.values[E::kH2S], 100.0f);
    // Vary pH on it tells the same and shows no profile.
    int told = 0;
    for (const std::string& line : TextLines(Log()))
        told += line.find("\"WARNING\": \"The H2S of the surface water carries 1.93") !=
                std::string::npos;
    EXPECT_EQ(told, 2) << Log();
    EXPECT_EQ(resultStatus.phProfileDone, 0);
    EXPECT_FALSE(Logged("window created DisplaypHWater")) << Log();
}

// The same file saved after the what-if drivers ran on the water as taken
// (H2S 60), so that it holds their profiles and grids as done: after Open
// every what-if command, the graphs and the well pages among them, tells the
// water's sulfide once more and shows nothing of the profiles kept, which are
// another water's (seen: Vary pH and Vary Pressure showed the stored H2S-60
// profiles, their results counted as current).
TEST_F(WaterEntryRun, EveryWhatIfCommandAfterOpenTellsTheSulfide) {
    ASSERT_EQ(Run("dialog 80 set 400 400\ndialog 80 set 404 10000\ndialog 80 set 414 16000\n"
                  "dialog 80 set 419 100\ndialog 80 set 407 7.0\ndialog 80 set 427 77\n"
                  "dialog 80 set 421 60\ndialog 80 press 1\nmenu 1030\nmenu 1036\nmenu 1038\n"
                  "menu 228\nfile \\WH.KRV\nmenu 1022\n"),
              0)
        << Log();
    ASSERT_EQ(resultStatus.phProfileDone, 1);
    ASSERT_EQ(resultStatus.pressureProfileDone, 1);
    std::string file = Read("WH.KRV");
    for (size_t at : {workfile::kRecordTable[18].offset + 12, workfile::kRecordTable[274].offset})
        bytes::PutF32(reinterpret_cast<uint8_t*>(file.data()) + at + 4 * E::kH2S, 100.0f);
    std::ofstream(folder / "WH.KRV", std::ios::binary) << file;
    const char* const commands[] = {"1036", "1037", "1038", "1039", "228", "229",
                                    "230",  "1040", "1248", "1250", "1251"};
    for (const char* command : commands) {
        SCOPED_TRACE(std::string("menu ") + command);
        Fresh();
        ASSERT_EQ(Run(std::string("file \\WH.KRV\nmenu 1020\nmenu ") + command + "\n"), 0) << Log();
        int told = 0;
        for (const std::string& line : TextLines(Log()))
            told += line.find("\"WARNING\": \"The H2S of the surface water carries 1.93") !=
                    std::string::npos;
        EXPECT_EQ(told, 2) << Log();
        for (const char* page : {"DisplayTempWater", "DisplaypHWater", "DisplayPressWater",
                                 "wcGraphWindow", "DisOnePage"})
            EXPECT_FALSE(Logged(std::string("window created ") + page)) << Log();
    }
}

// The units dialog starts on mg/l; a change of the temperature unit writes
// the what-if temperatures in the new unit; an empty form's Change Units says
// nothing about alkalinity.
TEST_F(WaterEntryRun, UnitsStartOnMgPerLitreAndWhatIfFollowsTheUnits) {
    ASSERT_EQ(Run("dialog 29 read 632\ndialog 29 scroll 645 down\ndialog 29 press 1\n"
                  "menu 1065\n"
                  "dialog 84 read 4310\ndialog 84 read 4320\ndialog 84 read 534\n"
                  "dialog 84 press 2\nmenu 1041\n"
                  "dialog 80 press 433\ndialog 29 press 2\ndialog 80 press 2\nmenu 1030\n"),
              0)
        << Log();
    EXPECT_TRUE(Logged("read 632 \"mg/l\" (checked)")) << Log();
    EXPECT_EQ(unitCodes.code[UnitItem::kTemperature], 1);
    // The well log's start stations, 280 F at the bottom hole and 77 F flashed.
    EXPECT_NEAR(wellLogSpecs.value[0], (280.0 - 32.0) / 1.8, 1e-4);
    EXPECT_NEAR(wellLogSpecs.value[2], 25.0, 1e-5);
    // The start's low of 70 F.
    EXPECT_NEAR(whatIfSettings.temperatureLow, (70.0 - 32.0) / 1.8, 1e-4);
    EXPECT_TRUE(Logged("read 4310 \"137.778")) << Log();
    EXPECT_TRUE(Logged("read 4320 \"25.0000")) << Log();
    EXPECT_TRUE(Logged("read 534 \"21.1111")) << Log();
    EXPECT_FALSE(Logged("No carbonate equilibrium present")) << Log();
}

}  // namespace
