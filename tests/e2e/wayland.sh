#!/usr/bin/env bash
# wayland.sh SCALE EXECUTABLE [PREPARED]: the real program on Qt's wayland platform, in a headless
# sway at output scale SCALE (1 or 2): the splash, Enter, the board at 522 x 541 logical pixels with
# the dealt start position, a swap by keys, and File > Save writing that swap.
# sway refuses to run as root, so the compositor and the program run as nobody, in a work folder
# of their own; keys go through wtype (the headless backend has no pointer), screens come from grim
# in physical pixels, windows from "swaymsg -t get_tree".
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"

scale=${1:?output scale}
exe=$(realpath "${2:?program}")
prepared=${3:-}
case $scale in 1 | 2) ;; *) echo "scale must be 1 or 2" >&2; exit 2 ;; esac
for tool in sway swaymsg wtype grim; do
    command -v $tool >/dev/null || { echo "wayland.sh needs $tool: run ./test.sh, which installs it" >&2; exit 1; }
done

[ "$(id -u)" = 0 ] || { echo "SKIP: the Wayland check runs sway as another user, which needs root"; exit 77; }

e2e_init
use_prepared_program "$exe" "$prepared"

PLAYER=nobody
chmod 711 "$E2E_WORK"
runtime=$E2E_WORK/wayland-runtime
mkdir -m 700 "$runtime"
chown -R "$PLAYER" "$runtime" "$FOLDER"
printf 'output HEADLESS-1 resolution %dx%d scale %s\n' $((1280 * scale)) $((1024 * scale)) "$scale" >"$E2E_WORK/sway.conf"
chmod 644 "$E2E_WORK/sway.conf"

# as_player COMMAND...: a command as the player, with only what the session gives it. It ends in
# an exec of the command, so that a process started with it is the command itself.
as_player() {
    exec_as_player "$@" &
    wait $!
}
exec_as_player() {
    exec setpriv --reuid="$PLAYER" --regid="$(id -g "$PLAYER")" --clear-groups \
        env -i PATH=/usr/bin:/bin HOME="$E2E_WORK" XDG_RUNTIME_DIR="$runtime" ${WAYLAND_DISPLAY:+WAYLAND_DISPLAY=$WAYLAND_DISPLAY} \
        ${SWAYSOCK:+SWAYSOCK=$SWAYSOCK} "$@"
}

(cd "$E2E_WORK" &&
    exec_as_player env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$E2E_WORK/sway.conf") \
    >"$E2E_WORK/sway.log" 2>&1 &
own_process $!
sway_ready() { compgen -G "$runtime/sway-ipc.*.sock" >/dev/null && [ -S "$runtime/wayland-1" ]; }
wait_for 15 "sway to start" sway_ready
WAYLAND_DISPLAY=wayland-1
SWAYSOCK=$(compgen -G "$runtime/sway-ipc.*.sock" | head -n1)

(cd "$E2E_WORK" && exec_as_player env QT_QPA_PLATFORM=wayland QT_FONT_DPI=96 SDL_AUDIODRIVER=dummy "$FOLDER/quintrel") \
    >"$E2E_WORK/program.out" 2>"$E2E_WORK/program.err" &
QPID=$!
own_process "$QPID"

# The program's windows as "x y width height<tab>title", one a line: the inside of each window in
# logical pixels on the output.
windows() {
    as_player swaymsg -t get_tree 2>/dev/null | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("pid") and node.get("window_rect"):
        r, w = node["rect"], node["window_rect"]
        print(r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"], sep=" ", end="\t")
        print(node.get("name") or "")
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
window_named() { windows | awk -F '\t' -v t="$1" '$2 == t { print $1; exit }' | grep .; }
has_window_named() { window_named "$1" >/dev/null; }
keys() { as_player wtype -s 300 "$@" -s 300 || die "wtype could not type"; }
# A failure keeps the screen as grim saw it last.
die_on_screen() {
    as_player grim "$runtime/failure.png" 2>/dev/null && cp "$runtime/failure.png" "$E2E_WORK/failure.png" &&
        echo "  (screen at the failure: $E2E_WORK/failure.png, kept)" >&2 && E2E_KEEP=1
    die "$@"
}

SPLASH_TITLE="Quintrel, by the Quintrel makers, 2026"
wait_for 20 "the splash window" has_window_named "$SPLASH_TITLE"
note "splash: $(window_named "$SPLASH_TITLE")"
keys -k Return

board_geometry() {
    local geometry
    geometry=$(window_named Quintrel) || return 1
    read -r BX BY BW BH <<<"$geometry"
    [ "$BW" = 522 ] && [ "$BH" = 541 ]
}
wait_for 15 "the board window at 522 x 541" board_geometry
note "board at $BX,$BY, ${BW}x${BH} logical pixels"

# The signature of every tile as grim sees it: the board's client area starts below the 19-pixel
# menu bar, tiles are 172 pixels on a 174-pixel pitch, all times the scale in physical pixels.
screen_tiles() {
    as_player grim "$runtime/screen.png" 2>/dev/null || return 1
    local p args=()
    for p in 1 2 3 4 5 6 7 8 9; do
        local x=$(((BX + 174 * ((p - 1) % 3)) * scale)) y=$(((BY + 19 + 174 * ((p - 1) / 3)) * scale))
        local size=$((172 * scale))
        args+=(\( +clone -crop "${size}x${size}+$x+$y" +repage -format '%# ' -write info: +delete \))
    done
    $IM_CONVERT "$runtime/screen.png" "${args[@]}" null: 2>/dev/null
}
# The signature of a card picture as the board should show it at this scale.
picture_signature() {
    if [ "$scale" = 1 ]; then
        awk -v k="$1" '$1 == k { print $2 }' "$SIGNATURES"
    else
        $IM_CONVERT "$FOLDER/${1%%:*}/${1##*:}@2x.png" -format '%#' info: 2>/dev/null
    fi
}
# board_shows "card:orientation" x 9, "-" for a tile not to look at (the keyboard cursor's frame)
board_shows() {
    local shown wanted p
    read -ra shown <<<"$(screen_tiles)" || return 1
    [ ${#shown[@]} = 9 ] || return 1
    p=0
    for wanted in "$@"; do
        [ "$wanted" = - ] || [ "${shown[p]}" = "$(picture_signature "$wanted")" ] || return 1
        p=$((p + 1))
    done
}
START="1010:1 1020:1 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1"
# After the swap the cursor's frame lies on tile 2.
SWAPPED="1020:1 - 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1"
# shellcheck disable=SC2086
wait_for 15 "the dealt start position" board_shows $START
note "the start position is dealt"

# The keyboard cursor starts on tile 1: select it, move right, swap with tile 2.
keys -k Return -k Right -k Return
# shellcheck disable=SC2086
wait_until 5 board_shows $SWAPPED || die_on_screen "the board does not show the swap of tiles 1 and 2"
note "tiles 1 and 2 swapped by keys"

keys -M alt -k f -m alt -k s
saved() { grep -q '^Dir 1=1020' "$FOLDER/game.ini" 2>/dev/null && grep -q '^Dir 2=1010' "$FOLDER/game.ini"; }
wait_for 10 "File > Save to write game.ini" saved
two_named() { [ "$(windows | awk -F '\t' '$2 == "Quintrel"' | wc -l)" -ge 2 ]; }
wait_for 10 "the message that the game has been saved" two_named
note "game.ini holds the swap: $(tr -d '\r' <"$FOLDER/game.ini" | grep -c '=') keys"

# The message box, then the program, closed by keys.
keys -k Return
keys -M alt -k f -m alt -k x
exited() { ! kill -0 "$QPID" 2>/dev/null; }
wait_until 10 exited || die_on_screen "the program did not end after File > Exit"
wait "$QPID"
status=$?
[ "$status" = 0 ] || die "the program ended with status $status: $(cat "$E2E_WORK/program.err")"
no_crash_report || die "the program reported: $(cat "$E2E_WORK/program.err")"
echo "PASS: wayland at scale $scale"
