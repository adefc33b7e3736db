#!/usr/bin/env bash
# VuriRivu.exe as built, started under Wine as a user would start it:
#   launcher_e2e.sh <VuriRivu.exe> <probe.exe> <launcher_probe.exe>
# With E2E_SCREENSHOT=<file.png> the screen is kept while the countdown
# dialog stands over the backdrop.
launcher=$1 probe=$2 lprobe=$3
source "$(dirname "$0")/lib.sh"

launcher_pid=
stop_launcher() { [ -z "$launcher_pid" ] || kill "$launcher_pid" 2>/dev/null || true; }
trap 'stop_launcher; cleanup' EXIT

look() {  # look <name> <launcher_probe args...>: its lines into $work/<name>
  local name=$1
  shift
  "$run" "$lprobe" "$@" >"$work/$name" || true
}
field() { sed -n "s/^$2 //p" "$work/$1"; }
corner() { cut -d' ' -f1-2 <<<"$1"; }

expected_settings=$'AutoEject=False\nLageButton=False\nPos=0\nPowerdown=False\nStandby=False\nTopMost=False'
settings_written() { [ "$("$run" "$lprobe" settings frmShutDown | sort)" = "$expected_settings" ]; }

# The first Wine run makes the build tree's prefix, which takes longer than
# the witness is given to start.
look area workarea
start_witness

# 1. A first start with nothing stored.
"$run" "$lprobe" forget
WINEDEBUG=+process "$run" "$launcher" 2>"$work/trace" &
launcher_pid=$!
look first window 20000
check "fresh start: docked at the top-left corner of the work area" \
  [ "$(corner "$(field first rect)")" = "$(corner "$(field area workarea)")" ]
check "fresh start: client area 84 x 28 pixels" [ "$(field first client)" = "84 28" ]
check "fresh start: three buttons" [ "$(field first buttons)" = 3 ]
check "fresh start: the six settings stored with their defaults" poll 5 settings_written

# 2. A second start while the first runs.
status=0
timeout 20 "$run" "$launcher" || status=$?
check "second start: ends by itself" [ "$status" = 0 ]
look again window 5000
check "second start: the first window is still there" [ -n "$(field again process)" ]
check "second start: the first window is unchanged and nothing else shows" cmp -s "$work/first" "$work/again"

# 3. Restart, then Cancel.
before=$(queries)
look restart click 2 15000
check "restart: the backdrop covers the screen" [ "$(field restart backdrop)" = "$(field area screen)" ]
check "restart: the dialog stands above the backdrop" [ "$(field restart dialog-above-backdrop)" = yes ]
check "restart: OK reads 再起動" [ "$(field restart ok)" = 再起動 ]
check "restart: the message reads 9秒後に再起動します" [ "$(field restart message)" = 9秒後に再起動します ]
[ -n "${E2E_SCREENSHOT:-}" ] && import -window root "$E2E_SCREENSHOT"
check "cancel: the dialog takes the click" "$run" "$lprobe" answer cancel
check "cancel: dialog and backdrop close" "$run" "$lprobe" gone 5000
look cancelled window 5000
check "cancel: the launcher stays docked as it was" cmp -s "$work/first" "$work/cancelled"
check "cancel: no end-of-session request" [ "$(queries)" = "$before" ]

# 4. Restart, then Enter.
look again_restart click 2 15000
check "restart again: the count starts at 9 anew" [ "$(field again_restart message)" = 9秒後に再起動します ]
check "Enter: the dialog takes the key" "$run" "$lprobe" answer enter
check "Enter: the witness sees WM_QUERYENDSESSION" query_after "$before"
check "Enter: the launcher ends" timeout 15 tail --pid="$launcher_pid" -f /dev/null
line=$(grep -o 'cmdline L"[^"]*wineboot.exe[^"]*"' "$work/trace" | head -n1)
check "Enter: wineboot --end-session without --shutdown" \
  bash -c '[[ $1 == *--end-session* && $1 != *--shutdown* ]]' _ "$line"

[ "$failures" = 0 ] || tail -n +1 "$work"/first "$work"/area "$work"/again "$work"/restart "$work"/cancelled \
  "$work"/again_restart 2>/dev/null
finish
