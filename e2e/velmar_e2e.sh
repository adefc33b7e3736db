#!/usr/bin/env bash
# Velmar.exe as built, started under Wine as a user would start it and driven
# through its window and message boxes:
#   velmar_e2e.sh <Velmar.exe> <velmar_probe.exe>
# Wine's InitiateSystemShutdown accepts every request and ends nothing, so the
# local machine is a safe target here.
velmar=$1 probe=$2
source "$(dirname "$0")/lib.sh"

settings='Software\Velmar'
win98='Software\Wine\AppDefaults\Velmar.exe'
velmar_pids=()

p() { "$run" "$probe" "$@"; }
quiet() { "$@" >/dev/null; }

# Ends whatever copy of Velmar a failed case left behind, and the version
# setting, before lib.sh removes the work directory.
velmar_cleanup() {
  for pid in "${velmar_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  p delete "$win98" >/dev/null 2>&1 || true
  cleanup
}
trap velmar_cleanup EXIT

start_velmar() {
  "$run" "$velmar" &
  velmar_pids+=($!)
  velmar_pid=$!
}

ends() { timeout "$2" tail --pid="$1" -f /dev/null; }  # ends <pid> <seconds>
same() { [ "$1" = "$2" ]; }

# Wine shows the shipped program a Windows 98 only through this setting; the
# refusal case means something only if the setting works for a 64-bit program.
win98_honoured() {
  p set 'Software\Wine\AppDefaults\e2e_velmar_probe.exe' Version win98
  local platform
  platform=$(p platform)
  p delete 'Software\Wine\AppDefaults\e2e_velmar_probe.exe'
  [ "$platform" = 1 ]
}

local_machine_case() {
  p delete "$settings"
  start_velmar
  check "local: the window appears" quiet p window 15000
  p click '実行(&E)'
  p box 10000 ok >"$work/box" || true
  check "local: one confirmation box" same "$(sed -n 1p "$work/box")" 1
  check "local: OK and Cancel, information icon, Cancel default (0x141)" same "$(sed -n 2p "$work/box")" 0x141
  check "local: it asks about the local machine" same "$(sed -n 3p "$work/box")" 'ローカルマシンをシャットダウンします'
  # Close and Abort usable, Execute not: the request was accepted and its
  # handler has returned.
  check "local: accepted, only Execute disabled" quiet p buttons '1 0 1' 10000
  check "local: no error box follows" same "$(p box 0 none | head -n1)" 0
  p click '閉じる'
  check "local: Close ends the program" ends "$velmar_pid" 15
  check "local: the history holds the local machine" same "$(p dump "$settings\\Machine")" '1=ローカルマシン'
  check "local: the settings are written with their defaults" \
    same "$(p dump "$settings\\frmDown" | tr '\n' ' ')" 'App=0 Boot=0 Msg= TimeOut=0 '
}

not_nt_case() {
  p delete "$settings"
  p set "$settings\\frmDown" Msg '定期保守のため停止します' TimeOut 45 App 1 Boot 0
  # "3" is missing, so "4" is not part of the history: the rewrite drops it.
  p set "$settings\\Machine" 1 srv1 2 SRV1 4 stale
  local before_settings
  before_settings=$(p dump "$settings\\frmDown")
  p set "$win98" Version win98
  start_velmar
  check "win98: the window is shown" quiet p window 15000
  p box 10000 ok >"$work/box" || true
  check "win98: one box" same "$(sed -n 1p "$work/box")" 1
  check "win98: OK, stop icon (0x10)" same "$(sed -n 2p "$work/box")" 0x10
  check "win98: it says Windows NT only" same "$(sed -n 3p "$work/box")" 'WindowsNTのみで使用可能です'
  check "win98: the program ends after OK" ends "$velmar_pid" 15
  p delete "$win98"
  check "win98: the settings are rewritten unchanged" same "$(p dump "$settings\\frmDown")" "$before_settings"
  check "win98: the history is rewritten as loaded" \
    same "$(p dump "$settings\\Machine" | tr '\n' ' ')" '1=srv1 2=SRV1 '
}

first_key_case() {
  p delete "$settings"
  start_velmar
  check "first key: the window appears" quiet p window 15000
  check "first key: the focus starts in the machine box" same "$(p focus)" 'Edit ComboBox'
  p keys e
  check "first key: \"e\" opens no box" same "$(p box 1000 none | head -n1)" 0
  check "first key: \"e\" is typed into the machine box" same "$(p machine)" e
  p click '閉じる'
  check "first key: Close ends the program" ends "$velmar_pid" 15
}

# Ended from outside right after an accepted request, with no unload: the
# machine it reached is in the history all the same.
ended_case() {
  p delete "$settings"
  start_velmar
  check "ended: the window appears" quiet p window 15000
  p type srv-new
  p click '実行(&E)'
  p box 10000 ok >/dev/null || true
  check "ended: the request is accepted" quiet p buttons '1 0 1' 10000
  check "ended: Velmar is ended from outside" p end
  check "ended: the program is gone" ends "$velmar_pid" 15
  check "ended: the history holds the machine it reached" \
    same "$(p dump "$settings\\Machine")" '1=srv-new'
  check "ended: no unload ran (the inputs are not written)" same "$(p dump "$settings\\frmDown")" ''
}

second_start_case() {
  start_velmar
  local first=$velmar_pid
  p window 15000 >"$work/first" || true
  local status=0
  timeout 15 "$run" "$velmar" || status=$?
  check "second start: ends by itself" same "$status" 0
  check "second start: shows no box" same "$(p box 0 none | head -n1)" 0
  check "second start: the first window is still there, alone" same "$(p window 0)" "$(cat "$work/first")"
  p click '閉じる'
  check "second start: the first copy still closes" ends "$first" 15
}

local_machine_case
if win98_honoured; then
  not_nt_case
else
  echo "skipped: Wine does not report platform 1 under the win98 setting"
fi
first_key_case
ended_case
second_start_case
finish
