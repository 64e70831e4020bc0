# What the image harness's checks against outside tools share; sourced by each
# *outside_files.sh with the script's arguments TARVEX_IMAGE [SOURCE_DIR].
# Sets H (the harness), SRC (the source tree), T (a scratch folder removed on
# exit), IM (ImageMagick's own convert) and the counts, and defines:
#   ok / bad WHAT      count a check passed / failed (bad prints FAILED: WHAT)
#   run WHAT COMMAND   runs COMMAND; on failure counts it and shows its output
#   same WHAT A B      the two pictures have the same pixels (compare -metric AE)
H=$(realpath "$1")
SRC=${2:+$(realpath "$2")}
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
# ImageMagick's own convert (a machine may put a stand-in of that name first on PATH).
IM=$(command -v convert-im6.q16 || command -v magick || echo convert)
failed=0
passed=0

ok() { passed=$((passed + 1)); }
bad() {
    echo "FAILED: $*"
    failed=$((failed + 1))
}
run() {  # run WHAT COMMAND...
    local what=$1
    shift
    if ! "$@" >"$T/out.txt" 2>&1; then
        bad "$what: $*"
        sed 's/^/    /' "$T/out.txt"
        return 1
    fi
}
same() {  # same WHAT A B
    local ae
    ae=$(compare -metric AE "$2" "$3" null: 2>&1 | cut -d' ' -f1)
    [ "$ae" = 0 ] && ok || bad "$1: compare -metric AE gives '$ae'"
}
