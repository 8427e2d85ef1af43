#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian 12 machine, if missing.
set -eu

packages=(cmake make g++ python3 python3-ephem mingw-w64 wine64 wine xvfb x11-apps x11-utils imagemagick locales
          fonts-wqy-zenhei fonts-arphic-uming fonts-arphic-ukai libgtest-dev libbenchmark-dev
          python3-icalendar python3-recurring-ical-events nlohmann-json3-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "${missing[@]}"
fi

# Wine takes its code page from the locale: 936 from zh_CN for the tests as
# a Chinese Windows runs them, 1252 from en_US for those of an English one.
generate=0
for name in zh_CN en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8$"; then
    sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$name.UTF-8 UTF-8" /etc/locale.gen || echo "$name.UTF-8 UTF-8" >> /etc/locale.gen
    generate=1
  fi
done
if [ "$generate" = 1 ]; then locale-gen; fi
