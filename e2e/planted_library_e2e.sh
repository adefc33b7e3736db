#!/usr/bin/env bash
# The three programs unpacked into a folder where somebody has dropped DLLs
# named like two of Windows' own, started from there as a user would, with
# Wine told to prefer a DLL found beside the program (what Windows does for
# every DLL outside its KnownDLLs):
#   planted_library_e2e.sh <folder> <planted.dll> <dovra.exe> <VuriRivu.exe> <Velmar.exe>
#                          <probe.exe> <launcher_probe.exe> <velmar_probe.exe>
# The dropped DLL leaves a marker beside itself when a program loads it
# (planted_library.cpp); none may appear, also when VuriRivu goes into
# standby, which loads powrprof.dll.
folder=$1 planted=$2 dovra=$3 launcher=$4 velmar=$5 probe=$6 lprobe=$7 vprobe=$8
source "$(dirname "$0")/lib.sh"

rm -rf "$folder"
mkdir -p "$folder"
cp "$dovra" "$launcher" "$velmar" "$folder/"
cp "$planted" "$folder/version.dll"
cp "$planted" "$folder/powrprof.dll"
cd "$folder"
export WINEDLLOVERRIDES="version,powrprof=n,b;mscoree,mshtml=;winemenubuilder.exe=d"

pids=()
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; cleanup' EXIT

quiet() { "$@" >/dev/null; }

none_loaded() {
  local loaded
  loaded=$(ls -- *.loaded 2>/dev/null | tr '\n' ' ')
  ls -- *.wine >/dev/null 2>&1 && echo "loaded at start by Wine's own DLLs only: $(ls -- *.wine | tr '\n' ' ')"
  rm -f -- *.loaded *.wine
  [ -z "$loaded" ] || { echo "loaded from the program's folder: $loaded"; return 1; }
}

"$run" "$folder/dovra.exe" &
pids+=($!)
"$run" "$probe" box dovra 15000 "$(winpath "$work/box.txt")" || true
check "dovra: the usage box shows" [ "$(head -n1 "$work/box.txt")" = 1 ]
check "dovra: none of the dropped DLLs loads" none_loaded

"$run" "$folder/Velmar.exe" &
pids+=($!)
check "Velmar: its window shows" quiet "$run" "$vprobe" window 15000
kill "${pids[-1]}"
check "Velmar: none of the dropped DLLs loads" none_loaded

"$run" "$lprobe" forget
"$run" "$lprobe" store Standby=True
"$run" "$folder/VuriRivu.exe" &
pids+=($!)
"$run" "$lprobe" window 20000 >"$work/window" || true
check "VuriRivu: four buttons, standby among them" grep -qx 'buttons 4' "$work/window"
"$run" "$lprobe" click 3 15000 >"$work/standby" || true
check "VuriRivu: standby asks first" grep -q '^ok スタンバイ' "$work/standby"
check "VuriRivu: OK goes ahead" "$run" "$lprobe" answer ok
check "VuriRivu: the backdrop closes after the standby request" "$run" "$lprobe" gone 10000
check "VuriRivu: none of the dropped DLLs loads, standby included" none_loaded
"$run" "$lprobe" forget
finish
