#!/bin/bash
# Runs the nonlinear fibre frame of the recorded runs (frame.s2k with Concrete02 concrete and
# Steel02 bars) in a real OpenSees interpreter: the gravity + pushover script of the recorded
# run's options must run to its end with a capacity curve that softens (the secant stiffness of
# the last step well under that of the first); with 5 mm push steps `vek-cli run` must say at
# which step it stopped; and a time history of the same frame under the example ground motion
# must run all its steps.
# Usage: nonlinear_frame.sh VEK_CLI RUNS_DIR EXAMPLES_DIR
# The interpreter is looked for as run_examples.sh does; without one, or without the recorded
# runs, the test is skipped (exit 77). Prints PASS or FAIL lines; exits 1 when a check failed.
set -u
if [ $# -ne 3 ]; then
    echo "usage: nonlinear_frame.sh VEK_CLI RUNS_DIR EXAMPLES_DIR" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
cli=$(realpath "$1")
runs=$2
examples=$(realpath "$3")
recorded="$runs/frame-pushover-nonlinear"
if [ ! -f "$recorded/command.txt" ]; then
    echo "no recorded OpenSees runs at $runs"
    exit 77
fi
frame=$(realpath "$runs/../frame.s2k")

. "$here/find_opensees.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
fail() {
    echo "FAIL $1"
    failed=1
}

# The recorded run's options (command.txt, before its note) and its two materials.
read -r -a options <<<"$(sed 's/.*frame\.s2k //; s/ *(then.*//' "$recorded/command.txt")"
options+=(--material "1:Type=Concrete02,fpc=-30,epsc0=-0.002,fpcu=-6,epsU=-0.006,lambda=0.1,ft=3,Ets=1500"
          --material "2:Type=Steel02,Fy=400,E0=2e5,b=0.01")

# Writes the script of the options into folder $1 and runs it there; false when OpenSees
# stopped early or a command failed.
run() {
    local folder=$1
    shift
    mkdir -p "$folder"
    if ! "$cli" tcl "$frame" -o "$folder/model.tcl" "$@" 2>"$folder/warnings"; then
        fail "vek-cli tcl: $(head -n 1 "$folder/warnings")"
        return 1
    fi
    echo 'puts "END-OF-SCRIPT"' >>"$folder/model.tcl"
    (cd "$folder" && timeout 600 "$opensees" model.tcl >output 2>&1)
    if grep -q -e "while executing" -e "analyze failed" "$folder/output" ||
        ! grep -q "^END-OF-SCRIPT" "$folder/output"; then
        fail "OpenSees did not run $folder/model.tcl: $(tail -n 3 "$folder/output" | tr '\n' ' ')"
        return 1
    fi
}

# Pushover: 100 gravity steps, then 200 push steps; joint 24's U1 is field 1 + 3 * 23 + 1 and
# the time column is the load factor (reset to 0 after gravity).
if run "$work/pushover" "${options[@]}"; then
    node="$work/pushover/node0.out"
    [ "$(wc -l <"$node")" -eq 300 ] || fail "pushover: node0.out has $(wc -l <"$node") lines, not 300"
    ratio=$(awk 'NR == 100 { d0 = $71 } NR == 101 { k1 = $1 / ($71 - d0) }
                 END { print ($1 / ($71 - d0)) / k1 }' "$node")
    if awk -v r="$ratio" 'BEGIN { exit !(r < 0.5) }'; then
        echo "PASS pushover softens: last secant stiffness / first = $ratio"
    else
        fail "pushover: last secant stiffness / first = $ratio, not under 0.5"
    fi
fi

# The pushover of 5 mm steps stops early: vek-cli run says at which step of the push stage, and
# the node file holds the gravity steps and the push steps up to it.
mkdir -p "$work/stops"
"$cli" run "$frame" -d "$work/stops" --solver "$opensees" "${options[@]}" --set ControlDisp=5 \
    >"$work/stops/verdict" 2>/dev/null
code=$?
last=$(tail -n 1 "$work/stops/verdict")
step=$(sed -n 's/^failed: the analysis stopped at step \([0-9]*\) of 200 of the pushover stage.*/\1/p' \
    <<<"$last")
if [ $code -ne 1 ] || [ -z "$step" ]; then
    fail "stopping pushover: exit code $code, last line: $last"
elif [ "$(wc -l <"$work/stops/node0.out")" -ne $((100 + step)) ]; then
    fail "stopping pushover: stopped at step $step, node0.out has $(wc -l <"$work/stops/node0.out") lines"
else
    echo "PASS stopping pushover: $last"
fi

# Time history of the same frame under examples/GMX.txt: every step of every stage recorded.
mkdir -p "$work/history"
cp "$examples/GMX.txt" "$work/history/"
if run "$work/history" "${options[@]}" --set AnalysisType=5 --set ModeCount=3; then
    steps=$(awk '$1 == "analyze" { n += $2 } END { print n + 0 }' "$work/history/model.tcl")
    lines=$(wc -l <"$work/history/node0.out")
    if [ "$lines" -eq "$steps" ] && [ "$steps" -gt 0 ]; then
        echo "PASS time history: $lines steps"
    else
        fail "time history: node0.out has $lines lines, the script analyzes $steps steps"
    fi
fi
exit $failed
