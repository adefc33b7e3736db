#!/usr/bin/env bash
# Velmar.exe as built, run with its system calls recorded and driven as a
# user would: a machine name typed, check boxes clicked, Execute or Abort
# pressed and the boxes answered.
#   velmar_journeys.sh <Velmar.exe> <record.exe> <velmar_probe.exe>
velmar=$1 record=$2 probe=$3
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/recorder/journey.sh"
trap 'record_stop; cleanup' EXIT

settings='Software\Velmar'
message='定期保守のため停止します'
p() { "$run" "$probe" "$@"; }
same() { [ "$1" = "$2" ]; }
quiet() { "$@" >/dev/null; }

nt='GetVersionExA(size 148) = TRUE platform 2'
privilege='OpenProcessToken(current process, 0x28) -> token1 = TRUE
AdjustTokenPrivileges(token1, 0, count 1 SeShutdownPrivilege attributes 2, 16, ptr, ptr) = TRUE
CloseHandle(token1) = TRUE'

# Starts Velmar recorded, with the message and a 45 s time-out stored from an
# earlier use and both check boxes off.
start() {  # start <script>
  p delete "$settings"
  p set "$settings\\frmDown" Msg "$message" TimeOut 45 App 0 Boot 0
  record_start "$1" "$velmar"
  p window 15000 >/dev/null || echo "Velmar's window did not appear"
}

# Types <machine>, presses Execute and confirms.
execute() {  # execute <machine>
  p type "$1"
  p click '実行(&E)'
  p box 10000 ok >"$work/confirm" || echo "no confirmation box"
}

close() {
  p click '閉じる'
  record_wait 20
  [ "$recorded_status" = 0 ] || echo "Velmar ended with status $recorded_status"
}

# Warm the prefix up first, so the first journey's time is its own.
"$run" cmd.exe /c exit

journey_begin
start 'platform 2'
p click 'アプリケーションを強制終了する'
p click '終了後リブート'
execute srv1
check "accepted: the request is confirmed" same "$(sed -n 3p "$work/confirm")" 'srv1をシャットダウンします'
p buttons '1 0 1' 10000 >/dev/null || echo "Execute did not stay disabled after the request"
check "accepted: no error box" same "$(p box 0 none | head -n1)" 0
close
journey_end "Velmar: a request with message, time-out and both check boxes is accepted" "$nt
$privilege
InitiateSystemShutdownExW(\"srv1\", \"$message\", 45, 1, 1, 0x80000000) = TRUE"

journey_begin
start 'platform 2'
execute 'srv-é서버'
p buttons '1 0 1' 10000 >/dev/null || echo "Execute did not stay disabled after the request"
close
journey_end "Velmar: a machine name outside the code page arrives intact" "$nt
$privilege
InitiateSystemShutdownExW(\"srv-é서버\", \"$message\", 45, 0, 0, 0x80000000) = TRUE"

# Windows holds the request for 20 s, as it does for a machine that is off:
# the request is made from the request's thread just the same, and the window
# answers, busy, until the answer has come. The 250 questions, 50 ms apart,
# take the first 13 s of the wait or a little more.
journey_begin
start 'platform 2
remote-wait 20000'
execute srv-slow
check "held: the buttons are busy while Windows holds the request" quiet p buttons '0 0 0' 2000
check "held: the window answers within 100 ms throughout" same "$(p answers 250)" 250
check "held: the buttons are busy still" quiet p buttons '0 0 0' 0
p buttons '1 0 1' 15000 >/dev/null || echo "Execute did not stay disabled after the request"
close
journey_end "Velmar: a request Windows holds for 20 s leaves the window answering" "$nt
$privilege
InitiateSystemShutdownExW(\"srv-slow\", \"$message\", 45, 0, 0, 0x80000000) = TRUE"

journey_begin
start 'platform 2
shutdown-error 53'
execute srv2
p box 10000 ok >"$work/refused" || true
check "refused 53: an exclamation box with OK (0x30)" same "$(sed -n 2p "$work/refused")" 0x30
check "refused 53: the system's text, then (53)" same "$(sed -n 3p "$work/refused")" "$(p systext 53)(53)"
p buttons '1 1 1' 10000 >/dev/null || echo "Execute is not usable again after the refusal"
close
journey_end "Velmar: a request refused with 53" "$nt
$privilege
InitiateSystemShutdownExW(\"srv2\", \"$message\", 45, 0, 0, 0x80000000) = FALSE error 53"

journey_begin
start 'platform 2
abort-error 1116'
execute srv3
p buttons '1 0 1' 10000 >/dev/null || echo "Abort is not usable after the request"
p click '中止(&A)'
p box 10000 ok >"$work/abort" || true
check "abort refused 1116: a stop box with OK (0x10)" same "$(sed -n 2p "$work/abort")" 0x10
check "abort refused 1116: the system's text, then (1116)" same "$(sed -n 3p "$work/abort")" "$(p systext 1116)(1116)"
close
journey_end "Velmar: Abort refused with 1116" "$nt
$privilege
InitiateSystemShutdownExW(\"srv3\", \"$message\", 45, 0, 0, 0x80000000) = TRUE
$(sed 's/token1/token2/' <<<"$privilege")
AbortSystemShutdownW(\"srv3\") = FALSE error 1116"

# A room typed into the box: each machine asked on a thread of its own, the
# local machine after the others, one summary, the room kept in the history.
journey_begin
start 'platform 2
machine srv-b 0 53'
execute 'srv-a, srv-b;ローカルマシン'
check "room: the confirmation counts and names the machines" same "$(sed -n '3,$p' "$work/confirm")" \
  "$(printf '3台のマシンをシャットダウンします\n\nsrv-a\nsrv-b\nローカルマシン')"
p box 10000 ok >"$work/summary" || true
check "room: the summary has the exclamation icon (0x30)" same "$(sed -n 2p "$work/summary")" 0x30
check "room: one summary names the refusal and its machine" same "$(sed -n '3,$p' "$work/summary")" \
  "$(printf '2台が受け付けました。1台が受け付けませんでした。\n\n%s(53)\nsrv-b' "$(p systext 53)")"
p buttons '1 0 1' 10000 >/dev/null || echo "Execute did not stay disabled after the room"
check "room: it is the first history entry" same "$(p dump "$settings\\Machine")" '1=srv-a, srv-b, ローカルマシン'
check "room: the local machine is asked last" same "$(grep InitiateSystemShutdownExW "$work/calls.log" | tail -n1)" \
  "InitiateSystemShutdownExW(null, \"$message\", 45, 0, 0, 0x80000000) = TRUE"
close
journey_end_unordered "Velmar: a room of three, one refusing with 53" "$nt
$privilege
$(sed 's/token1/token2/' <<<"$privilege")
$(sed 's/token1/token3/' <<<"$privilege")
InitiateSystemShutdownExW(\"srv-a\", \"$message\", 45, 0, 0, 0x80000000) = TRUE
InitiateSystemShutdownExW(\"srv-b\", \"$message\", 45, 0, 0, 0x80000000) = FALSE error 53
InitiateSystemShutdownExW(null, \"$message\", 45, 0, 0, 0x80000000) = TRUE"

# A room from a file, then aborted: Abort asks exactly the machines that
# accepted, and with all of them aborted shows nothing.
printf '\xEF\xBB\xBF# 3F\r\npc-1\r\npc-2, pc-3 # by the door\r\n' >"$work/room.txt"
room=$(winpath "$work/room.txt")
journey_begin
start 'platform 2
machine pc-2 0 1722'
execute "@$room"
check "room file: the confirmation counts its machines" same "$(sed -n 3p "$work/confirm")" '3台のマシンをシャットダウンします'
p box 10000 ok >/dev/null || echo "no summary box"
p buttons '1 0 1' 10000 >/dev/null || echo "Abort is not usable after the room"
check "room file: the history keeps it as its @path" same "$(p dump "$settings\\Machine")" "1=@$room"
p click '中止(&A)'
p buttons '1 1 1' 10000 >/dev/null || echo "the buttons are not ready after the Abort"
check "room file: all aborted shows no box" same "$(p box 1000 none | head -n1)" 0
close
journey_end_unordered "Velmar: a room from a file, then aborted where it was accepted" "$nt
$privilege
$(for t in 2 3 4 5; do sed "s/token1/token$t/" <<<"$privilege"; done)
InitiateSystemShutdownExW(\"pc-1\", \"$message\", 45, 0, 0, 0x80000000) = TRUE
InitiateSystemShutdownExW(\"pc-2\", \"$message\", 45, 0, 0, 0x80000000) = FALSE error 1722
InitiateSystemShutdownExW(\"pc-3\", \"$message\", 45, 0, 0, 0x80000000) = TRUE
AbortSystemShutdownW(\"pc-1\") = TRUE
AbortSystemShutdownW(\"pc-3\") = TRUE"

journey_begin
start 'platform 1'
p box 10000 ok >"$work/w9x" || true
check "Windows 9x: it says Windows NT only" same "$(sed -n 3p "$work/w9x")" 'WindowsNTのみで使用可能です'
record_wait 20
journey_end "Velmar on Windows 9x: refuses to work and makes no request" 'GetVersionExA(size 148) = TRUE platform 1'
finish
