#!/bin/bash
# Runs a Windows program in the project's Wine bench; exit status is the program's.
. "$(dirname "$0")/wine-env.sh" || exit 125
bench_select_flavour "$1"
if [ "$BENCH_FLAVOUR" = 32 ] && ! bench_can_run_32bit; then
    echo "wine bench: this machine cannot execute 32-bit code, so 32-bit Wine cannot run '$1'." >&2
    echo "wine bench: run the tests from the 64-bit bench build instead:" >&2
    echo "wine bench:   cmake -S . -B build/win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw.cmake -DQX_MINGW_ARCH=x86_64" >&2
    exit 125
fi
bench_use_flavour "$BENCH_FLAVOUR"
bench_start_display || exit 125
bench_init_prefix
# Wine's own service processes, started on demand by the first program,
# would inherit our standard output and keep the caller (ctest) waiting for
# its end long after the program has ended; so the program writes to a file
# that is copied out once it has ended.
out="$(mktemp)"
"$BENCH_WINE" "$@" >"$out" 2>&1 </dev/null
status=$?
cat "$out"
rm -f "$out"
exit $status
