#!/usr/bin/env bash
# The measuring half of ./bench.sh; runs with two virtual desktops, one for each program, so
# that each has a desktop to itself and each can keep the focus in one of its windows while
# both idle side by side: the floor on $QB_FLOOR_DISPLAY, Quillbox on $DISPLAY.
set -euo pipefail
runs=${QB_RUNS:-5}
idle=${QB_IDLE:-60}
sizes=${QB_SIZES:-1 50 200 256}
bin=build-bench
# The program measured: the real one, or (QB_QUILLBOX=quillbox_caret) a variant built beside
# the benchmarks.
quillbox=$bin/app/quillbox
[ -n "${QB_QUILLBOX:-}" ] && [ "$QB_QUILLBOX" != quillbox ] && quillbox=$bin/bench/$QB_QUILLBOX
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
quill_display=$DISPLAY
floor_display=${QB_FLOOR_DISPLAY:-$DISPLAY}
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

# start KIND N: starts the program on its desktop, prints "<ms to all mapped> <pid>".
start() {
    local kind=$1 n=$2
    if [ "$kind" = floor ]; then
        DISPLAY=$floor_display "$bin/bench/mapwait" "$n" 60000 "$bin/bench/floor" "$n"
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
        # Interleaved, and in turn which one goes first; the first one is left to settle
        # before the second starts.
        if [ $((run % 2)) -eq 1 ]; then order="floor quillbox"; else order="quillbox floor"; fi
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
        for kind in floor quillbox; do
            pid_var="${kind}_pid"
            pid=${!pid_var}
            printf -v "${kind}_hwm" '%s' "$(status_kb "$pid" VmHWM)"
            printf -v "${kind}_rss" '%s' "$(status_kb "$pid" VmRSS)"
            printf -v "${kind}_cpu0" '%s' "$(cpu_ms "$pid")"
            printf -v "${kind}_sw0" '%s' "$(switches "$pid")"
        done
        sleep "$idle"
        for kind in floor quillbox; do
            pid_var="${kind}_pid"
            pid=${!pid_var}
            cpu0_var="${kind}_cpu0" sw0_var="${kind}_sw0"
            printf -v "${kind}_cpu" '%s' "$(($(cpu_ms "$pid") - ${!cpu0_var}))"
            printf -v "${kind}_sw" '%s' "$(($(switches "$pid") - ${!sw0_var}))"
            kill "$pid" 2>/dev/null || true
        done
        echo "$n $run floor $floor_ms $floor_hwm $floor_rss $floor_cpu $floor_sw" >>"$results"
        echo "$n $run quillbox $quillbox_ms $quillbox_hwm $quillbox_rss $quillbox_cpu $quillbox_sw" >>"$results"
        echo "N=$n run $run ($order): floor ${floor_ms} ms ${floor_hwm} kB ${floor_sw} switches," \
            "quillbox ${quillbox_ms} ms ${quillbox_hwm} kB ${quillbox_sw} switches" >&2
        sleep 1
    done
done

echo
echo "Quillbox: $quillbox. Medians (min-max) of $runs runs; idle over ${idle} s with an editor"
echo "focused; memory in MiB."
python3 - "$results" <<'PY'
import statistics, sys
rows = [l.split() for l in open(sys.argv[1])]
def column(n, kind, i):
    return [float(r[i]) for r in rows if r[0] == n and r[2] == kind]
def cell(values, scale=1.0, fmt="{:.1f}"):
    v = [x * scale for x in values]
    return f"{fmt.format(statistics.median(v))} ({fmt.format(min(v))}-{fmt.format(max(v))})"
sizes = sorted({r[0] for r in rows}, key=int)
print("| N | program | start to mapped, ms | peak RSS | RSS after 10 s | idle CPU ms | idle switches |")
print("|---|---|---|---|---|---|---|")
for n in sizes:
    for kind in ("floor", "quillbox"):
        print(f"| {n} | {kind} | {cell(column(n, kind, 3))} | {cell(column(n, kind, 4), 1/1024)} | "
              f"{cell(column(n, kind, 5), 1/1024)} | {cell(column(n, kind, 6), fmt='{:.0f}')} | "
              f"{cell(column(n, kind, 7), fmt='{:.0f}')} |")
print()
print("Quillbox / floor, pair by pair: median (min-max)")
print()
print("| N | start to mapped | peak RSS |")
print("|---|---|---|")
for n in sizes:
    f_ms, q_ms = column(n, "floor", 3), column(n, "quillbox", 3)
    f_m, q_m = column(n, "floor", 4), column(n, "quillbox", 4)
    r_ms = [q / f for q, f in zip(q_ms, f_ms)]
    r_m = [q / f for q, f in zip(q_m, f_m)]
    print(f"| {n} | {cell(r_ms, fmt='{:.2f}')} | {cell(r_m, fmt='{:.2f}')} |")
PY
