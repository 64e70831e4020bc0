// The printer file: parsing, loading, the default set, and the profile
// entry of the default printer.
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>
#include <utility>

#include "platform/files/plain_file_read.h"
#include "platform/print/print_setup.h"
#include "platform/system/system.h"

namespace win {
namespace {

std::string Trim(const std::string& s) {
    std::size_t a = 0;
    std::size_t b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
    return s.substr(a, b - a);
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::vector<std::string> Split(const std::string& line, char sep) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, sep)) fields.push_back(Trim(field));
    if (!line.empty() && line.back() == sep) fields.emplace_back();
    return fields;
}

std::string Folder(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// One margin in inches: a plain decimal number from 0 to 3.
bool ParseInches(const std::string& text, double* inches) {
    if (text.empty()) return false;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !(v >= 0.0 && v <= 3.0)) return false;
    *inches = v;
    return true;
}

// An optional key=value field after the five.
bool ParseOption(const std::string& field, PrinterConfig& p, std::string& why) {
    const std::size_t eq = field.find('=');
    const std::string key = Lower(Trim(field.substr(0, eq)));
    const std::string value = eq == std::string::npos ? "" : Trim(field.substr(eq + 1));
    if (eq != std::string::npos && key == "driver") {
        char* end = nullptr;
        const long version = std::strtol(value.c_str(), &end, 16);
        if (value.empty() || *end != '\0' || version < 1 || version > 0xFFFF) {
            why = "driver \"" + value + "\" is not a hexadecimal version from 1 to FFFF";
            return false;
        }
        p.driverVersion = static_cast<int>(version);
        return true;
    }
    if (eq == std::string::npos || key != "margin") {
        why = "unknown field \"" + field + "\" (margin=INCHES, margin=X,Y or driver=HEX)";
        return false;
    }
    const std::size_t comma = value.find(',');
    const bool ok = comma == std::string::npos
                        ? ParseInches(value, &p.marginX) && ParseInches(value, &p.marginY)
                        : ParseInches(Trim(value.substr(0, comma)), &p.marginX) &&
                              ParseInches(Trim(value.substr(comma + 1)), &p.marginY);
    if (!ok) why = "margin \"" + value + "\" is not INCHES or X,Y with each from 0 to 3";
    return ok;
}

struct State {
    bool loaded = false;
    std::vector<PrinterConfig> printers;
    std::string notice;  // why the printer file was not used, until told
};

State& Current() {
    static State state;
    return state;
}

void PublishDefault() {
    const std::vector<PrinterConfig>& printers = Current().printers;
    if (printers.empty()) return;
    const std::string entry =
        printers.front().name + "," + kPrinterDriverName + "," + kPrinterPortName;
    WriteProfileString("windows", "device", entry.c_str());
}

void LoadDefaults() {
    State& s = Current();
    s.loaded = true;
    const char* env = std::getenv("TARVEX_PRINTERS");
    const std::string path = env != nullptr ? env : "printers.cfg";
    std::vector<std::string> errors;
    if (LoadPrinterConfig(path, &errors)) {
        // Its sound printers serve; the lines passed over are told.
        if (errors.empty()) return;
        s.notice = "The printer file " + path + " has lines that are not used.\n";
        for (std::size_t i = 0; i < errors.size() && i < 3; ++i) s.notice += "\n" + errors[i];
        if (errors.size() > 3)
            s.notice += "\n(and " + std::to_string(errors.size() - 3) + " more)";
        s.notice += "\n\nThe printers of its other lines are used.";
        return;
    }
    PrinterConfig pdf;
    pdf.name = "PDF995";
    UsePrinters({pdf});
    // A missing file is the everyday case; one that is there and was not used
    // is told, with its first reasons.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 && errno == ENOENT) return;
    s.notice = "The printer file " + path + " is not used.\n";
    for (std::size_t i = 0; i < errors.size() && i < 3; ++i) s.notice += "\n" + errors[i];
    s.notice += "\n\nPrinting goes to the printer " + pdf.name + ", into the current folder.";
}

}  // namespace

std::vector<PrinterConfig> ParsePrinterConfig(const std::string& text,
                                              const std::string& baseFolder,
                                              std::vector<std::string>* errors) {
    std::vector<PrinterConfig> printers;
    std::set<std::string> names;  // lower case, for the duplicates
    std::istringstream in(text);
    std::string line;
    int number = 0;
    auto fail = [&](const std::string& why) {
        if (errors != nullptr) errors->push_back("line " + std::to_string(number) + ": " + why);
    };
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        const std::vector<std::string> f = Split(trimmed, '|');
        if (f.size() < 5) {
            fail("expected 5 fields separated by '|' (name, paper, dpi, colour, folder)");
            continue;
        }
        PrinterConfig p;
        p.name = f[0];
        if (p.name.empty() || p.name.find(',') != std::string::npos) {
            fail("the printer name must be non-empty and hold no comma");
            continue;
        }
        std::istringstream paper(Lower(f[1]));
        std::string word;
        paper >> p.paper;
        if (p.paper != "letter" && p.paper != "legal" && p.paper != "a4") {
            fail("unknown paper \"" + f[1] + "\" (letter, legal or a4)");
            continue;
        }
        if (paper >> word) {
            if (word != "landscape" && word != "portrait") {
                fail("unknown orientation \"" + word + "\"");
                continue;
            }
            p.landscape = word == "landscape";
        }
        char* end = nullptr;
        const long dpi = std::strtol(f[2].c_str(), &end, 10);
        if (f[2].empty() || *end != '\0' || dpi < 72 || dpi > 2400) {
            fail("resolution \"" + f[2] + "\" is not a number of dots per inch from 72 to 2400");
            continue;
        }
        p.dpi = static_cast<int>(dpi);
        const std::string colour = Lower(f[3]);
        if (colour == "colour" || colour == "color") {
            p.color = true;
        } else if (colour == "mono" || colour == "monochrome") {
            p.color = false;
        } else {
            fail("\"" + f[3] + "\" is neither colour nor mono");
            continue;
        }
        if (f[4].empty()) {
            fail("the output folder is empty");
            continue;
        }
        p.folder = f[4][0] == '/' ? f[4] : baseFolder + "/" + f[4];
        std::string why;
        bool extrasOk = true;
        for (std::size_t k = 5; k < f.size() && extrasOk; ++k) extrasOk = ParseOption(f[k], p, why);
        if (!extrasOk) {
            fail(why);
            continue;
        }
        if (!names.insert(Lower(p.name)).second) {
            fail("printer \"" + p.name + "\" is already defined");
            continue;
        }
        printers.push_back(p);
    }
    return printers;
}

bool LoadPrinterConfig(const std::string& path, std::vector<std::string>* errors) {
    std::string text;
    std::string why;
    if (!ReadPlainFile(path, kPrinterFileMaxBytes, "a printer file", text, why)) {
        if (errors != nullptr) errors->push_back("cannot read the printer file " + path + ": " + why);
        return false;
    }
    std::vector<PrinterConfig> printers = ParsePrinterConfig(text, Folder(path), errors);
    if (printers.empty()) {
        if (errors != nullptr) errors->push_back("the printer file " + path + " names no printer");
        return false;
    }
    UsePrinters(printers);
    return true;
}

void UsePrinters(const std::vector<PrinterConfig>& printers) {
    State& s = Current();
    s.loaded = true;
    s.printers = printers;
    PublishDefault();
}

const std::vector<PrinterConfig>& ConfiguredPrinters() {
    if (!Current().loaded) {
        LoadDefaults();
    } else {
        // The profile may have been reset since (a fresh platform in tests).
        char entry[8];
        if (GetProfileString("windows", "device", "", entry, sizeof entry) == 0) PublishDefault();
    }
    return Current().printers;
}

const PrinterConfig* FindPrinter(const std::string& name) {
    const std::string wanted = Lower(Trim(name));
    for (const PrinterConfig& p : ConfiguredPrinters()) {
        if (Lower(p.name) == wanted) return &p;
    }
    return nullptr;
}

std::string TakePrinterFileNotice() {
    (void)ConfiguredPrinters();
    return std::exchange(Current().notice, std::string());
}

void ForgetPrinters() {
    Current() = State{};
}

}  // namespace win
