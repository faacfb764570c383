#!/usr/bin/env bash
# scripts/with-display: runs side by side get displays of their own, each up before its command
# starts; the command's status comes back; the display ends with the command, also when stopped.
#   with_display_test.sh WITH_DISPLAY
set -uo pipefail
with_display=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}

# What a command on the display records: the display, whether it answered at once, the pid of
# its X server (the Xvfb that with-display, its parent, started) and its own pid.
record='echo "$DISPLAY" >"$0.display"
        xdpyinfo >/dev/null 2>&1 && echo up >"$0.answered"
        pgrep -P $PPID -x Xvfb >"$0.server"
        echo $$ >"$0.pid"'

# Four at once, as parallel test runs start them.
for run in 1 2 3 4; do
  "$with_display" sh -c "$record; sleep 2" "$work/side$run" &
done
wait
for run in 1 2 3 4; do
  [ -f "$work/side$run.answered" ] || fail "run $run: its display did not answer when it started"
done
displays=$(cat "$work"/side*.display | sort -u | wc -l)
[ "$displays" -eq 4 ] || fail "four runs side by side shared displays: $(cat "$work"/side*.display)"
for run in 1 2 3 4; do
  server=$(cat "$work/side$run.server" 2>/dev/null)
  [ -n "$server" ] && ! kill -0 "$server" 2>/dev/null ||
    fail "run $run: its X server ($server) outlived the command"
done

status=0
"$with_display" sh -c "$record; exit 7" "$work/status" || status=$?
[ "$status" -eq 7 ] || fail "the command's status 7 came back as $status"
server=$(cat "$work/status.server" 2>/dev/null)
[ -n "$server" ] && ! kill -0 "$server" 2>/dev/null || fail "a failed command left its X server"

# Stopped from outside while its command runs: both end.
"$with_display" sh -c "$record; exec sleep 60" "$work/stopped" &
wrapper=$!
for _ in $(seq 1 600); do
  [ -s "$work/stopped.pid" ] && break
  sleep 0.1
done
kill -TERM "$wrapper"
wait "$wrapper"
server=$(cat "$work/stopped.server" 2>/dev/null)
command=$(cat "$work/stopped.pid" 2>/dev/null)
[ -n "$command" ] && ! kill -0 "$command" 2>/dev/null || fail "a stopped run left its command"
[ -n "$server" ] && ! kill -0 "$server" 2>/dev/null || fail "a stopped run left its X server"
# Whatever a failed check left behind goes with the test.
for pid in $command $(cat "$work"/*.server 2>/dev/null); do
  case $(cat "/proc/$pid/comm" 2>/dev/null) in sleep | Xvfb) kill "$pid" ;; esac
done

[ "$failures" -eq 0 ] && echo "with-display: all checks passed"
exit $((failures > 0))
