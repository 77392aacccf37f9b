#!/usr/bin/env bash
# Starts Orvella on a virtual display, asks for a reading as a person would (types a name,
# picks a date with the keyboard, presses Alt+P) and saves screenshots of the input window
# and of the reading. Usage: tools/screenshot.sh [output-folder]   (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
mkdir -p "$out"

scripts/install-packages xvfb xauth xdotool imagemagick
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELLA_BUILD_TESTS=OFF \
    -DORVELLA_BUILD_TOOLS=OFF >/dev/null
cmake --build build/release --target orvella

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -e
    XDG_CONFIG_HOME="$1" build/release/app/orvella &
    app=$!
    for _ in $(seq 50); do xdotool search --name "Orvella v1.25" >/dev/null 2>&1 && break; sleep 0.2; done
    sleep 1
    # No window manager runs on the virtual display: give the input window the focus.
    xdotool search --name "Orvella v1.25" | head -n 1 | xargs -I{} xdotool windowfocus --sync {}
    xdotool type --delay 50 "anna maria"
    xdotool key Tab Down Down Down Down Tab Down Tab Down Down
    sleep 0.5
    import -window root "$2/input.png"
    xdotool key alt+p
    sleep 2
    xdotool search --name "Orvella v1.25" | tail -n 1 | xargs -I{} xdotool windowfocus --sync {}
    import -window root "$2/reading.png"
    xdotool key alt+p
    sleep 2
    import -window root "$2/report.png"
    kill $app
' _ "$config" "$out"
echo "Screenshots in $out: input.png, reading.png, report.png"
