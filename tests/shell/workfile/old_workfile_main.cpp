// old-workfile VERSION PATH: writes a generated work file of an older version,
// with no water entered and no result flag set, for scripted runs.
#include <cstdio>
#include <cstdlib>

#include "tests/shell/workfile/legacy_fixture.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: old-workfile VERSION PATH\n");
        return 2;
    }
    const int version = std::atoi(argv[1]);
    if (version < -32768 || version > 555) {
        std::fprintf(stderr, "old-workfile: versions up to 555 only\n");
        return 2;
    }
    oldfile::Steady steady;
    steady.noFlags = true;
    const oldfile::Fixture f = oldfile::Make(version, oldfile::WorkspaceBefore(steady), steady);
    std::FILE* out = std::fopen(argv[2], "wb");
    if (out == nullptr) return 1;
    const bool written = std::fwrite(f.file.data(), 1, f.file.size(), out) == f.file.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
}
