#!/bin/bash
# Runs the OpenSees script of every example model, for every analysis type with and without
# section aggregators (and with the element and mode-shape recorders), in a real OpenSees
# interpreter, and checks the output and every recorder file the script names.
# Usage: run_examples.sh VEK_CLI EXAMPLES_DIR
# The interpreter: $OPENSEES, else ../shared/opensees/OpenSees beside the project root, else
# OpenSees on the PATH. Without one the test is skipped (exit 77). Prints one line per run
# (PASS, FAIL or SKIP and the reason) and a summary; exits 1 if any run failed.
# Per-example settings and skipped analysis types: example_settings.txt beside this script.
# Environment: OPENSEES_JOBS (parallel runs, default 2), OPENSEES_TIMEOUT (seconds per run,
# default 120), OPENSEES_KEEP=1 (keep every run's folder; failed ones are always kept).
set -u
if [ $# -ne 2 ]; then
    echo "usage: run_examples.sh VEK_CLI EXAMPLES_DIR" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

cli=$1
[[ $cli == */* ]] && cli=$(realpath "$cli")
examples=$(realpath "$2")
if [ ! -x "$cli" ] && ! command -v "$cli" >/dev/null 2>&1; then
    echo "vek-cli not found: $1" >&2
    exit 1
fi

opensees=""
if [ -n "${OPENSEES:-}" ]; then
    if [ -x "$OPENSEES" ]; then
        opensees=$(realpath "$OPENSEES")
    elif command -v "$OPENSEES" >/dev/null 2>&1; then
        opensees=$(command -v "$OPENSEES")
    else
        echo "note: OPENSEES=$OPENSEES is not an executable; looking further"
    fi
fi
if [ -z "$opensees" ] && [ -x "$root/../shared/opensees/OpenSees" ]; then
    opensees=$(realpath "$root/../shared/opensees/OpenSees")
fi
if [ -z "$opensees" ] && command -v OpenSees >/dev/null 2>&1; then
    opensees=$(command -v OpenSees)
fi
if [ -z "$opensees" ]; then
    echo "OpenSees not found: set OPENSEES to an OpenSees 3.7 or 3.8 interpreter, or put one at ../shared/opensees/OpenSees"
    exit 77
fi

python=$(command -v python3 || true)
if [ -z "$python" ]; then
    echo "python3 not found: the OpenSees runs are judged by a Python script"
    exit 77
fi

# The interpreter must start: a missing runtime library (tools/install-deps installs them)
# skips the test with the libraries named. OpenSees writes its banner and puts to stderr.
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'puts "version [version]"' >"$probe/probe.tcl"
(cd "$probe" && timeout 30 "$opensees" probe.tcl) >"$probe/out" 2>&1
version=$(sed -n 's/^version //p' "$probe/out")
if [ -z "$version" ]; then
    echo "OpenSees at $opensees does not run:"
    grep -v '^[[:space:]]*$' "$probe/out" | head -n 5 | sed 's/^/    /'
    ldd "$opensees" 2>/dev/null | grep "not found" | sed 's/^/    /'
    echo "    (tools/install-deps installs its runtime libraries)"
    exit 77
fi
case $version in
    3.7* | 3.8*) ;;
    *) echo "note: OpenSees $version at $opensees; the recorder layouts were checked with 3.8" ;;
esac
echo "OpenSees $version: $opensees"

exec "$python" "$here/run_examples.py" "$cli" "$examples" "$opensees"
