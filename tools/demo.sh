#!/bin/bash
# Builds setup, trombela and the demo package, then opens setup on the demo
# under Wine. Without a display it runs under Xvfb, walks the wizard by
# itself and saves a screenshot of every page it passes.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tools/env/ensure-deps.sh
. tools/env/wine-env.sh
if bench_can_run_32bit; then
    out=build/win; arch=i686
else
    echo "this machine cannot execute 32-bit code: the demo runs the 64-bit build of the same sources" >&2
    out=build/win64; arch=x86_64
fi
cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw.cmake -DQX_MINGW_ARCH=$arch -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out" -j2
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j2 --target qxpack

demo="$root/build/demo"
rm -rf "$demo"
mkdir -p "$demo/plain/DiskImage1" "$demo/screens"
cp -r demo/package/. "$demo/plain/"
# The uncompressed payload: the product and the texts its pages show.
if [ -f "$out/trombela/trombela.exe" ]; then cp "$out/trombela/trombela.exe" "$demo/plain/DiskImage1/F0_trombela.exe"; fi
cp demo/package/*.rtf "$demo/plain/DiskImage1/"
build/native/tools/qxpack/qxpack "$demo/plain" "$demo/package"
cp "$out/setup/setup.exe" "$demo/package/"
echo "demo package: $demo/package"

interactive=1
if [ -z "${DISPLAY:-}" ] || [ "${QX_DEMO_WALK:-}" = 1 ]; then interactive=0; fi
bench_select_flavour "$out/setup/setup.exe"
bench_use_flavour "$BENCH_FLAVOUR"
bench_start_display
bench_init_prefix
if [ "$interactive" = 1 ]; then
    cd "$demo/package" && exec "$BENCH_WINE" setup.exe
fi
# Wine shows the Unix root as drive Z:.
winpath() { local p="${1//\//\\}"; echo "Z:$p"; }
# Through the bench runner, so Wine's service processes do not hold on to
# this script's output.
tools/env/wine-run.sh "$out/tools/demo_walker/demo_walker.exe" "$(winpath "$demo/package")" "$(winpath "$demo/screens")"
for bmp in "$demo"/screens/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "screenshots of the pages passed: $demo/screens/"
ls "$demo/screens"
