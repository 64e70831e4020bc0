// The tarvex executable.
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    ProgramOptions options;
    std::string error;
    if (!ParseCommandLine(args, options, error)) {
        std::fprintf(stderr, "tarvex: %s\n%s\n", error.c_str(), kUsage);
        return kExitUsage;
    }
    return RunProgram(options);
}
