#!/bin/bash
# Runs the OpenSees script checker on the hand-written scripts of selftest/:
#   good.tcl must pass with exactly the output in good.expected (its one note included);
#   each bad_*.tcl must fail with exactly one problem, the one its "# expect:" line names.
# Usage: selftest.sh [CHECKER_TCL]   (default: opensees_check.tcl beside this script)
set -u
here=$(cd "$(dirname "$0")" && pwd)
checker=$(realpath "${1:-$here/opensees_check.tcl}")
cases="$here/selftest"
tclsh=${TCLSH:-tclsh}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

report() { # status name [details]
    echo "$1 $2"
    if [ "$1" = FAIL ]; then
        failures=$((failures + 1))
        [ -n "${3:-}" ] && printf '%s\n' "$3" | sed 's/^/    /'
    fi
}

# Runs the checker in an empty folder, so that a file the script writes would show.
run_checker() { # script -> sets out, status
    out=$(cd "$work" && "$tclsh" "$checker" "$1" 2>&1)
    status=$?
    if [ -n "$(ls -A "$work")" ]; then
        out="$out"$'\n'"the checked script wrote files: $(ls -A "$work")"
        status=99
        rm -rf "${work:?}"/*
    fi
}

run_checker "$cases/good.tcl"
if [ $status -eq 0 ] && [ "$out" = "$(cat "$cases/good.expected")" ]; then
    report PASS good.tcl
else
    report FAIL good.tcl "exit $status; output:"$'\n'"$out"$'\n'"expected:"$'\n'"$(cat "$cases/good.expected")"
fi

for script in "$cases"/bad_*.tcl; do
    name=$(basename "$script")
    expect=$(sed -n 's/^# expect: //p' "$script")
    run_checker "$script"
    if [ -z "$expect" ]; then
        report FAIL "$name" "no '# expect:' line"
    elif [ $status -ne 1 ]; then
        report FAIL "$name" "exit $status, not 1; output:"$'\n'"$out"
    elif ! grep -qxF "FAILED: 1 problems" <<<"$out"; then
        report FAIL "$name" "not exactly one problem; output:"$'\n'"$out"
    elif ! grep -q "^$(printf '%s' "$expect" | sed 's/[][\.*^$/]/\\&/g')" <<<"$out"; then
        report FAIL "$name" "expected: $expect"$'\n'"output:"$'\n'"$out"
    else
        report PASS "$name"
    fi
done

# Without a script the checker exits with 2.
"$tclsh" "$checker" >/dev/null 2>&1
status=$?
if [ $status -eq 2 ]; then report PASS usage; else report FAIL usage "exit $status, not 2"; fi

if [ $failures -gt 0 ]; then
    echo "selftest: $failures failures"
    exit 1
fi
echo "selftest: all passed"
