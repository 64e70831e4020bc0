// Running a harness command in a test with its output and complaints captured.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "tools/engine_harness/commands.h"

inline std::string DrainCapture(std::FILE* f) {
    std::rewind(f);
    std::string s;
    char buf[512];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
    return s;
}

inline int RunCommand(CommandFunction command, std::vector<std::string> args, std::string& out,
                      std::string& err) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    std::FILE* o = std::tmpfile();
    std::FILE* e = std::tmpfile();
    const int code = command(argv, o, e);
    out = DrainCapture(o);
    err = DrainCapture(e);
    return code;
}

// The lines of `text` that begin with `start`.
inline std::vector<std::string> LinesStartingWith(const std::string& text, const std::string& start) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(start, 0) == 0) lines.push_back(line);
    return lines;
}

// The number after " name=" in a printed line; -1e300 when the line has none.
inline double Field(const std::string& line, const std::string& name) {
    const size_t at = line.find(" " + name + "=");
    if (at == std::string::npos) return -1e300;
    return std::stod(line.substr(at + name.size() + 2));
}
