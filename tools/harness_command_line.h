// The command line both harnesses read: PROGRAM COMMAND [ARGUMENTS...]. A
// harness keeps a table of its commands (structs with a `name` and a `usage`
// text, the arguments for the help), and "help" or "--help" lists them.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <span>

namespace harness {

// What main returns after the help (asked for) and after a wrong command line.
inline constexpr int kHelpExit = 0;
inline constexpr int kUsageExit = 2;

template <class Command>
void PrintUsage(std::FILE* to, const char* program, std::span<const Command> commands) {
    std::fprintf(to, "usage: %s COMMAND [ARGUMENTS...]\ncommands:\n", program);
    for (const Command& c : commands) std::fprintf(to, "  %s %s\n", c.name, c.usage);
}

// The command argv[1] names. Else null, after the help on standard output
// (help, --help) or the usage and the complaint on standard error (no command,
// an unknown one), with main's exit code in `exitCode`.
template <class Command, std::size_t N>
const Command* ChooseCommand(const char* program, const Command (&table)[N], int argc, char** argv,
                             int& exitCode) {
    const std::span<const Command> commands(table);
    exitCode = kUsageExit;
    if (argc < 2) {
        PrintUsage(stderr, program, commands);
        return nullptr;
    }
    if (std::strcmp(argv[1], "help") == 0 || std::strcmp(argv[1], "--help") == 0) {
        PrintUsage(stdout, program, commands);
        exitCode = kHelpExit;
        return nullptr;
    }
    for (const Command& c : commands)
        if (std::strcmp(argv[1], c.name) == 0) return &c;
    std::fprintf(stderr, "%s: unknown command \"%s\"\n", program, argv[1]);
    PrintUsage(stderr, program, commands);
    return nullptr;
}

}  // namespace harness
