#!/usr/bin/env bash
# run.sh [RUNS]: Quintrel's benchmark (QUINTREL_BENCH_RATIO=2: on a screen at a pixel ratio of 2), run by hand (not by CI). Under a private Xvfb with openbox it
# times the start-up against a minimal Qt Widgets program (interleaved, RUNS each, median), reads
# both programs' memory, and times a whole session of Quintrel: the deal, ten idle seconds, a
# saved-game load and nine spin-handle clicks. Prints a table with the targets, then what playing
# each move's sound costs the window (tools/bench/playwave, on SDL's dummy driver), then the deal
# and a click's sound with SDL's own choice of driver: once with no sound server, once with a
# PulseAudio server of its own on a null sink (packages pulseaudio and pulseaudio-utils).
# QUINTREL_BENCH_SOUND_ONLY=1 runs that last part alone.
#
# How it measures, and why:
# - Start-up: tools/bench/probe forks and execs the program and waits for the first MapNotify on
#   the root window (an X event, no polling), so the figure is exec to window mapped, free of any
#   tool's own start-up. Both programs are timed the same way and alternate, so that a machine
#   getting busier hurts both alike.
# - Deal and load pauses, click to picture: the probe reads the board's pixels straight from the
#   X server about every 2 ms and notes when each tile first shows a picture (or, for a click,
#   when the tile's pixels change). That is the moment the player can see it, which neither a
#   sound driver's output nor a trace of the program's own timers would tell.
# - Processor time: the sum of every thread's scheduler time from /proc/PID/task/*/schedstat, in
#   nanoseconds, taken at the first and at the last card of the deal (and over the idle seconds
#   and the load), so the 10 ms ticks of /proc/PID/stat do not hide small amounts.
# - Memory: VmHWM (peak) and VmRSS (settled, after the deal and the idle seconds; for the
#   minimal program two seconds after its window mapped) from /proc/PID/status.
# - A click's sound: parec records the null sink's monitor in 5 ms chunks, and the sound's onset
#   is the arrival of the first loud chunk less the samples after its first loud one. The figure
#   holds the sound path's own latency (SDL's 23 ms buffer, the server's), the same for every build.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-11}
sessions=3
# shellcheck source=../../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"

build="$root/build-bench"
echo "== Building Quintrel (Release) and the benchmark helpers in $build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build "$build" --target quintrel -j 2 >/dev/null || exit 1
cmake -S "$root/tools/bench" -B "$build/bench-tools" -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build "$build/bench-tools" -j 2 >/dev/null || exit 1
probe="$build/bench-tools/probe"
minimal="$build/bench-tools/minimal"

e2e_init
export MAGICK_THREAD_LIMIT=1
prepare_data "$build/quintrel/quintrel" "$E2E_WORK/prepared"
copy_program_folder "$E2E_WORK/prepared" "$build/quintrel/quintrel"
# A saved game unlike the start position on every tile, for the load.
write_saved_game "$FOLDER/game.ini" "1090:3 1080:2 1070:4 1060:3 1010:2 1040:4 1030:2 1020:3 1050:4"
export QUINTREL_BENCH_RATIO=${QUINTREL_BENCH_RATIO:-1}
if [ "$QUINTREL_BENCH_RATIO" = 2 ]; then
    # A desktop at 200 %: Qt takes the ratio from Xft.dpi, and the doubled windows need room.
    SCREEN_W=2560
    SCREEN_H=2048
    start_x
    echo "Xft.dpi: 192" >"$E2E_WORK/resources"
    xrdb -nocpp -load "$E2E_WORK/resources" || die "xrdb could not set Xft.dpi"
    unset QT_FONT_DPI
    export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
else
    start_x
    export QT_QPA_PLATFORM=xcb QT_FONT_DPI=96 SDL_AUDIODRIVER=dummy
fi
mkdir -p -m 700 "$E2E_WORK/runtime"
export XDG_RUNTIME_DIR="$E2E_WORK/runtime"

status_kb() { awk -v k="$2:" '$1 == k {print $2}' "/proc/$1/status" 2>/dev/null; }
median() { sort -n | awk '{a[NR] = $1} END {if (NR % 2) print a[(NR + 1) / 2]; else printf "%.2f\n", (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
field() { tr ' ' '\n' <"$1" | awk -F= -v k="$2" '$1 == k {print $2}' | tail -n1; }
stop_pid() { kill "$1" 2>/dev/null; local n=0; while kill -0 "$1" 2>/dev/null && [ $n -lt 100 ]; do sleep 0.02; n=$((n + 1)); done; kill -9 "$1" 2>/dev/null || true; }

# The deal with SDL's own choice of driver, SOUND_RUNS starts for SETUP: "none" (no sound server,
# so SDL tries its back ends in turn before it gives up) or "pulse" (a PulseAudio server of this
# run's own on a null sink, recorded while the program plays). Each start's figures go to
# $E2E_WORK/sound_SETUP.N.
sound_runs=${QUINTREL_BENCH_SOUND_RUNS:-4}
splash_title="Quintrel, by the Quintrel makers, 2026"
start_pulse() {
    local dir="$E2E_WORK/pulse"
    command -v pulseaudio >/dev/null && command -v parec >/dev/null ||
        die "the sound part needs pulseaudio and parec: apt-get install pulseaudio pulseaudio-utils"
    mkdir -p -m 700 "$dir"
    HOME="$dir" XDG_RUNTIME_DIR="$dir" pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
        --load="module-null-sink sink_name=null" \
        --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" >"$E2E_WORK/pulse.log" 2>&1 &
    own_process $!
    wait_for 10 "the PulseAudio server" test -S "$dir/native"
}
sound_sessions() {
    local setup=$1 i out splash record="" settings=(-u SDL_AUDIODRIVER)
    if [ "$setup" = pulse ]; then
        start_pulse
        export PULSE_SERVER="unix:$E2E_WORK/pulse/native"
        record=record
    else
        # Nothing may start a server for the program either.
        printf 'autospawn = no\n' >"$E2E_WORK/client.conf"
        settings+=(-u PULSE_SERVER "PULSE_CLIENTCONFIG=$E2E_WORK/client.conf")
    fi
    for ((i = 1; i <= sound_runs; i++)); do
        out=$(cd "$E2E_WORK" && "$probe" startup env "${settings[@]}" "$FOLDER/quintrel") || die "quintrel: $out"
        QPID=${out##*pid=}
        own_process "$QPID"
        wait_for 10 "the splash" has_window_titled "$splash_title"
        splash=$(window_titled "$splash_title")
        xdotool windowactivate "$splash" 2>/dev/null || true
        wait_for 5 "the splash to have the keyboard" window_focused "$splash"
        "$probe" deal "$QPID" $record >"$E2E_WORK/sound_$setup.$i" || die "$setup, start $i: $(cat "$E2E_WORK/sound_$setup.$i")"
        echo "  $setup, start $i: $(tr '\n' ' ' <"$E2E_WORK/sound_$setup.$i")"
        stop_pid "$QPID"
    done
    unset PULSE_SERVER
}
# The rows of one setup: the first pause against the others, and with PulseAudio a click's sound.
sound_rows() {
    local setup=$1 f firsts=() worst=0 d
    for f in "$E2E_WORK"/sound_"$setup".*; do
        firsts+=("$(field "$f" first_pause_ms)")
        d=$(awk -v a="$(field "$f" first_pause_ms)" -v b="$(field "$f" other_pauses_median_ms)" \
            'BEGIN {d = a - b; if (d < 0) d = -d; print d}')
        worst=$(awk -v a="$worst" -v b="$d" 'BEGIN {print (b > a) ? b : a}')
    done
    local over="$E2E_WORK/sound_$setup".*
    # shellcheck disable=SC2086
    row "$setup: OK to first card (median)" "$(for f in $over; do field "$f" ok_to_first_card_ms; done | median) ms" "-" "-" "-"
    row "$setup: first pause, each start" "$(IFS=/; echo "${firsts[*]}") ms" "-" "-" "-"
    # shellcheck disable=SC2086
    row "$setup: the other pauses (median)" "$(for f in $over; do field "$f" other_pauses_median_ms; done | median) ms" "-" \
        "first within 20 ms" "$(verdict "$worst <= 20") ($worst)"
    [ "$setup" = pulse ] || return 0
    local sounds paints idle
    # shellcheck disable=SC2086
    sounds=$(for f in $over; do field "$f" idle_click_to_sound_ms | tr ',' '\n' | grep .; done)
    # shellcheck disable=SC2086
    paints=$(for f in $over; do field "$f" idle_click_to_paint_ms | tr ',' '\n' | grep .; done)
    # shellcheck disable=SC2086
    idle=$(for f in $over; do field "$f" idle_cpu_ms; done | sort -n | tail -n1)
    row "$setup: click after 5 s idle, to sound" "$(median <<<"$sounds") / $(sort -n <<<"$sounds" | tail -n1) ms" "-" \
        "median / max" "-"
    row "$setup: click after 5 s idle, to picture" "$(median <<<"$paints") / $(sort -n <<<"$paints" | tail -n1) ms" "-" \
        "median / max" "-"
    row "$setup: processor time, 3.5 s idle (max)" "$idle ms" "-" "0 ms" "$(verdict "$idle < 1")"
}
sound_part() {
    echo "== The deal with SDL's own choice of driver: $sound_runs starts with no sound server, $sound_runs with PulseAudio"
    sound_sessions none
    sound_sessions pulse
    echo
    echo "The deal's pauses read from the screen, and a click's sound, with SDL's own choice of driver"
    printf '| %-44s | %-16s | %-14s | %-26s | %-6s |\n' "measure" "Quintrel" "" "target" "result"
    sound_rows none
    sound_rows pulse
}
verdict() { if awk "BEGIN {exit !($1)}"; then echo met; else echo MISSED; fi; }
row() { printf '| %-44s | %-16s | %-14s | %-26s | %-6s |\n' "$@"; }
if [ "${QUINTREL_BENCH_SOUND_ONLY:-0}" = 1 ]; then
    sound_part
    exit 0
fi

: >"$E2E_WORK/q_map" ; : >"$E2E_WORK/m_map"; : >"$E2E_WORK/m_hwm"; : >"$E2E_WORK/m_rss"; : >"$E2E_WORK/q_hwm"; : >"$E2E_WORK/q_rss"
: >"$E2E_WORK/sessions"
echo "== $runs start-ups of each program, interleaved; $sessions timed sessions of Quintrel"
for ((i = 1; i <= runs; i++)); do
    out=$("$probe" startup "$minimal") || die "minimal program: $out"
    pid=${out##*pid=}
    echo "${out%% *}" | cut -d= -f2 >>"$E2E_WORK/m_map"
    sleep 2
    status_kb "$pid" VmRSS >>"$E2E_WORK/m_rss"
    status_kb "$pid" VmHWM >>"$E2E_WORK/m_hwm"
    stop_pid "$pid"

    out=$(cd "$E2E_WORK" && "$probe" startup "$FOLDER/quintrel") || die "quintrel: $out"
    QPID=${out##*pid=}
    own_process "$QPID"
    echo "${out%% *}" | cut -d= -f2 >>"$E2E_WORK/q_map"
    if [ "$i" -le "$sessions" ]; then
        splash=""
        wait_for 10 "the splash" has_window_titled "Quintrel, by the Quintrel makers, 2026"
        splash=$(window_titled "Quintrel, by the Quintrel makers, 2026")
        xdotool windowactivate "$splash" 2>/dev/null || true
        wait_for 5 "the splash to have the keyboard" window_focused "$splash"
        "$probe" session "$QPID" >"$E2E_WORK/session$i" || die "session $i: $(cat "$E2E_WORK/session$i")"
        sleep 1
        field "$E2E_WORK/session$i" settled_rss_kb >>"$E2E_WORK/q_rss"
        status_kb "$QPID" VmHWM >>"$E2E_WORK/q_hwm"
        echo "$E2E_WORK/session$i" >>"$E2E_WORK/sessions"
        echo "  session $i: $(tr '\n' ' ' <"$E2E_WORK/session$i")"
    fi
    stop_pid "$QPID"
    echo "  run $i: quintrel $(tail -n1 "$E2E_WORK/q_map") ms, minimal $(tail -n1 "$E2E_WORK/m_map") ms to the first window"
done

# The figures: medians over the runs and sessions, extremes where the target is a bound.
q_map=$(median <"$E2E_WORK/q_map"); m_map=$(median <"$E2E_WORK/m_map")
q_rss=$(median <"$E2E_WORK/q_rss"); m_rss=$(median <"$E2E_WORK/m_rss")
q_hwm=$(median <"$E2E_WORK/q_hwm"); m_hwm=$(median <"$E2E_WORK/m_hwm")
over_sessions() { local f; for f in $(cat "$E2E_WORK/sessions"); do field "$f" "$1"; done; }
deal_cpu=$(over_sessions deal_cpu_percent | median)
deal_cpu_ms=$(over_sessions deal_cpu_ms | median)
deal_wall=$(over_sessions deal_first_to_last_ms | median)
deal_min=$(over_sessions deal_pause_min_ms | sort -n | head -n1)
deal_max=$(over_sessions deal_pause_max_ms | sort -n | tail -n1)
load_cpu=$(over_sessions load_cpu_percent | median)
load_cpu_ms=$(over_sessions load_cpu_ms | median)
load_min=$(over_sessions load_pause_min_ms | sort -n | head -n1)
load_max=$(over_sessions load_pause_max_ms | sort -n | tail -n1)
idle=$(over_sessions idle_10s_cpu_ms | sort -n | tail -n1)
click_med=$(over_sessions click_to_paint_median_ms | median)
click_max=$(over_sessions click_to_paint_max_ms | sort -n | tail -n1)
board_map=$(over_sessions ok_to_board_map_ms | median)
resolution=$(over_sessions look_interval_max_ms | sort -n | tail -n1)

echo
echo "Quintrel benchmark: $runs start-ups each, $sessions sessions; $(nproc) cores; Xvfb with openbox; pixel ratio $QUINTREL_BENCH_RATIO"
printf '| %-44s | %-16s | %-14s | %-26s | %-6s |\n' "measure" "Quintrel" "minimal Qt" "target" "result"
printf '|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..46})" "$(printf -- '-%.0s' {1..18})" "$(printf -- '-%.0s' {1..16})" "$(printf -- '-%.0s' {1..28})" "$(printf -- '-%.0s' {1..8})"
row "exec to first window mapped (median)" "$q_map ms" "$m_map ms" "<= 1.3 x minimal" \
    "$(verdict "$q_map <= 1.3 * $m_map") ($(awk "BEGIN {printf \"%.2fx\", $q_map / $m_map}"))"
row "memory, peak (VmHWM, median)" "$((q_hwm / 1024)) MB" "$((m_hwm / 1024)) MB" "-" "-"
row "memory, settled (VmRSS, median)" "$((q_rss / 1024)) MB" "$((m_rss / 1024)) MB" "<= 1.3 x minimal + 10 MB" \
    "$(verdict "$q_rss <= 1.3 * $m_rss + 10240")"
row "OK to board window mapped (median)" "$board_map ms" "-" "about 150 ms" "-"
row "deal, first to last card (median)" "$deal_wall ms" "-" "8 pauses" "-"
row "deal pauses, shortest / longest" "$deal_min / $deal_max ms" "-" "150-170 ms each" \
    "$(verdict "$deal_min >= 150 && $deal_max <= 170")"
row "processor time during the deal (median)" "$deal_cpu_ms ms, $deal_cpu %" "-" "< 5 % of wall time" \
    "$(verdict "$deal_cpu < 5")"
row "load pauses, shortest / longest" "$load_min / $load_max ms" "-" "150-170 ms each" \
    "$(verdict "$load_min >= 150 && $load_max <= 170")"
row "screen reading resolution (longest gap)" "$resolution ms" "-" "-" "-"
row "processor time during a load (median)" "$load_cpu_ms ms, $load_cpu %" "-" "-" "-"
row "processor time, 10 s idle after the deal (max)" "$idle ms" "-" "0 ms" "$(verdict "$idle < 1")"
row "handle click to picture painted (median/max)" "$click_med / $click_max ms" "-" "< 16 ms" \
    "$(verdict "$click_max < 16")"

echo
echo "The sound player on SDL's dummy driver: what playing a move's sound costs the window"
"$build/bench-tools/playwave" "$root/data/SOUND/CLICK.WAV" "$root/data/SOUND/SNIP1.WAV" | sed 's/^/  /'

echo
sound_part
