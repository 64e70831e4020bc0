// Hook tables: plain structs of function pointers through which a lower
// subsystem reaches an upper one. Installing a table keeps the default of every
// member the caller leaves null, so an installer sets only what it owns.
#pragma once

namespace hooktable {

// installed.m = given.m, or defaults.m where given.m is null, for each listed member m.
template <auto... Members, class Table>
void InstallOverDefaults(Table& installed, const Table& given, const Table& defaults) {
    ((installed.*Members = given.*Members != nullptr ? given.*Members : defaults.*Members), ...);
}

}  // namespace hooktable
