#!/bin/sh
# Installs the Debian packages that building and testing Tarvex needs.
# Runs apt-get only when something is missing, so repeated builds stay quick.
set -e

PACKAGES="cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
libcairo2-dev libfreetype-dev fonts-liberation libx11-dev qpdf poppler-utils \
clang-14 libclang-rt-14-dev netpbm imagemagick zlib1g-dev pngcheck libjpeg-turbo-progs libjpeg-dev libtiff-tools xvfb xdotool xclip x11-utils twm"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

[ -z "$missing" ] && exit 0

echo "installing:$missing"
SUDO=""
if [ "$(id -u)" != "0" ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends $missing
