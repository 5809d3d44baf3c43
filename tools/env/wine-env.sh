# Sourced by the Wine bench scripts: a private Wine prefix, a display, a
# persistent wineserver. Safe to source from many processes at once.
_bench_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$_bench_root/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts, no desktop menu entries.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=d;winemenubuilder.exe=d}"

bench_start_display() {
    if [ -n "${DISPLAY:-}" ]; then return 0; fi
    local num="${WINE_BENCH_DISPLAY:-77}"
    export DISPLAY=":$num"
    if [ -e "/tmp/.X${num}-lock" ] && kill -0 "$(tr -d ' ' < "/tmp/.X${num}-lock")" 2>/dev/null; then
        return 0
    fi
    rm -f "/tmp/.X${num}-lock" "/tmp/.X11-unix/X${num}"
    (Xvfb ":$num" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &)
    for _ in $(seq 1 50); do
        [ -e "/tmp/.X11-unix/X${num}" ] && return 0
        sleep 0.1
    done
    echo "wine bench: Xvfb on :$num did not start" >&2
    return 1
}

bench_init_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.bench-ready" ]; then
            echo "wine bench: creating prefix $WINEPREFIX" >&2
            wineboot -i >/dev/null 2>&1 || true
            wineserver -w
            touch "$WINEPREFIX/.bench-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
    # A persistent server makes each later wine start fast.
    wineserver -p >/dev/null 2>&1 || true
}

bench_start_display && bench_init_prefix
