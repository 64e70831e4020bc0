// tarvex-engine tables: the sizes of the reaction and species tables and, on
// request, single rows as the engine's tables hold them once filled.
#include <charconv>
#include <cstring>
#include <string_view>

#include "engine/tables/species_tables.h"
#include "engine/tables/thermo_tables.h"
#include "tools/engine_harness/commands.h"

namespace {

bool ParseIndex(std::string_view text, int limit, int& index) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, index);
    return ec == std::errc() && ptr == end && index >= 0 && index < limit;
}

void PrintReaction(std::FILE* out, int i) {
    std::fprintf(out, "reaction %d: logK25 %.10g deltaH %.10g kcal/mol", i, reactionTable.logK25[i],
                 reactionTable.deltaH[i]);
    for (const LogK25Reset& r : kLogK25Resets)
        if (r.index == i)
            std::fprintf(out, " (logK25 set to %.10g before every calculation)", r.logK25);
    std::fputc('\n', out);
}

void PrintSpecies(std::FILE* out, int i) {
    std::fprintf(out, "species %d: charge %.10g molarMass %.10g g/mol ionSize %.10g\n", i,
                 speciesTable.charge[i], speciesTable.molarMass[i], speciesTable.ionSize[i]);
}

}  // namespace

int CmdTables(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    // Check the whole command line before printing anything.
    for (size_t i = 0; i < args.size(); i += 2) {
        const std::string_view option = args[i];
        const bool reaction = option == "--reaction";
        if (!reaction && option != "--species") {
            std::fprintf(err, "tables: unknown option \"%s\"\n", args[i]);
            return kExitUsage;
        }
        const int limit = reaction ? kReactionCount : kSpeciesCount;
        int index = 0;
        if (i + 1 >= args.size() || !ParseIndex(args[i + 1], limit, index)) {
            std::fprintf(err, "tables: %s needs an index from 0 to %d\n", args[i], limit - 1);
            return kExitUsage;
        }
    }
    InitSpeciesTable();
    std::fprintf(out, "reactions %d\nspecies %d\n", kReactionCount, kSpeciesCount);
    for (size_t i = 0; i < args.size(); i += 2) {
        int index = 0;
        const bool reaction = std::strcmp(args[i], "--reaction") == 0;
        (void)ParseIndex(args[i + 1], reaction ? kReactionCount : kSpeciesCount, index);
        if (reaction)
            PrintReaction(out, index);
        else
            PrintSpecies(out, index);
    }
    return kExitOk;
}
