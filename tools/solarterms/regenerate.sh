#!/bin/sh
# Rebuilds the solar term generator and rewrites engine/solar_term_table.inc.
# Needs only a host g++ with C++20; the series data is in the .inc files here.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT

g++ -O2 -std=c++20 -o "$build/gen_solar_terms" "$here/gen_solar_terms.cpp"
"$build/gen_solar_terms" "$root/engine/solar_term_table.inc"
echo "wrote $root/engine/solar_term_table.inc"
