// The words of a program's command line. A command line is one string; the
// program started from it reads its arguments back by the usual rules: words
// part at blanks, a blank inside double quotes belongs to its word, a quote
// written as \" is a character of the word, and backslashes count only when
// a quote follows them. CommandLineWord writes one word so that these rules
// give it back unchanged, whatever characters it holds.
#pragma once

#include <string>
#include <vector>

namespace win {

// The word as it is written on a command line: unchanged when it holds no
// blank, tab or quote (and is not empty), else quoted with its quotes, and the
// backslashes before them, escaped.
[[nodiscard]] std::string CommandLineWord(const std::string& word);
// The words a program started from this command line reads.
[[nodiscard]] std::vector<std::string> CommandLineWords(const std::string& commandLine);

}  // namespace win
