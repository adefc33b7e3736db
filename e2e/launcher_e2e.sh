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

# 4. Restart, then Enter. Wine asks the programs in the order of their
# process ids and stops at the witness's refusal: the launcher was asked
# before it, heard the end of the session and went with it; or it was never
# asked, and waits hidden for an end that does not come. Then the end called
# off brings it back as it was.
look again_restart click 2 15000
check "restart again: the count starts at 9 anew" [ "$(field again_restart message)" = 9秒後に再起動します ]
check "Enter: the dialog takes the key" "$run" "$lprobe" answer enter
check "Enter: the witness sees WM_QUERYENDSESSION" query_after "$before"
line=$(grep -o 'cmdline L"[^"]*wineboot.exe[^"]*"' "$work/trace" | head -n1)
check "Enter: wineboot --end-session without --shutdown" \
  bash -c '[[ $1 == *--end-session* && $1 != *--shutdown* ]]' _ "$line"
if timeout 3 tail --pid="$launcher_pid" -f /dev/null; then
  echo "(Wine asked the launcher before the witness: it went with the end of the session)"
else
  echo "(Wine asked the witness before the launcher)"
  check "Enter: the launcher waits hidden for the end of the session" "$run" "$lprobe" hidden 5000
  "$run" "$lprobe" endsession cancelled >/dev/null
  look called_off window 5000
  check "Enter: the end called off, the launcher is back docked as it was" \
    cmp -s <(grep -v '^window ' "$work/first") <(grep -v '^window ' "$work/called_off")
  "$run" "$lprobe" close
  check "Enter: the launcher then closes" timeout 15 tail --pid="$launcher_pid" -f /dev/null
fi

# 5. The keyboard and a screen reader, with always-on-top stored on.
"$run" "$lprobe" forget
"$run" "$lprobe" store TopMost=True
"$run" "$launcher" &
launcher_pid=$!
look keyboard window 20000
look names names
check "names: the strip is named VuriRivu" [ "$(field names strip)" = VuriRivu ]
check "names: small buttons are named 終了 ログオフ 再起動" \
  [ "$(field names button0) $(field names button1) $(field names button2)" = "終了 ログオフ 再起動" ]
# Where Wine's oleacc answers, it gives the same names.
accessible_as_shown() {
  local i
  for i in 0 1 2; do
    local name
    name=$(field names "accessible$i")
    [ "$name" = none ] || [ "$name" = "$(field names "button$i")" ] || return 1
  done
}
check "names: through oleacc too" accessible_as_shown
check "always on top: a window opened over the strip stays below it" \
  [ "$("$run" "$lprobe" cover)" = "above strip" ]

focus_is() { [ "$("$run" "$lprobe" focus)" = "focus $1" ]; }
tab_to() {  # tab_to <control id>: Tab until that button has the focus
  local _
  for _ in 1 2 3 4 5 6; do
    focus_is "$1" && return 0
    "$run" "$lprobe" keys tab
  done
  focus_is "$1"
}
menu_at_button() {  # the menu's top-left corner is the button's bottom-left one
  local menu button
  menu=$("$run" "$lprobe" menu 3000 | cut -d' ' -f2-3)
  button=$("$run" "$lprobe" buttonrect "$1" | cut -d' ' -f2,5)
  [ -n "$menu" ] && [ "$menu" = "$button" ]
}
check "keyboard: Tab reaches the shut-down button" tab_to 100
"$run" "$lprobe" keys shift+f10
check "keyboard: Shift+F10 opens the menu at the focused button" menu_at_button 0
"$run" "$lprobe" keys escape
check "keyboard: Escape closes it" bash -c '! "$1" "$2" menu 500 >/dev/null' _ "$run" "$lprobe"
# The fifth item is 常に手前 (the separator is stepped over).
"$run" "$lprobe" keys apps down down down down down enter
check "keyboard: the menu key's menu turns always-on-top off" \
  poll 5 bash -c '"$1" "$2" settings frmShutDown | grep -qx TopMost=False' _ "$run" "$lprobe"
check "always on top, off: a window opened over the strip covers it" \
  [ "$("$run" "$lprobe" cover)" = "above cover" ]
check "keyboard: Tab reaches the shut-down button again" tab_to 100
"$run" "$lprobe" keys shift+f10 down down down down down down enter
check "keyboard: the menu turns large buttons on" \
  poll 5 bash -c '"$1" "$2" settings frmShutDown | grep -qx LageButton=True' _ "$run" "$lprobe"
look large_names names
check "names: large buttons are named alike" \
  [ "$(field large_names button0) $(field large_names button1) $(field large_names button2)" = "終了 ログオフ 再起動" ]
check "keyboard: Tab reaches the restart button" tab_to 102
before=$(queries)
"$run" "$lprobe" keys space
check "keyboard: Space asks, and the dialog takes Cancel" poll 15 "$run" "$lprobe" answer cancel
check "keyboard: dialog and backdrop close" "$run" "$lprobe" gone 5000
check "keyboard: the focus is back on the restart button" poll 5 focus_is 102
check "keyboard: no end-of-session request" [ "$(queries)" = "$before" ]
"$run" "$lprobe" close
check "keyboard: the strip closes" timeout 15 tail --pid="$launcher_pid" -f /dev/null

[ "$failures" = 0 ] || tail -n +1 "$work"/first "$work"/area "$work"/again "$work"/restart "$work"/cancelled \
  "$work"/again_restart "$work"/keyboard "$work"/names "$work"/large_names 2>/dev/null
finish
