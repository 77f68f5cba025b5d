# shellcheck shell=bash
# wait_for COMMAND [ARGS...]: polls the command, quietly, for up to fifteen seconds (a busy
# machine starts things slowly); true as soon as it succeeds. Sourced by the session scripts.
wait_for() {
    local _
    for _ in $(seq 750); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.02
    done
    return 1
}
