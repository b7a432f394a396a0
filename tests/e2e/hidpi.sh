#!/usr/bin/env bash
# hidpi.sh RATIO EXECUTABLE [PREPARED]: the board on an X screen whose Xft.dpi gives Qt a device
# pixel ratio of RATIO (2 or 1.5), as a desktop set to 200 % or 150 % does.
# - At 2 every tile shows its card's 2x picture pixel for pixel, and tile 1 shrunk to 172 pixels
#   matches the 1x picture.
# - At 1.5 every tile shows the 2x picture reduced smoothly to 258 pixels, all nine on one grid of
#   261 pixels: no seam, no gap and no one-pixel shift between them.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"

ratio=${1:?pixel ratio}
exe=$(realpath "${2:?program}")
prepared=${3:-}
case $ratio in
2) dpi=192 ;;
1.5) dpi=144 ;;
*) echo "the ratio must be 2 or 1.5" >&2; exit 2 ;;
esac
command -v xrdb >/dev/null || { echo "hidpi.sh needs xrdb (x11-xserver-utils): run ./test.sh" >&2; exit 1; }

e2e_init
use_prepared_program "$exe" "$prepared"
# The doubled windows need a large screen.
SCREEN_W=2560
SCREEN_H=2048
start_x
echo "Xft.dpi: $dpi" >"$E2E_WORK/resources"
xrdb -nocpp -load "$E2E_WORK/resources" || die "xrdb could not set Xft.dpi"
# Qt takes its ratio from Xft.dpi only when no font density is forced on it.
unset QT_FONT_DPI

# Physical pixels of a logical length at this ratio.
px() { awk -v n="$1" -v r="$ratio" 'BEGIN { printf "%d", n * r + 0.5 }'; }
TILE=$(px 172)
PITCH=$(px 174)

start_program "$FOLDER"
wait_for 20 "the splash window" has_window_titled "Quintrel, by the Quintrel makers, 2026"
press_in "$(window_titled "Quintrel, by the Quintrel makers, 2026")" Return
# The board window: titled "Quintrel", and as large as the ratio makes 522 x 541.
board_at_ratio() {
    local id
    for id in $(program_windows); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = Quintrel ] || continue
        window_geometry "$id"
        [ $((WW - $(px 522))) -ge -1 ] && [ $((WW - $(px 522))) -le 1 ] && [ $((WH - $(px 541))) -ge -1 ] &&
            [ $((WH - $(px 541))) -le 1 ] && { BOARD_ID=$id; return 0; }
    done
    return 1
}
wait_for 15 "the board window at ${ratio}x" board_at_ratio
BX=$WX
BY=$((WY + WH - $(px 522)))
note "board ${WW}x${WH} pixels at $WX,$WY"

# The pictures the tiles should show at this ratio, made from the 2x files as the game makes them.
expected=$E2E_WORK/expected
mkdir -p "$expected"
for card in 1010 1020 1030 1040 1050 1060 1070 1080 1090; do
    if [ "$ratio" = 2 ]; then
        cp "$FOLDER/$card/1@2x.png" "$expected/$card.png"
    else
        $IM_CONVERT "$FOLDER/$card/1@2x.png" -filter Triangle -resize "${TILE}x${TILE}!" "$expected/$card.png"
    fi
done

# tile_difference P DX DY: the root mean square difference (0 to 255) between tile P on the screen,
# with the board's origin moved by DX, DY pixels, and the card the start position has there.
grab() { $IM_CONVERT x:root -depth 8 "$E2E_WORK/screen.png" 2>/dev/null; }
tile_difference() {
    local p=$1 dx=$2 dy=$3
    local x=$((BX + dx + PITCH * ((p - 1) % 3))) y=$((BY + dy + PITCH * ((p - 1) / 3)))
    $IM_COMPARE -metric RMSE \( "$E2E_WORK/screen.png" -crop "${TILE}x${TILE}+$x+$y" +repage \) \
        "$expected/$((1000 + 10 * p)).png" null: 2>&1 | awk '{ printf "%.2f", $1 / 257 }'
}
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

if [ "$ratio" = 2 ]; then
    # Pixel for pixel: the dealt tiles are the 2x pictures themselves.
    dealt() {
        grab || return 1
        local p
        for p in 1 2 3 4 5 6 7 8 9; do
            [ "$(tile_difference $p 0 0)" = 0.00 ] || return 1
        done
    }
    wait_for 15 "the nine 2x card pictures, pixel for pixel" dealt
    note "the nine tiles show the 2x pictures pixel for pixel"
    # Tile 1 shrunk to the 1x size matches the 1x picture (within the 256 colours of the GIF).
    $IM_CONVERT "$E2E_WORK/screen.png" -crop "344x344+$BX+$BY" +repage -filter Box -resize 172x172 \
        "$E2E_WORK/shrunk.png" || die "could not shrink tile 1"
    shrunk=$($IM_COMPARE -metric RMSE "$E2E_WORK/shrunk.png" "$FOLDER/1010/1.gif[0]" null: 2>&1 |
        awk '{ printf "%.2f", $1 / 257 }')
    below "$shrunk" 5 || die "tile 1 shrunk to 172 pixels differs from 1010/1.gif by $shrunk"
    note "tile 1 shrunk to 172 pixels differs from 1010/1.gif by $shrunk of 255"
else
    # Reduced by the program and by ImageMagick, the same picture differs a little; a tile one
    # pixel off its place differs far more. Every tile lies on one grid: find the board's origin
    # once, then all nine must match there.
    dealt() {
        grab || return 1
        local dx dy p difference
        for dy in 0 1 -1; do
            for dx in 0 1 -1; do
                for p in 1 2 3 4 5 6 7 8 9; do
                    difference=$(tile_difference $p $dx $dy)
                    below "$difference" 6 || continue 2
                done
                ORIGIN="$dx,$dy"
                return 0
            done
        done
        return 1
    }
    wait_for 15 "the nine reduced 2x card pictures on one grid" dealt
    note "the nine tiles show the reduced 2x pictures on one ${PITCH}-pixel grid (origin moved by $ORIGIN)"
fi

menu_command f x
wait_for_exit 10
[ "$STATUS" = 0 ] || die "the program ended with status $STATUS"
no_crash_report || die "the program reported: $(cat "$E2E_WORK/program.err")"
echo "PASS: hidpi at ${ratio}x"
