#!/usr/bin/env bash
# Starts the built program on a real X server (Xvfb) and checks that a window
# captioned "Platewise1.0" appears and that the program keeps running until it
# is ended. Exits 77, which CTest reports as skipped, where no X server can be
# started here.
set -uo pipefail

program=${1:?usage: x11_window_test.sh PATH_TO_PLATEWISE}
caption='Platewise1.0'

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }

for tool in Xvfb xwininfo; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (packages xvfb, x11-utils)"
done

work=$(mktemp -d)
xvfb_pid='' program_pid=''
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' TERM INT  # stopped by CTest's timeout: still end Xvfb and the program

# Xvfb picks a free display and writes its number to descriptor 3 once it
# takes connections. Reading it through a pipe waits as long as Xvfb takes,
# up to two minutes however busy the machine; the pipe ends empty if Xvfb
# cannot start.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
read -r -t 120 number <"$work/display"
read_status=$?
[ "$read_status" -gt 128 ] && fail "Xvfb gave no display after 2 minutes: $(tail -n 3 "$work/xvfb.log")"
[ "$read_status" -eq 0 ] || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"
display=":$number"

# A home of its own: the program's settings and documents stay apart from
# the user's and from any other run's.
HOME="$work" XDG_CONFIG_HOME="$work/.config" QT_QPA_PLATFORM=xcb DISPLAY=$display \
  "$program" >"$work/program.log" 2>&1 &
program_pid=$!

# Waits until `$@` succeeds, asking again every tenth of a second; fails
# naming `what` when two minutes pass, far more than a start takes on a
# loaded machine, or when the program ends first.
wait_until() {
  local what=$1
  shift
  local deadline=$((SECONDS + 120))
  until "$@"; do
    kill -0 "$program_pid" 2>/dev/null ||
      fail "the program ended before $what: $(cat "$work/program.log")"
    [ "$SECONDS" -lt "$deadline" ] || fail "no $what after 2 minutes: $(cat "$work/program.log")"
    sleep 0.1
  done
}
window_listed() {
  xwininfo -display "$display" -root -tree 2>/dev/null | grep -qF "\"$caption\""
}
# Viewable: the program mapped its window from its event loop, so it runs there.
window_viewable() {
  xwininfo -display "$display" -name "$caption" 2>/dev/null | grep -qF 'Map State: IsViewable'
}

wait_until "its window appeared" window_listed
wait_until "its window was shown" window_viewable
kill -0 "$program_pid" 2>/dev/null || fail "the program ended on its own: $(cat "$work/program.log")"

kill -TERM "$program_pid"
wait "$program_pid"
status=$?
program_pid=''
[ "$status" -eq 143 ] || fail "the program did not end on SIGTERM as expected (status $status)"
echo "PASSED: window \"$caption\" appeared on $display and the program ran until it was ended"
