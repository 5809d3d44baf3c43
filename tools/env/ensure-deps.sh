#!/bin/bash
# Installs what building and testing need, only when something is missing.
set -e
need=()
command -v cmake >/dev/null || need+=(cmake)
command -v ninja >/dev/null || need+=(ninja-build)
command -v g++ >/dev/null || need+=(g++)
command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686 mingw-w64-i686-dev binutils-mingw-w64-i686)
command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64 mingw-w64-x86-64-dev binutils-mingw-w64-x86-64)
[ -d /usr/src/googletest ] || need+=(googletest)
command -v wine >/dev/null || need+=(wine)
# Both Wine flavours: the 32-bit one runs the shipped programs where the
# machine can execute 32-bit code, the 64-bit one runs the bench build elsewhere.
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine32:i386)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xauth >/dev/null || need+=(xauth)
command -v flock >/dev/null || need+=(util-linux)
command -v convert >/dev/null || need+=(imagemagick)
# Wine's own Tahoma and MS Sans Serif, the faces the envelope program asks for.
[ -f /usr/share/wine/fonts/tahoma.ttf ] || need+=(fonts-wine)
command -v openssl >/dev/null || need+=(openssl)
command -v file >/dev/null || need+=(file)
if [ ${#need[@]} -eq 0 ]; then exit 0; fi
echo "installing: ${need[*]}" >&2
if [ "$(id -u)" != 0 ]; then echo "run as root to install: ${need[*]}" >&2; exit 1; fi
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${need[@]}"
