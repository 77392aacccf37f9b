#!/usr/bin/env bash
# Starts Orvella on a virtual display with a window manager, asks for a reading as a person
# would (types a name, picks a date with the keyboard, presses Alt+P) and saves screenshots:
# the whole screen with the input window, the reading and the report into the output folder,
# and each window by itself into docs/screenshots/ for the README and the AppStream data:
# the three tabs of the reading, the report window and the About box.
# Usage: tools/screenshot.sh [output-folder] [language]   (default: build/screenshots, English)
# With a language of a translation ("de"), the program runs under that language's locale
# (made with locale-gen where missing) and the window shots go into docs/screenshots/<language>/.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
language=${2:-}
docs=docs/screenshots
locale=C.UTF-8
# The mnemonics of Proceed, Print and About in the menu bar's Help menu, per language.
keys="alt+p alt+p a"
case "$language" in
    "") ;;
    de) locale=de_DE.UTF-8 keys="alt+w alt+u b" ;;
    *) echo "No screenshot keys for the language $language" >&2; exit 1 ;;
esac
if [ -n "$language" ]; then
    docs=docs/screenshots/$language
    if ! locale -a | grep -qix "${locale/UTF-8/utf8}"; then
        sudo=()
        [ "$(id -u)" -eq 0 ] || sudo=(sudo)
        "${sudo[@]}" sed -i "s/^# *\(${locale} UTF-8\)/\1/" /etc/locale.gen
        "${sudo[@]}" locale-gen
    fi
fi
mkdir -p "$out" "$docs"

scripts/install-packages xvfb xauth xdotool imagemagick openbox
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELLA_BUILD_TESTS=OFF \
    -DORVELLA_BUILD_TOOLS=OFF >/dev/null
cmake --build build/release --target orvella

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -e
    config=$1 out=$2 docs=$3 locale=$4
    set -- $5
    proceed=$1 print=$2 about=$3
    openbox >/dev/null 2>&1 &
    wm=$!
    LANG=$locale LC_ALL=$locale LANGUAGE= XDG_CONFIG_HOME="$config" build/release/app/orvella &
    app=$!
    for _ in $(seq 50); do xdotool search --name "Orvella v1.25" >/dev/null 2>&1 && break; sleep 0.2; done
    sleep 1
    # The window in front, with its frame.
    shoot() { import -frame -window "$(xdotool getactivewindow)" "$docs/$1.png"; }

    xdotool search --name "Orvella v1.25" | head -n 1 | xargs -I{} xdotool windowactivate --sync {}
    xdotool type --delay 50 "anna maria"
    xdotool key Tab Down Down Down Down Tab Down Tab Down Down
    sleep 0.5
    import -window root "$out/input.png"
    xdotool key $proceed
    sleep 2
    import -window root "$out/reading.png"

    # The three tabs, picked by a click on their captions (the frame fills the screen, so
    # they lie at fixed places); the third explains Tiphereth, under the pointer.
    for tab in "630 sephiroths" "820 rune-and-path" "1009 sun-sign"; do
        set -- $tab
        xdotool mousemove "$1" 124 click 1
        sleep 0.7
        if [ "$2" = sun-sign ]; then xdotool mousemove 306 395; sleep 0.7; fi
        shoot "$2"
    done

    xdotool key $print
    sleep 2
    import -window root "$out/report.png"
    shoot report
    xdotool key alt+F4
    sleep 1
    xdotool key alt+h $about
    sleep 1
    shoot about
    xdotool key Escape
    kill $app $wm
' _ "$config" "$out" "$docs" "$locale" "$keys"
echo "Screenshots in $out: input.png, reading.png, report.png"
echo "and in $docs: sephiroths.png, rune-and-path.png, sun-sign.png, report.png, about.png"
