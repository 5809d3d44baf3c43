#!/bin/bash
# Package-script decryption speed and memory, natively and under Wine, against
# OpenSSL's AES-128-ECB on the same ciphertext. A benchmark, not a test: it
# prints figures and fails only when a result is wrong.
#
#   tools/bench/cipher-bench.sh [MiB]        (default 64)
#
# Whole-process comparisons use BENCH_TIMER when it is set: a command called as
#   $BENCH_TIMER --vs 'COMMAND_B' -- COMMAND_A
# that runs both several times and prints medians. Without it each command
# runs five times under /usr/bin/time and the median wall time is printed.
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
mib="${1:-64}"
work="$root/build/cipher-bench"
native="$root/build/bench-native"
jobs="${BENCH_JOBS:-2}"

say() { printf '\n== %s\n' "$*"; }

# --- builds: optimised, without sanitizers, only the benchmark program -------
say "building cipher_bench (native, Release)"
cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQX_SANITIZE=OFF >/dev/null
cmake --build "$native" --target cipher_bench -j"$jobs" >/dev/null

. "$root/tools/env/wine-env.sh"
if bench_can_run_32bit; then
    win="$root/build/bench-win"; arch=i686; flavour="32-bit"
else
    # Where 32-bit code cannot run at all, the same sources as a 64-bit program.
    win="$root/build/bench-win64"; arch=x86_64; flavour="64-bit"
fi
say "building cipher_bench.exe ($flavour Windows, Release)"
cmake -S "$root" -B "$win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw.cmake" -DQX_MINGW_ARCH=$arch -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$win" --target cipher_bench -j"$jobs" >/dev/null
bench="$native/tools/bench/cipher_bench"
bench_exe="$win/tools/bench/cipher_bench.exe"

# --- data -------------------------------------------------------------------
rm -rf "$work" && mkdir -p "$work/big" "$work/small"
say "making ${mib} MiB of random plain text and its package form"
"$bench" prepare "$work/big" "$mib"
"$bench" prepare "$work/small" 8
key="$(cat "$work/big/key.hex")"
echo "AES-128 key of the package set-up: $key"

# --- correctness first: all three decryptions agree -------------------------
say "checking results"
"$bench" decrypt "$work/big/package.nsx" "$work/big/native.bin" >/dev/null
"$bench" verify "$work/big/plain.bin" "$work/big/native.bin"
openssl enc -d -aes-128-ecb -nopad -K "$key" -in "$work/big/body.bin" -out "$work/big/openssl.bin"
cmp "$work/big/native.bin" "$work/big/openssl.bin" && echo "openssl output is identical"
(cd "$work/big" && "$root/tools/env/wine-run.sh" "$bench_exe" decrypt package.nsx wine.bin >/dev/null)
cmp "$work/big/native.bin" "$work/big/wine.bin" && echo "Windows build output is identical"

# --- in-process throughput --------------------------------------------------
say "in-process DecryptToFile throughput (three runs each)"
for i in 1 2 3; do printf 'native:  '; "$bench" decrypt "$work/big/package.nsx" "$work/big/native.bin"; done
for i in 1 2 3; do
    printf 'wine:    '
    (cd "$work/big" && "$root/tools/env/wine-run.sh" "$bench_exe" decrypt package.nsx wine.bin)
done

# --- whole-process comparison -----------------------------------------------
median_run() {  # median wall seconds and largest max RSS of five runs of "$@"
    local times=() rss=0 line
    for _ in 1 2 3 4 5; do
        /usr/bin/time -f '%e %M' -o "$work/time.txt" "$@" >/dev/null 2>&1
        line="$(tail -1 "$work/time.txt")"
        times+=("${line% *}")
        [ "${line#* }" -gt "$rss" ] && rss="${line#* }"
    done
    printf '%s median wall s, %s KiB max RSS\n' "$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)" "$rss"
}

compare() {  # compare 'label' 'A command' 'B command'
    say "$1"
    if [ -n "${BENCH_TIMER:-}" ]; then
        # shellcheck disable=SC2086
        $BENCH_TIMER --vs "$3" -- $2
    else
        printf 'A: '; median_run $2
        printf 'B: '; median_run $3
    fi
}

cd "$work/big"
openssl_cmd="openssl enc -d -aes-128-ecb -nopad -K $key -in body.bin -out openssl.bin"
# OpenSSL without AES-NI: a table implementation like ours, for a like-for-like figure.
openssl_soft="env OPENSSL_ia32cap=~0x200000200000000 $openssl_cmd"
compare "A = native cipher_bench decrypt, B = openssl (AES-NI)" \
    "$bench decrypt package.nsx native.bin" "$openssl_cmd"
compare "A = native cipher_bench decrypt, B = openssl without AES-NI" \
    "$bench decrypt package.nsx native.bin" "$openssl_soft"
compare "A = Windows cipher_bench.exe under Wine, B = openssl (AES-NI)" \
    "$root/tools/env/wine-run.sh $bench_exe decrypt package.nsx wine.bin" "$openssl_cmd"

# --- memory: constant in the file size ----------------------------------------
say "peak memory of one native decryption (max RSS)"
for size in small big; do
    /usr/bin/time -f '%M' -o "$work/time.txt" "$bench" decrypt "$work/$size/package.nsx" "$work/$size/out.bin" >/dev/null
    rss="$(tail -1 "$work/time.txt")"
    printf '%-6s %6s MiB file: %s KiB\n' "$size" "$(( $(stat -c %s "$work/$size/plain.bin") / 1048576 ))" "$rss"
done
