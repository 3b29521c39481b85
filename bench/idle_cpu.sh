#!/usr/bin/env bash
# Start-up time and idle processor use of the game window, under a virtual X server.
# Needs the GUI build (build/default/kestrel), xvfb-run and xdotool.
# Prints the time from start to the first shown window, then deals (a click on the deck),
# lets the user's turns pass with Enter until the hand waits for the user, and prints the
# processor time the program used over the next 10 seconds of waiting.
set -euo pipefail

BIN=${1:-build/default/kestrel}
[ -x "$BIN" ] || { echo "no $BIN: build with the GUI first" >&2; exit 1; }
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null ||
    { echo "needs xvfb-run and xdotool" >&2; exit 1; }

if [ -z "${KESTREL_IDLE_INNER:-}" ]; then
    export KESTREL_IDLE_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

clk=$(getconf CLK_TCK)
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME="$work"  # a fresh settings folder: default options

start=$(date +%s%N)
"$BIN" &
pid=$!
wid=$(xdotool search --sync --onlyvisible --name '^Kestrel$' | head -1)
shown=$(date +%s%N)
echo "startup_to_window_ms $(( (shown - start) / 1000000 ))"

# Deal: the deck lies in the middle of the card table.
eval "$(xdotool getwindowgeometry --shell "$wid")"
sleep 1
xdotool mousemove --window "$wid" $((WIDTH / 2)) $((HEIGHT / 2 + 10)) click 1
# The user's calls (Pass has the focus) and cards (Enter plays the proposal with Show
# Computer Play; without it Enter does nothing and the hand simply waits for a card).
for _ in $(seq 1 8); do
    sleep 2
    xdotool key --window "$wid" Return || true
done
sleep 3

cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(cpu)
sleep 10
after=$(cpu)
ticks=$((after - before))
echo "idle_cpu_ms_over_10s $(( ticks * 1000 / clk ))"
echo "idle_cpu_percent $(awk -v t="$ticks" -v c="$clk" 'BEGIN { printf "%.2f", t / c / 10 * 100 }')"
if [ -n "${KESTREL_SCREENSHOT_DIR:-}" ] && command -v import >/dev/null; then
    import -window root "$KESTREL_SCREENSHOT_DIR/idle_wait.png" 2>/dev/null || true
fi
