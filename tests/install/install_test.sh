#!/bin/sh
# Installs the built library into a temporary prefix, runs the installed zubkit, and builds a
# small client against the prefix, once through the CMake package and once through pkg-config.
# Nothing runs with LD_LIBRARY_PATH: the programs find the library through their run paths.
set -eu
build_dir=$1
cxx=$2
src_dir=$(cd "$(dirname "$0")" && pwd)
# The real path, so that it matches what the loader makes of $ORIGIN.
work=$(cd "$(mktemp -d)" && pwd -P)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

# loads_from_prefix PROGRAM: PROGRAM's libzubcorekit is the one in the prefix.
loads_from_prefix() {
  lib=$(env -u LD_LIBRARY_PATH ldd "$1" | grep libzubcorekit) || true
  case "$lib" in
    *"=> $prefix/"*) ;;
    *) echo "$1 does not load libzubcorekit from $prefix: '$lib'"; exit 1 ;;
  esac
}

if [ "${ZUB_TOOLS:-OFF}" = ON ]; then
  zubkit=$(find "$prefix" -type f -name zubkit | head -n 1)
  [ -n "$zubkit" ] || { echo "zubkit is not installed"; exit 1; }
  loads_from_prefix "$zubkit"
  out=$(env -u LD_LIBRARY_PATH "$zubkit" --version)
  [ "$out" = "zubkit $ZUB_VERSION" ] || { echo "installed zubkit --version printed '$out'"; exit 1; }
fi

cmake -S "$src_dir/client" -B "$work/cmake-client" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/cmake-client" >/dev/null
loads_from_prefix "$work/cmake-client/client"
out=$(env -u LD_LIBRARY_PATH "$work/cmake-client/client")
[ "$out" = "semicolon 2.5" ] || { echo "find_package client printed '$out'"; exit 1; }

# The pkg-config client asks for a standard after C++20 and links as the README tells clients
# of a non-system prefix to: with a run path to the package's libdir.
std=c++23
echo 'int main() {}' | "$cxx" -std=$std -x c++ -fsyntax-only - 2>/dev/null || std=c++2b
pcdir=$(dirname "$(find "$prefix" -name zubcorekit.pc | head -n 1)")
flags=$(PKG_CONFIG_PATH="$pcdir" pkg-config --cflags --libs zubcorekit)
libdir=$(PKG_CONFIG_PATH="$pcdir" pkg-config --variable=libdir zubcorekit)
# shellcheck disable=SC2086
"$cxx" -std=$std -DZUB_CLIENT_AFTER_CXX20 $CXXFLAGS_EXTRA "$src_dir/client/main.cpp" -o "$work/pc-client" \
  $flags -Wl,-rpath,"$libdir" $LDFLAGS_EXTRA
loads_from_prefix "$work/pc-client"
out=$(env -u LD_LIBRARY_PATH "$work/pc-client")
[ "$out" = "semicolon 2.5" ] || { echo "pkg-config client printed '$out'"; exit 1; }
echo "installed zubkit runs; the package builds clients with find_package and pkg-config (-std=$std)"
