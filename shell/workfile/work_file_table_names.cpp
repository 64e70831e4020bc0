// The names of the result tables' values (work_file_table_names.h).
#include "shell/workfile/work_file_table_names.h"

#include <cctype>
#include <string_view>

#include "input/waterform/form_fields.h"
#include "reporttext/profilepages/indicator_rows.h"
#include "scenarios/frame/whatif_records.h"
#include "shell/workfile/work_file_layout.h"

namespace workfile {
namespace {

// A page label without its subscript marks: "Barite (BaSO_4)" -> "Barite (BaSO4)".
std::string Plain(const char* label) {
    std::string s;
    for (const char* c = label; *c; ++c)
        if (*c != '_') s += *c;
    return s;
}

// The member a record holds: the last name of its holder, without indexes or
// remarks ("whatIfResults.pressureProfile.corrosion (points 1 to 7)" ->
// "corrosion").
std::string Member(std::string_view heldBy) {
    heldBy = heldBy.substr(0, heldBy.find(' '));
    std::string plain;
    int depth = 0;
    for (const char c : heldBy) {
        if (c == '[') ++depth;
        if (depth == 0) plain += c;
        if (c == ']') --depth;
    }
    const size_t dot = plain.rfind('.');
    return dot == std::string::npos ? plain : plain.substr(dot + 1);
}

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// "dissolvedCO2" -> "Dissolved CO2", "carbonateFigure" -> "Carbonate figure".
std::string Spoken(std::string_view member) {
    std::string s;
    for (size_t i = 0; i < member.size(); ++i) {
        const char c = member[i];
        const bool upper = std::isupper(static_cast<unsigned char>(c)) != 0;
        const bool afterLower = i > 0 && std::islower(static_cast<unsigned char>(member[i - 1]));
        if (upper && afterLower) s += ' ';
        const bool lowerIt = upper && i + 1 < member.size() &&
                             std::islower(static_cast<unsigned char>(member[i + 1]));
        s += lowerIt ? static_cast<char>(std::tolower(static_cast<unsigned char>(c))) : c;
    }
    if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

std::string ExcessName(int entry) {
    for (const MineralRow& m : kMineralRows)
        if (m.excessEntry == entry) return Plain(m.label) + " excess";
    return "excess entry " + std::to_string(entry + 1);
}

std::string ResultName(int slot) {
    for (const MineralRow& m : kMineralRows)
        if (m.slot == slot) return Plain(m.label) + " saturation";
    for (const SlotRow& r : kIonRows)
        if (r.slot == slot) return r.label;
    for (const SlotRow& r : kPotentialRows)
        if (r.slot == slot) return Plain(r.label) + " precipitation potential";
    for (const SlotRow& r : kSimpleIndexRows)
        if (r.slot == slot) return r.label;
    return "result slot " + std::to_string(slot);
}

std::string AnalysisName(int element) {
    if (element == AnalysisElement::kPh) return "pH";
    for (const ElementField& f : ElementFields())
        if (f.element == element) return f.name;
    if (const char* name = UnshownValueName(element)) return name;
    return "analysis entry " + std::to_string(element);
}

// What a table's rows are.
const char* RowWord(std::string_view heldBy) {
    if (heldBy.find("wellProfiles") != std::string_view::npos) return "station";
    if (heldBy.find("grid") != std::string_view::npos) return "cell";
    if (heldBy.find("ultiMix") != std::string_view::npos) return "water";
    if (heldBy.find("rofile") != std::string_view::npos) return "point";
    return "row";
}

// The mixing profile's and the blend's tables by what their rows hold.
std::string RowKind(const std::string& member) {
    if (member == "mixChemistry") return "analysis";
    if (member == "mixResults" || member == "blendResults") return "results";
    if (member == "mixCorrosion") return "corrosion";
    return member;
}

// The C2, C3, C4 and C5 acids of each row of a table of them.
constexpr int kAcidsPerRow = 4;

}  // namespace

std::string TableValueName(int record, int field) {
    if (record < 0 || record >= kRecordCount || field < 0) return "entry " + std::to_string(field);
    const RecordRow& row = kRecordTable[record];
    const std::string_view heldBy = row.heldBy;
    const std::string member = RowKind(Member(heldBy));
    int width = 1;
    std::string name;
    if (EndsWith(member, "xcess")) {
        width = kIndicatorRowValues;
        name = ExcessName(field % width);
    } else if (member == "results" || member == "saturation") {
        width = kResultRowValues;
        name = ResultName(field % width);
    } else if (member == "analysis") {
        width = kResultRowValues;
        name = AnalysisName(field % width);
    } else if (member == "corrosion") {
        width = kCorrosionRowValues;
        name = "corrosion rate " + std::to_string(field % width + 1);
    } else if (EndsWith(member, "OrganicAcids")) {
        width = kAcidsPerRow;
        name = "C" + std::to_string(field % width + 2) + " acid";
    } else {
        name = Spoken(member);
    }
    // A column of stations or points holds one value a row, of 2 or 4 bytes.
    const bool manyRows = width == 1 ? row.size > 4 : static_cast<int>(row.size / 4) > width;
    if (manyRows)
        name += " at " + std::string(RowWord(heldBy)) + " " + std::to_string(field / width + 1);
    return name;
}

}  // namespace workfile
