#!/usr/bin/env bash
# dovra.exe as built, started under Wine as a user would start it:
#   dovra_e2e.sh <dovra.exe> <probe.exe> <major.minor.revision> <copyright> <company>
dovra=$1 probe=$2 version=$3 copyright=$4 company=$5
source "$(dirname "$0")/lib.sh"

expected=$work/usage.txt
{
  printf 'コマンドラインでWindowsを終了\r\nオプション\r\n'
  printf '  /s  終了\r\n  /r  再起動\r\n  /l  ログオフ\r\n  /p  電源断(可能なら)\r\n'
  printf '\r\n複数指定は出来ません\r\n\r\n'
  printf 'dovra.exe Ver%s\r\n%s(%s)' "$version" "$copyright" "$company"
} >"$expected"

usage_case() {  # usage_case <label> [args...]
  local label=$1
  shift
  local before
  before=$(queries)
  "$run" "$dovra" "$@" &
  local pid=$!
  "$run" "$probe" box dovra 15000 "$(winpath "$work/box.txt")" || true
  check "$label: exactly one box titled dovra" [ "$(head -n1 "$work/box.txt")" = 1 ]
  check "$label: the box shows the usage text" cmp -s <(tail -n +2 "$work/box.txt") "$expected"
  check "$label: the program ends once the box is closed" timeout 15 tail --pid="$pid" -f /dev/null
  local status=0
  wait "$pid" || status=$?
  check "$label: exit status 87, the command line was wrong" [ "$status" = 87 ]
  check "$label: no end-of-session request" [ "$(queries)" = "$before" ]
}

# A scheduled task without the user signed in, or a service, runs dovra on a
# window station no one sees: a box there would wait for ever.
unseen_case() {  # unseen_case <label> [args...]
  local label=$1 before
  shift
  before=$(queries)
  check "$label, where no one sees it: no box, exit status 87 at once" \
    [ "$("$run" "$probe" unseen 10000 "$(winpath "$dovra")" "$@" | tr -d '\r')" = "exit 87" ]
  check "$label, where no one sees it: no end-of-session request" [ "$(queries)" = "$before" ]
}

request_case() {  # request_case <option> <shutdown|reboot>
  local option=$1 kind=$2 before status=0
  before=$(queries)
  WINEDEBUG=+process timeout 30 "$run" "$dovra" "$option" 2>"$work/trace" || status=$?
  check "$option: ends by itself, no box waiting" [ "$status" = 0 ]
  check "$option: the witness sees WM_QUERYENDSESSION" query_after "$before"
  local line
  line=$(grep -o 'cmdline L"[^"]*wineboot.exe[^"]*"' "$work/trace" | head -n1)
  if [ "$kind" = shutdown ]; then
    check "$option: wineboot --end-session --shutdown" grep -q -- '--end-session --shutdown"' <<<"$line"
  else
    check "$option: wineboot --end-session without --shutdown" \
      bash -c '[[ $1 == *--end-session* && $1 != *--shutdown* ]]' _ "$line"
  fi
}

start_witness
usage_case "no argument"
usage_case "/x" /x
unseen_case "/x" /x
unseen_case "no argument"
request_case /s shutdown
request_case /L shutdown
request_case /p shutdown
request_case /r reboot
finish
