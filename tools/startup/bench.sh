#!/usr/bin/env bash
# Runs the start-up benchmark under Wine on a private display, in a prefix
# of its own whose headline server is a closed loopback port.
set -eu
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
win="$root/build/win"
# VELTRANO_LOGPIXELS=144 measures on a 144-DPI screen, in a prefix of its own.
export VELTRANO_WINEPREFIX="$root/build/wineprefix-bench${VELTRANO_LOGPIXELS:+-dpi$VELTRANO_LOGPIXELS}"
runs="${1:-11}"

"$root/tools/with-xvfb.sh" bash -c '
  set -eu
  run="$1/tools/wine-run.sh"
  "$run" reg add "HKCU\\SOFTWARE\\Quorvex\\Veltrano" /v NewsHost /t REG_SZ /d 127.0.0.1:9 /f >/dev/null 2>&1
  "$run" reg add "HKCU\\SOFTWARE\\Quorvex\\Veltrano" /v HolidaySource /t REG_SZ /d "" /f >/dev/null 2>&1
  calendar=$(WINEPREFIX="$VELTRANO_WINEPREFIX" winepath -w "$2/app/Veltrano.exe")
  floor=$(WINEPREFIX="$VELTRANO_WINEPREFIX" winepath -w "$2/tools/startup/startup_floor.exe")
  empty=$(WINEPREFIX="$VELTRANO_WINEPREFIX" winepath -w "$2/tools/startup/startup_baseline.exe")
  "$run" "$2/tools/startup/startup_bench.exe" "$calendar" "$floor" "$empty" "$3"
' bench "$root" "$win" "$runs"
