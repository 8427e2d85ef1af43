#!/usr/bin/env bash
# Runs a Windows program under Wine the way the project's tests need it:
# a private prefix under build/, code page 936 (zh_CN.UTF-8) unless asked
# otherwise, CJK font replacements, no debug chatter, and a private Xvfb
# when no display is set.
set -u

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# VELTRANO_LOGPIXELS=144 runs in a prefix of its own whose screen has that
# DPI, as a user's at 150 %.
logpixels="${VELTRANO_LOGPIXELS:-}"
# VELTRANO_CODEPAGE=1252 runs in a prefix of its own as an English Windows:
# code page 1252 (en_US.UTF-8), the same Chinese fonts, and a documents
# folder whose path holds characters that code page lacks.
codepage="${VELTRANO_CODEPAGE:-936}"
case "$codepage" in
  936) locale=zh_CN.UTF-8; codepage="" ;;
  1252) locale=en_US.UTF-8 ;;
  *) echo "wine-run: no locale for code page $codepage" >&2; exit 2 ;;
esac
english_documents='C:\users\张伟\Documents'
export WINEPREFIX="${VELTRANO_WINEPREFIX:-$root/build/wineprefix${logpixels:+-dpi$logpixels}${codepage:+-cp$codepage}}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=$locale LC_ALL=$locale

mkdir -p "$(dirname "$WINEPREFIX")"

# Without a display, run again inside a private one.
if [ -z "${DISPLAY:-}" ]; then
  exec "$root/tools/with-xvfb.sh" "$0" "$@"
fi

# Make the prefix once; parallel test runs wait for the first to finish.
(
  flock 9
  if [ ! -f "$WINEPREFIX/.prepared-3" ]; then
    wineboot -i >/dev/null 2>&1
    # Wine draws the frames itself: without this it waits up to two seconds
    # for a window manager at every window it hides, and a test display has none.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    # Song (宋体) and Kai (楷体) faces of the program, in a Ming and a Kai font
    # whose small sizes keep every stroke.
    for face in 宋体 SimSun; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "AR PL UMing CN" /f >/dev/null 2>&1
    done
    for face in 楷体_GB2312 楷体_gb2312 KaiTi_GB2312; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "AR PL UKai CN" /f >/dev/null 2>&1
    done
    if [ -n "$logpixels" ]; then
      wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$logpixels" /f >/dev/null 2>&1
    fi
    if [ -n "$codepage" ]; then
      # An English Windows draws Chinese in Arial (the lunar labels) through
      # its font fallback; Wine falls back to a Chinese font only on a
      # Chinese code page, so the link is named here.
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Arial \
        /t REG_MULTI_SZ /d 'uming.ttc,AR PL UMing CN' /f >/dev/null 2>&1
      mkdir -p "$WINEPREFIX/drive_c/users/张伟/Documents"
      for folders in 'User Shell Folders' 'Shell Folders'; do
        wine reg add "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\$folders" /v Personal \
          /t REG_SZ /d "$english_documents" /f >/dev/null 2>&1
      done
    fi
    wineserver -w
    touch "$WINEPREFIX/.prepared-3"
  fi
) 9>"$WINEPREFIX.lock"

wine "$@"
