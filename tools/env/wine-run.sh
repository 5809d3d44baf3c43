#!/bin/bash
# Runs a Windows program in the project's Wine bench; exit status is the program's.
. "$(dirname "$0")/wine-env.sh" || exit 125
exec wine "$@"
