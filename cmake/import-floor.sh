#!/usr/bin/env bash
# Proves that each program runs on the oldest Windows the suite supports, and
# safely where a user unpacked it:
#   import-floor.sh <objdump> <program.exe>...
# windows-imports.txt beside this script names that Windows (its "floor"
# line), the DLLs a program may import ("dll" lines) and the Windows each
# imported function needs. Each exe's header must declare the floor as its
# operating-system and subsystem version and ask for ASLR, DEP and no
# Remote Desktop shims; it may import only the listed DLLs; and every
# function it imports must be listed with a minimum Windows no newer.
set -euo pipefail
list=$(dirname "$0")/windows-imports.txt
objdump=$1
shift
failures=0
floor=
declare -A minimum allowed
while read -r dll function version; do
  case $dll in
    floor) floor=$function ;;
    dll) allowed["${function^^}"]=1 ;;
    *) minimum["${dll^^} $function"]=$version ;;
  esac
done < <(grep -v -e '^#' -e '^$' "$list")
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
  flags=$(awk '$1 == "DllCharacteristics" { on = 1; next } on && /^\t\t/ { print $1; next } { on = 0 }' <<<"$headers")
  for flag in DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE; do
    grep -qx "$flag" <<<"$flags" || fail "$name: its header does not ask for $flag"
  done
  while read -r dll; do
    [ -n "${allowed[$dll]:-}" ] ||
      fail "$name imports $dll, which Windows may take from the program's folder (load it from the system directory at run time)"
  done < <(awk '/^\tDLL Name: / { print toupper($3) }' <<<"$headers")
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
  [ "$failures" != "$before" ] ||
    echo "$name: $(wc -l <<<"$imports") imports from $(awk '/^\tDLL Name: / { printf "%s%s", sep, $3; sep = " " }' <<<"$headers"), all on Windows $floor; $(paste -sd' ' <<<"$flags")"
done
[ "$failures" = 0 ]
