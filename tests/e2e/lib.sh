# lib.sh: the pieces every end-to-end check shares: a private X server with a window manager, a
# copy of the program folder, waiting on conditions, and reading the screen back.
# Sourced by e2e.sh and tools/bench/run.sh; uses bash, Xvfb, openbox, xdotool, xwininfo, xprop and
# ImageMagick 6 (called by full path: a convert earlier on PATH may be something else).

IM_CONVERT=/usr/bin/convert
IM_COMPARE=/usr/bin/compare
IM_IMPORT=/usr/bin/import
SCREEN_W=1024
SCREEN_H=768

E2E_WORK=""
E2E_PIDS=()

die() {
    echo "FAIL: $*" >&2
    program_state >&2
    if [ -n "${E2E_WORK:-}" ] && [ -n "${DISPLAY:-}" ]; then
        $IM_IMPORT -display "$DISPLAY" -window root "$E2E_WORK/failure.png" 2>/dev/null &&
            echo "  (screen at the failure: $E2E_WORK/failure.png, kept)" >&2 && E2E_KEEP=1
    fi
    exit 1
}
note() { echo "  $*"; }

# What the program was doing when a check failed: whether it had ended, and with which status, or
# where each of its threads was.
program_state() {
    [ -n "${QPID:-}" ] || return 0
    if ! kill -0 "$QPID" 2>/dev/null || [ "$(awk '{print $3}' "/proc/$QPID/stat" 2>/dev/null)" = Z ]; then
        wait "$QPID" 2>/dev/null
        echo "  (the program had ended, with status $?)"
    elif command -v gdb >/dev/null; then
        echo "  (the program was still running; its threads:)"
        timeout 30 gdb -p "$QPID" -batch -ex 'thread apply all bt 15' 2>/dev/null | grep -E '^(#|Thread)' |
            head -n 60 | sed 's/^/    /'
    fi
}

# Milliseconds, from bash itself: the polls below run every few milliseconds, and a process
# started for each reading of the clock would cost more than what they poll.
now_ms() { echo $((${EPOCHREALTIME//[!0-9]/} / 1000)); }

# nap SECONDS: a pause without starting a process, a read that times out on a pipe nobody writes to.
nap() {
    [ -n "${E2E_NAP_FD:-}" ] || exec {E2E_NAP_FD}<> <(:)
    read -rt "$1" -u "$E2E_NAP_FD" || true
}

# The start time of a process (clock ticks after boot): it tells the process apart from a later one
# given the same number once this one has ended. Nothing when no process has that number.
process_start() {
    local stat fields
    { read -r stat <"/proc/$1/stat"; } 2>/dev/null || return 0
    read -ra fields <<<"${stat##*) }"
    echo "${fields[19]}"
}

# own_process PID: a process this run started, to be ended with it.
own_process() { E2E_PIDS+=("$1:$(process_start "$1")"); }

# Kills what this run started, newest first, and removes the work folder. Numbers are given out
# again once a process has ended (there are only 32768 of them, and a test run starts many more
# processes than that), so a process is killed only while it is still the one this run started:
# otherwise one check's cleanup could kill another check's X server or program.
e2e_cleanup() {
    local i entry
    still_own() { [ -n "${1#*:}" ] && [ "$(process_start "${1%%:*}")" = "${1#*:}" ]; }
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        entry=${E2E_PIDS[i]}
        still_own "$entry" && kill "${entry%%:*}" 2>/dev/null
    done
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        entry=${E2E_PIDS[i]}
        local n=0
        while still_own "$entry" && [ "$(awk '{print $3}' "/proc/${entry%%:*}/stat" 2>/dev/null)" != Z ] &&
            [ $n -lt 40 ]; do
            nap 0.05
            n=$((n + 1))
        done
        still_own "$entry" && kill -9 "${entry%%:*}" 2>/dev/null
    done
    if [ -n "${E2E_WORK:-}" ] && [ -z "${E2E_KEEP:-}" ]; then rm -rf "$E2E_WORK"; fi
    return 0
}

e2e_init() {
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/quintrel-e2e.XXXXXX")
    exec {E2E_NAP_FD}<> <(:)
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
}

# wait_until SECONDS COMMAND...: runs the command until it succeeds (status 0) or the time is up (1).
wait_until() {
    local deadline=$((${EPOCHREALTIME//[!0-9]/} + $1 * 1000000))
    shift
    until "$@"; do
        [ "${EPOCHREALTIME//[!0-9]/}" -lt "$deadline" ] || return 1
        nap 0.02
    done
}

# wait_for SECONDS DESCRIPTION COMMAND...: runs the command until it succeeds, or fails the check.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    wait_until "$seconds" "$@" || die "timed out after ${seconds}s waiting for: $what"
}

# Starts Xvfb on a free display (it picks the number itself) and openbox on it.
start_x() {
    local fd_file="$E2E_WORK/display"
    : >"$fd_file"
    Xvfb -displayfd 3 -screen 0 ${SCREEN_W}x${SCREEN_H}x24 -nolisten tcp -noreset 3>"$fd_file" \
        >"$E2E_WORK/xvfb.log" 2>&1 &
    own_process $!
    local xvfb=$!
    local deadline=$(($(now_ms) + 10000))
    while ! grep -q '^[0-9]' "$fd_file" 2>/dev/null; do
        kill -0 $xvfb 2>/dev/null || die "Xvfb did not start: $(cat "$E2E_WORK/xvfb.log")"
        [ "$(now_ms)" -lt "$deadline" ] || die "Xvfb gave no display number"
        nap 0.02
    done
    export DISPLAY=":$(head -n1 "$fd_file" | tr -d '[:space:]')"
    mkdir -p "$E2E_WORK/config"
    XDG_CONFIG_HOME="$E2E_WORK/config" openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
    own_process $!
    wait_for 10 "openbox to manage the screen" wm_running
    # openbox takes the screen before it has read its theme and entered its event loop, and its
    # loop sleeps until something new arrives on its connection, even when events it read ahead
    # during the start-up still wait in its own queue. A window mapped meanwhile then stays
    # unmapped until some other event wakes openbox: a window of our own is shown first, with a
    # root property changed until openbox has handled it.
    xmessage -name quintrel-e2e-probe -timeout 30 probe >/dev/null 2>&1 &
    local probe=$!
    own_process $probe
    wait_for 10 "openbox to show a window" probe_shown_after_waking_openbox
    kill $probe && wait $probe 2>/dev/null
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
probe_shown_after_waking_openbox() {
    xdotool search --onlyvisible --classname quintrel-e2e-probe >/dev/null 2>&1 ||
        { xprop -root -f _QUINTREL_E2E_WAKE 32c -set _QUINTREL_E2E_WAKE 1 2>/dev/null; false; }
}

# A little-endian integer of 2 or 4 bytes on stdout.
le16() { printf "$(printf '\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)))"; }
le32() { printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)))"; }

# A PCM WAV file: 16-bit mono at 22050 Hz, SAMPLES samples of a quiet square wave.
make_wav() {
    local samples=$1 out=$2 bytes=$(($1 * 2))
    {
        printf 'RIFF'; le32 $((36 + bytes)); printf 'WAVEfmt '
        le32 16; le16 1; le16 1; le32 22050; le32 44100; le16 2; le16 16
        printf 'data'; le32 $bytes
        head -c $bytes /dev/zero | tr '\0' '\020'
    } >"$out"
}

# The colour of a card in the generated pictures.
card_colour() {
    case $1 in
    1010) echo '#c03030' ;; 1020) echo '#30a040' ;; 1030) echo '#3050c0' ;;
    1040) echo '#c0a020' ;; 1050) echo '#a030b0' ;; 1060) echo '#20a0a0' ;;
    1070) echo '#e07020' ;; 1080) echo '#708090' ;; 1090) echo '#60c060' ;;
    esac
}

# The drawing of a card picture that only (card, orientation) has: the card's colour, a black
# bar on the side the orientation names, and a white corner mark that turns with it.
card_drawing() {
    local card=$1 orientation=$2 bar mark
    case $orientation in
    1) bar='0,0 171,11'; mark='150,20 165,35' ;;
    2) bar='160,0 171,171'; mark='136,150 151,165' ;;
    3) bar='0,160 171,171'; mark='6,136 21,151' ;;
    4) bar='0,0 11,171'; mark='20,6 35,21' ;;
    esac
    echo "xc:$(card_colour "$card") -fill black -draw \"rectangle $bar\" -fill white -draw \"rectangle $mark\" +dither -colors 8"
}

# make_program_folder DEST EXE: the program and the data the build laid out beside it. Data that
# has not been made yet is stood in for by generated files, so the checks also run where the real
# pictures and sounds are still missing; whatever the build provides is used as it is. No saved
# game is copied.
make_program_folder() {
    local dest=$1 exe=$2 src card o args=()
    src=$(dirname "$exe")
    mkdir -p "$dest"
    cp -a "$src/." "$dest/"
    find "$dest" -maxdepth 1 -iname 'game.ini' -delete
    for card in 1010 1020 1030 1040 1050 1060 1070 1080 1090; do
        mkdir -p "$dest/$card"
        for o in 1 2 3 4; do
            [ -s "$dest/$card/$o.gif" ] && continue
            eval "args+=( \\( $(card_drawing $card $o) -write \"\$dest/\$card/\$o.gif\" +delete \\) )"
        done
    done
    mkdir -p "$dest/SOUND"
    [ -s "$dest/SOUND/QUINTREL.ICO" ] ||
        args+=(\( -size 32x32 xc:navy -fill gold -draw 'rectangle 8,8 23,23' -write "ico:$dest/SOUND/QUINTREL.ICO" +delete \))
    [ -s "$dest/SOUND/example.gif" ] ||
        args+=(\( -size 400x900 gradient:'#204080-#e0e0f0' +dither -colors 64 -write "$dest/SOUND/example.gif" +delete \))
    # One ImageMagick run makes all missing pictures: starting it per picture costs seconds.
    [ ${#args[@]} -eq 0 ] || $IM_CONVERT -size 172x172 "${args[@]}" xc: null: ||
        die "could not make the stand-in pictures"
    [ -s "$dest/SOUND/SNIP1.WAV" ] || make_wav 2205 "$dest/SOUND/SNIP1.WAV"
    [ -s "$dest/SOUND/CLICK.WAV" ] || make_wav 661 "$dest/SOUND/CLICK.WAV"
    [ -s "$dest/SOUND/APPLAUS.WAV" ] || make_wav 22050 "$dest/SOUND/APPLAUS.WAV"
    [ -s "$dest/rules.txt" ] || printf 'The rules of Quintrel.\r\nSwap two cards, turn a card.\r\n' >"$dest/rules.txt"
    [ -s "$dest/ombrel.txt" ] || printf 'About Quintrel.\r\n' >"$dest/ombrel.txt"
    return 0
}

# make_signatures FOLDER OUT: the pixel signature of every card picture as the screen should show
# it, one "card:orientation signature" a line. ImageMagick's signature covers the pixels only, so
# a GIF and a screenshot's crop of the same pixels have the same one.
make_signatures() {
    local folder=$1 out=$2 card o args=() names=()
    for card in 1010 1020 1030 1040 1050 1060 1070 1080 1090; do
        for o in 1 2 3 4; do
            args+=(\( "$folder/$card/$o.gif[0]" -format '%# ' -write info: +delete \))
            names+=("$card:$o")
        done
    done
    local sigs
    sigs=($($IM_CONVERT "${args[@]}" xc: null:)) || die "could not read the card pictures"
    [ ${#sigs[@]} = 36 ] || die "read ${#sigs[@]} of the 36 card pictures"
    local i
    for i in "${!names[@]}"; do echo "${names[i]} ${sigs[i]}"; done >"$out"
}

# prepare_data EXE OUT: the program folder template and the pictures' signatures, once per run.
prepare_data() {
    local exe=$1 out=$2
    rm -rf "$out"
    mkdir -p "$out"
    make_program_folder "$out/program" "$exe"
    make_signatures "$out/program" "$out/signatures"
}

# Sets FOLDER to a private copy of the prepared program folder, with the current executable.
copy_program_folder() {
    local template=$1 exe=$2
    FOLDER="$E2E_WORK/program"
    cp -a "$template/program" "$FOLDER"
    cp "$exe" "$FOLDER/quintrel"
    SIGNATURES="$template/signatures"
}

# use_prepared_program EXE PREPARED: sets FOLDER to a private copy of the run's prepared program
# folder (prepare.sh), and prepared to where it lies; a check run on its own prepares one here.
use_prepared_program() {
    prepared=$2
    if [ -z "$prepared" ] || [ ! -s "$prepared/signatures" ]; then
        prepared="$E2E_WORK/prepared"
        prepare_data "$1" "$prepared"
    fi
    copy_program_folder "$prepared" "$1"
}

# start_program FOLDER [VARIABLE=VALUE...] [-- ARGUMENTS...]: starts the program of a folder in the
# background, with those variables and arguments; sets QPID.
start_program() {
    local folder=$1 settings=()
    shift
    while [ $# -gt 0 ] && [ "$1" != -- ]; do settings+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    mkdir -p -m 700 "$E2E_WORK/runtime"
    (cd "$E2E_WORK" && exec env XDG_RUNTIME_DIR="$E2E_WORK/runtime" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" \
        "${settings[@]}" "$folder/quintrel" "$@") >"$E2E_WORK/program.out" 2>"$E2E_WORK/program.err" &
    QPID=$!
    own_process "$QPID"
}

# Nothing on the program's error output that a crash, a sanitizer or an unhandled error leaves.
no_crash_report() {
    ! grep -qiE 'sanitizer|runtime error|terminate called|unexpected error|Aborted|Segmentation|^ *#[0-9]+ 0x' \
        "$E2E_WORK/program.err" 2>/dev/null
}

program_running() { kill -0 "$QPID" 2>/dev/null; }

# The program's mapped top-level windows, one id a line.
program_windows() { xdotool search --onlyvisible --pid "$QPID" 2>/dev/null || true; }

# The mapped window of the program whose title is exactly TITLE (first one); empty if none.
window_titled() {
    local id
    for id in $(program_windows); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return 0; }
    done
    return 1
}
has_window_titled() { window_titled "$1" >/dev/null; }
no_window_titled() { ! window_titled "$1" >/dev/null; }
count_windows_titled() {
    local id n=0
    for id in $(program_windows); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && n=$((n + 1))
    done
    echo $n
}

# Sets WX WY WW WH: a window's client area on the screen.
window_geometry() {
    local info line
    info=$(xwininfo -id "$1") || die "window $1 is gone"
    while read -r line; do
        case $line in
        "Absolute upper-left X:"*) WX=${line##* } ;;
        "Absolute upper-left Y:"*) WY=${line##* } ;;
        "Width:"*) WW=${line##* } ;;
        "Height:"*) WH=${line##* } ;;
        esac
    done <<<"$info"
}

# The board window: the program's mapped window titled "Quintrel" whose inside is 522 x 541.
board_window() {
    local id
    for id in $(program_windows); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "Quintrel" ] || continue
        window_geometry "$id"
        [ "$WW" = 522 ] && [ "$WH" = 541 ] && { echo "$id"; return 0; }
    done
    return 1
}
has_board() { board_window >/dev/null; }

# A window of the program titled "Quintrel" other than the board (message box, win window).
dialog_window() {
    local id board
    board=$(board_window) || board=none
    for id in $(program_windows); do
        [ "$id" = "$board" ] && continue
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "Quintrel" ] && { echo "$id"; return 0; }
    done
    return 1
}
has_dialog() { dialog_window >/dev/null; }
no_dialog() { ! dialog_window >/dev/null; }

# Where the board's tiles lie on the screen: the client area starts below the menu bar, which
# takes what the board's 541 pixels of inside height leave over the 522 of the board.
BOARD_ID=""
locate_board() {
    BOARD_ID=$(board_window) || die "no board window"
    window_geometry "$BOARD_ID"
    BX=$WX
    BY=$((WY + WH - 522))
}
tile_x() { echo $((BX + 174 * (($1 - 1) % 3))); }
tile_y() { echo $((BY + 174 * (($1 - 1) / 3))); }

# The signatures of the nine tiles of a fresh screenshot, in position order. One ImageMagick run
# grabs the screen at 8 bits a channel, the depth of the card pictures, and cuts it up: a screenshot
# piped from import to convert costs twice as much on every poll.
tile_signatures() {
    local args=() p
    for p in 1 2 3 4 5 6 7 8 9; do
        args+=(\( +clone -crop "172x172+$((BX + 174 * ((p - 1) % 3)))+$((BY + 174 * ((p - 1) / 3)))" +repage
               -format '%# ' -write info: +delete \))
    done
    $IM_CONVERT x:root -depth 8 "${args[@]}" null: 2>/dev/null
}

# Sets WANT to the signatures of LAYOUT's pictures, in order; a "-" stays "-". The signatures file
# is read once, at the first call.
declare -gA CARD_SIGNATURE=()
wanted_signatures() {
    local item key signature
    if [ ${#CARD_SIGNATURE[@]} = 0 ]; then
        while read -r key signature; do CARD_SIGNATURE[$key]=$signature; done <"$SIGNATURES"
    fi
    WANT=()
    for item in $1; do
        if [ "$item" = - ]; then WANT+=(-); else WANT+=("${CARD_SIGNATURE[$item]:-}"); fi
    done
}

# board_shows LAYOUT: the screen's nine tiles show LAYOUT, nine card:orientation words, pixel for pixel.
board_shows() {
    local got
    wanted_signatures "$1"
    got=$(tile_signatures) || return 1
    [ "$got" = "${WANT[*]} " ] || [ "$got" = "${WANT[*]}" ]
}

START_POSITION="1010:1 1020:1 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1"

# Points at a spot of the board in a few steps, as a hand moves, so that the window sees the
# pointer arrive (one jump can skip the enter event under load).
point_at() {
    local x=$1 y=$2
    xdotool mousemove $((x - 40)) $((y - 30))
    xdotool mousemove $((x - 12)) $((y - 8))
    xdotool mousemove "$x" "$y"
}
click_tile() {
    point_at $(($(tile_x "$1") + 20)) $(($(tile_y "$1") + 20))
    xdotool click 1
}
click_handle() {
    point_at $(($(tile_x "$1") + 85)) $(($(tile_y "$1") + 85))
    xdotool click 1
}

# Chooses a menu entry by its access keys: Alt+MENU, then waits for the menu to open, then ENTRY.
# Right after a message box closes, X may give the board the keyboard while Qt still counts it
# blocked by the box, and Alt+MENU is then lost, as a player's would be: the keys are pressed again,
# up to three times.
menu_command() {
    local menu=$1 entry=$2 try
    for try in 1 2 3; do
        press_in "$BOARD_ID" "alt+$menu"
        wait_until 2 popup_open && break
        [ $try = 3 ] && die "the menu did not open for Alt+${menu^^}"
    done
    xdotool key "$entry"
}
# press_in WINDOW KEY: gives the window the keyboard, then types the key as a player would (XTEST;
# Qt ignores synthetic events sent to a window).
press_in() {
    local id=$1 key=$2
    xdotool windowactivate "$id" 2>/dev/null || xdotool windowfocus "$id" 2>/dev/null || true
    wait_for 5 "window $id to have the keyboard" window_focused "$id"
    xdotool key "$key"
}
window_focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
board_focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$BOARD_ID" ]; }
# A menu is an override-redirect window of the program's; it is mapped while open.
popup_open() {
    local id
    for id in $(program_windows); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}

# Writes a saved game: LAYOUT holds nine card:orientation words for positions 1 to 9.
write_saved_game() {
    local file=$1 layout=$2 p=1 item
    {
        printf '[Tile]\r\n'
        for item in $layout; do printf 'Dir %d=%s\r\n' $p "${item%:*}"; p=$((p + 1)); done
        printf '[Spin]\r\n'
        p=1
        for item in $layout; do printf 'Tile %d=%s\r\n' $p "${item#*:}"; p=$((p + 1)); done
    } >"$file"
}

# Waits until the program has ended; sets STATUS.
wait_for_exit() {
    wait_for "$1" "the program to end" program_ended
    wait "$QPID" 2>/dev/null
    STATUS=$?
}
program_ended() { ! kill -0 "$QPID" 2>/dev/null || [ "$(awk '{print $3}' /proc/$QPID/stat 2>/dev/null)" = Z ]; }
