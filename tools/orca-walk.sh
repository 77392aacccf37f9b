#!/usr/bin/env bash
# Writes down what the screen reader Orca says while a person walks Orvella with the keys:
# starts a virtual display with a window manager, a D-Bus session with the accessibility bus,
# Orca with fresh preferences and a debug log, and the program under an English locale with
# fresh settings, then drives a fixed keyboard walk (tools/orca_walk.py) and writes, key by
# key, what Orca spoke. Usage: tools/orca-walk.sh [output-folder]   (default: build/orca-walk)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/orca-walk}
mkdir -p "$out"

# orca brings python3-pyatspi and speech-dispatcher's Python client; the espeak-ng module is
# its voice.
scripts/install-packages xvfb xauth openbox xdotool dbus at-spi2-core orca speech-dispatcher \
    speech-dispatcher-espeak-ng procps
if [ ! -f build/test/build.ninja ]; then
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVELLA_WERROR=ON >/dev/null
fi
cmake --build build/test --target orvella >/dev/null

# The Debian python has pyatspi, whatever python3 comes first on the PATH.
dbus-run-session -- /usr/bin/python3 tools/orca_walk.py "$out" build/test/app/orvella \
    2> >(grep -v '^dbus-daemon' >&2)
echo "What Orca said, key by key: $out/walk.txt (Orca's own log: $out/orca.log)"
