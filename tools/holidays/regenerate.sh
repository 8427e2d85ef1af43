#!/bin/sh
# Rewrites engine/holiday_table.inc from the two holiday sources, installed
# at pinned versions into a temporary folder that is removed afterwards.
# Needs node and npm, and the npm registry; builds and tests never do.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && npm install --silent --no-audit --no-fund --no-save chinese-days@1.5.7 lunar-javascript@1.7.7)
NODE_PATH="$work/node_modules" node "$here/gen_holidays.js" "$root/engine/holiday_table.inc"
echo "wrote $root/engine/holiday_table.inc"
