#!/usr/bin/env bash
# VuriRivu.exe as built, run with its system calls recorded and driven as a
# user would: a click on a button, then OK, Cancel or nothing; Windows
# ending the session after the request, calling it off or refusing it; or
# the session ending under it. No request reaches Windows here, so the
# script tells the launcher what Windows would (launcher_probe endsession).
#   launcher_journeys.sh <VuriRivu.exe> <record.exe> <launcher_probe.exe>
launcher=$1 record=$2 lprobe=$3
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/recorder/journey.sh"
trap 'record_stop; cleanup' EXIT

lp() { "$run" "$lprobe" "$@" >/dev/null; }

# Every journey runs on NT with a removable E: whose lock fails twice.
calls='platform 2
removable E
lock-fails 2'

# The launcher registers for Restart Manager's restarts, then asks for the
# platform once while it loads.
load='RegisterApplicationRestart(null, 0x3) = S_OK
GetVersionExA(size 148) = TRUE platform 2'

# The scan of C: to Z: ejecting E:, whose lock fails <n> times before it
# holds, through the volume handle the recorder hands out (volume1 for the
# first one opened); with "read-only", E: refuses to open for writing first.
ejection() {  # ejection <n> [<volume> [read-only]]
  local letter attempt volume=${2:-volume1}
  for letter in C D E F G H I J K L M N O P Q R S T U V W X Y Z; do
    case $letter in
      C) echo 'GetDriveTypeW("C:\") = 3' ;;
      E)
        echo 'GetDriveTypeW("E:\") = 2'
        echo 'GetDriveTypeA("E:\") = 2'
        if [ "${3:-}" = read-only ]; then
          echo 'CreateFileA("\\.\E:", 0xC0000000, 3, null, 3, 0x0, null) = INVALID_HANDLE_VALUE error 19'
          echo "CreateFileA(\"\\\\.\\E:\", 0x80000000, 3, null, 3, 0x0, null) -> $volume"
        else
          echo "CreateFileA(\"\\\\.\\E:\", 0xC0000000, 3, null, 3, 0x0, null) -> $volume"
        fi
        # Half a second between two attempts, none after the last.
        for ((attempt = 0; attempt < $1 && attempt < 21; attempt++)); do
          echo "DeviceIoControl($volume, 0x90018, null, 0, null, 0, null) = FALSE error 5"
          [ "$attempt" = 20 ] || echo 'Sleep(500)'
        done
        if [ "$1" -lt 21 ]; then
          echo "DeviceIoControl($volume, 0x90018, null, 0, null, 0, null) = TRUE"
          echo "DeviceIoControl($volume, 0x90020, null, 0, null, 0, null) = TRUE"
          echo "DeviceIoControl($volume, 0x2D4804, [00 00 00 00], 4, null, 0, null) = TRUE"
          echo "DeviceIoControl($volume, 0x2D4808, null, 0, null, 0, null) = TRUE"
        fi
        echo "CloseHandle($volume) = TRUE"
        ;;
      *) echo "GetDriveTypeW(\"$letter:\\\") = 1" ;;
    esac
  done
}

privilege='GetVersionExA(size 148) = TRUE platform 2
OpenProcessToken(current process, 0x28) -> token1 = TRUE
AdjustTokenPrivileges(token1, 0, count 1 SeShutdownPrivilege attributes 2, 16, ptr, ptr) = TRUE
CloseHandle(token1) = TRUE'

# The standby button asks first what the machine can do; the recorder
# answers as a machine with classic sleep (S3) unless the script says more.
capabilities() {  # capabilities classic|modern-hibernate|none
  case $1 in
    classic) echo 'GetPwrCapabilities(ptr) = TRUE S1 0 S2 0 S3 1 S4 0 AoAc 0' ;;
    modern-hibernate) echo 'GetPwrCapabilities(ptr) = TRUE S1 0 S2 0 S3 0 S4 1 AoAc 1' ;;
    none) echo 'GetPwrCapabilities(ptr) = TRUE S1 0 S2 0 S3 0 S4 0 AoAc 0' ;;
  esac
}

# Each request with its planned reason (SHTDN_REASON_FLAG_PLANNED, major
# and minor "other").
request() {  # request shutdown|poweroff|logoff|restart|standby
  case $1 in
    shutdown) printf '%s\n%s\n' "$privilege" 'ExitWindowsEx(0x1, 0x80000000) = TRUE' ;;
    poweroff) printf '%s\n%s\n' "$privilege" 'ExitWindowsEx(0x8, 0x80000000) = TRUE' ;;
    logoff) echo 'ExitWindowsEx(0x0, 0x80000000) = TRUE' ;;
    restart) printf '%s\n%s\n' "$privilege" 'ExitWindowsEx(0x2, 0x80000000) = TRUE' ;;
    standby) printf '%s\n%s\n%s\n' "$(capabilities classic)" "$privilege" 'SetSuspendState(0, 0, 0) = TRUE' ;;
  esac
}

# Starts the launcher recorded with these settings and waits for it to dock.
start() {  # start <Powerdown> <AutoEject> [<script>]
  lp forget
  lp store Pos=0 LageButton=False Standby=True "Powerdown=$1" "AutoEject=$2" TopMost=False
  record_start "${3:-$calls}" "$launcher"
  lp window 20000 || echo "the launcher did not dock"
}

# Clicks button <i> and waits for the countdown dialog.
click() { lp click "$1" 15000 || echo "no countdown dialog after a click on button $1"; }

# Once the request is in the log, Windows ends the session and the launcher
# ends with it; after a standby it stays, and is closed.
ends() {  # ends <mode>
  logged 20 "$(request "$1" | tail -n1)" || echo "no $1 request"
  if [ "$1" = standby ]; then
    lp close
  else
    lp hidden 5000 || echo "the launcher did not hide to wait for the end of the session"
    lp endsession || echo "the launcher did not take the end of the session"
  fi
  record_wait 30
  [ "$recorded_status" = 0 ] || echo "the launcher ended with status $recorded_status"
}

button_of() {
  case $1 in shutdown | poweroff) echo 0 ;; logoff) echo 1 ;; restart) echo 2 ;; standby) echo 3 ;; esac
}

# Warm the prefix up first, so the first journey's time is its own.
"$run" cmd.exe /c exit

# Each mode confirmed with OK, with and without ejection; Powerdown on and
# off (it only turns the first button into power off).
for eject in False True; do
  for mode in shutdown poweroff logoff restart standby; do
    case $mode in shutdown) powerdown=False ;; poweroff) powerdown=True ;; *) powerdown=$eject ;; esac
    journey_begin
    start "$powerdown" "$eject"
    click "$(button_of "$mode")"
    lp answer ok
    ends "$mode"
    expected=$(echo "$load"; [ "$eject" = False ] || ejection 2; request "$mode")
    journey_end "launcher $mode, Powerdown=$powerdown AutoEject=$eject: OK" "$expected"
  done
done

journey_begin
start False True
click 0
lp answer enter
ends shutdown
journey_end "launcher shutdown: Enter is OK" "$(echo "$load"; ejection 2; request shutdown)"

journey_begin
start False True
click 0
lp gone 15000 || echo "the countdown did not end by itself"
ends shutdown
journey_end "launcher shutdown: the countdown left alone is OK" "$(echo "$load"; ejection 2; request shutdown)"

journey_begin
start False True "$(printf '%s\n' 'platform 2' 'removable E' 'lock-fails 21')"
click 2
lp answer ok
ends restart
journey_end "launcher restart: E: never locks, given up after 21 tries" "$(echo "$load"; ejection 21; request restart)"

journey_begin
start True True
click 0
lp answer cancel
lp gone 5000 || echo "the countdown did not close after Cancel"
lp window 5000 || echo "the launcher is gone after Cancel"
journey_end "launcher cancel: no ejection, no request" "$load"
lp close
record_wait 15

# Standby on the other kinds of machine. Modern Standby, hibernation on:
# the displays go off through the launcher's own window, as with the power
# button, after the ejection; no suspend, which would hibernate it.
journey_begin
start False True "$(printf '%s\n' "$calls" 'sleep modern-hibernate')"
click 3
lp answer ok
displays_off='DefWindowProcW(own window, WM_SYSCOMMAND, SC_MONITORPOWER, 2)'
logged 20 "$displays_off" || echo "the displays were not turned off"
lp gone 5000 || echo "the backdrop stayed"
lp window 5000 || echo "the launcher is gone after standby"
lp close
record_wait 15
journey_end "launcher standby, Modern Standby with hibernation: the displays go off" \
  "$(echo "$load"; ejection 2; capabilities modern-hibernate; echo "$displays_off")"

# Neither classic sleep nor Modern Standby: the user is told, nothing is asked of Windows.
journey_begin
start False False "$(printf '%s\n' "$calls" 'sleep none')"
click 3
lp answer ok
"$run" "$lprobe" box 15000 >"$work/no-standby" || true
check "no standby: the box is titled VuriRivu" grep -qx 'title VuriRivu' "$work/no-standby"
check "no standby: the box says the computer has no standby" \
  grep -qx 'box このコンピューターはスタンバイに対応していません。' "$work/no-standby"
lp gone 5000 || echo "the backdrop stayed"
lp window 5000 || echo "the launcher is gone after the box"
lp close
record_wait 15
journey_end "launcher standby, no standby at all: a box, no request" "$(echo "$load"; capabilities none)"

# What the machine can do cannot be read: standby as it always was.
journey_begin
start False False "$(printf '%s\n' "$calls" 'sleep unreadable')"
click 3
lp answer ok
ends standby
journey_end "launcher standby, capabilities unreadable: the suspend call" \
  "$(echo "$load"; echo 'GetPwrCapabilities(ptr) = FALSE'; echo "$privilege"; echo 'SetSuspendState(0, 0, 0) = TRUE')"

# Windows calls the end off after the launcher's yes: the launcher is back in
# its corner, and the end of the session that comes later ejects again.
journey_begin
start False True
click 0
lp answer ok
logged 20 "$(request shutdown | tail -n1)" || echo "no shutdown request"
lp hidden 5000 || echo "the launcher did not hide to wait for the end of the session"
lp endsession cancelled >/dev/null || echo "the launcher did not hear the end called off"
lp window 5000 || echo "the launcher is not back after the end was called off"
lp endsession || echo "the launcher did not take the end of the session"
record_wait 20
journey_end "launcher shutdown called off, then the session ends: back docked, ejects again" "$(
  echo "$load"; ejection 2; request shutdown
  echo 'ShutdownBlockReasonCreate(own window, "リムーバブルメディアを取り出しています…") = TRUE'
  ejection 0 volume2
  echo 'ShutdownBlockReasonDestroy(own window) = TRUE'
)"

# Windows refuses the request at once: its words over the backdrop, and the
# launcher stays.
journey_begin
start False True "$(printf '%s\n' "$calls" 'exit-error 5')"
click 2
lp answer ok
"$run" "$lprobe" box 15000 >"$work/refused" || true
check "refused: the box is titled VuriRivu" grep -qx 'title VuriRivu' "$work/refused"
check "refused: the system's text, then (5)" bash -c 'grep -qE "^box .+\(5\)$" "$1" && ! grep -q 不明 "$1"' _ "$work/refused"
lp gone 5000 || echo "the backdrop stayed"
lp window 5000 || echo "the launcher is gone after the refusal"
lp close
record_wait 15
journey_end "launcher restart refused with 5: a box, and the launcher stays" \
  "$(echo "$load"; ejection 2; echo "$privilege"; echo 'ExitWindowsEx(0x2, 0x80000000) = FALSE error 5')"

# A card with its lock switch on: opened for reading, and ejected all the same.
journey_begin
start False True "$(printf '%s\n' "$calls" 'write-protected yes')"
click 1
lp answer ok
ends logoff
journey_end "launcher log off, E: write-protected: ejected through a handle for reading" \
  "$(echo "$load"; ejection 2 volume1 read-only; request logoff)"

# An installer's Restart Manager closes the launcher while the session goes
# on: no ejection.
journey_begin
start False True
lp endsession closeapp >/dev/null || echo "the launcher did not take Restart Manager's close"
record_wait 20
[ "$recorded_status" = 0 ] || echo "the launcher ended with status $recorded_status"
journey_end "launcher closed for an installer: no ejection" "$load"

# Windows ends the session: the launcher ejects, saying why it waits.
for eject in True False; do
  journey_begin
  start False "$eject"
  lp endsession || echo "the launcher did not take the end of the session"
  record_wait 20
  journey_end "launcher closed as the session ends, AutoEject=$eject" "$(
    echo "$load"
    if [ "$eject" = True ]; then
      echo 'ShutdownBlockReasonCreate(own window, "リムーバブルメディアを取り出しています…") = TRUE'
      ejection 2
      echo 'ShutdownBlockReasonDestroy(own window) = TRUE'
    fi
  )"
done
finish
