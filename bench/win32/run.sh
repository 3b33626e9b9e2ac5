#!/bin/sh
# Builds the Win32 benchmark program and runs it under Wine on a private
# Xvfb display: ./bench/win32/run.sh [waits] [chain] [pump] [loop] [capture]
set -e
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
cd "$ROOT"
. "$ROOT/tools/wine-env"
wine_detect
cmake -S . -B "build/win-$OMBRELT_WIN_ARCH" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$OMBRELT_WIN_ARCH.cmake" -DOMBRELT_WINE="$WINE" >/dev/null
cmake --build "build/win-$OMBRELT_WIN_ARCH" --target ombrelt_wine_bench >/dev/null
wine_start
trap 'wine_stop' EXIT INT TERM
"$WINE" "build/win-$OMBRELT_WIN_ARCH/bench/win32/ombrelt_wine_bench.exe" "$@"
