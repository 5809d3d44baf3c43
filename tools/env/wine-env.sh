# Sourced by the Wine bench scripts: a private Wine prefix, a display, a
# persistent wineserver. Safe to source from many processes at once.
#
# Some machines (virtual machines whose host runs 64-bit user code only)
# cannot execute any 32-bit code, so 32-bit Wine cannot start there. On such a
# machine the bench runs the 64-bit build of the same sources in a 64-bit
# prefix; bench_can_run_32bit tells which case this is.
_bench_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts, no desktop menu entries.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=d;winemenubuilder.exe=d}"

bench_can_run_32bit() {
    if [ -z "${_bench_32bit_checked:-}" ]; then
        _bench_32bit_checked=1
        _bench_32bit=1
        # The 32-bit loader itself is the simplest 32-bit program on the machine.
        if [ -e /lib/ld-linux.so.2 ]; then
            /lib/ld-linux.so.2 --version >/dev/null 2>&1 || _bench_32bit=0
        else
            _bench_32bit=0
        fi
    fi
    [ "$_bench_32bit" = 1 ]
}

# Which Wine flavour runs the given program (PE32 or PE32+).
bench_select_flavour() {
    local exe="$1" magic=""
    if [ -f "$exe" ]; then
        magic="$(od -An -tx1 -j "$(( $(od -An -tu4 -j 60 -N 4 "$exe" | tr -d ' ') + 24 ))" -N 2 "$exe" | tr -d ' ')"
    fi
    case "$magic" in
        0b02) BENCH_FLAVOUR=64 ;;
        *) BENCH_FLAVOUR=32 ;;
    esac
}

bench_use_flavour() {
    if [ "$1" = 64 ]; then
        export WINEARCH=win64
        export WINEPREFIX="${WINE_BENCH_PREFIX64:-$_bench_root/build/wineprefix64}"
        BENCH_WINE=/usr/lib/wine/wine64
        [ -x "$BENCH_WINE" ] || BENCH_WINE="$(command -v wine64 || echo wine64)"
        BENCH_WINESERVER=/usr/lib/wine/wineserver64
    else
        export WINEARCH=win32
        export WINEPREFIX="${WINE_BENCH_PREFIX32:-$_bench_root/build/wineprefix}"
        BENCH_WINE="$(command -v wine)"
        BENCH_WINESERVER=/usr/lib/wine/wineserver32
    fi
    [ -x "$BENCH_WINESERVER" ] || BENCH_WINESERVER="$(command -v wineserver || echo wineserver)"
    export WINESERVER="$BENCH_WINESERVER"
}

bench_start_display() {
    if [ -n "${DISPLAY:-}" ]; then return 0; fi
    # Each checkout gets a display of its own: two prefixes drawing their
    # Wine desktops on one display would paint over each other.
    local num="${WINE_BENCH_DISPLAY:-$(( 70 + $(printf '%s' "$_bench_root" | cksum | cut -d' ' -f1) % 400 ))}"
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
            "$BENCH_WINE" wineboot -i >/dev/null 2>&1 || true
            # A Wine-drawn desktop gives windows their title bars and frames
            # without a window manager, so screenshots look as on Windows.
            "$BENCH_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 || true
            "$BENCH_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1 || true
            "$BENCH_WINESERVER" -w
            touch "$WINEPREFIX/.bench-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
    # A persistent server makes each later wine start fast.
    "$BENCH_WINESERVER" -p >/dev/null 2>&1 || true
}
