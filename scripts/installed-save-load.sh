#!/bin/bash
# Run as an unprivileged user with the program installed for all users (its
# program folder read-only for this user): drives the installed orvtest under
# a private X server with xdotool, saves a test after one answer, loads it back
# in a new run and saves again after the next answer. Usage: APP_ID [SHOT.png]
set -euo pipefail
app_id=$1
shot=${2:-}
data="${XDG_DATA_HOME:-$HOME/.local/share}/$app_id"
program_folder=$(dirname "$(readlink -f "$(command -v orvtest)")")
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "installed save/load: $*" >&2
    exit 1
}

[[ ! -w "$program_folder" ]] || fail "the program folder $program_folder is writable"
[[ ! -e "$data" ]] || fail "$data exists before the first save"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 1 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
[[ -s "$work/display" ]] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

# Waits up to 15 s for a window whose whole title is $1 and that is not one of
# the windows $2...; prints its id.
new_window() {
    local title=$1 id
    shift
    for _ in $(seq 1 150); do
        for id in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null); do
            [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    fail "no window \"$title\" appeared"
}
# Clicks a point of a window's client area, in twips as the windows are laid
# out (15 twips a pixel); $4 is the height of a menu bar above it, if any, and
# $5 the number of clicks.
click() {
    xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15 + ${4:-0})) \
        click --repeat "${5:-1}" 1
    sleep 0.3
}
wait_for_file() {
    for _ in $(seq 1 150); do
        [[ -s "$1" ]] && return 0
        sleep 0.1
    done
    fail "$1 was not written"
}

# Starts orvtest, chooses the Test of Individual Attributes and presses Start;
# sets $test_window.
start_test() {
    orvtest 2>>"$work/orvtest.log" &
    pids+=($!)
    local main height
    main=$(new_window "Orvane Personality Test")
    height=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
    local menu=$((height - 5940 / 15))
    click "$main" 2640 2040 "$menu"  # Option1(0)
    click "$main" 3120 4380 "$menu"  # Start
    test_window=$(new_window "Orvane Personality Test" "$main")
}
answer_and_save() {
    click "$test_window" 1800 2280  # Option1(2): I strongly agree
    click "$test_window" 1920 3660  # Process
    click "$test_window" 7860 5340  # Save
    local chooser
    chooser=$(new_window "Select a file name for Saving Results")
    click "$chooser" 2280 740  # txtFN
    xdotool type --delay 50 "$1"
    xdotool key Return
    wait_for_file "$data/$1.0"
}
stop_program() {
    kill "${pids[-1]}"
    wait "${pids[-1]}" 2>/dev/null || true
    unset 'pids[-1]'
}

start_test
answer_and_save first
stop_program

start_test
click "$test_window" 6540 5340  # Load
chooser=$(new_window "Select a file to load")
click "$chooser" 1200 720 0 2  # double-click the first name of File1
answer_and_save second
[[ -z "$shot" ]] || import -window root "$shot"
stop_program

value() { sed -n "${2}p" "$data/$1.0" | tr -d '\r'; }
counted() { awk 'NR >= 252 && NR <= 261 { sum += $1 } END { print sum }' "$data/$1.0"; }
echo "saved in $data:"
ls -l "$data"
[[ $(wc -l <"$data/first.0") -eq 261 && $(value first 1) == 2 && $(counted first) == 1 ]] ||
    fail "first.0 does not hold question 2 with one answer"
# Question 3 on screen and two answers counted: the second run went on from the
# loaded file.
[[ $(value second 1) == 3 && $(counted second) == 2 ]] ||
    fail "second.0 does not go on from first.0 (question $(value second 1))"
[[ -z "$(find "$program_folder" -name '*.0' -o -name '*.1')" ]] ||
    fail "a saved file is in the program folder"
echo "first.0: question $(value first 1) on screen, $(counted first) answer counted"
echo "second.0, saved after loading first.0 and answering once more: question $(value second 1), $(counted second) answers counted"
