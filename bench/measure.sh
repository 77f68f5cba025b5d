#!/usr/bin/env bash
# The measuring half of ./bench.sh; runs inside the virtual desktop.
set -euo pipefail
runs=${QB_RUNS:-5}
idle=${QB_IDLE:-60}
sizes=${QB_SIZES:-1 50 200 256}
bin=build-bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Kilobytes of a /proc status field.
status_kb() { awk -v f="$2:" '$1 == f { print $2 }' "/proc/$1/status"; }
# CPU time in milliseconds (user + system, all threads).
cpu_ms() { awk -v hz="$(getconf CLK_TCK)" '{ print int(($14 + $15) * 1000 / hz) }' "/proc/$1/stat"; }
# Context switches of all threads: each one is a wake-up or a preemption.
switches() {
    cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'
}

# start KIND N: starts the program, prints "<ms to all mapped> <pid>".
start() {
    local kind=$1 n=$2
    if [ "$kind" = floor ]; then
        "$bin/bench/mapwait" "$n" 60000 "$bin/bench/floor" "$n"
    else
        rm -rf "$work/q" && mkdir -p "$work/q"
        cp "$bin/app/quillbox" "$work/q/"
        [ -f "$bin/app/ding.wav" ] && cp "$bin/app/ding.wav" "$work/q/"
        "$bin/bench/make_datafile" "$work/q/quillbox.dat" "$n"
        "$bin/bench/mapwait" "$n" 60000 "$work/q/quillbox"
    fi
}

results="$work/results"
: >"$results"
for n in $sizes; do
    for run in $(seq "$runs"); do
        read -r floor_ms floor_pid < <(start floor "$n")
        read -r quill_ms quill_pid < <(start quillbox "$n")
        sleep 10
        for kind in floor quill; do
            pid_var="${kind}_pid"
            pid=${!pid_var}
            printf -v "${kind}_hwm" '%s' "$(status_kb "$pid" VmHWM)"
            printf -v "${kind}_rss" '%s' "$(status_kb "$pid" VmRSS)"
            printf -v "${kind}_cpu0" '%s' "$(cpu_ms "$pid")"
            printf -v "${kind}_sw0" '%s' "$(switches "$pid")"
        done
        sleep "$idle"
        for kind in floor quill; do
            pid_var="${kind}_pid"
            pid=${!pid_var}
            cpu0_var="${kind}_cpu0" sw0_var="${kind}_sw0"
            printf -v "${kind}_cpu" '%s' "$(($(cpu_ms "$pid") - ${!cpu0_var}))"
            printf -v "${kind}_sw" '%s' "$(($(switches "$pid") - ${!sw0_var}))"
            kill "$pid" 2>/dev/null || true
        done
        wait 2>/dev/null || true
        echo "$n $run floor $floor_ms $floor_hwm $floor_rss $floor_cpu $floor_sw" >>"$results"
        echo "$n $run quillbox $quill_ms $quill_hwm $quill_rss $quill_cpu $quill_sw" >>"$results"
        echo "N=$n run $run: floor ${floor_ms} ms ${floor_hwm} kB, quillbox ${quill_ms} ms ${quill_hwm} kB" >&2
        sleep 1
    done
done

echo
echo "Medians (min-max) of $runs runs; idle over ${idle} s; memory in MiB"
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
print("| N | start ratio (pairwise median) | peak memory ratio |")
print("|---|---|---|")
for n in sizes:
    f_ms, q_ms = column(n, "floor", 3), column(n, "quillbox", 3)
    f_m, q_m = column(n, "floor", 4), column(n, "quillbox", 4)
    r_ms = statistics.median(q / f for q, f in zip(q_ms, f_ms))
    r_m = statistics.median(q / f for q, f in zip(q_m, f_m))
    print(f"| {n} | {r_ms:.2f} | {r_m:.2f} |")
PY
