#!/usr/bin/env bash
# Kills a running Razo at random moments while Ctrl+S writes a 50 MB page into its own file (the
# page has a second name), starts it again, takes the default answer and checks that the page
# holds its old or its new text, byte for byte, with nothing left in the cache. Prints the counts.
#   scripts/save-kill-stress.sh [rounds]     (default 40; about two seconds a round)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${RAZO_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" --target InPlaceSaveGuiTest >/dev/null
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
QT_QPA_PLATFORM=offscreen XDG_STATE_HOME="$scratch/state" XDG_CONFIG_HOME="$scratch/config" \
  RAZO_KILL_ROUNDS="${1:-40}" "$build/tests/InPlaceSaveGuiTest" killsAtRandomMomentsOfALargeSave 2>&1 |
  grep -E "^(QINFO|PASS|FAIL|Totals)|Loc:"
