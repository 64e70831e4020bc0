// Reading the command line.
#include "app/command_line.h"

#include <cstdlib>

namespace {

// "1920x1080" into two positive sizes of at most 16384 pixels.
bool ParseDesktop(const std::string& text, int& width, int& height) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return false;
    const std::string w = text.substr(0, x);
    const std::string h = text.substr(x + 1);
    if (w.find_first_not_of("0123456789") != std::string::npos ||
        h.find_first_not_of("0123456789") != std::string::npos || w.size() > 5 || h.size() > 5)
        return false;
    width = std::atoi(w.c_str());
    height = std::atoi(h.c_str());
    return width > 0 && height > 0 && width <= 16384 && height <= 16384;
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, ProgramOptions& options,
                      std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takesValue = a == "--desktop" || a == "--script" || a == "--log" ||
                                a == "--snap-windows" || a == "--text-check";
        if (takesValue && i + 1 >= args.size()) {
            error = a + " needs a value";
            return false;
        }
        if (a == "--headless") {
            options.headless = true;
        } else if (a == "--display") {
            options.display = true;
        } else if (a == "--snap-windows") {
            options.snapFolder = args[++i];
        } else if (a == "--text-check") {
            options.textCheckPath = args[++i];
        } else if (a == "--desktop") {
            if (!ParseDesktop(args[++i], options.desktopWidth, options.desktopHeight)) {
                error = "--desktop wants WIDTHxHEIGHT in pixels, not \"" + args[i] + "\"";
                return false;
            }
        } else if (a == "--script") {
            options.scriptPath = args[++i];
        } else if (a == "--log") {
            options.logPath = args[++i];
        } else {
            error = "unknown option \"" + a + "\"";
            return false;
        }
    }
    return true;
}
