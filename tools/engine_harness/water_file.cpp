// The water-file reader of the engine harness (format in water_file.h).
#include "tools/engine_harness/water_file.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "tools/engine_harness/water_file_items.h"

namespace {

// Reporting units as bits 1 ppm, 2 mg/L, 3 epm; alkalinity modes as bits 1..7.
constexpr uint32_t Bit(int n) {
    return 1u << n;
}
constexpr uint32_t kAnyReporting = Bit(1) | Bit(2) | Bit(3);
constexpr uint32_t kMassReporting = Bit(1) | Bit(2);
constexpr uint32_t kAnyAlkalinityMode = 0xFEu;
constexpr uint32_t kMassAlkalinityModes = Bit(1) | Bit(2) | Bit(3);
constexpr uint16_t kDefaultReporting = ReportingMode::kMgPerL;
constexpr uint16_t kDefaultAlkalinityMode = 2;  // bicarbonate and carbonate as the ions

constexpr size_t kMaxFileBytes = 1 << 20;

std::string_view Trim(std::string_view s) {
    const char* space = " \t\r\n\v\f";
    const size_t first = s.find_first_not_of(space);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(space) - first + 1);
}

// Lower case, no degree signs or parentheses, single blanks: "(as °Fr)" -> "as fr".
std::string Normalise(std::string_view s) {
    std::string out;
    bool blank = false;
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0xB0) {
            ++i;  // the degree sign in UTF-8
            continue;
        }
        if (c == 0xB0 || c == '(' || c == ')') continue;  // degree sign in Latin-1
        if (c == ' ' || c == '\t') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return out;
}

// The comparison key of a unit: normalised without blanks and dots.
std::string Key(std::string_view s) {
    std::string out;
    for (char c : Normalise(s))
        if (c != ' ' && c != '.') out += c;
    return out;
}

bool MatchesLabel(std::string_view spellings, std::string_view key) {
    while (true) {
        const size_t bar = spellings.find('|');
        if (Key(spellings.substr(0, bar)) == key) return true;
        if (bar == std::string_view::npos) return false;
        spellings.remove_prefix(bar + 1);
    }
}

// Removes a leading word (followed by a blank or the end) from s.
bool TakeWord(std::string& s, std::string_view word) {
    if (!s.starts_with(word)) return false;
    if (s.size() > word.size() && s[word.size()] != ' ') return false;
    s.erase(0, std::min(s.size(), word.size() + 1));
    return true;
}

// What a unit text says: the item's unit code (-1: keep the default) and the
// reporting units and alkalinity modes it is compatible with.
struct UnitReading {
    int code = -1;
    uint32_t reporting = kAnyReporting;
    uint32_t alkalinityModes = kAnyAlkalinityMode;
};

int TakeBasis(std::string& u) {
    if (TakeWord(u, "mg/l")) return ReportingMode::kMgPerL;
    if (TakeWord(u, "ppm")) return ReportingMode::kPpm;
    return 0;
}

bool ReadConcentrationUnit(const WaterItem& item, std::string u, UnitReading& r) {
    if (item.kind == WaterItemKind::kIon && u == "epm") {
        r.reporting = Bit(ReportingMode::kEpm);
        return true;
    }
    const int basis = TakeBasis(u);
    if (u.empty()) {  // "mg/L" or "ppm" alone: as the ion
        r.code = 0;
        r.reporting = Bit(basis);
        return true;
    }
    TakeWord(u, "as");
    const std::string key = Key(u);
    for (size_t code = 0; code < item.labels.size(); ++code) {
        if (!MatchesLabel(item.labels[code], key)) continue;
        const bool mass = IsMassLabel(item.labels[code]);
        if (basis != 0 && !mass) return false;  // "mg/L as °Fr"
        r.code = static_cast<int>(code);
        if (basis != 0)
            r.reporting = Bit(basis);
        else if (item.kind == WaterItemKind::kOxalate && UnitLabel(item, r.code) == "epm")
            r.reporting = kAnyReporting;
        else
            r.reporting = kMassReporting;
        return true;
    }
    return false;
}

bool ReadAlkalinityUnit(const WaterItem& item, std::string u, UnitReading& r) {
    const int basis = TakeBasis(u);
    // "mg/L" alone means as the species itself, the label of mode 2.
    const std::string key = u.empty() ? Key(UnitLabel(item, 1)) : (TakeWord(u, "as"), Key(u));
    uint32_t modes = 0;
    for (size_t i = 0; i < item.labels.size(); ++i)
        if (MatchesLabel(item.labels[i], key)) modes |= Bit(static_cast<int>(i) + 1);
    if (basis != 0) {
        modes &= kMassAlkalinityModes;
        r.reporting = Bit(basis);
    }
    if (modes == 0) return false;
    r.alkalinityModes = modes;
    return true;
}

bool ReadUnit(const WaterItem& item, std::string_view raw, UnitReading& r) {
    std::string u = Normalise(raw);
    switch (item.kind) {
        case WaterItemKind::kIon:
        case WaterItemKind::kOxalate:
            if (u.empty()) return true;
            return ReadConcentrationUnit(item, u, r);
        case WaterItemKind::kAlkalinityFamily:
            if (u.empty()) return true;
            return ReadAlkalinityUnit(item, u, r);
        case WaterItemKind::kTotalAlkalinity:
            TakeBasis(u);
            TakeWord(u, "as");
            return u.empty() || MatchesLabel(item.labels[0], Key(u));
        case WaterItemKind::kPh:
            return u.empty() || MatchesLabel(item.labels[0], Key(u));
        case WaterItemKind::kMeasure:
            if (u.empty()) {
                r.code = 0;
                return true;
            }
            for (size_t code = 0; code < item.labels.size(); ++code) {
                if (MatchesLabel(item.labels[code], Key(u))) {
                    r.code = static_cast<int>(code);
                    return true;
                }
            }
            return false;
    }
    return false;
}

// The units offered for an item, for messages: "mg/L, ppm, epm, as Ca, as CaCO3, ...".
std::string OfferedUnits(const WaterItem& item) {
    std::string out;
    auto add = [&out](std::string_view s) {
        if (!out.empty()) out += ", ";
        out += s;
    };
    const bool concentration =
        item.kind == WaterItemKind::kIon || item.kind == WaterItemKind::kOxalate;
    if (concentration || item.kind == WaterItemKind::kAlkalinityFamily ||
        item.kind == WaterItemKind::kTotalAlkalinity) {
        add("mg/L");
        add("ppm");
    }
    if (item.kind == WaterItemKind::kIon) add("epm");
    for (size_t code = 0; code < item.labels.size(); ++code) {
        const std::string_view label = UnitLabel(item, static_cast<int>(code));
        if (item.kind == WaterItemKind::kAlkalinityFamily && code == 2 && label == "CO2") continue;
        const bool asForm = item.kind != WaterItemKind::kMeasure &&
                            item.kind != WaterItemKind::kPh && IsMassLabel(label) &&
                            !label.starts_with("cor.") && !label.starts_with("ml ");
        add(asForm ? "as " + std::string(label) : std::string(label));
    }
    return out;
}

bool ParseNumber(std::string_view token, double& value) {
    if (token.starts_with('+')) token.remove_prefix(1);
    if (token.empty() || token.starts_with('+')) return false;
    const char* end = token.data() + token.size();
    auto [ptr, ec] = std::from_chars(token.data(), end, value);
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

// A choice that several lines share (the reporting unit, the alkalinity mode): each
// line narrows the set of values it can take; a line that leaves none is refused.
struct SharedChoice {
    SharedChoice(uint32_t allValues, const char* why) : all(allValues), meaning(why) {}
    uint32_t all;
    const char* meaning;
    uint32_t allowed = all;
    int line = 0;        // the line that narrowed it last
    std::string saidBy;  // what that line said
};

uint16_t Pick(uint32_t allowed, uint16_t preferred) {
    if (allowed & Bit(preferred)) return preferred;
    for (int n = 1; n < 32; ++n)
        if (allowed & Bit(n)) return static_cast<uint16_t>(n);
    return preferred;
}

class Parser {
  public:
    WaterFileStatus Run(std::string_view text) {
        int line = 0;
        size_t pos = 0;
        while (true) {
            ++line;
            const size_t eol = text.find('\n', pos);
            const std::string_view content =
                text.substr(pos, eol == std::string_view::npos ? eol : eol - pos);
            if (!ParseLine(line, content)) return status_;
            if (eol == std::string_view::npos) break;
            pos = eol + 1;
        }
        data_.reportingMode = Pick(reporting_.allowed, kDefaultReporting);
        data_.alkalinityMode = Pick(alkalinity_.allowed, kDefaultAlkalinityMode);
        data_.units.code[UnitItem::kMAlkalinity] = data_.alkalinityMode;
        data_.units.code[UnitItem::kPAlkalinity] = data_.alkalinityMode;
        return status_;
    }
    const WaterFileData& data() const { return data_; }

  private:
    bool Fail(int line, const std::string& message) {
        status_.ok = false;
        status_.line = line;
        status_.message = "line " + std::to_string(line) + ": " + message;
        return false;
    }

    bool Narrow(SharedChoice& c, uint32_t allowed, int line, const std::string& said) {
        if ((c.allowed & allowed) == 0)
            return Fail(line, said + " conflicts with " + c.saidBy + " on line " +
                                  std::to_string(c.line) + ": " + c.meaning);
        if (allowed != c.all) {
            c.allowed &= allowed;
            c.line = line;
            c.saidBy = said;
        }
        return true;
    }

    bool ParseLine(int line, std::string_view content) {
        content = Trim(content.substr(0, content.find('#')));
        if (content.empty()) return true;
        const size_t eq = content.find('=');
        if (eq == std::string_view::npos) return Fail(line, "expected \"name = value [unit]\"");
        const std::string name(Trim(content.substr(0, eq)));
        const std::string_view rest = Trim(content.substr(eq + 1));
        if (name.empty()) return Fail(line, "no name before \"=\"");
        if (rest.empty()) return Fail(line, "no value for \"" + name + "\"");
        if (name == "alkalinity_mode") return ParseAlkalinityMode(line, rest);
        if (name == "reporting") return ParseReporting(line, rest);
        const WaterItem* item = FindWaterItem(name);
        if (!item) return Fail(line, "unknown name \"" + name + "\"");
        return ParseValue(line, *item, rest);
    }

    bool Once(int line, int& firstLine, const std::string& name) {
        if (firstLine != 0)
            return Fail(line,
                        name + " given twice (first on line " + std::to_string(firstLine) + ")");
        firstLine = line;
        return true;
    }

    bool ParseAlkalinityMode(int line, std::string_view rest) {
        if (!Once(line, alkalinityModeLine_, "alkalinity_mode")) return false;
        int mode = 0;
        const char* end = rest.data() + rest.size();
        auto [ptr, ec] = std::from_chars(rest.data(), end, mode);
        if (ec != std::errc() || ptr != end || mode < 1 || mode > 7)
            return Fail(line, "alkalinity_mode must be a whole number from 1 to 7");
        return Narrow(alkalinity_, Bit(mode), line, "alkalinity_mode = " + std::to_string(mode));
    }

    bool ParseReporting(int line, std::string_view rest) {
        if (!Once(line, reportingLine_, "reporting")) return false;
        const std::string key = Key(rest);
        int mode = key == "ppm"    ? ReportingMode::kPpm
                   : key == "mg/l" ? ReportingMode::kMgPerL
                   : key == "epm"  ? ReportingMode::kEpm
                                   : 0;
        if (mode == 0) return Fail(line, "reporting must be ppm, mg/L or epm");
        return Narrow(reporting_, Bit(mode), line, "reporting = " + std::string(rest));
    }

    bool ParseValue(int line, const WaterItem& item, std::string_view rest) {
        const size_t gap = rest.find_first_of(" \t");
        const std::string_view token = rest.substr(0, gap);
        const std::string_view unit =
            gap == std::string_view::npos ? std::string_view{} : Trim(rest.substr(gap));
        double value = 0.0;
        if (!ParseNumber(token, value))
            return Fail(line, "\"" + std::string(token) + "\" is not a number");
        if (std::fabs(value) > FLT_MAX)
            return Fail(line, std::string(item.name) + " is too large to store");
        if (!Once(line, elementLine_[item.element], item.name)) return false;
        UnitReading reading;
        if (!ReadUnit(item, unit, reading))
            return Fail(line, "unit \"" + std::string(unit) + "\" is not offered for " + item.name +
                                  " (offered: " + OfferedUnits(item) + ")");
        if (!CheckRange(line, item, value, reading.code)) return false;
        const std::string said =
            "\"" + std::string(unit.empty() ? token : unit) + "\" for " + item.name;
        if (!Narrow(reporting_, reading.reporting, line, said)) return false;
        if (!Narrow(alkalinity_, reading.alkalinityModes, line, said)) return false;
        data_.analysis.values[item.element] = static_cast<float>(value);
        data_.given[item.element] = true;
        if (reading.code >= 0 && item.unitItem >= 0)
            data_.units.code[item.unitItem] = static_cast<uint16_t>(reading.code);
        return true;
    }

    bool CheckRange(int line, const WaterItem& item, double value, int code) {
        if (item.kind == WaterItemKind::kPh) {
            if (value == -1.0 || (value >= 0.0 && value <= 14.0)) return true;
            return Fail(line, "ph must lie from 0 to 14, or be -1 to compute it from pCO2");
        }
        if (item.element == AnalysisElement::kTemperature) {
            // Absolute zero in degrees F, degrees C (the engine's 273.16) and K.
            const double absoluteZero[] = {-459.67, -273.16, 0.0};
            if (value > absoluteZero[code < 0 ? 0 : code]) return true;
            return Fail(line, "temperature is at or below absolute zero");
        }
        if (value < 0.0) return Fail(line, std::string(item.name) + " cannot be negative");
        return true;
    }

    WaterFileData data_{};
    WaterFileStatus status_;
    SharedChoice reporting_{kAnyReporting, "concentrations share one reporting unit"};
    SharedChoice alkalinity_{kAnyAlkalinityMode,
                             "bicarbonate, carbonate and acidity share one alkalinity mode"};
    int elementLine_[AnalysisElement::kCount] = {};
    int reportingLine_ = 0;
    int alkalinityModeLine_ = 0;
};

}  // namespace

WaterFileStatus ParseWaterText(std::string_view text, WaterFileData& out) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 byte-order mark
    Parser parser;
    WaterFileStatus status = parser.Run(text);
    if (status.ok) out = parser.data();
    return status;
}

WaterFileStatus ReadWaterFile(const std::string& path, WaterFileData& out) {
    WaterFileStatus status;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        status.ok = false;
        status.message = "cannot open " + path;
        return status;
    }
    std::string text;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0 && text.size() <= kMaxFileBytes)
        text.append(buffer, n);
    const bool readError = std::ferror(f) != 0;
    std::fclose(f);
    if (readError || text.size() > kMaxFileBytes) {
        status.ok = false;
        status.message =
            readError ? "cannot read " + path : path + " is too large for a water file";
        return status;
    }
    return ParseWaterText(text, out);
}

std::string DescribeUnit(const WaterFileData& data, int element) {
    for (const WaterItem& item : WaterItems()) {
        if (item.element != element) continue;
        switch (item.kind) {
            case WaterItemKind::kPh:
                return "pH";
            case WaterItemKind::kTotalAlkalinity:
                return "as CaCO3";
            case WaterItemKind::kIon:
            case WaterItemKind::kOxalate: {
                if (item.kind == WaterItemKind::kIon && data.reportingMode == ReportingMode::kEpm)
                    return "epm";
                const std::string_view label = UnitLabel(item, data.units.code[item.unitItem]);
                return IsMassLabel(label) ? "as " + std::string(label) : std::string(label);
            }
            case WaterItemKind::kAlkalinityFamily: {
                const std::string_view label = UnitLabel(item, data.alkalinityMode - 1);
                return data.alkalinityMode <= 2 ? "as " + std::string(label) : std::string(label);
            }
            case WaterItemKind::kMeasure:
                return std::string(UnitLabel(item, data.units.code[item.unitItem]));
        }
    }
    return {};
}
