// Seeded walks of what a user does with the water forms and the settings
// dialogs, as whole headless runs: typing values inside, at and past the ends
// each field's own refusal states, OK or Cancel on an unchanged form or
// dialog, a change of units and its undo, Copy and Paste between forms, the
// drivers, Save As and Open (with and without New between), New itself, and
// the multi-mix input's waters visited by every key and button, an edit of
// one shown digit of a field, the pH-alkalinity curve typed, each bundled work
// file and a file of each older layout opened over the workspace and saved,
// and an unchanged OK on the dialogs that hold no water between two saves.
// After each step the walk checks what the user would see: a typed value reads
// back as typed or was refused by a box naming the field, an unchanged OK or
// Cancel changes nothing the dialogs show, a change of units and its undo give
// back every number (a change the program refuses changes nothing, and the
// walk goes on from the units in force), a file written opens again and every
// form's unchanged OK takes what it gives, a file saved is the one a fresh
// start saves for the same work, and the pages equal those of the same water
// typed into a fresh start (whatever the multi-mix input holds). An OK on a
// pH curve that holds no pairs is refused, told and cancelled, and the walk
// goes on. Each driver's page shows as many points marked as its box told
// (none without one), and a point it marks that another path computes (the
// pH profile's point is the source water typed at its pH; a point at the
// water's own conditions is its page) fails. Every step a walk takes is
// checked, and can fail: a walk that checked fewer fails. A failing walk is
// shrunk to the fewest steps that still fail and printed as a script.
//
// TARVEX_WALK_SEED (default 104) and TARVEX_WALK_STEPS (default 200, in walks
// of TARVEX_WALK_LENGTH steps, default 100) choose longer walks;
// TARVEX_WALK_FAILURES (default 1) how many failing walks are shrunk and told
// before the run stops; TARVEX_WALK_ALL=1 takes in the paths left out below.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iterator>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/system/system.h"
#include "tests/app/program_run_fixture.h"
#include "tests/shell/workfile/legacy_fixture.h"

namespace {

namespace fs = std::filesystem;

// The number fields of the water forms, with a sea water's everyday value
// each; `form` says which forms have the field (1 the three analysis forms, 2
// the multi-mix input, 3 both).
struct FieldSpec {
    int control;
    const char* everyday;
    int form;
};
// clang-format off
constexpr FieldSpec kFields[] = {
    {407, "8.1", 3},   {400, "400", 3},   {401, "1290", 3},  {402, "0.2", 3},   {403, "8", 3},
    {404, "10760", 3}, {405, "390", 3},   {406, "0.17", 3},  {410, "0.05", 3},  {411, "0.3", 3},
    {412, "0.01", 3},  {413, "4.5", 3},   {414, "19400", 3}, {415, "2710", 3},  {419, "142", 3},
    {421, "0", 3},     {422, "6", 3},     {423, "0.06", 3},  {424, "0.4", 3},   {425, "1.3", 3},
    {426, "0.7", 3},   {497, "0.2", 3},   {427, "77", 3},    {428, "1.025", 3}, {429, "2", 3},
    {822, "0.0005", 3}, {821, "0", 3},     {470, "0.05", 3}, {471, "0.02", 3},  {472, "65", 3},
    {473, "0.01", 3},  {460, "1000", 3},  {479, "10", 3},    {480, "5", 3},     {466, "10", 3},
    {467, "2", 3},     {468, "1", 3},     {469, "1", 3},     {408, "300", 1},   {643, "5", 1},
    {482, "300", 2},   {492, "50", 2},
};
// clang-format on

constexpr int kCorrosionTarget = 643, kPressure = 429, kH2s = 421, kPh2s = 821;
// The pH curve's template on the walk's desktop (a main window up to 1000 high).
constexpr int kPhCurveDialog = 34;
// What the curve's OK says when it holds too few pairs.
constexpr const char* kNoPairs = "you must enter at least 2 pH-alkalinity pairs";

// What a change of units' check answers when the program refused the change:
// the walk is run again with that step built as the refused change it is, so
// that the steps after it are checked from the units in force.
constexpr const char* kUnitsRefused = "\x01 the change of units was refused";

// The three analysis forms and the multi-mix input: template and command.
struct FormSpec {
    const char* name;
    int dialog;
    int menu;
};
constexpr FormSpec kForms[] = {
    {"source", 80, 1030}, {"injection", 80, 1031}, {"formation", 80, 1032}, {"multi-mix", 115, 113}};
constexpr int kMultiMix = 3;
// The settings dialogs an unchanged OK or a change of units must leave as they were.
constexpr FormSpec kDialogs[] = {{"what-if", 84, 1041}, {"mixing zone", 88, 1047}};

// The units dialog's lines that choose another set of units from a fresh
// folder's, and the lines that undo them.
struct UnitSet {
    const char* name;
    const char* change;
    const char* undo;
};
const UnitSet kUnitSets[] = {
    {"ppm, C, bar, lbs/gal, gas in ppm",
     "dialog 29 click 631\ndialog 29 scroll 645 down 1\ndialog 29 scroll 920 down 1\n"
     "dialog 29 scroll 428 down 1\ndialog 29 scroll 822 down 4\ndialog 29 scroll 821 down 4\n",
     "dialog 29 click 632\ndialog 29 scroll 645 up 1\ndialog 29 scroll 920 up 1\n"
     "dialog 29 scroll 428 up 1\ndialog 29 scroll 822 up 4\ndialog 29 scroll 821 up 4\n"},
    {"epm, K, psia, gas in mole %",
     "dialog 29 click 633\ndialog 29 scroll 645 down 2\ndialog 29 scroll 920 down 2\n"
     "dialog 29 scroll 822 down 5\ndialog 29 scroll 821 down 5\n",
     "dialog 29 click 632\ndialog 29 scroll 645 up 2\ndialog 29 scroll 920 up 2\n"
     "dialog 29 scroll 822 up 5\ndialog 29 scroll 821 up 5\n"},
    {"calcium and alkalinity as CaCO3, kPa, gas in kPa, hours",
     "dialog 29 scroll 400 down 1\ndialog 29 scroll 419 down 3\ndialog 29 scroll 920 down 3\n"
     "dialog 29 scroll 822 down 3\ndialog 29 scroll 821 down 3\ndialog 29 scroll 408 down 2\n",
     "dialog 29 scroll 400 up 1\ndialog 29 scroll 419 up 3\ndialog 29 scroll 920 up 3\n"
     "dialog 29 scroll 822 up 3\ndialog 29 scroll 821 up 3\ndialog 29 scroll 408 up 2\n"},
    {"the preset As CaCO3 (undone by As The Ion)", "dialog 29 click 663\n", "dialog 29 click 660\n"},
};

// The range a field's refusal states: its name and ends as written.
struct Range {
    std::string name;
    std::string lowText, highText;
    double low = 0, high = 0;
    bool noneBelow = false;  // a value below the range means something else
};

// Paths the walk may be told to leave out (TARVEX_WALK_SPARE, comma-separated:
// "settings-units", an OK on the unchanged what-if or mixing-zone dialog
// between a change of units and its undo; "new-mixing-step", New and the
// mixing zone's step; "multimix-keys", a multi-mix water left by Page Up, Page
// Down, Home or End; "small-digit-edits", an edit of a shown digit that moves
// the value by less than 2e-4 of itself, which the forms took for no change;
// "open-fresh", a bundled file opened over the workspace, saved and held
// against the one a fresh start saves, then New (seen failing once New had
// followed V503: the everyday waters typed again, Copy on the injection water
// and Paste on the source water read field 424's 0.4 as 0.00); "new-fresh", the file
// saved after New and the everyday waters held against a fresh start's;
// "unchanged-dialog-files", an unchanged OK on Choose Graphs, No Product, the
// pH curve or Output Size between two saves that must write the same bytes).
// Each was found failing once ("open-fresh" last with the water's pages open
// over the Open: the unchanged OK after it kept the working analysis of its
// calculation, record 17 with the species flag 1, the alkalinity mode 2 and
// the alkalinity in eq/L, where the pages a fresh start makes load the stored
// water); all are mended.
const char* const kSparedPaths = "";

std::string& SparedPaths() {
    static std::string spared;
    return spared;
}
bool Spared(const std::string& path) {
    return ("," + SparedPaths() + ",").find("," + path + ",") != std::string::npos;
}

// What the log shows between two step marks.
struct Segment {
    std::vector<std::pair<int, std::string>> reads;
    std::vector<std::string> boxes;
    std::vector<std::string> dumps;
    std::string text;
};

std::string Digits(const std::string& text) {
    std::string d;
    for (char c : text)
        if (c != ',') d += c;
    return d;
}

double Number(const std::string& text) {
    return std::strtod(Digits(text).c_str(), nullptr);
}

// A number read back as typed: at the precision the form shows it.
bool SameNumber(const std::string& shown, const std::string& typed) {
    const double a = Number(shown);
    const double b = Number(typed);
    return std::fabs(a - b) <= 5e-4 * std::fabs(b) + 1e-9;
}

constexpr const char* kMark = "where TarvexMainClass\n";

std::vector<Segment> Segments(const std::string& log) {
    std::vector<Segment> segments(1);
    std::istringstream in(log);
    std::string* dump = nullptr;
    for (std::string line; std::getline(in, line);) {
        if (line == "> where TarvexMainClass") {
            segments.emplace_back();
            dump = nullptr;
            continue;
        }
        Segment& s = segments.back();
        s.text += line + "\n";
        if (line.rfind("  read ", 0) == 0) {
            const size_t quote = line.find('"');
            const size_t end = line.rfind('"');
            s.reads.emplace_back(std::atoi(line.c_str() + 7),
                                 quote == std::string::npos || end <= quote
                                     ? std::string()
                                     : line.substr(quote + 1, end - quote - 1));
            dump = nullptr;
        } else if (line.rfind("message box", 0) == 0) {
            s.boxes.push_back(line);
            dump = nullptr;
        } else if (line.rfind("dialog \"", 0) == 0) {
            s.dumps.push_back(line + "\n");
            dump = &s.dumps.back();
        } else if (line.rfind("  control 1475 ", 0) == 0) {
            continue;  // the hint of the field that has the focus
        } else if (line.rfind("  control 584 ", 0) == 0 && Spared("new-mixing-step")) {
            continue;
        } else if (dump != nullptr && (line.rfind("  control ", 0) == 0 ||
                                       line.rfind("  list ", 0) == 0)) {
            *dump += line + "\n";
        } else {
            dump = nullptr;
        }
    }
    return segments;
}

bool Refusal(const std::string& box) {
    return box.find("is outside the range of") != std::string::npos ||
           box.find("\" typed for ") != std::string::npos ||
           box.find("is not a number") != std::string::npos;
}

// A step the walk takes: its kind and the draws that choose what it does.
enum class Kind {
    kType,
    kUnchanged,
    kUnits,
    kSaveOpen,
    kNew,
    kDriver,
    kCopyPaste,
    kPages,
    kMixType,
    kMixMove,
    kMixAdd,
    kDigit,
    kPhCurve,
    kOpenFile,
    kDialogFile,
};
struct Step {
    Kind kind;
    uint32_t a, b, c;
};

const char* KindName(Kind k) {
    switch (k) {
        case Kind::kType: return "type";
        case Kind::kUnchanged: return "unchanged OK or Cancel";
        case Kind::kUnits: return "units and undo";
        case Kind::kSaveOpen: return "Save As and Open";
        case Kind::kNew: return "New";
        case Kind::kDriver: return "driver";
        case Kind::kCopyPaste: return "Copy and Paste";
        case Kind::kPages: return "pages";
        case Kind::kMixType: return "multi-mix type";
        case Kind::kMixMove: return "multi-mix move";
        case Kind::kMixAdd: return "multi-mix add";
        case Kind::kDigit: return "one-digit edit";
        case Kind::kPhCurve: return "pH curve";
        case Kind::kOpenFile: return "open a bundled file";
        case Kind::kDialogFile: return "unchanged dialog between saves";
    }
    return "?";
}

// The water a form holds as the user typed it: control and text.
using Water = std::map<int, std::string>;

// A page to hold against a fresh start's: the files the walk saved and the
// source water it showed.
struct PageCheck {
    int step;
    Water water;
    std::string values, chemistry;
};

// A file the walk saved, to hold byte for byte against another the same walk
// saved or against the file a fresh start's script saves.
struct FileCheck {
    int step;
    std::string saved;
    std::string other;        // a file of the same walk, or
    std::string freshScript;  // the fresh start's script, which saves "fresh.KRV"
    std::string what;
};

// A driver the walk ran: its page, to hold the points it marks against the
// box that told them and against the water's own page where another path
// computes the same water (the pH profile's point is the source water typed
// at its pH; a point at the water's own temperature or pressure is its page;
// the mixing profile's ends are the injection and formation waters).
struct DriverCheck {
    int step;
    int menu;
    std::string page;  // the driver's page text; empty where it shows none
    Water waters[3];   // the source, injection and formation waters
};

// A walk made into a script: the steps' lines with a mark after each, and what
// each step's segment must show.
struct Built {
    std::string prefix;
    std::vector<std::string> lines;  // per step
    std::vector<std::function<std::string(const Segment&)>> checks;
    std::vector<PageCheck> pages;
    std::vector<FileCheck> files;
    std::vector<DriverCheck> drivers;
    std::string Script(bool marks = true) const {
        std::string s = prefix + (marks ? kMark : "");
        for (const std::string& l : lines) s += l + (marks ? kMark : "");
        return s + "answer no Data has been modified\nanswer no Did you wish to leave data\n";
    }
};

std::string Lines(int dialog, const std::vector<std::string>& steps) {
    std::string s;
    for (const std::string& step : steps) s += "dialog " + std::to_string(dialog) + " " + step + "\n";
    return s;
}

std::string Open(const FormSpec& f) {
    return "menu " + std::to_string(f.menu) + "\n";
}

class UserWalkRun : public ProgramRunFixture {
  protected:
    // A run in a process of its own: a script the program fails (a prompt
    // nothing answered, a menu item greyed) ends that process, not the test.
    int RunApart(const std::string& script) {
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) ::_exit(Run(script));
        int status = 0;
        if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    // RunApart, but a run whose log shows more refused changes of units than
    // `known` is ended there (`cut`): it is run again with the change built
    // as refused, and what came after it would go unchecked.
    int RunApartUntilRefused(const std::string& script, size_t known, bool& cut);
    // The ranges the source form's refusals state, found once: 1e38 typed
    // into each field in turn.
    const std::map<int, Range>& Ranges();
    void LearnShownTexts();
    // The walk's script and checks; the changes of units at `refused` are
    // built as the refused changes an earlier run found them to be.
    Built Build(const std::vector<Step>& steps, const std::set<size_t>& refused) const;
    // The first failing step of a walk's run and why (-1 when none), the
    // steps checked, and the changes of units the program refused.
    struct Outcome {
        int at = -1;
        std::string why;
        size_t checked = 0;
        std::set<size_t> refused;
        // The drivers' points marked, and those held against another path.
        size_t marked = 0, otherPaths = 0;
    };
    Outcome RunWalk(const std::vector<Step>& steps, bool withPages);
    Outcome RunWalkOnce(const std::vector<Step>& steps, bool withPages,
                        const std::set<size_t>& refused);
    std::vector<Step> Shrink(std::vector<Step> steps, int failing, const std::string& why);
    // The bytes of the file a fresh start's script saves as "fresh.KRV".
    const std::string& FreshFile(const std::string& script);
    // A fixed clock, so that two saves differ only by what they hold.
    void Clean();
    static std::map<int, Range> ranges_;
    // The everyday water as each field shows it, on the analysis forms and
    // on the multi-mix input.
    static std::map<int, std::string> shownAnalysis_, shownMix_;
    static std::map<std::string, std::string> freshFiles_;
};

std::map<int, Range> UserWalkRun::ranges_;
std::map<int, std::string> UserWalkRun::shownAnalysis_, UserWalkRun::shownMix_;
std::map<std::string, std::string> UserWalkRun::freshFiles_;

// The bundled work files, the current layout and the older ones.
const char* const kBundledFiles[] = {"waterflood.krv", "legacy/V123.KRV", "legacy/V503.KRV",
                                     "legacy/V529.KRV"};

std::string BaseName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// A file of each older layout, as the older versions wrote it (its waters
// not entered), named "G<version>.KRV", made once.
const std::vector<std::pair<std::string, std::vector<uint8_t>>>& OlderLayoutFiles() {
    static const std::vector<std::pair<std::string, std::vector<uint8_t>>> files = [] {
        std::vector<std::pair<std::string, std::vector<uint8_t>>> made;
        oldfile::Steady steady;
        steady.noFlags = true;
        const std::vector<uint8_t> workspace = oldfile::WorkspaceBefore(steady);
        std::vector<oldfile::Stored> before;
        for (int v = 1; v <= 555; ++v) {
            std::vector<oldfile::Stored> layout;
            for (int r = 1; r < workfile::kRecordCount; ++r) layout.push_back(oldfile::FormFor(r, v));
            const bool same = layout.size() == before.size() &&
                              std::equal(layout.begin(), layout.end(), before.begin(),
                                         [](const oldfile::Stored& a, const oldfile::Stored& b) {
                                             return a.kind == b.kind && a.rows == b.rows &&
                                                    a.storedWidth == b.storedWidth &&
                                                    a.skip == b.skip && a.tail == b.tail;
                                         });
            if (!same) made.emplace_back("G" + std::to_string(v) + ".KRV", oldfile::Make(v, workspace, steady).file);
            before = std::move(layout);
        }
        return made;
    }();
    return files;
}

// The files Open may take: the bundled ones and, while the walk opens files,
// one of each older layout.
std::vector<std::string> OpenableFiles() {
    std::vector<std::string> names;
    for (const char* file : kBundledFiles) names.push_back(BaseName(file));
    for (const auto& [name, bytes] : OlderLayoutFiles()) names.push_back(name);
    return names;
}

void UserWalkRun::Clean() {
    fs::remove_all(folder);
    fs::create_directories(folder);
    Fresh();
    win::SetLocalTimeSource([] {
        win::SYSTEMTIME t{};
        t.wYear = 2026;
        t.wMonth = 3;
        t.wDay = 14;
        t.wHour = 9;
        t.wMinute = 26;
        t.wSecond = 53;
        return t;
    });
    for (const char* file : kBundledFiles)
        fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples" / file, folder / BaseName(file));
    if (Spared("open-fresh")) return;
    for (const auto& [name, bytes] : OlderLayoutFiles())
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

const std::string& UserWalkRun::FreshFile(const std::string& script) {
    auto it = freshFiles_.find(script);
    if (it != freshFiles_.end()) return it->second;
    Clean();
    EXPECT_EQ(RunApart(script + "answer no Data has been modified\n"), 0) << Log();
    return freshFiles_[script] = Read("fresh.KRV");
}

const std::map<int, Range>& UserWalkRun::Ranges() {
    if (!ranges_.empty()) return ranges_;
    Clean();
    std::string script;
    for (const FieldSpec& f : kFields)
        if (f.form & 1) script += Lines(80, {"set " + std::to_string(f.control) + " " + f.everyday});
    for (const FieldSpec& f : kFields) {
        if (!(f.form & 1)) continue;
        const std::string c = std::to_string(f.control);
        script += Lines(80, {"set " + c + " 1e38", "press 1", "set " + c + " " + f.everyday});
    }
    script += Lines(80, {"press 2"}) + "menu 1030\n";
    // The multi-mix input's own fields, on its first water.
    for (const FieldSpec& f : kFields) {
        if (f.form != 2) continue;
        const std::string c = std::to_string(f.control);
        script += Lines(115, {"set " + c + " 1e38", "press 1", "set " + c + " " + f.everyday});
    }
    script += Lines(115, {"press 2"}) + "menu 113\n";
    EXPECT_EQ(RunApart(script), 0) << Log();
    std::vector<std::string> stated;
    for (const std::string& box : TextLines(Log()))
        if (box.find("\"1e38\" is outside the range of ") != std::string::npos) stated.push_back(box);
    size_t k = 0;
    for (const FieldSpec& f : kFields) {
        if (f.form == 3 && k >= stated.size()) break;
        if (k >= stated.size()) break;
        const std::string& box = stated[k++];
        Range r;
        const size_t of = box.find("range of ") + 9;
        const size_t open = box.find(" (", of);
        const size_t to = box.find(" to ", open);
        r.name = box.substr(of, open - of);
        if (box.compare(open + 2, 6, "up to ") == 0) {
            // pH: "up to 14; a negative pH has the pH predicted": its least
            // measured value is 0, and below it is no refusal but a request.
            const size_t end = box.find_first_of(";) ", open + 8);
            r.highText = Digits(box.substr(open + 8, end - open - 8));
            r.lowText = "0";
            r.noneBelow = true;
        } else {
            r.lowText = Digits(box.substr(open + 2, to - open - 2));
            const size_t end = box.find_first_of(" )", to + 4);
            r.highText = Digits(box.substr(to + 4, end - to - 4));
        }
        r.low = std::strtod(r.lowText.c_str(), nullptr);
        r.high = std::strtod(r.highText.c_str(), nullptr);
        ranges_[f.control] = r;
    }
    EXPECT_EQ(ranges_.size(), std::size(kFields)) << Log();
    LearnShownTexts();
    return ranges_;
}

// A value for field `r`: inside (a round number of three figures), at the low
// or high end as stated, or just past either end.
std::string Value(const Range& r, uint32_t choice, uint32_t draw) {
    char text[64];
    if (r.noneBelow && choice % 5 == 3) choice = 0;
    switch (choice % 5) {
        case 0: {
            // Spread over the decades of the range, or evenly on a narrow one.
            const double lo = std::max(r.low, 0.01), hi = r.high;
            double v = r.low + (r.high - r.low) * ((draw % 997) / 997.0);
            if (hi / lo > 1000.0 && r.low >= 0.0)
                v = lo * std::pow(hi / lo, (draw % 997) / 997.0);
            std::snprintf(text, sizeof text, "%.3g", std::clamp(v, r.low, r.high));
            const double back = std::strtod(text, nullptr);
            if (back < r.low || back > r.high) return r.lowText;
            return text;
        }
        case 1:
            return r.lowText;
        case 2:
            return r.highText;
        case 3:
            std::snprintf(text, sizeof text, "%.6g", r.low - std::max(0.01 * std::fabs(r.low), 0.01));
            return text;
        default:
            std::snprintf(text, sizeof text, "%.6g", r.high + std::max(0.01 * std::fabs(r.high), 0.01));
            return text;
    }
}

// Every water of the walk has oil and gas flows, which the form refuses
// beside a brine flow of 0 (saying so): the brine flow's low end is not typed.
uint32_t NoBlankBrine(int control, uint32_t choice) {
    return control == 460 && choice % 5 == 1 ? 0 : choice;
}

bool Inside(const Range& r, const std::string& v) {
    const double x = std::strtod(v.c_str(), nullptr);
    return x >= r.low && x <= r.high;
}

// Reads of every typed field, then Cancel.
std::string ReadAll(const FormSpec& f, const Water& w) {
    std::vector<std::string> steps;
    for (const auto& [control, text] : w) steps.push_back("read " + std::to_string(control));
    steps.push_back("press 2");
    return Lines(f.dialog, steps) + Open(f);
}

// The reads of the segment from `at` on hold the water's fields as typed.
std::string ExpectReads(const Segment& s, size_t at, const Water& w, const std::string& form) {
    size_t k = at;
    for (const auto& [control, text] : w) {
        if (k >= s.reads.size()) return form + ": field " + std::to_string(control) + " not read";
        const auto& [read, shown] = s.reads[k++];
        if (read != control) return form + ": read " + std::to_string(read) + " out of step";
        if (!SameNumber(shown, text))
            return form + ": field " + std::to_string(control) + " typed \"" + text +
                   "\" reads \"" + shown + "\"";
    }
    return "";
}

std::string NoRefusal(const Segment& s, const std::string& what) {
    for (const std::string& box : s.boxes)
        if (Refusal(box) || box.find("rror") != std::string::npos) return what + ": " + box;
    return "";
}

// Dumps of the three analysis forms and the settings dialogs, each cancelled.
std::string DumpAll() {
    std::string s;
    for (int f = 0; f < 3; ++f) s += Lines(80, {"dump", "press 2"}) + Open(kForms[f]);
    for (const FormSpec& d : kDialogs) s += Lines(d.dialog, {"dump", "press 2"}) + Open(d);
    return s;
}
constexpr size_t kDumpsPerAll = 5;

std::string SameDumps(const Segment& s, size_t first, size_t second, size_t count,
                      const std::string& what) {
    if (s.dumps.size() < std::max(first, second) + count)
        return what + ": " + std::to_string(s.dumps.size()) + " dialogs dumped";
    for (size_t k = 0; k < count; ++k) {
        if (s.dumps[first + k] == s.dumps[second + k]) continue;
        // The first line that differs.
        const std::vector<std::string> a = TextLines(s.dumps[first + k]);
        const std::vector<std::string> b = TextLines(s.dumps[second + k]);
        for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
            if (a[i] != b[i]) return what + ": " + a[0] + " showed " + a[i] + ", then " + b[i];
        return what + ": " + a[0] + " changed its controls";
    }
    return "";
}

// The water typed into a fresh form: every field of the form.
Water Everyday(int form) {
    Water w;
    for (const FieldSpec& f : kFields)
        if (f.form & (form == kMultiMix ? 2 : 1)) w[f.control] = f.everyday;
    return w;
}

// The field a step's draw picks among those of the forms `forms` (1 the
// analysis forms, 2 the multi-mix input). The H2S and pH2S stay 0: the forms
// refuse a water whose sulfide carries more alkalinity at its pH than its
// bicarbonate and carbonate, which the walk's waters, with any alkalinity and
// pH the fields take, would often be.
int FieldOfForms(int forms, uint32_t draw) {
    std::vector<int> controls;
    for (const FieldSpec& x : kFields)
        if ((x.form & forms) && x.control != kH2s && x.control != kPh2s)
            controls.push_back(x.control);
    return controls[draw % controls.size()];
}

std::string TypeWater(const FormSpec& f, const Water& w) {
    std::vector<std::string> steps;
    for (const auto& [control, text] : w) steps.push_back("set " + std::to_string(control) + " " + text);
    return Lines(f.dialog, steps);
}

void UserWalkRun::LearnShownTexts() {
    Clean();
    const Water analysis = Everyday(0), mixWater = Everyday(kMultiMix);
    const FormSpec& m = kForms[kMultiMix];
    const std::string script =
        TypeWater(kForms[0], analysis) + Lines(80, {"press 1"}) + Open(kForms[0]) +
        ReadAll(kForms[0], analysis) + TypeWater(m, mixWater) +
        Lines(115, {"press 1", "next", "press 2"}) + Open(m) +
        Lines(115, {"set 523 1", "press 522"}) + ReadAll(m, mixWater) +
        "answer no Data has been modified\n";
    EXPECT_EQ(RunApart(script), 0) << Log();
    for (const FieldSpec& f : kFields) {
        const std::vector<std::string> shown = Reads(f.control);
        const size_t want = (f.form & 1 ? 1u : 0u) + (f.form & 2 ? 1u : 0u);
        if (shown.size() != want) {
            ADD_FAILURE() << "field " << f.control << " read " << shown.size() << " times\n" << Log();
            continue;
        }
        // The field's text, without the blanks that pad it.
        auto trimmed = [](std::string t) {
            t.erase(t.find_last_not_of(' ') + 1);
            return t.substr(std::min(t.find_first_not_of(' '), t.size()));
        };
        if (f.form & 1) shownAnalysis_[f.control] = trimmed(shown.front());
        if (f.form & 2) shownMix_[f.control] = trimmed(shown.back());
    }
}

// The text `shown` with one digit changed (up by one, a 9 down by one), the
// digit chosen by `draw` among those that keep the value inside `r`; with
// `small` false, only among those that move it by 2e-4 of itself or more.
// Empty when no digit serves.
std::string OneDigitEdit(const std::string& shown, const Range& r, uint32_t draw, bool small) {
    const std::string text = Digits(shown);
    const size_t end = std::min(text.find_first_of("eE"), text.size());
    const double before = std::strtod(text.c_str(), nullptr);
    std::vector<std::string> edits;
    for (size_t k = 0; k < end; ++k) {
        if (text[k] < '0' || text[k] > '9') continue;
        std::string edited = text;
        edited[k] = text[k] == '9' ? '8' : static_cast<char>(text[k] + 1);
        const double after = std::strtod(edited.c_str(), nullptr);
        if (!small && std::fabs(after - before) < 2e-4 * std::fabs(before)) continue;
        if (Inside(r, edited)) edits.push_back(edited);
    }
    return edits.empty() ? std::string() : edits[draw % edits.size()];
}

// The read of `control` in the segment shows exactly `typed`, at every digit.
std::string ExpectExact(const Segment& s, int control, const std::string& typed,
                        const std::string& what) {
    for (const auto& [read, shown] : s.reads) {
        if (read != control) continue;
        const double a = Number(shown), b = Number(typed);
        if (std::fabs(a - b) <= 1e-9 * std::fabs(b) + 1e-12) return "";
        return what + ": reads \"" + shown + "\"";
    }
    return what + ": not read";
}

Built UserWalkRun::Build(const std::vector<Step>& steps, const std::set<size_t>& refused) const {
    Built b;
    const std::map<int, Range>& ranges = ranges_;
    // The model: what each form holds as typed, the multi-mix waters, and the
    // water the multi-mix input shows when it opens.
    Water forms[3];
    std::vector<Water> mix;
    // A fresh start's dumps, then the sea water on the three forms.
    b.prefix = DumpAll();
    auto typeForms = [&forms]() {
        std::string s;
        for (int f = 0; f < 3; ++f) {
            forms[f] = Everyday(f);
            s += TypeWater(kForms[f], forms[f]) + Lines(80, {"press 1"}) + Open(kForms[f]);
        }
        return s;
    };
    b.prefix += typeForms();
    int files = 0;
    // Whether the pH curve holds pairs: the walk's typed curve, until New.
    bool curveHeld = false;
    // The changes of units the walk took so far, each with its undo: a fresh
    // start's script makes them first, as they leave their mark on the
    // settings files a fresh start reads.
    std::string unitsBefore;
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& st = steps[i];
        std::string s;
        std::function<std::string(const Segment&)> check;
        switch (st.kind) {
            case Kind::kType: {
                const int f = static_cast<int>(st.a % 3);
                const int control = FieldOfForms(1, st.b);
                const Range& r = ranges.at(control);
                const std::string v = Value(r, NoBlankBrine(control, st.c), st.a / 3);
                const bool taken = Inside(r, v);
                const std::string c = std::to_string(control);
                s = Lines(80, {"set " + c + " " + v, "press 1", "press 2"}) + Open(kForms[f]) +
                    Lines(80, {"read " + c, "press 2"}) + Open(kForms[f]);
                const std::string before = forms[f].count(control) ? forms[f][control] : "0";
                if (taken) forms[f][control] = v;
                // One corrosion target serves the three forms.
                if (taken && control == kCorrosionTarget)
                    for (Water& other : forms) other[control] = v;
                const std::string shown = taken ? v : before;
                const std::string name = r.name, form = kForms[f].name;
                check = [=](const Segment& seg) -> std::string {
                    const std::string what = std::string(form) + " " + name + " typed " + v;
                    bool told = false;
                    for (const std::string& box : seg.boxes) {
                        if (!Refusal(box)) continue;
                        if (taken) return what + ": refused: " + box;
                        told = told || box.find(name) != std::string::npos;
                    }
                    if (!taken && !told) return what + ": taken without a word, past its range";
                    if (seg.reads.size() != 1) return what + ": " + std::to_string(seg.reads.size()) + " reads";
                    if (!SameNumber(seg.reads[0].second, shown))
                        return what + ": reads \"" + seg.reads[0].second + "\", not " + shown;
                    return "";
                };
                break;
            }
            case Kind::kUnchanged: {
                const bool ok = st.b % 2 == 0;
                const size_t which = st.a % 5;
                const FormSpec& f = which < 3 ? kForms[which] : kDialogs[which - 3];
                s = Lines(f.dialog, {"dump", ok ? "press 1" : "press 2"}) + Open(f) +
                    Lines(f.dialog, {"dump", "press 2"}) + Open(f);
                const std::string what = std::string(ok ? "OK" : "Cancel") + " on the unchanged " + f.name;
                check = [=](const Segment& seg) {
                    std::string why = NoRefusal(seg, what);
                    return why.empty() ? SameDumps(seg, 0, 1, 1, what) : why;
                };
                break;
            }
            case Kind::kUnits: {
                const UnitSet& u = kUnitSets[st.a % std::size(kUnitSets)];
                // An unchanged OK between: none, a form's, a dialog's.
                size_t between = st.b % 6;
                if (between >= 4 && Spared("settings-units")) between = 0;
                std::string middle;
                std::string whatBetween;
                if (between >= 1 && between <= 3) {
                    middle = Lines(80, {"press 1", "press 2"}) + Open(kForms[between - 1]);
                    whatBetween = std::string(", OK on the unchanged ") + kForms[between - 1].name;
                } else if (between >= 4) {
                    const FormSpec& d = kDialogs[between - 4];
                    middle = Lines(d.dialog, {"press 1", "press 2"}) + Open(d);
                    whatBetween = std::string(", OK on the unchanged ") + d.name;
                }
                // A change that would carry a value past its field's range is
                // refused naming the field, and nothing changes. The undo's
                // arrows would then choose other units (they wrap round): a
                // change found refused is built without its undo, and the walk
                // goes on from the units in force.
                const bool wasRefused = refused.count(i) != 0;
                s = DumpAll() + u.change + "dialog 29 press 1\ndialog 29 press 2\nmenu 1065\n" + middle +
                    (wasRefused ? std::string() : std::string(u.undo) + "dialog 29 press 1\ndialog 29 press 2\nmenu 1065\n") +
                    DumpAll();
                if (!wasRefused)
                    unitsBefore += u.change + std::string("dialog 29 press 1\ndialog 29 press 2\nmenu 1065\n") +
                                   u.undo + "dialog 29 press 1\ndialog 29 press 2\nmenu 1065\n";
                const std::string what = std::string("units to ") + u.name + whatBetween +
                                         (wasRefused ? ", refused" : " and back");
                check = [=](const Segment& seg) {
                    const bool refusedNow =
                        seg.text.find("The units were not changed.") != std::string::npos &&
                        seg.text.find("leaves the form's range: ") != std::string::npos;
                    if (refusedNow && !wasRefused) return std::string(kUnitsRefused);
                    if (!refusedNow && wasRefused)
                        return what + ": taken, where the same walk's run before refused it";
                    Segment told = seg;
                    std::erase_if(told.boxes, [](const std::string& box) {
                        return box.find("leaves the form's range: ") != std::string::npos &&
                               box.find("The units were not changed.") != std::string::npos;
                    });
                    std::string why = NoRefusal(told, what);
                    return why.empty() ? SameDumps(seg, 0, kDumpsPerAll, kDumpsPerAll, what) : why;
                };
                break;
            }
            case Kind::kSaveOpen: {
                const bool fresh = st.b % 2 == 0;
                const std::string name = "\\W" + std::to_string(++files) + ".KRV";
                s = DumpAll() + "file " + name + "\nmenu 1022\n" +
                    (fresh ? "answer no Data has been modified\nmenu 1019\n" : "") +
                    "answer no Data has been modified\nfile " + name + "\nmenu 1020\n" + DumpAll();
                for (int f = 0; f < 3; ++f) s += Lines(80, {"press 1", "press 2"}) + Open(kForms[f]);
                const std::string what = std::string("Save As, ") + (fresh ? "New, " : "") + "Open";
                check = [=](const Segment& seg) {
                    if (seg.text.find("FILE SUCCESSFULLY RESTORED!") == std::string::npos)
                        return what + ": not restored\n" + seg.text.substr(0, 2000);
                    std::string why = NoRefusal(seg, what);
                    return why.empty() ? SameDumps(seg, 0, kDumpsPerAll, kDumpsPerAll, what) : why;
                };
                break;
            }
            case Kind::kNew: {
                s = "answer no Data has been modified\nmenu 1019\n" + DumpAll();
                s += typeForms();
                mix.clear();
                curveHeld = false;
                // Saved, the file is the one a fresh start saves for the same typing.
                if (!Spared("new-fresh")) {
                    const std::string name = "N" + std::to_string(i) + ".KRV";
                    s += "file \\" + name + "\nmenu 1022\n";
                    // The forms hold the everyday waters: typing them again changes nothing.
                    const std::string fresh = unitsBefore + typeForms() + "file \\fresh.KRV\nmenu 1022\n";
                    b.files.push_back(FileCheck{static_cast<int>(i), name, "", fresh,
                                                "the file saved after New"});
                }
                check = [](const Segment& seg) -> std::string {
                    (void)seg;
                    return "";  // held against the fresh start's dumps below
                };
                break;
            }
            case Kind::kDriver: {
                const std::pair<int, const char*> drivers[] = {{1036, "DisplayTempWater"},
                                                               {1038, "DisplaypHWater"},
                                                               {228, "DisplayPressWater"},
                                                               {1042, "DisplayCycledWater"},
                                                               {1250, ""}};
                const auto& [menu, page] = drivers[st.a % std::size(drivers)];
                s = "menu " + std::to_string(menu) + "\n";
                DriverCheck d{static_cast<int>(i), menu, "", {forms[0], forms[1], forms[2]}};
                if (*page != '\0') {
                    d.page = "d" + std::to_string(i) + ".txt";
                    s += std::string("text ") + page + " " + d.page + "\n";
                }
                b.drivers.push_back(d);
                // Its marks are held against its page below.
                check = [=](const Segment& seg) {
                    return NoRefusal(seg, "driver " + std::to_string(menu));
                };
                break;
            }
            case Kind::kCopyPaste: {
                const int from = static_cast<int>(st.a % 3);
                const int to = static_cast<int>((from + 1 + st.b % 2) % 3);
                s = Lines(80, {"press 1278", "press 2"}) + Open(kForms[from]) +
                    Lines(80, {"press 1279", "press 1", "press 2"}) + Open(kForms[to]);
                forms[to] = forms[from];
                // A pressure of 0 (the calculation's 1 atm) is pasted as 1 atm.
                if (forms[to].count(kPressure) && Number(forms[to][kPressure]) <= 0.0)
                    forms[to][kPressure] = "1";
                s += ReadAll(kForms[to], forms[to]);
                const Water w = forms[to];
                const std::string what =
                    std::string("Copy on the ") + kForms[from].name + ", Paste on the " + kForms[to].name;
                check = [=](const Segment& seg) {
                    std::string why = NoRefusal(seg, what);
                    return why.empty() ? ExpectReads(seg, 0, w, what) : why;
                };
                break;
            }
            case Kind::kPages: {
                // The source water's pages, whatever the multi-mix input
                // holds; an unchanged OK calculates nothing, so calcium is
                // typed anew.
                const std::string tag = "p" + std::to_string(i);
                std::string calcium = std::to_string(300 + st.a % 200);
                if (forms[0][400] == calcium) calcium = std::to_string(299 - st.a % 200);
                forms[0][400] = calcium;
                s = Lines(80, {"set 400 " + calcium, "press 1", "press 2"}) + Open(kForms[0]) +
                    "text DisplayMUValues " + tag +
                    "v.txt\ntext DisplayMUWater " + tag + "w.txt\n";
                b.pages.push_back(PageCheck{static_cast<int>(i), forms[0], tag + "v.txt", tag + "w.txt"});
                check = [](const Segment& seg) { return NoRefusal(seg, "the source water's pages"); };
                break;
            }
            case Kind::kDigit: {
                // A field's everyday value as the form shows it, typed, then
                // one digit of it edited: the edit reads back at every digit.
                // A field none of whose digits can be edited inside its range
                // gives way to the next, so that the step edits something.
                const bool onMix = !mix.empty() && st.a % 4 == 3;
                int control = 0;
                std::string shown, edited;
                for (uint32_t next = 0; next < std::size(kFields) && edited.empty(); ++next) {
                    control = FieldOfForms(onMix ? 2 : 1, st.b + next);
                    shown = Digits((onMix ? shownMix_ : shownAnalysis_).at(control));
                    edited = OneDigitEdit(shown, ranges.at(control), st.c,
                                          !Spared("small-digit-edits"));
                }
                if (edited.empty()) {
                    check = [](const Segment&) {
                        return std::string("no field has a digit to edit");
                    };
                    break;
                }
                const std::string c = std::to_string(control);
                const std::string what = std::string(onMix ? "multi-mix" : kForms[st.a % 3].name) +
                                         " field " + c + " " + shown + " edited to " + edited;
                if (onMix) {
                    const FormSpec& m = kForms[kMultiMix];
                    const size_t from = st.b % mix.size();
                    const std::string go = "set 523 " + std::to_string(from + 1);
                    for (const std::string& v : {shown, edited})
                        s += Lines(115, {go, "press 522", "set " + c + " " + v, "press 1", "next",
                                         "press 2"}) +
                             Open(m);
                    mix[from][control] = edited;
                    s += Lines(115, {go, "press 522"}) + ReadAll(m, mix[from]);
                    const Water w = mix[from];
                    check = [=](const Segment& seg) {
                        std::string why = NoRefusal(seg, what);
                        if (why.empty()) why = ExpectExact(seg, control, edited, what);
                        return why.empty() ? ExpectReads(seg, 0, w, what) : why;
                    };
                    break;
                }
                const int f = static_cast<int>(st.a % 3);
                for (const std::string& v : {shown, edited})
                    s += Lines(80, {"set " + c + " " + v, "press 1", "press 2"}) + Open(kForms[f]);
                s += Lines(80, {"read " + c, "press 2"}) + Open(kForms[f]);
                forms[f][control] = edited;
                if (control == kCorrosionTarget)
                    for (Water& other : forms) other[control] = edited;
                check = [=](const Segment& seg) {
                    std::string why = NoRefusal(seg, what);
                    return why.empty() ? ExpectExact(seg, control, edited, what) : why;
                };
                break;
            }
            case Kind::kPhCurve: {
                // Four pairs of M alkalinity and pH typed into the curve, OK
                // (the curve is not made the prediction method), and read back.
                std::vector<std::pair<int, std::string>> cells;
                for (uint32_t k = 0; k < 4; ++k) {
                    cells.emplace_back(670 + 3 * static_cast<int>(k),
                                       std::to_string(50 + 150 * k + (st.b >> (8 * k)) % 100));
                    char ph[16];
                    std::snprintf(ph, sizeof ph, "%.1f", 5.5 + 0.8 * k + 0.1 * ((st.c >> (8 * k)) % 8));
                    cells.emplace_back(671 + 3 * static_cast<int>(k), ph);
                }
                std::vector<std::string> typing, reading;
                for (const auto& [control, text] : cells) {
                    typing.push_back("set " + std::to_string(control) + " " + text);
                    reading.push_back("read " + std::to_string(control));
                }
                typing.insert(typing.end(), {"press 1", "press 2"});
                reading.push_back("press 2");
                s = "answer no A USER DEFINED\n" + Lines(kPhCurveDialog, typing) + "menu 1033\n" +
                    Lines(kPhCurveDialog, reading) + "menu 1033\n";
                curveHeld = true;
                check = [=](const Segment& seg) -> std::string {
                    const std::string what = "the pH curve typed";
                    std::string why = NoRefusal(seg, what);
                    if (!why.empty()) return why;
                    if (seg.reads.size() != cells.size())
                        return what + ": " + std::to_string(seg.reads.size()) + " reads";
                    for (size_t k = 0; k < cells.size(); ++k)
                        if (seg.reads[k].first != cells[k].first ||
                            !SameNumber(seg.reads[k].second, cells[k].second))
                            return what + ": cell " + std::to_string(cells[k].first) + " typed " +
                                   cells[k].second + " reads \"" + seg.reads[k].second + "\"";
                    return std::string();
                };
                break;
            }
            case Kind::kOpenFile: {
                // A bundled file opened over the workspace and saved as it
                // opened; then New and the everyday waters, as on New. Left
                // out with its file: what the file brought stays behind New.
                if (Spared("open-fresh")) {
                    check = [](const Segment&) { return std::string(); };
                    break;
                }
                const std::vector<std::string> openable = OpenableFiles();
                const std::string file = openable[st.a % openable.size()];
                const std::string name = "O" + std::to_string(i) + ".KRV";
                // The source form OK'd unchanged: a file whose waters are not
                // entered may then be saved.
                const std::string open = "file \\" + file + "\nmenu 1020\n" +
                                         Lines(80, {"press 1", "press 2"}) + Open(kForms[0]);
                const std::string save = "file \\" + name + "\nmenu 1022\n";
                s = "answer no Data has been modified\n" + open + save +
                    "answer no Data has been modified\nmenu 1019\n" + DumpAll() + typeForms();
                mix.clear();
                curveHeld = false;
                b.files.push_back(FileCheck{static_cast<int>(i), name, "",
                                                unitsBefore + open + "file \\fresh.KRV\nmenu 1022\n",
                                                file + " opened over the workspace and saved"});
                check = [=](const Segment& seg) -> std::string {
                    const std::string what = file + " opened over the workspace";
                    if (seg.text.find("FILE SUCCESSFULLY RESTORED!") == std::string::npos)
                        return what + ": not restored\n" + seg.text.substr(0, 2000);
                    return NoRefusal(seg, what);
                };
                break;
            }
            case Kind::kDialogFile: {
                // Saved, an unchanged OK on a dialog that holds no water, saved
                // again: the two files are the same bytes.
                if (Spared("unchanged-dialog-files")) {
                    check = [](const Segment&) { return std::string(); };
                    break;
                }
                // An OK on the pH curve that holds no pairs is refused, as it
                // should be: the user is told and cancels, and nothing changed.
                const std::pair<const char*, const char*> dialogs[] = {
                    {"Choose Graphs", "dialog 25 press 1\nmenu 1064\n"},
                    {"No Product", "dialog 26 press 2603\nmenu 1056\n"},
                    {"the pH curve",
                     curveHeld ? "answer no A USER DEFINED\ndialog 34 press 1\nmenu 1033\n"
                               : "dialog 34 press 1\ndialog 34 press 2\nmenu 1033\n"},
                    {"Output Size", "dialog 79 press 1\nmenu 1008\n"},
                };
                const auto& [dialog, lines] = dialogs[st.a % std::size(dialogs)];
                const bool refusal = st.a % std::size(dialogs) == 2 && !curveHeld;
                const std::string before = "A" + std::to_string(i) + ".KRV";
                const std::string after = "B" + std::to_string(i) + ".KRV";
                s = "file \\" + before + "\nmenu 1022\n" + lines + "file \\" + after +
                    "\nmenu 1022\n";
                const std::string what = std::string("an unchanged OK on ") + dialog;
                b.files.push_back(FileCheck{static_cast<int>(i), after, before, "",
                                            "the file saved after " + what});
                check = [=](const Segment& seg) {
                    std::string why = NoRefusal(seg, what);
                    if (!why.empty()) return why;
                    size_t told = 0;
                    for (const std::string& box : seg.boxes)
                        told += box.find(kNoPairs) != std::string::npos ? 1 : 0;
                    if (told != (refusal ? 1u : 0u))
                        return what + ": " + std::to_string(told) + " boxes of too few pairs" +
                               (refusal ? " on a curve that holds none" : "");
                    return why;
                };
                break;
            }
            case Kind::kMixType:
            case Kind::kMixMove:
            case Kind::kMixAdd: {
                const FormSpec& m = kForms[kMultiMix];
                if (mix.empty() || st.kind == Kind::kMixAdd) {
                    // A water added: typed in full, then OK; the input opens
                    // again on it and is cancelled.
                    Water w = Everyday(kMultiMix);
                    w[400] = std::to_string(100 + 10 * (mix.size() % 50));
                    s = mix.empty() ? "" : Lines(115, {"set 523 " + std::to_string(mix.size()), "press 522", "press 520"});
                    if (!mix.empty()) s = "answer yes Last Analysis\n" + s;
                    s += TypeWater(m, w) + Lines(115, {"press 1", "next", "press 2"}) + Open(m);
                    mix.push_back(w);
                    const size_t n = mix.size();
                    s += Lines(115, {"set 523 " + std::to_string(n), "press 522"}) + ReadAll(m, w);
                    check = [=](const Segment& seg) {
                        std::string why = NoRefusal(seg, "multi-mix water added");
                        return why.empty() ? ExpectReads(seg, 0, w, "multi-mix water " + std::to_string(n) + " added") : why;
                    };
                    break;
                }
                const size_t from = st.a % mix.size();
                if (st.kind == Kind::kMixType) {
                    // A field of water `from` typed, then OK.
                    const int control = FieldOfForms(2, st.b);
                    const Range& r = ranges.at(control);
                    const std::string v = Value(r, NoBlankBrine(control, st.c), st.a / 7);
                    const bool taken = Inside(r, v);
                    const std::string c = std::to_string(control);
                    const std::string go = "set 523 " + std::to_string(from + 1);
                    s = Lines(115, {go, "press 522", "set " + c + " " + v, "press 1", "next", "press 2"}) +
                        Open(m);
                    if (!taken) s = Lines(115, {go, "press 522", "set " + c + " " + v, "press 1", "press 2"}) + Open(m);
                    if (taken) mix[from][control] = v;
                    s += Lines(115, {go, "press 522"}) + ReadAll(m, mix[from]);
                    const Water w = mix[from];
                    const std::string name = r.name;
                    check = [=](const Segment& seg) -> std::string {
                        const std::string what = "multi-mix water " + std::to_string(from + 1) + " " + name + " typed " + v;
                        bool told = false;
                        for (const std::string& box : seg.boxes) {
                            if (!Refusal(box)) continue;
                            if (taken) return what + ": refused: " + box;
                            told = told || box.find(name) != std::string::npos;
                        }
                        if (!taken && !told) return what + ": taken without a word, past its range";
                        return ExpectReads(seg, 0, w, what);
                    };
                    break;
                }
                // A field of water `from` edited, then another water reached
                // by a key or a button: the edit is kept.
                const size_t n = mix.size();
                const std::string c = "400";
                const std::string v = std::to_string(200 + (st.c % 700));
                std::vector<std::string> move;
                const char* how = "";
                uint32_t way = st.b % 7;
                if (way >= 3 && Spared("multimix-keys")) way %= 3;
                switch (way) {
                    case 0: move = {"press 521"}; how = "PREVIOUS"; break;
                    case 1: move = {"press 520"}; how = "NEXT"; break;
                    case 2: move = {"set 523 1", "press 522"}; how = "GO TO 1"; break;
                    case 3: move = {"key 0 PgUp"}; how = "Page Up"; break;
                    case 4: move = {"key 0 PgDn"}; how = "Page Down"; break;
                    case 5: move = {"key 0 Home"}; how = "Home"; break;
                    default: move = {"key 0 End"}; how = "End"; break;
                }
                // Next on the last water asks to add one: answered No.
                std::vector<std::string> steps = {"set 523 " + std::to_string(from + 1), "press 522", "set " + c + " " + v};
                steps.insert(steps.end(), move.begin(), move.end());
                steps.insert(steps.end(), {"press 1", "next", "press 2"});
                const bool pastLast = from + 1 == n && (way == 1 || way == 4);
                s = (pastLast ? "answer no Last Analysis\n" : "") + Lines(115, steps) + Open(m);
                mix[from][400] = v;
                s += Lines(115, {"set 523 " + std::to_string(from + 1), "press 522"}) + ReadAll(m, mix[from]);
                const Water w = mix[from];
                const std::string what = "multi-mix water " + std::to_string(from + 1) + " of " +
                                         std::to_string(n) + " edited, left by " + how + ", OK";
                check = [=](const Segment& seg) {
                    std::string why = NoRefusal(seg, what);
                    return why.empty() ? ExpectReads(seg, 0, w, what) : why;
                };
                break;
            }
        }
        b.lines.push_back(s);
        b.checks.push_back(check);
    }
    return b;
}

std::string Untimed(const std::string& page) {
    std::string out;
    for (const std::string& line : TextLines(page))
        if (line.find("Sampled") == std::string::npos && line.find("Sample ID") == std::string::npos)
            out += line + "\n";
    return out;
}

constexpr const char* kUnitsNotChanged = "The units were not changed.";

// The words of a page's row after its label (the label ends before column 24).
std::vector<std::string> RowWords(const std::string& page, const std::string& label) {
    for (const std::string& line : TextLines(page)) {
        const size_t at = line.find_first_not_of(' ');
        if (at == std::string::npos || line.compare(at, label.size(), label) != 0) continue;
        std::istringstream words(line.size() > 24 ? line.substr(24) : "");
        std::vector<std::string> found;
        for (std::string w; words >> w;) found.push_back(w);
        return found;
    }
    return {};
}

// The axis numbers of a profile page: those after "CATIONS".
std::vector<double> AxisNumbers(const std::string& page) {
    for (const std::string& line : TextLines(page)) {
        const size_t at = line.find("CATIONS");
        if (at == std::string::npos) continue;
        std::istringstream words(line.substr(at + 7));
        std::vector<double> found;
        for (std::string w; words >> w;) found.push_back(Number(w));
        return found;
    }
    return {};
}

// A point a driver marked that another path computes: the water that path
// takes and what the point is.
struct OtherPath {
    Water water;
    std::string what;
};

// The marks of driver `d` as its page shows them against the boxes of its
// step: as many points marked as the box told; without a box none, or the
// `before` that its last run told (a driver whose results stand shows its
// page again without running). The marked points another path computes go to
// `others`; `before` becomes the marks shown.
std::string DriverMarks(const DriverCheck& d, const Segment& seg, const std::string& page,
                        int& before, std::vector<OtherPath>& others) {
    const std::string what = "driver " + std::to_string(d.menu);
    int told = -1;
    for (const std::string& box : seg.boxes) {
        const size_t at = box.find(" points could not be calculated");
        if (at == std::string::npos) continue;
        const size_t of = box.rfind(" of the ", at);
        const size_t start = of == std::string::npos
                                 ? std::string::npos
                                 : box.find_last_not_of("0123456789", of - 1);
        if (of == std::string::npos || start == std::string::npos) return what + ": " + box;
        if (told >= 0) return what + ": told twice: " + box;
        told = std::atoi(box.c_str() + start + 1);
    }
    if (d.page.empty()) return "";  // the well log shows no page of text
    const std::vector<std::string> tds = RowWords(page, "Calculated T.D.S.");
    if (tds.size() != 7)
        return what + ": its page shows " + std::to_string(tds.size()) + " T.D.S.\n" + page;
    std::vector<size_t> marked;
    for (size_t k = 0; k < tds.size(); ++k)
        if (tds[k] == "N/A") marked.push_back(k);
    const int shown = static_cast<int>(marked.size());
    if (told >= 0 ? shown != told : shown != 0 && shown != before)
        return what + ": " + std::to_string(shown) + " points show N/A, the box told " +
               (told < 0 ? "none (its last run " + std::to_string(before) + ")"
                         : std::to_string(told));
    before = shown;
    const std::vector<double> axis = AxisNumbers(page);
    if (axis.size() != 7)
        return what + ": " + std::to_string(axis.size()) + " axis numbers\n" + page;
    for (size_t k : marked) {
        const Water& source = d.waters[0];
        auto own = [&](int control) {
            return source.count(control) &&
                   std::fabs(axis[k] - Number(source.at(control))) < 0.006;
        };
        char at[32];
        std::snprintf(at, sizeof at, "%.4g", axis[k]);
        const std::string point = what + " point " + std::to_string(k + 1) + " at " + at;
        if (d.menu == 1038) {
            Water w = source;
            char ph[16];
            std::snprintf(ph, sizeof ph, "%.2f", axis[k]);
            w[407] = ph;
            others.push_back({w, point + ", the source water at that pH"});
        } else if ((d.menu == 1036 && own(427)) || (d.menu == 228 && own(429))) {
            others.push_back({source, point + ", the source water's own conditions"});
        } else if (d.menu == 1042 && (axis[k] <= 0.001 || axis[k] >= 99.999)) {
            // The axis shows the formation water's percent.
            others.push_back({d.waters[axis[k] >= 99.999 ? 2 : 1],
                              point + " % formation water, the water alone"});
        }
    }
    return "";
}

int UserWalkRun::RunApartUntilRefused(const std::string& script, size_t known, bool& cut) {
    cut = false;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) ::_exit(Run(script));
    if (child < 0) return -1;
    // The log is read as it grows; a refusal's words may straddle two reads.
    const std::string needle = kUnitsNotChanged;
    std::string tail;
    std::streamoff readTo = 0;
    size_t seen = 0;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) break;
        if (done < 0) return -1;
        std::ifstream in(folder / "run.log", std::ios::binary);
        in.seekg(readTo);
        std::string more((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        readTo += static_cast<std::streamoff>(more.size());
        tail += more;
        for (size_t at = tail.find(needle); at != std::string::npos; at = tail.find(needle, at + 1))
            ++seen;
        tail = tail.substr(tail.size() - std::min(tail.size(), needle.size() - 1));
        if (seen > known) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            cut = true;
            return -1;
        }
        ::usleep(20000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

UserWalkRun::Outcome UserWalkRun::RunWalk(const std::vector<Step>& steps, bool withPages) {
    Outcome out;
    // Each change of units the program refuses is found by one run more.
    for (size_t runs = 0;; ++runs) {
        const size_t known = out.refused.size();
        const Outcome one = RunWalkOnce(steps, withPages, out.refused);
        if (one.refused.size() == known || runs > steps.size()) return one;
        out.refused = one.refused;
    }
}

UserWalkRun::Outcome UserWalkRun::RunWalkOnce(const std::vector<Step>& steps, bool withPages,
                                              const std::set<size_t>& refused) {
    Outcome out;
    out.refused = refused;
    auto fail = [&out](size_t at, const std::string& why) {
        out.at = static_cast<int>(at);
        out.why = why;
        return out;
    };
    const Built b = Build(steps, refused);
    Clean();
    bool cut = false;
    const int code = RunApartUntilRefused(b.Script(), refused.size(), cut);
    const std::string log = Log();
    const std::vector<Segment> segments = Segments(log);
    // The prefix's segment holds a fresh start's dumps.
    const std::vector<std::string> fresh =
        segments.empty() ? std::vector<std::string>() : segments[0].dumps;
    for (size_t i = 0; i < steps.size(); ++i) {
        if (cut && i + 2 >= segments.size()) {
            if (i + 1 < segments.size() && b.checks[i](segments[i + 1]) == kUnitsRefused) {
                out.refused.insert(i);
                return out;
            }
            return fail(i, "the run was ended at a refused change of units that no step made");
        }
        if (i + 2 >= segments.size()) {
            // What the log says last, the script's own lines aside.
            std::string last;
            for (const std::string& line : TextLines(segments.back().text))
                if (line.rfind("> ", 0) != 0 && line.rfind("  ", 0) != 0 && line.rfind("dialog \"", 0) != 0 &&
                    line.rfind("window ", 0) != 0)
                    last += line + "\n";
            if (last.size() > 3000) last = last.substr(last.size() - 3000);
            return fail(i, std::string("the run ended (exit ") + std::to_string(code) +
                               ") before the step ended\n" + last);
        }
        const Segment& seg = segments[i + 1];
        std::string why = b.checks[i](seg);
        if (why == kUnitsRefused) {
            // Built again as refused, the walk runs once more from the start.
            out.refused.insert(i);
            return out;
        }
        const bool opened = steps[i].kind == Kind::kOpenFile && !Spared("open-fresh");
        if (why.empty() && (steps[i].kind == Kind::kNew || opened)) {
            // New shows every form and dialog as a fresh start did.
            Segment both = seg;
            both.dumps.insert(both.dumps.begin(), fresh.begin(), fresh.begin() + std::min(fresh.size(), kDumpsPerAll));
            // A blank form shows the clock's date and time.
            for (std::string& dump : both.dumps) {
                std::string kept;
                for (const std::string& line : TextLines(dump)) {
                    const bool clock = line.rfind("  control 391 ", 0) == 0 ||
                                       line.rfind("  control 392 ", 0) == 0 ||
                                       line.rfind("  control 395 ", 0) == 0;
                    const bool step = line.rfind("  control 584 ", 0) == 0 && Spared("new-mixing-step");
                    if (!clock && !step) kept += line + "\n";
                }
                dump = kept;
            }
            why = SameDumps(both, 0, kDumpsPerAll, kDumpsPerAll, "New");
        }
        if (!why.empty()) return fail(i, why);
        ++out.checked;
    }
    if (code != 0) return fail(steps.size() - 1, "exit " + std::to_string(code));
    // What the walk saved, before a fresh start's run takes the folder.
    std::map<std::string, std::string> walked;
    for (const PageCheck& p : b.pages) walked[p.values] = Read(p.values), walked[p.chemistry] = Read(p.chemistry);
    for (const DriverCheck& d : b.drivers)
        if (!d.page.empty()) walked[d.page] = Read(d.page);
    // Each file held against its like, byte for byte.
    std::map<std::string, std::string> saved;
    for (const FileCheck& f : b.files) {
        saved[f.saved] = Read(f.saved);
        if (!f.other.empty()) saved[f.other] = Read(f.other);
    }
    for (const FileCheck& f : b.files) {
        const std::string& mine = saved[f.saved];
        const std::string& theirs = f.other.empty() ? FreshFile(f.freshScript) : saved[f.other];
        if (mine.size() < 1000 || mine != theirs) {
            size_t first = 0, count = 0;
            for (size_t k = 0; k < std::min(mine.size(), theirs.size()); ++k)
                if (mine[k] != theirs[k] && count++ == 0) first = k;
            return fail(static_cast<size_t>(f.step),
                        f.what + " is not " + (f.other.empty() ? "a fresh start's" : f.other) +
                            ": " + std::to_string(mine.size()) + " and " +
                            std::to_string(theirs.size()) + " bytes, " + std::to_string(count) +
                            " differ from byte " + std::to_string(first));
        }
    }
    // Each driver marks the points its box told, and none that another path
    // computes.
    std::vector<std::pair<int, OtherPath>> others;
    std::map<int, int> toldBefore;  // by driver
    for (const DriverCheck& d : b.drivers) {
        std::vector<OtherPath> found;
        const std::string why = DriverMarks(d, segments[static_cast<size_t>(d.step) + 1],
                                            d.page.empty() ? "" : walked[d.page],
                                            toldBefore[d.menu], found);
        if (!why.empty()) return fail(static_cast<size_t>(d.step), why);
        out.marked += static_cast<size_t>(d.page.empty() ? 0 : toldBefore[d.menu]);
        for (OtherPath& o : found) others.emplace_back(d.step, std::move(o));
    }
    out.otherPaths = others.size();
    std::set<Water> typed;  // each water is typed into a fresh start once
    for (const auto& [step, o] : others) {
        if (!typed.insert(o.water).second) continue;
        Clean();
        EXPECT_EQ(RunApart(TypeWater(kForms[0], o.water) + Lines(80, {"press 1"}) +
                           Open(kForms[0]) +
                           "text DisplayMUWater o.txt\nanswer no Data has been modified\n"),
                  0)
            << Log();
        const std::string page = Read("o.txt");
        double tds = NAN;
        for (const std::string& line : TextLines(page))
            if (const size_t at = line.find("Calculated T.D.S."); at != std::string::npos)
                tds = std::strtod(line.c_str() + at + 17, nullptr);
        if (Log().find("could not be calculated") == std::string::npos && std::isfinite(tds) &&
            tds > 0.0)
            return fail(static_cast<size_t>(step),
                        o.what + " is marked, where that water's page computes it (T.D.S. " +
                            std::to_string(tds) + ")");
    }
    if (!withPages) return out;
    // Each page the walk saved equals the page of its water typed into a fresh start.
    for (const PageCheck& p : b.pages) {
        Clean();
        EXPECT_EQ(RunApart(TypeWater(kForms[0], p.water) + Lines(80, {"press 1"}) + Open(kForms[0]) +
                      "text DisplayMUValues v.txt\ntext DisplayMUWater w.txt\n"
                               "answer no Data has been modified\n"),
                  0)
            << Log();
        for (const auto& [mine, theirs] : {std::pair{p.values, std::string("v.txt")}, {p.chemistry, "w.txt"}}) {
            const std::string a = Untimed(walked[mine]);
            const std::string f = Untimed(Read(theirs));
            if (a.size() < 100 || a != f) {
                const std::vector<std::string> la = TextLines(a), lf = TextLines(f);
                std::string line = "pages differ in size";
                for (size_t k = 0; k < std::min(la.size(), lf.size()); ++k)
                    if (la[k] != lf[k]) {
                        line = "the walk's \"" + la[k] + "\", a fresh start's \"" + lf[k] + "\"";
                        break;
                    }
                return fail(static_cast<size_t>(p.step),
                            "the page " + mine + " is not a fresh start's: " + line);
            }
        }
    }
    return out;
}

// The failure's kind, to tell a shrunk walk that fails alike.
std::string Gist(const std::string& why) {
    return why.substr(0, std::min(why.find(':'), size_t{60}));
}

std::vector<Step> UserWalkRun::Shrink(std::vector<Step> steps, int failing, const std::string& why) {
    steps.resize(static_cast<size_t>(failing) + 1);
    const std::string gist = Gist(why);
    const bool pages = steps.back().kind == Kind::kPages;
    int runs = 0;
    auto stillFails = [&](const std::vector<Step>& candidate) {
        if (candidate.empty() || ++runs > 80) return false;
        const Outcome again = RunWalk(candidate, pages);
        return again.at >= 0 && Gist(again.why) == gist;
    };
    for (size_t chunk = std::max<size_t>(steps.size() / 2, 1); chunk >= 1;) {
        bool removed = false;
        for (size_t from = 0; from + 1 < steps.size();) {
            // The failing step stays last.
            std::vector<Step> candidate = steps;
            const size_t n = std::min(chunk, steps.size() - 1 - from);
            candidate.erase(candidate.begin() + static_cast<long>(from),
                            candidate.begin() + static_cast<long>(from + n));
            if (stillFails(candidate)) {
                steps = candidate;
                removed = true;
            } else {
                from += n;
            }
        }
        if (chunk == 1 && !removed) break;
        if (!removed) chunk /= 2;
        if (runs > 80) break;
    }
    return steps;
}

int EnvOr(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0' ? std::atoi(v) : fallback;
}

std::vector<Step> Walk(std::mt19937& random, int length) {
    // Weights of the kinds of step.
    const std::pair<Kind, int> weights[] = {
        {Kind::kType, 30},    {Kind::kUnchanged, 10}, {Kind::kUnits, 6},   {Kind::kSaveOpen, 5},
        {Kind::kNew, 2},      {Kind::kDriver, 6},     {Kind::kCopyPaste, 6}, {Kind::kPages, 3},
        {Kind::kMixType, 10}, {Kind::kMixMove, 8},    {Kind::kMixAdd, 4},
        {Kind::kDigit, 8},    {Kind::kPhCurve, 2},    {Kind::kOpenFile, 2}, {Kind::kDialogFile, 2},
    };
    int total = 0;
    for (const auto& w : weights) total += w.second;
    std::vector<Step> steps;
    for (int i = 0; i < length; ++i) {
        int pick = static_cast<int>(random() % static_cast<uint32_t>(total));
        Kind kind = Kind::kType;
        for (const auto& [k, w] : weights) {
            if (pick < w) {
                kind = k;
                break;
            }
            pick -= w;
        }
        steps.push_back(Step{kind, static_cast<uint32_t>(random()), static_cast<uint32_t>(random()),
                             static_cast<uint32_t>(random())});
    }
    return steps;
}

// A script's steps stop at the OK that ends a dialog, as a user's clicks do:
// the Cancel queued after it for a refusal that did not come undoes nothing
// (seen failing: the units dialog's Cancel, reaching the ended dialog, put the
// units back while the water stayed converted, so that 400 mg/L of calcium
// read 390.24 in mg/L and the dialog showed g/mL with lbs/gal in force).
TEST_F(UserWalkRun, StepsAfterTheOkThatEndsADialogAreNotTaken) {
    Clean();
    const std::string change = "dialog 29 press 1\ndialog 29 press 2\nmenu 1065\n";
    const std::string read = "dialog 29 read 627\ndialog 29 read 631\ndialog 29 press 2\nmenu 1065\n"
                             "dialog 80 read 400\ndialog 80 read 428\ndialog 80 press 2\nmenu 1030\n";
    ASSERT_EQ(RunApart("dialog 80 set 400 400\ndialog 80 set 414 700\ndialog 80 set 428 1.025\n"
                       "dialog 80 press 1\nmenu 1030\n"
                       "dialog 29 click 631\ndialog 29 scroll 428 down 1\n" +
                       change + read + "dialog 29 click 632\ndialog 29 scroll 428 up 1\n" + change +
                       read + "answer no Data has been modified\n"),
              0)
        << Log();
    const std::vector<std::string> unit = Reads(627), calcium = Reads(400),
                                   density = Reads(428);
    ASSERT_EQ(unit.size(), 2u) << Log();
    EXPECT_EQ(unit[0], "(lbs/gal)");
    // ppm is checked in the first reading only.
    const std::string log = Log();
    const size_t checked = log.find("read 631 \"ppm\" (checked)");
    EXPECT_NE(checked, std::string::npos) << log;
    EXPECT_EQ(log.find("read 631 \"ppm\" (checked)", checked + 1), std::string::npos) << log;
    EXPECT_NEAR(Number(calcium[0]), 400.0 / 1.025, 0.01);
    EXPECT_NEAR(Number(density[0]), 1.025 * 8.34, 0.01);
    EXPECT_EQ(unit[1], "(g/mL)");
    EXPECT_NEAR(Number(calcium[1]), 400.0, 0.01);
    EXPECT_NEAR(Number(density[1]), 1.025, 1e-4);
}

TEST_F(UserWalkRun, SeededWalksOfUserActionsKeepWhatTheUserSees) {
    ASSERT_EQ(Ranges().size(), std::size(kFields));
    const char* all = std::getenv("TARVEX_WALK_ALL");
    const char* spare = std::getenv("TARVEX_WALK_SPARE");
    SparedPaths() = all != nullptr && std::string(all) == "1" ? ""
                    : spare != nullptr                      ? spare
                                                            : kSparedPaths;
    const uint32_t seed = static_cast<uint32_t>(EnvOr("TARVEX_WALK_SEED", 104));
    const int total = EnvOr("TARVEX_WALK_STEPS", 200);
    const int length = std::max(1, EnvOr("TARVEX_WALK_LENGTH", 100));
    std::mt19937 random(seed);
    int walked = 0;
    size_t checked = 0, refusedUnits = 0, marked = 0, otherPaths = 0;
    int failures = 0;
    for (int walk = 0; walked < total; ++walk) {
        const std::vector<Step> steps = Walk(random, std::min(length, total - walked));
        walked += static_cast<int>(steps.size());
        const Outcome run = RunWalk(steps, true);
        checked += run.checked;
        refusedUnits += run.refused.size();
        marked += run.marked;
        otherPaths += run.otherPaths;
        if (run.at < 0) {
            // A walk that passed has checked every step it took.
            if (run.checked != steps.size()) {
                ++failures;
                ADD_FAILURE() << "walk " << walk << " of seed " << seed << " took " << steps.size()
                              << " steps and checked " << run.checked;
            }
            continue;
        }
        const int at = run.at;
        ++failures;
        const std::vector<Step> shortest = Shrink(steps, at, run.why);
        const Outcome again = RunWalk(shortest, steps[static_cast<size_t>(at)].kind == Kind::kPages);
        const Built b = Build(shortest, again.refused);
        ADD_FAILURE() << "walk " << walk << " of seed " << seed << ", step " << at << " ("
                      << KindName(steps[static_cast<size_t>(at)].kind) << "): " << run.why
                      << "\nshortest walk: " << shortest.size() << " steps, failing with: "
                      << (again.at >= 0 ? again.why : std::string("(no longer fails)"))
                      << "\nscript:\n"
                      << b.Script(false);
        if (failures >= EnvOr("TARVEX_WALK_FAILURES", 1)) break;
    }
    std::printf("[ walk ] %d steps from seed %u, %zu checked (%zu refused changes of units, "
                "%zu points the drivers marked, %zu of them held against another path), "
                "%d failing walks, leaving out: %s\n",
                walked, seed, checked, refusedUnits, marked, otherPaths, failures,
                SparedPaths().empty() ? "nothing" : SparedPaths().c_str());
}

}  // namespace
