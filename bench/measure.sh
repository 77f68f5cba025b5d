#!/usr/bin/env bash
# The fields of each kind of run (floor_ms, quillbox_pid...) are set through printf -v and read
# through of(): shellcheck cannot follow them.
# shellcheck disable=SC2034,SC2154
# The measuring half of ./bench.sh; runs with three virtual desktops, one for each program, so
# that each has a desktop to itself and each can keep the focus in one of its windows while
# all idle side by side: the Qt floor on $QB_FLOOR_DISPLAY, the xcb floor on $QB_XCB_DISPLAY,
# Quillbox on $DISPLAY.
set -euo pipefail
runs=${QB_RUNS:-5}
idle=${QB_IDLE:-60}
sizes=${QB_SIZES:-1 50 200 256}
# The sizes at which the display switch (two left clicks on the tray icon) is timed.
switch_sizes=${QB_SWITCH_SIZES:-50 200}
bin=build-bench
# The program measured: the real one, or (QB_QUILLBOX=quillbox_caret) a variant built beside
# the benchmarks.
quillbox=$bin/app/quillbox
[ -n "${QB_QUILLBOX:-}" ] && [ "$QB_QUILLBOX" != quillbox ] && quillbox=$bin/bench/$QB_QUILLBOX
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
quill_display=$DISPLAY
floor_display=${QB_FLOOR_DISPLAY:-$DISPLAY}
xcb_display=${QB_XCB_DISPLAY:-$floor_display}
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Kilobytes of a /proc status field.
status_kb() { awk -v f="$2:" '$1 == f { print $2 }' "/proc/$1/status"; }
# CPU time in milliseconds (user + system, all threads).
cpu_ms() { awk -v hz="$(getconf CLK_TCK)" '{ print int(($14 + $15) * 1000 / hz) }' "/proc/$1/stat"; }
# Context switches of all threads: each one is a wake-up or a preemption.
switches() {
    cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'
}

# of KIND FIELD: what was measured of the program, kept in ${KIND}_${FIELD}.
of() { local name="$1_$2"; echo "${!name}"; }

# start KIND N: starts the program on its desktop, prints "<ms to all mapped> <pid>".
start() {
    local kind=$1 n=$2
    if [ "$kind" = floor ]; then
        DISPLAY=$floor_display "$bin/bench/mapwait" "$n" 60000 "$bin/bench/floor" "$n"
    elif [ "$kind" = xcbfloor ]; then
        DISPLAY=$xcb_display "$bin/bench/mapwait" "$n" 60000 "$bin/bench/xcbfloor" "$n"
    else
        rm -rf "$work/q" && mkdir -p "$work/q"
        cp "$quillbox" "$work/q/quillbox"
        [ -f "$bin/app/ding.wav" ] && cp "$bin/app/ding.wav" "$work/q/"
        [ -f "$bin/app/libquillbox_sound.so" ] && cp "$bin/app/libquillbox_sound.so" "$work/q/"
        "$bin/bench/make_datafile" "$work/q/quillbox.dat" "$n"
        DISPLAY=$quill_display "$bin/bench/mapwait" "$n" 60000 "$work/q/quillbox"
    fi
}

# focus DISPLAY PID: clicks into the text of one of the program's windows that the window
# manager manages (not its tray icon, not one titled "Quillbox"), as a user would, so that an
# editor has the focus and its caret blinks.
focus() {
    local display=$1 pid=$2 w
    for w in $(DISPLAY=$display xprop -root -notype _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
        [ "$(DISPLAY=$display xdotool getwindowpid "$w" 2>/dev/null)" = "$pid" ] || continue
        [ "$(DISPLAY=$display xdotool getwindowname "$w")" = Quillbox ] && continue
        DISPLAY=$display xdotool mousemove --window "$w" 40 30 click 1
        return 0
    done
    echo "no window of $pid to click into" >&2
}

results="$work/results"
: >"$results"
for n in $sizes; do
    for run in $(seq "$runs"); do
        # Interleaved, and in turn which one goes first; each one is left to settle before the
        # next starts.
        case $((run % 3)) in
        1) order="floor quillbox xcbfloor" ;;
        2) order="quillbox xcbfloor floor" ;;
        *) order="xcbfloor floor quillbox" ;;
        esac
        for kind in $order; do
            read -r ms pid < <(start "$kind" "$n")
            [ "$ms" = timeout ] && { echo "N=$n run $run: $kind did not show its windows" >&2; exit 1; }
            printf -v "${kind}_ms" '%s' "$ms"
            printf -v "${kind}_pid" '%s' "$pid"
            sleep 2
        done
        focus "$floor_display" "$floor_pid"
        focus "$quill_display" "$quillbox_pid"
        sleep 10
        for kind in floor quillbox xcbfloor; do
            pid=$(of "$kind" pid)
            printf -v "${kind}_hwm" '%s' "$(status_kb "$pid" VmHWM)"
            printf -v "${kind}_rss" '%s' "$(status_kb "$pid" VmRSS)"
            printf -v "${kind}_cpu0" '%s' "$(cpu_ms "$pid")"
            printf -v "${kind}_sw0" '%s' "$(switches "$pid")"
        done
        sleep "$idle"
        for kind in floor quillbox xcbfloor; do
            pid=$(of "$kind" pid)
            printf -v "${kind}_cpu" '%s' "$(($(cpu_ms "$pid") - $(of "$kind" cpu0)))"
            printf -v "${kind}_sw" '%s' "$(($(switches "$pid") - $(of "$kind" sw0)))"
        done
        # The display switch, at the sizes it is timed at: hidden, then shown again.
        floor_switch="- -" quillbox_switch="- -" xcbfloor_switch="- -"
        floor_restore=- quillbox_restore=- xcbfloor_restore=-
        if [[ " $switch_sizes " == *" $n "* ]]; then
            floor_switch=$(DISPLAY=$floor_display "$bin/bench/mapwait" --switch "$n" 60000 "$floor_pid") || true
            quillbox_switch=$(DISPLAY=$quill_display "$bin/bench/mapwait" --switch "$n" 60000 "$quillbox_pid") || true
            for kind in floor quillbox; do
                [[ $(of "$kind" switch) == timeout* ]] &&
                    { echo "N=$n run $run: $kind $(of "$kind" switch)" >&2; printf -v "${kind}_switch" '%s' "- -"; }
            done
            # Then the main window back from the tray (the Stickums shown again first), a second
            # later, as the user would: the window manager has taken in the Stickums by then.
            sleep 1
            quillbox_restore=$(DISPLAY=$quill_display "$bin/bench/mapwait" --restore "$n" 60000 "$quillbox_pid") || true
            [[ $quillbox_restore == timeout* ]] && { echo "N=$n run $run: $quillbox_restore" >&2; quillbox_restore=-; }
        fi
        for kind in floor quillbox xcbfloor; do
            kill "$(of "$kind" pid)" 2>/dev/null || true
        done
        for kind in floor quillbox xcbfloor; do
            row="$n $run $kind"
            for field in ms hwm rss cpu sw switch restore; do
                row+=" $(of "$kind" "$field")"
            done
            echo "$row" >>"$results"
        done
        echo "N=$n run $run ($order): floor ${floor_ms} ms ${floor_hwm} kB switch ${floor_switch}," \
            "quillbox ${quillbox_ms} ms ${quillbox_hwm} kB ${quillbox_sw} switches" \
            "switch ${quillbox_switch} restore ${quillbox_restore}, xcb floor ${xcbfloor_ms} ms ${xcbfloor_hwm} kB" >&2
        sleep 1
    done
done

echo
echo "Quillbox: $quillbox. Medians (min-max) of $runs runs; idle over ${idle} s with an editor"
echo "focused; memory in MiB."
python3 - "$results" <<'PY'
import statistics, sys
rows = [l.split() for l in open(sys.argv[1])]
kinds = ("xcbfloor", "floor", "quillbox")
names = {"xcbfloor": "xcb floor", "floor": "Qt floor", "quillbox": "quillbox"}
def column(n, kind, i):
    return [float(r[i]) for r in rows if r[0] == n and r[2] == kind and r[i] != "-"]
def cell(values, scale=1.0, fmt="{:.1f}"):
    if not values:
        return "-"
    v = [x * scale for x in values]
    return f"{fmt.format(statistics.median(v))} ({fmt.format(min(v))}-{fmt.format(max(v))})"
def ratios(n, i, kind):
    return [q / f for q, f in zip(column(n, "quillbox", i), column(n, kind, i))]
sizes = sorted({r[0] for r in rows}, key=int)
print("| N | program | start to mapped, ms | peak RSS | RSS after 10 s | idle CPU ms | idle switches |")
print("|---|---|---|---|---|---|---|")
for n in sizes:
    for kind in kinds:
        print(f"| {n} | {names[kind]} | {cell(column(n, kind, 3))} | {cell(column(n, kind, 4), 1/1024)} | "
              f"{cell(column(n, kind, 5), 1/1024)} | {cell(column(n, kind, 6), fmt='{:.0f}')} | "
              f"{cell(column(n, kind, 7), fmt='{:.0f}')} |")
print()
print("Quillbox / floor, run by run: median (min-max)")
print()
print("| N | start / xcb floor | start / Qt floor | peak RSS / Qt floor | peak RSS / xcb floor |")
print("|---|---|---|---|---|")
for n in sizes:
    print(f"| {n} | {cell(ratios(n, 3, 'xcbfloor'), fmt='{:.2f}')} | "
          f"{cell(ratios(n, 3, 'floor'), fmt='{:.2f}')} | {cell(ratios(n, 4, 'floor'), fmt='{:.2f}')} | "
          f"{cell(ratios(n, 4, 'xcbfloor'), fmt='{:.2f}')} |")
switched = [n for n in sizes if column(n, "quillbox", 8)]
if switched:
    print()
    print("The display switch: left click on the tray icon to all hidden, the next one to all shown")
    print("again, ms; Quillbox / Qt floor run by run.")
    print()
    print("| N | Qt floor hide | quillbox hide | ratio | Qt floor show | quillbox show | ratio |")
    print("|---|---|---|---|---|---|---|")
    for n in switched:
        print(f"| {n} | {cell(column(n, 'floor', 8))} | {cell(column(n, 'quillbox', 8))} | "
              f"{cell(ratios(n, 8, 'floor'), fmt='{:.2f}')} | {cell(column(n, 'floor', 9))} | "
              f"{cell(column(n, 'quillbox', 9))} | {cell(ratios(n, 9, 'floor'), fmt='{:.2f}')} |")
    print()
    print("The first restore: right click on the tray icon to Quillbox's main window on show, ms.")
    print()
    print("| N | quillbox restore |")
    print("|---|---|")
    for n in switched:
        print(f"| {n} | {cell(column(n, 'quillbox', 10))} |")
PY
