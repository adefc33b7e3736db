#!/usr/bin/env bash
# Builds the shipped programs a second time, from a copy of these sources at
# another path with the win32 preset, and compares the programs and the
# release archive packed from each build byte for byte:
#   reproducible_test.sh <objdump> <build dir> <archive folder> <program.exe>...
# The copy holds the working tree's files as they are now (tracked and new
# ones, none that git ignores), so uncommitted changes are in both builds; the
# first build must be up to date with them, as ctest's is after a build.
objdump=$1 build=$2 folder=$3
shift 3
source "$(dirname "$0")/../e2e/lib.sh"

copy=$work/sources
second=$copy/build/win32
mkdir -p "$copy"
(
  cd "$root"
  git ls-files -co --exclude-standard -z | while IFS= read -r -d '' file; do
    [ ! -e "$file" ] || printf '%s\0' "$file"  # not those deleted but not yet committed
  done | xargs -0 cp -P --parents -t "$copy"
)
firsts=("$@") seconds=() targets=()
for program in "$@"; do
  seconds+=("$second/${program#"$build"/}")
  targets+=("$(basename "$program" .exe)")
done
echo "building ${targets[*]} again in $second"
if ! (cd "$copy" && cmake --preset win32 && cmake --build "$second" --target "${targets[@]}") >"$work/build.log" 2>&1; then
  tail -n 30 "$work/build.log"
  echo "the second build failed"
  exit 1
fi

# The first packing dates its entries from git, as a release does; the copy is
# no git checkout and is told that date.
epoch=$(git -C "$root" log -1 --format=%ct)
unset SOURCE_DATE_EPOCH
(cd "$root" && python3 cmake/pack_release.py "$work/first.zip" "$folder" docs/guide-ja.txt LICENSE "${firsts[@]}") >/dev/null
(cd "$copy" && SOURCE_DATE_EPOCH=$epoch python3 cmake/pack_release.py "$work/second.zip" "$folder" \
  docs/guide-ja.txt LICENSE "${seconds[@]}") >/dev/null

same() {  # same <first> <second>; says how they differ when they do
  sha256sum "$1" "$2"
  cmp -s "$1" "$2" && return 0
  echo "differ: $1 $2 ($(cmp -l "$1" "$2" 2>/dev/null | wc -l) bytes; sizes $(stat -c %s "$1" "$2" | paste -sd ' '))"
  if [[ $1 = *.exe ]]; then
    diff <("$objdump" -p "$1" | tail -n +3) <("$objdump" -p "$2" | tail -n +3) | head -n 20
  fi
  return 1
}

for i in "${!firsts[@]}"; do
  check "$(basename "${firsts[$i]}"): the same bytes from both builds" same "${firsts[$i]}" "${seconds[$i]}"
done
check "the release archive: the same bytes from both builds" same "$work/first.zip" "$work/second.zip"
finish
