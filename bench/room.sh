#!/usr/bin/env bash
# Velmar asks a room of 100 machines, as shipped, through the recorder's
# stand-ins of the remote calls: 20 that refuse with 53 after 20 s (a name no
# DNS resolves, a machine that is off), 80 that accept after 50 ms. From the
# confirmation to the summary, beside the floor (the slowest machine alone,
# 20 s) and beside the same list asked one after another (the sum of every
# machine's time); the most requests under way at once, Velmar's threads and
# committed memory, and how often its window answered within 100 ms.
#   room.sh <build tree> <prefix> <runs>
tree=$1 prefix=$2 runs=$3
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../e2e/recorder/journey.sh"
trap 'record_stop; cleanup' EXIT
# Every program in the bench's own prefix.
run=$work/run
printf '#!/bin/sh\nexec "%s" --prefix "%s" "$@"\n' "$root/scripts/wine-run" "$prefix" >"$run"
chmod +x "$run"
record=$tree/e2e/record.exe
p() { "$run" "$tree/e2e/e2e_velmar_probe.exe" "$@"; }

slow=20 fast_ms=50 refusing=20 machines=100
for i in $(seq "$machines"); do
  if ((i % (machines / refusing) == 0)); then printf 'off-%03d\n' "$i"; else printf 'pc-%03d\n' "$i"; fi
done >"$work/room.txt"
alone=$slow
in_turn=$(awk -v s="$slow" -v f="$fast_ms" -v r="$refusing" -v n="$machines" 'BEGIN { print r * s + (n - r) * f / 1000 }')

printf '%-58s %8s %8s %8s %8s %8s %16s %9s\n' "Velmar, a room of $machines ($refusing refuse after ${slow} s)" \
  seconds "/ floor" "/ turns" "at once" "threads" "committed KB" "answered"
ratios=()
for run_number in $(seq "$runs"); do
  p delete 'Software\Velmar' >/dev/null
  p set 'Software\Velmar\frmDown' TimeOut 30
  record_start "machine off- $((slow * 1000)) 53
machine pc- $fast_ms 0
most-at-once yes" "$tree/remote/Velmar.exe"
  p window 15000 >/dev/null || { echo "room: Velmar's window did not appear" >&2; exit 1; }
  p type "@$(winpath "$work/room.txt")"
  p click '実行(&E)'
  read -r seconds threads before committed answered asked < <(p room 120000) || true
  p box 5000 ok >"$work/summary" || true
  p click '閉じる'
  record_wait 30
  at_once=$(sed -n 's/^most remote requests at once: //p' "$work/calls.log")
  asked_once=$(grep '^InitiateSystemShutdownExW' "$work/calls.log" | cut -d, -f1 | sort -u | wc -l)
  refused=$(sed -n 3p "$work/summary")
  floor_ratio=$(awk -v a="$seconds" -v b="$alone" 'BEGIN { printf "%.3f", a / b }')
  ratios+=("$floor_ratio")
  printf '%-58s %8s %8s %8s %8s %8s %16s %9s\n' "  run $run_number: $refused" "$seconds" "$floor_ratio" \
    "$(awk -v a="$seconds" -v b="$in_turn" 'BEGIN { printf "%.3f", a / b }')" "$at_once" "$threads" \
    "$before -> $committed" "$answered/$asked"
  [ "$asked_once" = "$machines" ] || echo "  asked $asked_once distinct machines, not $machines"
done
printf '%-58s %8s\n' "  floor: the slowest machine alone" "$alone"
printf '%-58s %8s\n' "  one after another: the sum of every machine's time" "$in_turn"
printf '%-58s %8s   (goal 1.25)\n' "  median of the ratio to the floor" \
  "$(printf '%s\n' "${ratios[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')"
