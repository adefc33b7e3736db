#!/usr/bin/env bash
# The launcher and Velmar as built, at 96, 144, 192, 240 and 288 dots per
# inch (the LogPixels of a Wine prefix of each resolution's own): every size
# in twips becomes pixels at the display's resolution, to the pixel, and each
# button shows its picture as drawn for that scale.
#   dpi_e2e.sh <VuriRivu.exe> <Velmar.exe> <launcher_probe.exe> <velmar_probe.exe>
launcher=$1 velmar=$2 lprobe=$3 vprobe=$4
source "$(dirname "$0")/lib.sh"

arch=win64
[ "$(od -An -tx2 -j$(($(od -An -tu4 -j60 -N4 "$launcher") + 4)) -N2 "$launcher" | tr -d ' ')" = 014c ] && arch=win32
base=$(cd "$(dirname "$launcher")/.." && pwd)/dpi-prefix
pids=()
dpi_cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for prefix in "$base"-*; do WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; done
  cleanup
}
trap dpi_cleanup EXIT

assets=$(cd "$(dirname "$launcher")/../assets" && pwd)

at_dpi() {  # at_dpi <dpi> <width> <height> <velmar width> <velmar height> <picture suffix>
  local dpi=$1 prefix=$base-$1
  r() { "$run" --prefix "$prefix" "$@"; }
  WINEARCH=$arch r cmd.exe /c exit >/dev/null 2>&1
  r reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  # Wine reads the resolution when its server starts.
  WINEPREFIX=$prefix wineserver -k
  WINEPREFIX=$prefix wineserver -w
  r "$lprobe" forget
  r "$launcher" &
  pids+=($!)
  r "$lprobe" window 20000 >"$work/launcher-$dpi" || true
  check "$dpi dpi: the launcher's client area is $2 x $3 pixels" \
    [ "$(sed -n 's/^client //p' "$work/launcher-$dpi")" = "$2 $3" ]
  local i
  for i in 0 1 2; do
    check "$dpi dpi: button $i shows button20$((i + 1))$6.bmp, pixel for pixel" \
      [ "$(r "$lprobe" picture "$i" "$(winpath "$assets/button20$((i + 1))$6.bmp")")" = "picture same" ]
  done
  r "$lprobe" close
  r "$velmar" &
  pids+=($!)
  r "$vprobe" window 15000 >/dev/null || true
  check "$dpi dpi: Velmar's client area is $4 x $5 pixels" [ "$(r "$vprobe" client)" = "$4 $5" ]
  r "$vprobe" click '閉じる'
  WINEPREFIX=$prefix wineserver -k
}

# Three small buttons: 1260 x 420 twips. Velmar: 6345 x 3300 twips.
# The pictures: drawn for 100 %, 150 %, 200 %, 250 % and 300 %.
at_dpi 96 84 28 423 220 ''
at_dpi 144 126 42 635 330 -150
at_dpi 192 168 56 846 440 -200
at_dpi 240 210 70 1058 550 -250
at_dpi 288 252 84 1269 660 -300
finish
