# Sourced by the scripts that run a real OpenSees interpreter: sets `opensees` to $OPENSEES,
# else ../shared/opensees/OpenSees beside the project root ($root), else OpenSees on the PATH,
# and checks that it starts; without one the calling test is skipped (exit 77).
opensees=""
if [ -n "${OPENSEES:-}" ] && command -v "$OPENSEES" >/dev/null 2>&1; then
    opensees=$(command -v "$OPENSEES")
elif [ -x "$root/../shared/opensees/OpenSees" ]; then
    opensees=$(realpath "$root/../shared/opensees/OpenSees")
elif command -v OpenSees >/dev/null 2>&1; then
    opensees=$(command -v OpenSees)
fi
if [ -z "$opensees" ]; then
    echo "OpenSees not found: set OPENSEES to an OpenSees 3.7 or 3.8 interpreter"
    exit 77
fi
probe_folder=$(mktemp -d)
echo 'puts "version [version]"' >"$probe_folder/probe.tcl"
if ! (cd "$probe_folder" && timeout 30 "$opensees" probe.tcl 2>&1) | grep -q '^version '; then
    rm -rf "$probe_folder"
    echo "OpenSees at $opensees does not run"
    exit 77
fi
rm -rf "$probe_folder"
