#!/usr/bin/env bash
# Starts the calendar under Wine, in a prefix of its own, with the bundled
# loopback news server as its headline source.
#
# With a display it runs until the user closes the calendar. Without one it
# starts a private virtual display, waits until the window has painted,
# saves build/screenshot.png, prints its path and exits.
set -eu

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe="$root/build/win/app/Veltrano.exe"
newsserver="$root/build/native/tools/newsserver/newsserver"
# VELTRANO_LOGPIXELS=144 shows it on a screen of that DPI (150 %).
dpi="${VELTRANO_LOGPIXELS:-}"
# VELTRANO_CODEPAGE=1252 shows it on an English Windows.
cp="${VELTRANO_CODEPAGE:-}"
[ "$cp" = 936 ] && cp=""
suffix="${dpi:+-dpi$dpi}${cp:+-cp$cp}"
export VELTRANO_WINEPREFIX="$root/build/wineprefix-run$suffix"
shot="$root/build/screenshot$suffix.png"

for f in "$exe" "$newsserver"; do
  [ -x "$f" ] || { echo "run-calendar: $f is missing; build it first (make run does)" >&2; exit 1; }
done

xvfb_pid="" server_pid=""
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  if [ -n "$xvfb_pid" ]; then
    WINEPREFIX="$VELTRANO_WINEPREFIX" wineserver -k >/dev/null 2>&1
    kill "$xvfb_pid" 2>/dev/null
  fi
  return 0
}
trap cleanup EXIT

headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  for _ in $(seq 1 20); do
    disp=$((200 + (RANDOM % 700)))
    [ -e "/tmp/.X11-unix/X$disp" ] && continue
    Xvfb ":$disp" -nolisten tcp -screen 0 1280x800x24 >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$disp" ] && break; sleep 0.1; done
    if [ -e "/tmp/.X11-unix/X$disp" ]; then export DISPLAY=":$disp"; break; fi
    kill "$xvfb_pid" 2>/dev/null; xvfb_pid=""
  done
  [ -n "$xvfb_pid" ] || { echo "run-calendar: could not start Xvfb" >&2; exit 1; }
fi

# The news server on a free loopback port; it prints the port it took.
portfile="$root/build/newsserver.log"
"$newsserver" 0 "$root/tools/newsserver/headlines.txt" >"$portfile" 2>&1 &
server_pid=$!
port=""
for _ in $(seq 1 50); do
  port=$(sed -n 's/.* on 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$portfile" | head -n 1)
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "run-calendar: the news server did not start" >&2; exit 1; }

"$root/tools/wine-run.sh" reg add 'HKCU\SOFTWARE\Quorvex\Veltrano' /v NewsHost /t REG_SZ /d "127.0.0.1:$port" /f >/dev/null 2>&1
# No holiday schedule is fetched: nothing run here reaches beyond the machine.
"$root/tools/wine-run.sh" reg add 'HKCU\SOFTWARE\Quorvex\Veltrano' /v HolidaySource /t REG_SZ /d "" /f >/dev/null 2>&1

if [ "$headless" = 0 ]; then
  "$root/tools/wine-run.sh" "$exe"
  exit 0
fi

"$root/tools/wine-run.sh" "$exe" &
app_pid=$!

# Painted once the title strip's colour, RGB(50, 80, 90), covers its strip;
# then a few seconds more, so the first headline has arrived too.
painted() {
  xwd -root -silent -display "$DISPLAY" 2>/dev/null | convert xwd:- -depth 8 rgb:- 2>/dev/null |
    python3 -c 'import sys; d = sys.stdin.buffer.read(); sys.exit(0 if d.count(bytes((50, 80, 90))) > 3000 else 1)'
}
for _ in $(seq 1 120); do
  painted && break
  sleep 0.5
done
painted || { echo "run-calendar: the calendar window did not appear" >&2; exit 1; }
sleep 5
mkdir -p "$(dirname "$shot")"
"$root/tools/screenshot.sh" "$shot"
echo "The calendar is running on a virtual display; its screenshot: $shot"
kill "$app_pid" 2>/dev/null || true
exit 0
