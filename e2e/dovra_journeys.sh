#!/usr/bin/env bash
# dovra.exe as built, run with its system calls recorded:
#   dovra_journeys.sh <dovra.exe> <record.exe>
dovra=$1 record=$2
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/recorder/journey.sh"
trap 'record_stop; cleanup' EXIT

privilege='OpenProcessToken(current process, 0x28) -> token1 = TRUE
AdjustTokenPrivileges(token1, 0, count 1 SeShutdownPrivilege attributes 2, 16, ptr, ptr) = TRUE
CloseHandle(token1) = TRUE'

# The expected log of one option on one platform: the platform is asked for
# all but log off, and only NT takes the privilege step. Every request is a
# planned one (SHTDN_REASON_FLAG_PLANNED, major and minor "other").
expected() {  # expected <platform> <flags> [<answer>]
  if [ "$2" != 0x0 ]; then
    echo "GetVersionExA(size 148) = TRUE platform $1"
    [ "$1" != 2 ] || echo "$privilege"
  fi
  echo "ExitWindowsEx($2, 0x80000000) = ${3:-TRUE}"
}

# Warm the prefix up first, so the first journey's time is its own.
"$run" cmd.exe /c exit

# Each option on NT and on Windows 9x, in either case.
for platform in 2 1; do
  for journey in "/S 0x1 shut down" "/r 0x2 restart" "/L 0x0 log off" "/p 0x8 power off"; do
    read -r option flags what <<<"$journey"
    [ "$platform" = 2 ] || { letter=${option#/} && option=/${letter~}; }
    journey_begin
    record_start "platform $platform" "$dovra" "$option"
    record_wait 20
    check "dovra $option on platform $platform: exit status 0, Windows took it" [ "$recorded_status" = 0 ]
    journey_end "dovra $option on platform $platform: $what" "$(expected "$platform" "$flags")"
  done
done

# Windows refuses (here with access denied, as for a session that may not
# end Windows): the exit status is Windows' error code.
journey_begin
record_start "$(printf '%s\n' 'platform 2' 'exit-error 5')" "$dovra" /r
record_wait 20
check "dovra /r refused with 5: exit status 5" [ "$recorded_status" = 5 ]
journey_end "dovra /r refused with 5" "$(expected 2 0x2 'FALSE error 5')"
finish
