#!/bin/sh
# `make run` on a fresh copy of the sources (the files git tracks, no build
# folders): it builds the program, its engine harness and the sample products
# and nothing else (no tests, benchmarks or fuzz targets), optimised and
# without sanitizers, in a build folder of its own. The build is planned (the
# commands the build tool would run), not carried out.
#
# usage: make_run_test.sh SOURCE
set -u
SOURCE=$(cd "$1" && pwd)
command -v git >/dev/null 2>&1 || { echo "skipped: git is not installed"; exit 77; }
WORK=$(mktemp -d /tmp/tarvex-makerun-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
FAILED=0
fail() {
  echo "FAILED: $*"
  FAILED=1
}

mkdir "$WORK/clone"
(cd "$SOURCE" && git ls-files -z | tar --null -T - -cf -) | (cd "$WORK/clone" && tar xf -)
cd "$WORK/clone" || exit 2
if ! make -s run-configure RUN_BUILD=build-run >"$WORK/configure" 2>&1; then
  tail -20 "$WORK/configure"
  echo "FAILED: make run-configure"
  exit 1
fi
# The targets `make run` builds, as its build command names them; every
# command that building them from nothing takes.
targets=$(make -s -n run-build RUN_BUILD=build-run | sed -n 's/.*cmake --build .* --target //p')
[ -n "$targets" ] || fail "make run names no targets"
# shellcheck disable=SC2086
ninja -C build-run -t commands $targets >"$WORK/plan" || fail "no build plan"
[ -d "$WORK/clone/build" ] && fail "the everyday build folder was made"
grep -q '^CMAKE_BUILD_TYPE:STRING=Release$' build-run/CMakeCache.txt || fail "not an optimised build"
grep -q '^TARVEX_SANITIZE:BOOL=OFF$' build-run/CMakeCache.txt || fail "the sanitizers are on"
grep -q -- '-fsanitize' "$WORK/plan" && fail "a compile command with a sanitizer"
for made in '-o tarvex ' '-o tarvex-engine ' 'PHOSBA.PRD' 'DTPMP.PRD' 'plmanual.pdf'; do
  grep -q -- "$made" "$WORK/plan" || fail "$made is not built"
done
extra=$(grep -E '(/tests/|/bench/|/fuzz/|gtest|benchmark)' "$WORK/plan" | head -3)
[ -z "$extra" ] || fail "builds more than the program: $extra"
echo "$(wc -l <"$WORK/plan") build commands planned for: $targets"
exit $FAILED
