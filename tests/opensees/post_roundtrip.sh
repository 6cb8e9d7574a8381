#!/bin/bash
# Generates the portal example's script with section deformation recorders (its frames as
# force-based fibre elements, with and without the section aggregator), runs it in a real
# OpenSees interpreter, and reads the recorder files back with vek-cli disp and sections, which
# must give the values of the files' last step in their places.
# Usage: post_roundtrip.sh VEK_CLI EXAMPLES_DIR
# The interpreter is looked for as run_examples.sh does; without one the test is skipped
# (exit 77). Prints PASS or FAIL lines; exits 1 when a check failed.
set -u
if [ $# -ne 2 ]; then
    echo "usage: post_roundtrip.sh VEK_CLI EXAMPLES_DIR" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
cli=$(realpath "$1")
examples=$(realpath "$2")

. "$here/find_opensees.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The portal's settings of the example runs, as --set options.
settings=()
for word in $(sed -n 's/#.*//; s/^portal\.s2k //p' "$here/example_settings.txt"); do
    case $word in
        skip=*) ;;
        --*=*) settings+=("${word%%=*}" "${word#*=}") ;;
        *=*) settings+=(--set "$word") ;;
    esac
done

steps=5
failed=0
fail() {
    echo "FAIL $1"
    failed=1
}

# Field `field` (awk numbering, the time is $1) of line `line` of a file.
field() {
    awk -v l="$2" -v f="$3" 'NR == l { print $f }' "$1"
}

# Numbers equal as doubles.
same() {
    awk -v a="$1" -v b="$2" 'BEGIN { exit !(a + 0 == b + 0) }'
}

for aggregator in 0 1; do
    name="aggregator=$aggregator"
    run="$work/run$aggregator"
    mkdir -p "$run"
    options=("${settings[@]}" --set LoadSteps=$steps --set RecordSectionDeform=1
             --set UseSectionAggregator=$aggregator --section 1:ElemType=2)
    if ! "$cli" tcl "$examples/portal.s2k" -o "$run/portal.tcl" "${options[@]}" 2>"$run/warnings"; then
        fail "$name: vek-cli tcl: $(head -n 1 "$run/warnings")"
        continue
    fi
    echo 'puts "END-OF-SCRIPT"' >>"$run/portal.tcl"
    (cd "$run" && timeout 120 "$opensees" portal.tcl >output 2>&1)
    if grep -q -e "while executing" -e "analyze failed" "$run/output" ||
        ! grep -q "^END-OF-SCRIPT" "$run/output"; then
        fail "$name: OpenSees did not run the script: $(tail -n 3 "$run/output" | tr '\n' ' ')"
        continue
    fi

    # Joint displacements of the last step: joint j's DOF d is field 1 + 3(j - 1) + d.
    if ! "$cli" disp "$examples/portal.s2k" "$run" --step $steps >"$run/disp" 2>"$run/err"; then
        fail "$name: vek-cli disp: $(head -n 1 "$run/err")"
        continue
    fi
    [ "$(wc -l <"$run/disp")" -eq 3 ] || fail "$name: disp printed $(wc -l <"$run/disp") lines"
    while IFS=, read -r joint dx dy dz; do
        values=("$dx" "$dy" "$dz")
        for d in 1 2 3; do
            expected=$(field "$run/node0.out" $steps $((1 + 3 * (joint - 1) + d)))
            same "${values[d - 1]}" "$expected" ||
                fail "$name: joint $joint DOF $d is ${values[d - 1]}, node0.out has $expected"
        done
    done <"$run/disp"
    same "$(field "$run/node0.out" $steps 8)" 0 &&
        fail "$name: the free beam end did not move"

    # Section deformations: 4 values a frame, 6 with the aggregator.
    per=$((aggregator ? 6 : 4))
    for kind in 1 2 3; do
        if ! "$cli" sections "$examples/portal.s2k" "$run" --step $steps --kind $kind \
            "${options[@]}" >"$run/sections" 2>"$run/err"; then
            fail "$name: vek-cli sections --kind $kind: $(head -n 1 "$run/err")"
            continue
        fi
        [ "$(wc -l <"$run/sections")" -eq 2 ] || fail "$name: sections printed $(wc -l <"$run/sections") lines"
        while IFS=, read -r frame first last; do
            at=$((1 + per * (frame - 1) + kind))
            expected=$(field "$run/ele0_secs.out" $steps $at)
            same "$first" "$expected" ||
                fail "$name: frame $frame kind $kind first section $first, file has $expected"
            expected=$(field "$run/ele0_secn.out" $steps $at)
            same "$last" "$expected" ||
                fail "$name: frame $frame kind $kind last section $last, file has $expected"
        done <"$run/sections"
    done
    # Read with the other setting, the files do not fit.
    other=$((1 - aggregator))
    if "$cli" sections "$examples/portal.s2k" "$run" --step $steps --section 1:ElemType=2 \
        --set UseSectionAggregator=$other >/dev/null 2>&1; then
        fail "$name: files read with UseSectionAggregator=$other"
    fi
    [ $failed -eq 0 ] && echo "PASS $name"
done
exit $failed
