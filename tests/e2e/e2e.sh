#!/usr/bin/env bash
# e2e.sh CHECK EXECUTABLE [PREPARED]: one end-to-end check of the real program, run on a private X server with
# a window manager, driven by xdotool and read back from the screen and the files it writes.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"

check=${1:?check name}
exe=$(realpath "${2:?program}")
[ -x "$exe" ] || { echo "no program at $exe" >&2; exit 1; }

prepared=${3:-}

e2e_init
# The data folder made once per test run (prepare.sh); made here when the check runs on its own.
use_prepared_program "$exe" "$prepared"
start_x

# Starts the program, checks the splash, dismisses it and waits for the whole first deal.
start_and_deal() {
    start_program "$FOLDER"
    wait_for 20 "the splash window" has_window_titled "$SPLASH_TITLE"
    press_in "$(window_titled "$SPLASH_TITLE")" Return
    wait_for 15 "the board window" has_board
    locate_board
    wait_for 15 "the first deal to show the start position" board_shows "$START_POSITION"
}
# One X request per poll, so that the moment the board appears is seen within milliseconds.
fast_board_mapped() { xdotool search --onlyvisible --pid "$QPID" --name '^Quintrel$' >/dev/null 2>&1; }
SPLASH_TITLE="Quintrel, by the Quintrel makers, 2026"

# wait_for_loaded DESCRIPTION LAYOUT: a load shows its nine cards and pauses after the ninth too; a
# move is taken only once that pause has passed.
wait_for_loaded() {
    wait_for 10 "$1" board_shows "$2"
    nap 0.2
}

# Exit through the program's own menu; the status must be 0.
exit_through_menu() {
    menu_command f x
    wait_for_exit 10
    [ "$STATUS" = 0 ] || die "the program ended with status $STATUS"
}

check_startup() {
    local how=${1:-return} splash t0 t1 board
    start_program "$FOLDER"
    wait_for 20 "the splash window" has_window_titled "$SPLASH_TITLE"
    splash=$(window_titled "$SPLASH_TITLE")
    # Alone: no other window of the program is mapped while the splash shows.
    local windows
    windows=$(program_windows | wc -l)
    [ "$windows" = 1 ] || die "the splash is not alone: $windows windows are mapped"
    # Borderless: the window manager gives it no frame.
    local extents
    extents=$(xprop -id "$splash" _NET_FRAME_EXTENTS 2>/dev/null | sed 's/.*= //')
    case "$extents" in "0, 0, 0, 0" | *"not found"*) ;; *) die "the splash has a frame: $extents" ;; esac
    # Centred on the screen, to a pixel.
    window_geometry "$splash"
    local dx=$((2 * WX + WW - SCREEN_W)) dy=$((2 * WY + WH - SCREEN_H))
    [ ${dx#-} -le 2 ] && [ ${dy#-} -le 2 ] ||
        die "the splash is not centred: ${WW}x${WH} at $WX,$WY"
    note "splash ${WW}x${WH} at $WX,$WY, alone and unframed"

    if [ "$how" = click ]; then
        # The OK button: 127 x 25 at (150, 230) of the splash.
        xdotool mousemove $((WX + 150 + 63)) $((WY + 230 + 12))
        t0=$(now_ms)
        xdotool click 1
    else
        xdotool windowactivate "$splash" 2>/dev/null || true
        wait_for 5 "the splash to have the keyboard" window_focused "$splash"
        t0=$(now_ms)
        xdotool key Return
    fi
    wait_for 10 "the board window" fast_board_mapped
    t1=$(now_ms)
    wait_for 10 "the board window" has_board
    no_window_titled "$SPLASH_TITLE" || die "the splash is still shown beside the board"
    # The board comes only after the pause that follows OK.
    [ $((t1 - t0)) -ge 150 ] || die "the board came $((t1 - t0)) ms after OK, before the pause had passed"
    note "board mapped $((t1 - t0)) ms after OK"
    locate_board
    window_geometry "$BOARD_ID"
    dx=$((2 * WX + WW - SCREEN_W))
    [ ${dx#-} -le 16 ] || die "the board is not centred across: ${WW}x${WH} at $WX,$WY"
    wait_for 15 "the first deal to show the start position" board_shows "$START_POSITION"
    note "the deal shows the nine pictures of the start position"
    exit_through_menu
}

check_handle() {
    start_and_deal
    click_handle 5
    wait_for 5 "tile 5 to show card 1050 turned once" board_shows \
        "1010:1 1020:1 1030:1 1040:1 1050:2 1060:1 1070:1 1080:1 1090:1"
    click_handle 5
    click_handle 9
    wait_for 5 "tiles 5 and 9 to show their turns" board_shows \
        "1010:1 1020:1 1030:1 1040:1 1050:3 1060:1 1070:1 1080:1 1090:2"
    # Passing over a handle without a click turns nothing.
    point_at $(($(tile_x 1) + 85)) $(($(tile_y 1) + 85))
    xdotool mousemove $(($(tile_x 1) + 150)) $(($(tile_y 1) + 150))
    board_shows "1010:1 1020:1 1030:1 1040:1 1050:3 1060:1 1070:1 1080:1 1090:2" ||
        die "hovering over handle 1 changed the board"
    note "handles 5 and 9 turn their cards on screen; a hover alone turns nothing"
    exit_through_menu
}

check_swap() {
    start_and_deal
    click_tile 1
    click_tile 9
    wait_for 5 "cards 1 and 9 to change places" board_shows \
        "1090:1 1020:1 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1010:1"
    click_tile 4
    click_tile 4
    click_tile 2
    click_tile 6
    wait_for 5 "cards 2 and 6 to change places" board_shows \
        "1090:1 1060:1 1030:1 1040:1 1050:1 1020:1 1070:1 1080:1 1010:1"
    note "two clicks swap two cards on screen; a second click on the selected tile deselects"
    exit_through_menu
}

check_save() {
    start_and_deal
    click_handle 3
    click_tile 1
    click_tile 2
    wait_for 5 "the moves before the save" board_shows \
        "1020:1 1010:1 1030:2 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1"
    menu_command f s
    wait_for 10 "the message that the game has been saved" has_dialog
    local box file
    box=$(dialog_window)
    file=$(find "$FOLDER" -maxdepth 1 -iname game.ini | head -n1)
    [ -n "$file" ] || die "no saved-game file in the program folder"
    [ "$(basename "$file")" = game.ini ] || die "the save made $(basename "$file"), not game.ini"
    local expected
    expected=$(printf '[Tile]\nDir 1=1020\nDir 2=1010\nDir 3=1030\nDir 4=1040\nDir 5=1050\nDir 6=1060\nDir 7=1070\nDir 8=1080\nDir 9=1090\n[Spin]\nTile 1=1\nTile 2=1\nTile 3=2\nTile 4=1\nTile 5=1\nTile 6=1\nTile 7=1\nTile 8=1\nTile 9=1')
    [ "$(tr -d '\r' <"$file" | grep -v '^$')" = "$expected" ] || die "game.ini holds: $(cat "$file")"
    # The box says so: its text is found on the screen by the text's own pixels.
    window_geometry "$box"
    note "message box ${WW}x${WH} with the title \"$(xdotool getwindowname "$box")\""
    message_is_one_line "$box" || die "the message box (${WW}x${WH}) is not the one-line saved message"
    press_in "$box" Return
    wait_for 5 "the message box to close" no_dialog
    note "Alt+F, S wrote game.ini and said \"Your game has been saved\""
    exit_through_menu
}

# The box that says "Your game has been saved" holds one short line of text and its OK button;
# the box of a failed save holds four lines. The words themselves are checked in the window tests.
message_is_one_line() {
    window_geometry "$1"
    [ "$WH" -lt 120 ] && [ "$WW" -lt 400 ]
}

check_load() {
    start_and_deal
    local layout="1030:2 1090:4 1010:3 1050:1 1070:2 1020:4 1080:3 1040:1 1060:2"
    write_saved_game "$FOLDER/GAME.INI" "$layout"
    menu_command f l
    wait_for_loaded "the hand-edited saved game on screen" "$layout"
    no_dialog || die "the load showed a message"
    # The loaded game plays on: a swap acts on the loaded cards.
    click_tile 1
    click_tile 3
    wait_for 5 "a swap on the loaded game" board_shows \
        "1010:3 1090:4 1030:2 1050:1 1070:2 1020:4 1080:3 1040:1 1060:2"
    note "a hand-edited GAME.INI loads, shows its pictures and plays on"
    exit_through_menu
}

check_win() {
    start_and_deal
    # Solution 1 with the cards of positions 1 and 2 exchanged: one swap from solved.
    write_saved_game "$FOLDER/game.ini" "1090:2 1050:3 1070:3 1080:4 1010:3 1040:2 1030:3 1060:4 1020:1"
    menu_command f l
    wait_for_loaded "the loaded game" "1090:2 1050:3 1070:3 1080:4 1010:3 1040:2 1030:3 1060:4 1020:1"
    no_dialog || die "a window appeared before the winning move"
    click_tile 1
    click_tile 2
    wait_for 10 "the win window" has_dialog
    local win
    win=$(dialog_window)
    window_geometry "$win"
    note "win window ${WW}x${WH} at $WX,$WY"
    press_in "$win" Return
    wait_for 5 "the win window to close" no_dialog
    board_shows "1050:3 1090:2 1070:3 1080:4 1010:3 1040:2 1030:3 1060:4 1020:1" ||
        die "the board does not show the solution after the win"
    # The board is locked now: a swap does nothing.
    click_tile 1
    click_tile 3
    sleep 0.3 # a swap would have shown within its 0.15 s pause; nothing to wait on when nothing happens
    board_shows "1050:3 1090:2 1070:3 1080:4 1010:3 1040:2 1030:3 1060:4 1020:1" ||
        die "a won board still took a move"
    note "the winning swap opened the win window, and the board is locked after it"
    exit_through_menu
}

check_help() {
    start_and_deal
    local entry title
    for entry in "h r Quintrel - Help" "h a Quintrel - Help" "h e Example - Quintrel"; do
        read -r m e title <<<"$entry"
        menu_command "$m" "$e"
        wait_for 10 "the window \"$title\"" has_window_titled "$title"
        # Modal: the board takes no command while it is open; Escape closes it.
        press_in "$(window_titled "$title")" Escape
        wait_for 5 "the window \"$title\" to close" no_window_titled "$title"
        note "Alt+${m^^}, ${e^^} opened \"$title\""
    done
    # No deal after the help windows: the board still shows the game as it was.
    board_shows "$START_POSITION" || die "the board changed after the help windows"
    exit_through_menu
}

check_exit() {
    start_and_deal
    menu_command f x
    wait_for_exit 10
    [ "$STATUS" = 0 ] || die "Alt+F, X ended the program with status $STATUS"
    no_crash_report || die "the program reported: $(cat "$E2E_WORK/program.err")"
    note "Alt+F, X ended the program with status 0"
}

# Exit chosen while the first deal is still running: the program ends at once, nothing remains.
check_exit_during_deal() {
    start_program "$FOLDER"
    wait_for 20 "the splash window" has_window_titled "$SPLASH_TITLE"
    press_in "$(window_titled "$SPLASH_TITLE")" Return
    wait_for 10 "the board window" has_board
    locate_board
    menu_command f x
    wait_for_exit 10
    [ "$STATUS" = 0 ] || die "exit during the deal ended with status $STATUS"
    note "Alt+F, X during the deal ended the program with status 0"
}

check_largefonts() {
    start_program "$FOLDER" QT_FONT_DPI=120
    wait_for 20 "the large-fonts message" has_window_titled "QUINTREL"
    local windows
    windows=$(program_windows | wc -l)
    [ "$windows" = 1 ] || die "$windows windows are mapped beside the large-fonts message"
    press_in "$(window_titled QUINTREL)" Return
    wait_for_exit 10
    [ "$STATUS" = 0 ] || die "the program ended with status $STATUS after the large-fonts message"
    note "QT_FONT_DPI=120 showed only the message \"QUINTREL\" and ended with status 0"
}

# Qt's own options work as in every Qt program. A platform that needs no display starts without
# one, named in QT_QPA_PLATFORM or by -platform; one Qt does not have, or one that cannot start,
# gets one line and status 1.
check_commandline() {
    start_program "$FOLDER" -- -style Fusion -reverse
    wait_for 20 "the splash window with -style Fusion -reverse" has_window_titled "$SPLASH_TITLE"
    press_in "$(window_titled "$SPLASH_TITLE")" Return
    wait_for 15 "the board window" has_board
    locate_board
    wait_for 15 "the first deal" board_shows "$START_POSITION"
    exit_through_menu
    note "-style Fusion -reverse: the game starts, deals and ends through its menu"

    local how
    for how in QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORM=offscreen:size=800x600 "QT_QPA_PLATFORM=xcb -- -platform offscreen"; do
        # shellcheck disable=SC2086
        start_program "$FOLDER" DISPLAY= $how
        nap 1
        program_running && [ ! -s "$E2E_WORK/program.err" ] ||
            die "$how without a display did not start: $(cat "$E2E_WORK/program.err")"
        kill "$QPID"
        wait_for_exit 10
    done
    note "offscreen, with options or by -platform, starts without a display"

    for how in QT_QPA_PLATFORM=nosuch "QT_QPA_PLATFORM=xcb -- -platform nosuch" QT_QPA_PLATFORM=linuxfb:fb=/nonexistent/fb0 \
        "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=no-compositor"; do
        # shellcheck disable=SC2086
        start_program "$FOLDER" $how
        wait_for_exit 10
        [ "$STATUS" = 1 ] && [ "$(wc -l <"$E2E_WORK/program.err")" = 1 ] && grep -qE '"(nosuch|linuxfb|wayland)"' "$E2E_WORK/program.err" &&
            ! grep -qi reinstall "$E2E_WORK/program.err" ||
            die "a platform that cannot start ($how) ended with status $STATUS and said: $(cat "$E2E_WORK/program.err")"
    done
    note "a platform Qt does not have or that cannot start: one line and status 1"
}

# Damaged data in the real program: each run takes a fresh copy of the program folder.
check_damaged() {
    local base="$FOLDER"
    fresh_folder() { rm -rf "$base"; copy_program_folder "$prepared" "$exe"; }

    # The icon is missing: a message before any window, then the program ends, unhurt.
    rm -f "$FOLDER/SOUND/QUINTREL.ICO"
    start_program "$FOLDER"
    wait_for 20 "the message about the icon" has_window_titled Quintrel
    [ "$(program_windows | wc -l)" = 1 ] || die "a window besides the icon message is shown"
    press_in "$(window_titled Quintrel)" Return
    wait_for_exit 10
    [ "$STATUS" != 0 ] || die "a program that could not start ended with status 0"
    no_crash_report || die "the program reported: $(cat "$E2E_WORK/program.err")"
    note "missing icon: one message, then the program ended with status $STATUS"

    # A card picture is garbage: the deal names it and goes on; the game plays on.
    fresh_folder
    head -c 3000 /dev/urandom >"$FOLDER/1050/1.gif"
    start_program "$FOLDER"
    wait_for 20 "the splash window" has_window_titled "$SPLASH_TITLE"
    press_in "$(window_titled "$SPLASH_TITLE")" Return
    wait_for 10 "the board window" has_board
    locate_board
    wait_for 10 "the message about card picture 1050/1.gif" has_dialog
    press_in "$(dialog_window)" Return
    wait_for 10 "the rest of the deal" board_shows_but_5 "1010:1 1020:1 1030:1 1040:1 - 1060:1 1070:1 1080:1 1090:1"
    click_tile 1
    click_tile 9
    wait_for 5 "a swap after the damaged deal" board_shows_but_5 "1090:1 1020:1 1030:1 1040:1 - 1060:1 1070:1 1080:1 1010:1"
    exit_through_menu
    note "garbage card picture: a message during the deal, the other cards dealt, play goes on"

    # Every sound is garbage or empty: silence, no message, and the game plays.
    fresh_folder
    head -c 500 /dev/urandom >"$FOLDER/SOUND/SNIP1.WAV"
    : >"$FOLDER/SOUND/CLICK.WAV"
    printf 'RIFF\377\377\377\377WAVEfmt ' >"$FOLDER/SOUND/APPLAUS.WAV"
    start_and_deal
    no_dialog || die "damaged sounds brought a message"
    click_handle 2
    wait_for 5 "a turn with a damaged click sound" board_shows \
        "1010:1 1020:2 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1"
    exit_through_menu
    note "damaged sounds: silence, no message, the deal and a turn work"

    # A damaged saved game: the load refuses it with a message and the game in progress stays.
    fresh_folder
    start_and_deal
    click_handle 7
    wait_for 5 "the turn before the load" board_shows \
        "1010:1 1020:1 1030:1 1040:1 1050:1 1060:1 1070:2 1080:1 1090:1"
    head -c 2000 /dev/urandom >"$FOLDER/GAME.INI"
    menu_command f l
    wait_for 10 "the message about the saved game" has_dialog
    press_in "$(dialog_window)" Return
    wait_for 5 "the message to close" no_dialog
    board_shows "1010:1 1020:1 1030:1 1040:1 1050:1 1060:1 1070:2 1080:1 1090:1" ||
        die "a damaged saved game changed the game in progress"
    menu_command f s
    wait_for 10 "the message that the game has been saved" has_dialog
    press_in "$(dialog_window)" Return
    # The save keeps the file's own line ends, whichever the garbage happened to suggest.
    tr '\r' '\n' <"$(find "$FOLDER" -maxdepth 1 -iname game.ini | head -n1)" | grep -aq '^Tile 7=2$' ||
        die "saving over a damaged saved game did not keep the game"
    exit_through_menu
    note "garbage GAME.INI: refused with a message, the game kept, and a save over it works"
}

# Files that are no data files: a pipe, then a file far beyond its kind's size, in place of one
# data file of each kind. Nothing may hang or eat the memory; each is treated as unreadable.
check_untrusted() {
    local base="$FOLDER" kind
    fresh_folder() { rm -rf "$base"; copy_program_folder "$prepared" "$exe"; }
    # put_in_place KIND FILE SIZE: a pipe, or a file of SIZE bytes (sparse, so it costs nothing).
    put_in_place() {
        rm -f "$2"
        if [ "$1" = pipe ]; then mkfifo "$2"; else truncate -s "$3" "$2"; fi
    }
    for kind in pipe oversized; do
        # The window icon: a message before any window, and the program ends.
        fresh_folder
        put_in_place $kind "$FOLDER/SOUND/QUINTREL.ICO" 5M
        start_program "$FOLDER"
        wait_for 20 "the message about the icon ($kind)" has_window_titled Quintrel
        press_in "$(window_titled Quintrel)" Return
        wait_for_exit 10
        [ "$STATUS" != 0 ] || die "a program without its icon ended with status 0"

        # A sound, a card picture, the rules, the example picture and the saved game at once.
        fresh_folder
        put_in_place $kind "$FOLDER/SOUND/SNIP1.WAV" 17M
        put_in_place $kind "$FOLDER/1050/1.gif" 2M
        put_in_place $kind "$FOLDER/rules.txt" 1M
        put_in_place $kind "$FOLDER/SOUND/example.gif" 5M
        put_in_place $kind "$FOLDER/GAME.INI" 5M
        start_program "$FOLDER"
        wait_for 20 "the splash window ($kind sound)" has_window_titled "$SPLASH_TITLE"
        press_in "$(window_titled "$SPLASH_TITLE")" Return
        wait_for 10 "the board window" has_board
        locate_board
        wait_for 10 "the message about card picture 1050/1.gif ($kind)" has_dialog
        press_in "$(dialog_window)" Return
        wait_for 10 "the rest of the deal" board_shows_but_5 "1010:1 1020:1 1030:1 1040:1 - 1060:1 1070:1 1080:1 1090:1"

        menu_command h r
        wait_for 10 "the message about rules.txt ($kind)" has_dialog
        press_in "$(dialog_window)" Return
        wait_for 10 "the help window" has_window_titled "Quintrel - Help"
        press_in "$(window_titled "Quintrel - Help")" Escape
        wait_for 5 "the help window to close" no_window_titled "Quintrel - Help"

        menu_command h e
        wait_for 10 "the message about example.gif ($kind)" has_dialog
        press_in "$(dialog_window)" Return
        wait_for 5 "the message to close" no_dialog
        has_window_titled "Example - Quintrel" && die "the example viewer opened on a $kind"

        menu_command f l
        # A FIFO, or too large to be a saved game: said so, and the game stays.
        wait_for 10 "the message about GAME.INI ($kind)" has_dialog
        press_in "$(dialog_window)" Return
        wait_for 5 "the message to close" no_dialog
        click_handle 2
        wait_for 5 "a turn after the load ($kind)" board_shows_but_5 \
            "1010:1 1020:2 1030:1 1040:1 - 1060:1 1070:1 1080:1 1090:1"
        exit_through_menu
        note "$kind in place of the icon, a sound, a card picture, rules.txt, example.gif and GAME.INI: no hang, the game plays"
    done
}

# A blind player's game: the program on a private session bus with the accessibility bus, Qt's
# accessibility on, played to the win by screenreader.py from what the accessibility tree says.
# A private session bus with the AT-SPI registry on it, as a desktop session with a screen reader has.
start_accessibility_bus() {
    local python=/usr/bin/python3 launcher=/usr/libexec/at-spi-bus-launcher bus
    [ -x "$launcher" ] || die "no AT-SPI bus launcher at $launcher: run ./test.sh, which installs at-spi2-core"
    "$python" -c 'import pyatspi' 2>/dev/null || die "$python cannot import pyatspi: run ./test.sh, which installs python3-pyatspi"
    bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || die "no session bus: $bus"
    export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
    own_process "${bus##*$'\n'}"
    "$launcher" --launch-immediately >"$E2E_WORK/at-spi.log" 2>&1 &
    own_process $!
}

check_screenreader() {
    local python=/usr/bin/python3
    start_accessibility_bus
    start_program "$FOLDER" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    wait_for 20 "the splash window" has_window_titled "$SPLASH_TITLE"
    press_in "$(window_titled "$SPLASH_TITLE")" Return
    wait_for 15 "the board window" has_board
    local t0=$SECONDS
    timeout 90 "$python" "$here/screenreader.py" || die "the screen-reader player did not win"
    has_dialog || die "the reader found the win window, the screen shows none"
    note "played to the win through the accessibility tree in $((SECONDS - t0)) s"
}

# check_screenreader_in LANGUAGE: in a session whose language is LANGUAGE (de, fr, es), set as a
# desktop session sets it, the tree shows the menus and the nine cells of the first deal in the
# words of translations/quintrel_LANGUAGE.ts.
check_screenreader_in() {
    local language=$1 python=/usr/bin/python3 ts region title
    ts="$here/../../translations/quintrel_$language.ts"
    region="${language}_$(echo "$language" | tr '[:lower:]' '[:upper:]')"
    start_accessibility_bus
    title=$("$python" "$here/screenreader.py" --splash-title "$ts") || die "no splash title in $ts"
    start_program "$FOLDER" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL= LANGUAGE="$region:$language" LANG="$region.UTF-8"
    wait_for 20 "the splash window titled \"$title\"" has_window_titled "$title"
    press_in "$(window_titled "$title")" Return
    wait_for 15 "the board window" has_board
    timeout 60 "$python" "$here/screenreader.py" --language "$ts" || die "the tree does not speak $language"
}

# board_shows with one tile, written "-", left out of the comparison.
board_shows_but_5() {
    local got i
    wanted_signatures "$1"
    got=($(tile_signatures)) || return 1
    for i in 0 1 2 3 5 6 7 8; do [ "${got[i]:-}" = "${WANT[i]}" ] || return 1; done
}

case "$check" in
startup) check_startup return ;;
startup_click) check_startup click ;;
handle | swap | save | load | win | help | exit | exit_during_deal | largefonts | damaged | untrusted | screenreader | commandline) "check_$check" ;;
screenreader_de | screenreader_fr | screenreader_es) check_screenreader_in "${check#screenreader_}" ;;
*) echo "unknown check $check" >&2; exit 2 ;;
esac
no_crash_report || die "the program reported: $(cat "$E2E_WORK/program.err")"
echo "PASS: $check"
