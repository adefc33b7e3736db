# Shared by the end-to-end scripts: Wine paths, a witness of end-of-session
# requests, and small assertions. Sourced, not run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run="$root/scripts/wine-run"
work=$(mktemp -d)
passed=0
failures=0

winpath() { echo "Z:${1//\//\\}"; }

cleanup() {
  if [ -n "${witness_pid:-}" ]; then kill "$witness_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Starts a window in the prefix that notes every WM_QUERYENDSESSION in
# $work/witness.log and refuses it, so no request really ends the session.
start_witness() {
  "$run" "$probe" witness "$(winpath "$work/witness.log")" "$(winpath "$work/ready")" &
  witness_pid=$!
  for _ in $(seq 200); do [ -s "$work/ready" ] && return; sleep 0.05; done
  echo "witness did not start" >&2
  exit 1
}

queries() { cat "$work/witness.log" 2>/dev/null | grep -c WM_QUERYENDSESSION || true; }

# Waits up to ten seconds for the witness to have seen more than <count> queries.
query_after() {
  for _ in $(seq 100); do [ "$(queries)" -gt "$1" ] && return 0; sleep 0.1; done
  return 1
}

check() {  # check <description> <command...>
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    passed=$((passed + 1))
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}

finish() {
  echo "$passed passed, $failures failed"
  [ "$failures" = 0 ]
}

# Retries <command...> every tenth of a second until it succeeds or about
# <seconds> have passed.
poll() {  # poll <seconds> <command...>
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}
