// Running a harness command in a test with its output and complaints captured.
#pragma once

#include <cstdio>
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
