#!/usr/bin/env bash
# Proves that each shipped program runs on the Windows it declares:
#   import-floor.sh <objdump> <major.minor> <windows-imports.txt> <program.exe>...
# Each exe's header must declare <major.minor> as its operating-system and
# subsystem version, and every function it imports must be listed in
# <windows-imports.txt> with a minimum Windows no newer than that.
set -euo pipefail
objdump=$1 floor=$2 list=$3
shift 3
failures=0
declare -A minimum
while read -r dll function version; do
  minimum["${dll^^} $function"]=$version
done < <(grep -v '^#' "$list")
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
newer() { awk -v a="$1" -v b="$2" 'BEGIN { split(a, x, "."); split(b, y, "."); exit !(x[1] > y[1] || (x[1] == y[1] && x[2] > y[2])) }'; }

for exe in "$@"; do
  name=$(basename "$exe")
  before=$failures
  headers=$("$objdump" -p "$exe")
  for field in OSystem Subsystem; do
    declared=$(awk -v f="$field" '$1 == "Major" f "Version" { major = $2 } $1 == "Minor" f "Version" { minor = $2 }
      END { print major "." minor }' <<<"$headers")
    [ "$declared" = "$floor" ] || fail "$name declares $field version $declared, not $floor"
  done
  imports=$(awk '/^\tDLL Name: / { dll = toupper($3); next } dll && /^\t[0-9a-f]+\t/ { print dll, $NF }' <<<"$headers")
  [ -n "$imports" ] || fail "$name: no imports read"
  while read -r dll function; do
    since=${minimum["$dll $function"]:-}
    if [ -z "$since" ]; then
      fail "$name imports $dll $function, which $(basename "$list") does not list"
    elif newer "$since" "$floor"; then
      fail "$name imports $dll $function, from Windows $since; the programs declare $floor (look it up at run time)"
    fi
  done <<<"$imports"
  [ "$failures" != "$before" ] || echo "$name: $(wc -l <<<"$imports") imports, all on Windows $floor"
done
[ "$failures" = 0 ]
