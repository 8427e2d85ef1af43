#!/usr/bin/env bash
# Runs the fetch probe under Wine on a private display, in a prefix of its own.
set -eu
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
win="$root/build/win"
export VELTRANO_WINEPREFIX="$root/build/wineprefix-bench"
seconds="${1:-25}"

"$root/tools/with-xvfb.sh" bash -c '
  set -eu
  calendar=$(WINEPREFIX="$VELTRANO_WINEPREFIX" winepath -w "$2/app/Veltrano.exe")
  "$1/tools/wine-run.sh" "$2/tools/fetchprobe/fetch_probe.exe" "$calendar" "$3"
' probe "$root" "$win" "$seconds"
