#!/usr/bin/env bash
# Runs a command with a private Xvfb display when none is set, and shuts the
# project's Wine server down before the display goes away.
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${VELTRANO_WINEPREFIX:-$root/build/wineprefix}"

xvfb_pid=""
if [ -z "${DISPLAY:-}" ]; then
  for _ in $(seq 1 20); do
    disp=$((200 + (RANDOM % 700)))
    [ -e "/tmp/.X11-unix/X$disp" ] && continue
    Xvfb ":$disp" -nolisten tcp -screen 0 1280x800x24 >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$disp" ] && break
      sleep 0.1
    done
    if [ -e "/tmp/.X11-unix/X$disp" ]; then export DISPLAY=":$disp"; break; fi
    kill "$xvfb_pid" 2>/dev/null; xvfb_pid=""
  done
  [ -n "$xvfb_pid" ] || { echo "with-xvfb: could not start Xvfb" >&2; exit 1; }
fi

"$@"
rc=$?
if [ -n "$xvfb_pid" ]; then
  wineserver -k >/dev/null 2>&1
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
fi
exit $rc
