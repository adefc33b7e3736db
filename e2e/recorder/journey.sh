# Journeys: a program run with its system calls recorded (record.exe), driven
# from outside, then its call log compared line for line with the expected
# one. Sourced after lib.sh by the journey scripts; $record is record.exe.

# Starts <program> [arguments...] recorded in the background, its calls
# answered as <script> says (one "<key> <value>" per line, see hooks.cpp):
#   record_start <script> <program> [arguments...]
# The log goes to $work/calls.log, the program's process id to $recorded_pid.
record_start() {
  printf '%s\n' "$1" >"$work/script.txt"
  rm -f "$work/calls.log"
  "$run" "$record" "$(winpath "$work/script.txt")" "$(winpath "$work/calls.log")" "${@:2}" &
  recorded_pid=$!
  for _ in $(seq 300); do [ -e "$work/calls.log" ] && return 0; sleep 0.05; done
  echo "record did not start" >&2
  return 1
}

# Waits up to <seconds> for the recorded program to end; its status in $recorded_status.
record_wait() {  # record_wait <seconds>
  recorded_status=timeout
  if timeout "$1" tail --pid="$recorded_pid" -f /dev/null; then
    recorded_status=0
    wait "$recorded_pid" || recorded_status=$?
  fi
}

record_stop() { [ -z "${recorded_pid:-}" ] || kill "$recorded_pid" 2>/dev/null || true; }

# Waits up to <seconds> until the log holds a line equal to <line>.
logged() {  # logged <seconds> <line>
  poll "$1" grep -qxF -- "$2" "$work/calls.log"
}

journey_started=0
journey_begin() { journey_started=$EPOCHREALTIME; }

# Compares the call log with <expected> (lines); on a difference shows both
# side by side, expected on the left.
journey_end() {  # journey_end <name> <expected>
  local name=$1 seconds
  seconds=$(awk -v a="$journey_started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')
  printf '%s\n' "$2" >"$work/expected.log"
  touch "$work/calls.log"
  if cmp -s "$work/expected.log" "$work/calls.log"; then
    echo "ok: $name ($seconds s)"
    passed=$((passed + 1))
  else
    echo "FAILED: $name ($seconds s): expected call log | actual call log"
    diff -y -t -W 230 "$work/expected.log" "$work/calls.log" || true
    failures=$((failures + 1))
  fi
}

# The same for requests made side by side, whose lines interleave as their
# threads run: the logs compared as sorted lines.
journey_end_unordered() {  # journey_end_unordered <name> <expected>
  touch "$work/calls.log"
  LC_ALL=C sort -o "$work/calls.log" "$work/calls.log"
  journey_end "$1" "$(LC_ALL=C sort <<<"$2")"
}
