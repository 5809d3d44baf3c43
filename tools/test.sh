#!/bin/bash
# The whole suite: native logic under sanitizers, the shipped 32-bit build,
# and the Windows tests under Wine (Xvfb when there is no display).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tools/env/ensure-deps.sh

echo "== native logic tests (AddressSanitizer + UBSan)"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j2
(cd build/native && ctest --output-on-failure -j2)

echo "== shipped 32-bit Windows build"
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw.cmake -DQX_MINGW_ARCH=i686 -DCMAKE_BUILD_TYPE=Release >/dev/null
. tools/env/wine-env.sh
if bench_can_run_32bit; then
    cmake --build build/win -j2
else
    # Only the programs: their tests run from the 64-bit build below.
    cmake --build build/win -j2 --target setup trombela qxpack trace_monitor demo_walker
    for exe in build/win/setup/setup.exe build/win/trombela/trombela.exe; do
        file "$exe" | grep -q 'PE32 executable.*Intel 80386' || { echo "$exe is not a 32-bit Windows program" >&2; exit 1; }
    done
fi

if bench_can_run_32bit; then
    bench=build/win
else
    echo "== this machine cannot execute 32-bit code: Windows tests run on the 64-bit build of the same sources"
    bench=build/win64
    cmake -S . -B build/win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw.cmake -DQX_MINGW_ARCH=x86_64 -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build/win64 -j2
fi
if [ -x tools/env/cups-start.sh ]; then tools/env/cups-start.sh; fi
bench_start_display
echo "== Windows tests under Wine ($bench, DISPLAY=$DISPLAY)"
status=0
(cd "$bench" && ctest --output-on-failure --timeout 600) || status=$?
# Screenshots the Windows tests saved, as PNG for a person to look at.
find "$bench/artifacts" -name '*.bmp' 2>/dev/null | while read -r bmp; do
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
[ -d "$bench/artifacts" ] && echo "screenshots: $bench/artifacts/"
exit $status
