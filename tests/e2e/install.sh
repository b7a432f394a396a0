#!/usr/bin/env bash
# install.sh BUILD EXECUTABLE VERSION: the installed copy. "cmake --install" of the build folder under /usr
# into a scratch root; the desktop entry, metainfo and manual page checked by their validators; the
# installed program asked for help, its version and a display it does not have; then played under
# Xvfb by a player of its own (nobody, when the suite runs as root) with a private home: a save lands
# in ~/.local/share/quintrel/game.ini and nowhere in the install, and a second start loads it back.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"

build=$(realpath "${1:?build folder}")
exe=$(realpath "${2:?program}")
version=${3:?version}
SPLASH_TITLE="Quintrel, by the Quintrel makers, 2026"
ID=io.github.quintrel.Quintrel

e2e_init
# The player passes through the work folder to its home and to the install, and writes in neither.
chmod 711 "$E2E_WORK"
root=$E2E_WORK/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$E2E_WORK/install.log" 2>&1 ||
    die "cmake --install failed: $(tail -n 5 "$E2E_WORK/install.log")"
installed=$root/usr/bin/quintrel
cmp -s "$exe" "$installed" || die "$installed is not the program that was built ($exe)"
share=$root/usr/share
for file in quintrel/SOUND/QUINTREL.ICO applications/$ID.desktop metainfo/$ID.metainfo.xml \
    icons/hicolor/48x48/apps/$ID.png icons/hicolor/scalable/apps/$ID.svg man/man6/quintrel.6.gz \
    doc/quintrel/copyright doc/quintrel/changelog.gz; do
    [ -s "$share/$file" ] || die "the install has no /usr/share/$file"
done

desktop-file-validate "$share/applications/$ID.desktop" || die "desktop-file-validate refuses the desktop entry"
appstreamcli validate --no-net "$share/metainfo/$ID.metainfo.xml" >"$E2E_WORK/appstream.log" 2>&1 ||
    die "appstreamcli refuses the metainfo: $(cat "$E2E_WORK/appstream.log")"
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man6/quintrel.6.gz" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || die "the manual page renders with warnings: $man_warnings"
note "installed $(find "$root" -type f | wc -l) files; desktop entry, metainfo and manual page validate"

start_x
home=$E2E_WORK/home
runtime=$E2E_WORK/player-runtime
mkdir -m 700 "$home" "$runtime"
as_player=()
player_uid=$(id -u)
if [ "$player_uid" = 0 ]; then
    chown nobody:nogroup "$home" "$runtime"
    as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    player_uid=$(id -u nobody)
fi
# A clean environment, as a desktop session starts the program: no LD_LIBRARY_PATH, no
# XDG_DATA_HOME; the sanitizers' settings pass when the suite runs in that tree.
player=("${as_player[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime"
        QT_QPA_PLATFORM=xcb QT_FONT_DPI=96 SDL_AUDIODRIVER=dummy
        ${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS} ${UBSAN_OPTIONS:+UBSAN_OPTIONS=$UBSAN_OPTIONS})
save_folder=$home/.local/share/quintrel

# The command line, answered without a display.
out=$(cd / && "${player[@]}" "$installed" --version) || die "--version failed"
[ "$out" = "quintrel $version" ] || die "--version says: $out"
out=$(cd / && "${player[@]}" "$installed" --help) || die "--help failed"
[[ $out == *"This copy saves in $save_folder"* ]] || die "--help names another save folder: $out"
(cd / && "${player[@]}" "$installed" --fullscreen 2>"$E2E_WORK/option.err")
[ $? = 2 ] && [ "$(wc -l <"$E2E_WORK/option.err")" = 1 ] || die "an unknown option: $(cat "$E2E_WORK/option.err")"
(cd / && "${player[@]}" "$installed" 2>"$E2E_WORK/nodisplay.err")
nodisplay_status=$?
[ $nodisplay_status = 1 ] && [ "$(wc -l <"$E2E_WORK/nodisplay.err")" = 1 ] && grep -q DISPLAY "$E2E_WORK/nodisplay.err" ||
    die "without a display the program ended with status $nodisplay_status and said: $(cat "$E2E_WORK/nodisplay.err")"
note "--version, --help, an unknown option and a start without a display each answer in one go"

SIGNATURES=$E2E_WORK/signatures
make_signatures "$share/quintrel" "$SIGNATURES"
find "$root" | sort >"$E2E_WORK/install.before"

start_and_deal() {
    start_program "$root/usr/bin" "${player[@]}" DISPLAY="$DISPLAY"
    wait_for 20 "the splash window" has_window_titled "$SPLASH_TITLE"
    press_in "$(window_titled "$SPLASH_TITLE")" Return
    wait_for 15 "the board window" has_board
    locate_board
    wait_for 15 "the first deal to show the start position" board_shows "$START_POSITION"
}
exit_through_menu() {
    menu_command f x
    wait_for_exit 10
    [ "$STATUS" = 0 ] || die "the program ended with status $STATUS: $(cat "$E2E_WORK/program.err")"
}

saved="1020:1 1010:1 1030:2 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1"
start_and_deal
click_handle 3
click_tile 1
click_tile 2
wait_for 5 "the moves before the save" board_shows "$saved"
menu_command f s
wait_for 10 "the message that the game has been saved" has_dialog
press_in "$(dialog_window)" Return
wait_for 5 "the message box to close" no_dialog
[ -f "$save_folder/game.ini" ] || die "no game.ini in $save_folder: $(find "$home" "$root" -iname game.ini)"
[ "$(stat -c %a "$save_folder")" = 700 ] || die "the save folder has mode $(stat -c %a "$save_folder")"
[ "$(stat -c %u "$save_folder/game.ini")" = "$player_uid" ] ||
    die "game.ini belongs to user $(stat -c %u "$save_folder/game.ini")"
exit_through_menu
find "$root" | sort | diff "$E2E_WORK/install.before" - >&2 || die "the game changed the install"
note "Alt+F, S saved into $save_folder/game.ini; the install is unchanged"

start_and_deal
menu_command f l
wait_for 10 "the saved game on screen" board_shows "$saved"
no_dialog || die "the load showed a message"
exit_through_menu
no_crash_report || die "the program reported: $(cat "$E2E_WORK/program.err")"
note "a second start loads the saved game back"
