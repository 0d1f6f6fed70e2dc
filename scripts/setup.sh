#!/bin/sh
# Installs the Debian packages the build, the tests and the benchmarks need, when they are
# missing. Run as root (or with sudo available). Touches nothing when all are present.
set -eu
# zlib, libdeflate and OpenSSL are peers of the checksum tests and benchmarks only, Boost
# (dynamic_bitset) of the bit field benchmark, trash-cli (trash-list, trash-restore) of the
# recycle-bin tests, xdg-utils (xdg-mime) and shared-mime-info of the program-association
# tests, Chromium of the test that renders produced HTML pages; the library uses none of them.
# SQLite holds the registry's stores. GTK 3 builds the save-dialog module (loaded at run time,
# never linked by the core); Xvfb, xdotool and ImageMagick's import drive and photograph that
# dialog in its test.
# FreeType renders the canvases' text, fontconfig finds the fonts, libpng writes and reads bitmaps.
# DejaVu is the font that is always there; the URW fonts are PostScript-outline fonts for the
# TrueType test. cairo is the drawing benchmark's peer and makes the printer's PDF, libcups hands
# it to the spooler. CUPS with the cups-pdf printer and poppler's pdftoppm serve the printing test.
packages="cmake ninja-build g++ clang libgtest-dev libgmock-dev libbenchmark-dev pkg-config locales
zlib1g-dev libdeflate-dev libssl-dev libboost-dev trash-cli libsqlite3-dev xdg-utils shared-mime-info
chromium libgtk-3-dev xvfb xauth xdotool imagemagick libfreetype-dev libfontconfig-dev libpng-dev
fonts-dejavu-core fonts-urw-base35 libcairo2-dev libcups2-dev cups printer-driver-cups-pdf poppler-utils"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -z "$missing" ]; then
  echo "setup: all build packages are installed"
  exit 0
fi
echo "setup: installing$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
