// Printed pages compared by where their words stand. pdftotext -bbox gives each
// word of a page with its box in points; a golden list of the words and their
// boxes keeps a page's layout, so a column that moves by a character, a line
// that drops or a word that changes shows as the first word that differs
// (dates and their times excepted, which may be the run's own).
// TARVEX_REGEN_GOLDEN=1 writes the golden list anew.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace pagewords {

struct Word {
    int page = 0;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::string text;
};

// The value of attribute `name` in a pdftotext -bbox element.
inline double Attribute(const std::string& line, const std::string& name) {
    const size_t at = line.find(name + "=\"");
    return at == std::string::npos ? NAN : std::atof(line.c_str() + at + name.size() + 2);
}

// The words of a PDF file, page by page (from 1) in pdftotext's reading order.
inline std::vector<Word> DocumentWords(const std::filesystem::path& pdf) {
    const std::string command = "pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null";
    std::vector<Word> words;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return words;
    std::string all;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) all.append(buffer, n);
    pclose(pipe);
    std::istringstream lines(all);
    int page = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<page ") != std::string::npos) ++page;
        const size_t open = line.find("<word ");
        if (open == std::string::npos) continue;
        const size_t start = line.find('>', open);
        const size_t end = line.find("</word>", start);
        if (start == std::string::npos || end == std::string::npos) continue;
        words.push_back({page, Attribute(line, "xMin"), Attribute(line, "yMin"),
                         Attribute(line, "xMax"), Attribute(line, "yMax"),
                         line.substr(start + 1, end - start - 1)});
    }
    return words;
}

// A date as the reports write it (MM-DD-YYYY and the other orders): the run's
// own date where the report shows today, so only its place is compared.
inline bool IsDate(const std::string& t) {
    if (t.size() != 10) return false;
    for (size_t k = 0; k < t.size(); ++k)
        if ((k == 2 || k == 5) ? t[k] != '-' : !std::isdigit(static_cast<unsigned char>(t[k])))
            return false;
    return true;
}

// The time after a date ("03-02-2026 at 0905"), the run's own time as dates are.
inline bool IsTimeOfDate(const std::vector<Word>& words, size_t k) {
    return k >= 2 && words[k - 1].text == "at" && IsDate(words[k - 2].text) &&
           words[k].text.size() == 4 &&
           std::all_of(words[k].text.begin(), words[k].text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

inline std::string Line(const Word& w) {
    char box[96];
    std::snprintf(box, sizeof box, "%d %.1f %.1f %.1f %.1f ", w.page, w.x0, w.y0, w.x1, w.y1);
    return box + w.text;
}

// Every page of `pdf` holds the golden words, each on its page and within half a
// point of its golden box.
inline void ExpectGoldenWords(const std::filesystem::path& pdf,
                              const std::filesystem::path& golden) {
    const std::vector<Word> words = DocumentWords(pdf);
    ASSERT_FALSE(words.empty()) << pdf << " has no words";
    const char* regen = std::getenv("TARVEX_REGEN_GOLDEN");
    if (regen != nullptr && std::string(regen) == "1") {
        std::ofstream out(golden);
        for (const Word& w : words) out << Line(w) << "\n";
    }
    std::ifstream in(golden);
    ASSERT_TRUE(in) << "no golden words " << golden << " (run with TARVEX_REGEN_GOLDEN=1)";
    std::vector<Word> want;
    for (std::string line; std::getline(in, line);) {
        Word w;
        std::istringstream fields(line);
        fields >> w.page >> w.x0 >> w.y0 >> w.x1 >> w.y1;
        fields.get();
        std::getline(fields, w.text);
        want.push_back(w);
    }
    const size_t n = std::min(words.size(), want.size());
    for (size_t k = 0; k < n; ++k) {
        const Word& a = words[k];
        const Word& b = want[k];
        const bool sameText = a.text == b.text || (IsDate(a.text) && IsDate(b.text)) ||
                              (IsTimeOfDate(words, k) && IsTimeOfDate(want, k));
        const bool same = a.page == b.page && sameText && std::fabs(a.x0 - b.x0) <= 0.5 &&
                          std::fabs(a.y0 - b.y0) <= 0.5 && std::fabs(a.x1 - b.x1) <= 0.5 &&
                          std::fabs(a.y1 - b.y1) <= 0.5;
        ASSERT_TRUE(same) << golden.filename() << ": word " << k << " is \"" << Line(a)
                          << "\", the golden one \"" << Line(b) << "\"";
    }
    EXPECT_EQ(words.size(), want.size()) << golden.filename() << ": number of words";
}

}  // namespace pagewords
