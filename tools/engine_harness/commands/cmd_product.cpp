// product pack TEXT OUT [--older] [--scramble KEY] | product show FILE: writes a
// product file from the text form, or prints a product (file or text) in the
// text form.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "platform/files/whole_file_write.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/product_file.h"
#include "treatment/files/product_file.h"

namespace {

bool ParseKey(const char* text, uint8_t (&key)[kScrambleKeyBytes]) {
    if (std::strlen(text) != 2 * kScrambleKeyBytes) return false;
    for (int i = 0; i < kScrambleKeyBytes; ++i) {
        unsigned value = 0;
        for (int j = 0; j < 2; ++j) {
            const char c = text[2 * i + j];
            if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
            value = value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c))
                                                           ? c - '0'
                                                           : std::tolower(c) - 'a' + 10);
        }
        key[i] = static_cast<uint8_t>(value);
    }
    return true;
}

// Reads a product file or text form; false after saying why (with the file's
// name when the complaint is about a line of it).
bool ReadProduct(const char* path, ProductTable& table, std::FILE* err) {
    const ProductFileStatus read = ReadHarnessProduct(path, table);
    if (!read.ok) {
        std::fprintf(err, "%s%s%s\n", read.line > 0 ? path : "", read.line > 0 ? ": " : "",
                     read.message.c_str());
    }
    return read.ok;
}

int Pack(std::span<char* const> args, std::FILE* err) {
    if (args.size() < 2) {
        std::fprintf(err, "product pack: give the text form and the file to write\n");
        return kExitUsage;
    }
    ProductLayout layout = ProductLayout::kCurrent;
    uint8_t key[kScrambleKeyBytes] = {};
    bool scramble = false;
    for (size_t i = 2; i < args.size(); ++i) {
        if (std::strcmp(args[i], "--older") == 0) {
            layout = ProductLayout::kOlder;
        } else if (std::strcmp(args[i], "--scramble") == 0 && i + 1 < args.size() &&
                   ParseKey(args[i + 1], key)) {
            scramble = true;
            ++i;
        } else {
            std::fprintf(err, "product pack: --scramble needs a key of 16 hex digits\n");
            return kExitUsage;
        }
    }
    auto table = std::make_unique<ProductTable>();
    if (!ReadProduct(args[0], *table, err)) return kExitBadInput;
    const std::vector<uint8_t> bytes = EncodeProductFile(*table, layout, scramble ? key : nullptr);
    if (bytes.empty()) {
        std::fprintf(err,
                     "product pack: %s cannot be written in the older layout (kind-99 terms, "
                     "a result switch or a pKa)\n",
                     args[0]);
        return kExitBadInput;
    }
    if (win::ReplaceLinuxFileContents(args[1], bytes.data(), bytes.size()) == win::FALSE) {
        std::fprintf(err, "product pack: %s\n",
                     win::FailedLinuxWriteText("Writing", args[1]).c_str());
        return kExitBadInput;
    }
    return kExitOk;
}

int Show(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    if (args.size() != 1) {
        std::fprintf(err, "product show: give one product file\n");
        return kExitUsage;
    }
    auto table = std::make_unique<ProductTable>();
    if (!ReadProduct(args[0], *table, err)) return kExitBadInput;
    std::fputs(FormatProductText(*table).c_str(), out);
    return kExitOk;
}

}  // namespace

int CmdProduct(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    if (!args.empty() && std::strcmp(args[0], "pack") == 0) return Pack(args.subspan(1), err);
    if (!args.empty() && std::strcmp(args[0], "show") == 0) return Show(args.subspan(1), out, err);
    std::fprintf(err, "product: pack TEXT OUT [--older] [--scramble KEY] | show FILE\n");
    return kExitUsage;
}
