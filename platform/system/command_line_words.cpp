// Writing and splitting command-line words (the rules in the header).
#include "platform/system/command_line_words.h"

namespace win {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v';
}

}  // namespace

std::string CommandLineWord(const std::string& word) {
    if (!word.empty() && word.find_first_of(" \t\n\v\"") == std::string::npos) return word;
    std::string out = "\"";
    size_t backslashes = 0;
    for (const char c : word) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        out.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        out += c;
    }
    // Backslashes before the closing quote are doubled too.
    out.append(2 * backslashes, '\\');
    out += '"';
    return out;
}

std::vector<std::string> CommandLineWords(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    size_t i = 0;
    while (i < commandLine.size()) {
        const char c = commandLine[i];
        if (!quoted && IsBlank(c)) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
            ++i;
            continue;
        }
        inWord = true;
        if (c == '\\') {
            size_t n = 0;
            while (i < commandLine.size() && commandLine[i] == '\\') ++n, ++i;
            if (i < commandLine.size() && commandLine[i] == '"') {
                // 2n backslashes and a quote: n backslashes, the quote opens
                // or closes; 2n + 1: n backslashes and a quote character.
                word.append(n / 2, '\\');
                if (n % 2 == 1) {
                    word += '"';
                    ++i;
                }
            } else {
                word.append(n, '\\');
            }
            continue;
        }
        if (c == '"') {
            quoted = !quoted;
        } else {
            word += c;
        }
        ++i;
    }
    if (inWord) words.push_back(word);
    return words;
}

}  // namespace win
