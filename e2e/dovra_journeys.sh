#!/usr/bin/env bash
# dovra.exe as built, run with its system calls recorded:
#   dovra_journeys.sh <dovra.exe> <record.exe>
dovra=$1 record=$2
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/recorder/journey.sh"
trap 'record_stop; cleanup' EXIT

nt_privilege='GetVersionExA(size 148) = TRUE platform 2
OpenProcessToken(current process, 0x28) -> token1 = TRUE
AdjustTokenPrivileges(token1, 0, count 1 SeShutdownPrivilege attributes 2, 16, ptr, ptr) = TRUE
CloseHandle(token1) = TRUE'
w9x_platform='GetVersionExA(size 148) = TRUE platform 1'

journey() {  # journey <name> <platform> <option> <expected>
  journey_begin
  record_start "platform $2" "$dovra" "$3"
  record_wait 20
  [ "$recorded_status" = 0 ] || echo "dovra $3 ended with status $recorded_status"
  journey_end "$1" "$4"
}

# Warm the prefix up first, so the first journey's time is its own.
"$run" cmd.exe /c exit

journey "dovra /S on NT: privilege, then shut down" 2 /S "$nt_privilege
ExitWindowsEx(0x1, 0x0) = TRUE"
journey "dovra /r on NT: privilege, then restart" 2 /r "$nt_privilege
ExitWindowsEx(0x2, 0x0) = TRUE"
journey "dovra /L on NT: log off, no platform check, no token" 2 /L "ExitWindowsEx(0x0, 0x0) = TRUE"
journey "dovra /p on NT: privilege, then power off" 2 /p "$nt_privilege
ExitWindowsEx(0x8, 0x0) = TRUE"
journey "dovra /s on Windows 9x: no privilege step" 1 /s "$w9x_platform
ExitWindowsEx(0x1, 0x0) = TRUE"
journey "dovra /R on Windows 9x: no privilege step" 1 /R "$w9x_platform
ExitWindowsEx(0x2, 0x0) = TRUE"
journey "dovra /l on Windows 9x: log off alone" 1 /l "ExitWindowsEx(0x0, 0x0) = TRUE"
journey "dovra /P on Windows 9x: no privilege step" 1 /P "$w9x_platform
ExitWindowsEx(0x8, 0x0) = TRUE"
finish
