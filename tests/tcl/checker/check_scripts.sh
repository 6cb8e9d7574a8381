#!/bin/bash
# Writes the OpenSees script of every example model for every analysis type, with and without
# section aggregators, and runs each through the script checker.
# Usage: check_scripts.sh VEK_CLI CHECKER_TCL EXAMPLES_DIR
# Prints one line per run; exits 1 if any run fails (vek-cli error or checker failure).
# Settings an example needs in every run (a control node that is not fixed, say) go in
# example_settings.txt beside this script: "FILE.s2k Name=Value ..." (each passed as --set),
# "--option=value" (passed as the vek-cli option with its value, e.g.
# --solid-material=100:E=30000,Poisson=0.2) and "skip=T,T,...".
set -u
if [ $# -ne 3 ]; then
    echo "usage: check_scripts.sh VEK_CLI CHECKER_TCL EXAMPLES_DIR" >&2
    exit 2
fi
# Absolute paths: the checker runs in the temporary folder.
cli=$1
[[ $cli == */* ]] && cli=$(realpath "$cli")
checker=$(realpath "$2")
examples=$(realpath "$3")
tclsh=${TCLSH:-tclsh}
here=$(cd "$(dirname "$0")" && pwd)
extra_file="$here/example_settings.txt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
runs=0
failures=0

# The extra settings of an example, one vek-cli argument a line: "--set Name=Value" for a
# setting, "--option value" for an "--option=value" entry.
example_settings() { # file name
    [ -f "$extra_file" ] || return 0
    awk -v f="$1" '$1 == f { for (i = 2; i <= NF; i++) {
        if ($i ~ /^skip=/) continue
        if ($i ~ /^--[^=]+=/) { eq = index($i, "="); printf "%s\n%s\n", substr($i, 1, eq - 1), substr($i, eq + 1) }
        else printf "--set\n%s\n", $i } }' "$extra_file"
}

# True when example_settings.txt says the example cannot run the analysis type.
skipped() { # file name, analysis type
    [ -f "$extra_file" ] || return 1
    awk -v f="$1" -v t="$2" '$1 == f { for (i = 2; i <= NF; i++) if ($i ~ /^skip=/) {
        n = split(substr($i, 6), types, ","); for (k = 1; k <= n; k++) if (types[k] == t) found = 1 } }
        END { exit found ? 0 : 1 }' "$extra_file"
}

check_run() { # s2k, then Name=Value settings
    local s2k=$1
    shift
    local name label out status
    name=$(basename "$s2k")
    label="$name $*"
    local sets=()
    local s
    for s in "$@"; do sets+=(--set "$s"); done
    while IFS= read -r s; do sets+=("$s"); done < <(example_settings "$name")
    runs=$((runs + 1))
    rm -f "$work/out.tcl" "$work/cli.err"
    if ! "$cli" tcl "$s2k" "${sets[@]}" -o "$work/out.tcl" >/dev/null 2>"$work/cli.err"; then
        echo "FAIL $label: vek-cli tcl exited with an error"
        sed 's/^/    /' "$work/cli.err"
        failures=$((failures + 1))
        return
    fi
    if [ ! -s "$work/out.tcl" ]; then
        echo "FAIL $label: vek-cli tcl wrote no script"
        failures=$((failures + 1))
        return
    fi
    out=$(cd "$work" && "$tclsh" "$checker" "$work/out.tcl" 2>&1)
    status=$?
    if [ $status -eq 0 ]; then
        echo "PASS $label: $(tail -n 1 <<<"$out")"
    else
        echo "FAIL $label:"
        sed 's/^/    /' <<<"$out"
        if [ -s "$work/cli.err" ]; then
            echo "    vek-cli warnings:"
            sed 's/^/      /' "$work/cli.err"
        fi
        failures=$((failures + 1))
    fi
}

shopt -s nullglob
files=("$examples"/*.s2k)
if [ ${#files[@]} -eq 0 ]; then
    echo "no .s2k files in $examples" >&2
    exit 1
fi
for s2k in "${files[@]}"; do
    for type in 1 2 3 4 5 6 7; do
        if skipped "$(basename "$s2k")" "$type"; then
            echo "SKIP $(basename "$s2k") AnalysisType=$type (see example_settings.txt)"
            continue
        fi
        for aggregator in 0 1; do
            check_run "$s2k" "AnalysisType=$type" "UseSectionAggregator=$aggregator"
        done
    done
    skipped "$(basename "$s2k")" 4 && continue
    for aggregator in 0 1; do
        check_run "$s2k" AnalysisType=4 "UseSectionAggregator=$aggregator" \
            RecordFrameForce=1 RecordSectionDeform=1 RecordModeShapes=1
    done
done
echo "$runs runs, $failures failed"
[ $failures -eq 0 ]
