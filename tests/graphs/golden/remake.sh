#!/bin/sh
# Remakes the golden pictures of the 2D and 3D graphs from the current build: run
# from the repository root, with the build folder as $1. Look at them before
# committing (convert FILE.ppm FILE.png).
set -e
BUILD="${1:-build}"
sh tests/graphs/golden/pictures.sh "$BUILD/tarvex-engine" . tests/graphs/golden
