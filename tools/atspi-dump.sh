#!/usr/bin/env bash
# Dumps what a screen reader learns of Orvella: starts the real program on a virtual display
# with its own accessibility bus, asks for a reading with the keyboard alone (xdotool), and
# writes the AT-SPI tree of the input window and of the reading, and a keyboard walk through
# the reading and its Tree of Life, for people to check by hand.
# Usage: tools/atspi-dump.sh [output-folder] [NAME DAY MONTH YEAR]
#        (default: build/atspi, ANNA 5 1 1990; MONTH is 1 for January … 12 for December)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/atspi}
name=${2:-ANNA}
day=${3:-5}
month=${4:-1}
year=${5:-1990}
mkdir -p "$out"

scripts/install-packages xvfb xauth xdotool dbus at-spi2-core python3-pyatspi
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELLA_BUILD_TESTS=OFF \
    -DORVELLA_BUILD_TOOLS=OFF >/dev/null
cmake --build build/release --target orvella

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

# Qt speaks AT-SPI whenever this variable is set, without asking the desktop's settings. The
# Debian python has pyatspi, whatever python3 comes first on the PATH.
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c '
    set -e
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME="$1" build/release/app/orvella &
    app=$!
    trap "kill $app 2>/dev/null || true" EXIT
    for _ in $(seq 50); do xdotool search --name "Orvella v1.25" >/dev/null 2>&1 && break; sleep 0.2; done
    sleep 1
    # No window manager runs on the virtual display: give the input window the focus.
    xdotool search --name "Orvella v1.25" | head -n 1 | xargs -I{} xdotool windowfocus --sync {}
    /usr/bin/python3 tools/atspi_dump.py "$2" "$3" "$4" "$(($5 - 1))" "$6"
' _ "$config" "$out" "$name" "$day" "$month" "$year"
echo "AT-SPI dumps in $out: input-window.txt, reading-window.txt, keyboard-walk.txt"
