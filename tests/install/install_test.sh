#!/bin/sh
# Installs the built library into a temporary prefix and builds a small client against it,
# once through the CMake package and once through pkg-config.
set -eu
build_dir=$1
cxx=$2
src_dir=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null

cmake -S "$src_dir/client" -B "$work/cmake-client" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/cmake-client" >/dev/null
out=$(LD_LIBRARY_PATH="$work/prefix/lib:${LD_LIBRARY_PATH:-}" "$work/cmake-client/client")
[ "$out" = "semicolon 2.5" ] || { echo "find_package client printed '$out'"; exit 1; }

pcdir=$(dirname "$(find "$work/prefix" -name zubcorekit.pc | head -n 1)")
flags=$(PKG_CONFIG_PATH="$pcdir" pkg-config --cflags --libs zubcorekit)
# shellcheck disable=SC2086
"$cxx" $CXXFLAGS_EXTRA "$src_dir/client/main.cpp" -o "$work/pc-client" $flags $LDFLAGS_EXTRA
out=$(LD_LIBRARY_PATH="$work/prefix/lib:${LD_LIBRARY_PATH:-}" "$work/pc-client")
[ "$out" = "semicolon 2.5" ] || { echo "pkg-config client printed '$out'"; exit 1; }
echo "installed package builds clients with find_package and pkg-config"
