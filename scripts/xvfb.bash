# Sourced by the scripts that need a virtual X display. start_xvfb starts Xvfb on the first free
# display number (Xvfb -displayfd tells which it took), exports DISPLAY and sets xvfb_pid;
# its argument is the screen, 1024x768x24 by default.
start_xvfb() {
    local ready
    ready=$(mktemp -u)
    mkfifo "$ready"
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp 3>"$ready" &
    # shellcheck disable=SC2034 # for the exit traps of the scripts that source this file
    xvfb_pid=$!
    local number
    read -r number <"$ready"
    rm -f "$ready"
    export DISPLAY=:$number
}

# start_window_manager starts openbox on the display and waits until it manages windows; it ends
# with the display.
start_window_manager() {
    openbox >/dev/null 2>&1 &
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
        sleep 0.1
    done
    echo "openbox did not start" >&2
    return 1
}
