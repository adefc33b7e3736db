#!/usr/bin/env bash
# Both windowed programs, as built, started over values another program, a
# crash or a hand edit left where they keep their settings and history:
#   broken_values_e2e.sh <VuriRivu.exe> <Velmar.exe> <probe.exe> <launcher_probe.exe> <velmar_probe.exe>
# Each comes up, answers, and keeps every sound history entry through a close.
launcher=$1 velmar=$2 probe=$3 lprobe=$4 vprobe=$5
source "$(dirname "$0")/lib.sh"

pids=()
stop_all() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  cleanup
}
trap stop_all EXIT

p() { "$run" "$probe" "$@"; }
vp() { "$run" "$vprobe" "$@"; }
ends() { timeout "$2" tail --pid="$1" -f /dev/null; }  # ends <pid> <seconds>
same() { [ "$1" = "$2" ]; }

# Each broken value: its registry type and bytes, and the text it reads as
# ("-" where it is no text the programs wrote).
kinds=(odd unterminated nul-inside one-byte number wide-number binary texts expandable huge)
declare -A type bytes reads
type[odd]=1 bytes[odd]='hex 33 00 31' reads[odd]=3
type[unterminated]=1 bytes[unterminated]='hex 33 00' reads[unterminated]=3
type[nul-inside]=1 bytes[nul-inside]='hex 33 00 00 00 32 00 00 00' reads[nul-inside]=3
type[one-byte]=1 bytes[one-byte]='hex 33' reads[one-byte]=-
type[number]=4 bytes[number]='hex 05 00 00 00' reads[number]=-
type[wide-number]=11 bytes[wide-number]='hex 05 00 00 00 00 00 00 00' reads[wide-number]=-
type[binary]=3 bytes[binary]='hex 33 00 00 00' reads[binary]=-
type[texts]=7 bytes[texts]='hex 61 00 00 00 62 00 00 00 00 00' reads[texts]=-
type[expandable]=2 bytes[expandable]='hex 33 00 00 00' reads[expandable]=-
# Twice the registry's limit for a value in its standard format.
type[huge]=1 bytes[huge]='fill 2097152 78' reads[huge]=-

raw() {  # raw <key> <name> <kind>
  # shellcheck disable=SC2086
  p raw "$1" "$2" "${type[$3]}" ${bytes[$3]}
}

# Started as a user starts it; its time from start to a window that answers.
start() {  # start <exe> <window class>
  local began=$EPOCHREALTIME
  "$run" "$1" &
  pids+=($!)
  started_pid=$!
  answered=$(p answers "$2" 15000 | tr -d '\r') || true
  start_ms=$(awk -v a="$began" -v b="$EPOCHREALTIME" 'BEGIN { printf "%d", (b - a) * 1000 }')
}
answering() { [[ $answered =~ ^answers\ [0-9]+$ ]]; }

launcher_case() {  # launcher_case <kind>
  local kind=$1 setting
  "$run" "$lprobe" forget
  for setting in Pos TopMost LageButton Powerdown AutoEject Standby; do
    raw 'Software\VuriRivu\frmShutDown' "$setting" "$kind"
  done
  start "$launcher" VuriRivu.frmShutDown
  check "VuriRivu over $kind values: up and answering ($start_ms ms)" answering
  check "VuriRivu over $kind values: docked" quiet_window
  "$run" "$lprobe" close || true
  check "VuriRivu over $kind values: closes" ends "$started_pid" 15
}
quiet_window() { "$run" "$lprobe" window 10000 >/dev/null; }

velmar_case() {  # velmar_case <kind>
  local kind=$1 key
  vp delete 'Software\Velmar'
  vp set 'Software\Velmar\Machine' 1 srv-a 3 srv-c
  raw 'Software\Velmar\Machine' 2 "$kind"
  for key in Msg TimeOut App Boot; do raw 'Software\Velmar\frmDown' "$key" "$kind"; done
  start "$velmar" VelmarFrmDown
  check "Velmar over $kind values: up and answering ($start_ms ms)" answering
  vp click '閉じる' || true
  check "Velmar over $kind values: closes" ends "$started_pid" 15
  # Text is kept as read; what is no text is passed over, and what follows
  # it kept.
  local expected='1=srv-a 2=srv-c '
  [ "${reads[$kind]}" = - ] || expected="1=srv-a 2=${reads[$kind]} 3=srv-c "
  check "Velmar over $kind values: the history after the close is $expected" \
    same "$(vp dump 'Software\Velmar\Machine' | tr '\n' ' ')" "$expected"
  local inputs='App=0 Boot=0 Msg= TimeOut=0 '
  [ "${reads[$kind]}" != 3 ] || inputs='App=1 Boot=1 Msg=3 TimeOut=3 '
  check "Velmar over $kind values: the inputs after the close are $inputs" \
    same "$(vp dump 'Software\Velmar\frmDown' | tr '\n' ' ')" "$inputs"
}

# The first Wine run makes the build tree's prefix.
"$run" cmd.exe /c exit
for kind in "${kinds[@]}"; do launcher_case "$kind"; done
for kind in "${kinds[@]}"; do velmar_case "$kind"; done
"$run" "$lprobe" forget
vp delete 'Software\Velmar'
finish
