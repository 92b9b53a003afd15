# Sourced by the shell tests that drive the real launcher under Xvfb with
# xdotool; sourcing it skips the test when either is missing.
# start_x_server starts an X server on a display number the server picks
# itself (-displayfd: the first number whose sockets it can bind, so it never
# shares a display with another program's server, whatever lock files say)
# and exports DISPLAY; stop_x_server ends it.
# -noreset: a test starts a launcher just after the last one ended, and a
# server that resets when its last client leaves can refuse a client that
# connects during the reset.
x_server_pid=""

# Skips the test (exit 77) when Xvfb or xdotool is missing.
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# stand_in_vexa FOLDER: writes FOLDER/vexa, an emulator that only appends its
# arguments to $VEXA_RECORD, one a line, each run ended by "--".
stand_in_vexa() {
    cat > "$1/vexa" <<'SH'
#!/bin/sh
for a in "$@"; do printf '%s\n' "$a" >> "$VEXA_RECORD"; done
echo -- >> "$VEXA_RECORD"
SH
    chmod +x "$1/vexa"
}

# click_run WINDOW: onto the main window's Run picture from its background,
# then a click on the lit picture.
click_run() {
    local X Y WIDTH HEIGHT SCREEN WINDOW dx dy point
    eval "$(xdotool getwindowgeometry --shell "$1")"
    for point in "3 100" "300 268" "305 269"; do
        read -r dx dy <<<"$point"
        xdotool mousemove $((X + dx)) $((Y + dy))
        sleep 0.2
    done
    xdotool click 1
}

start_x_server() {
    local folder number=""
    folder="$(mktemp -d)"
    mkfifo "$folder/display"
    Xvfb -displayfd 3 -screen 0 800x600x24 -noreset -nolisten tcp 3>"$folder/display" 2>"$folder/log" &
    x_server_pid=$!
    # The server writes the number once it listens; a server that dies first
    # closes the pipe, and the read ends.
    read -r -t 30 number <"$folder/display" || true
    if [ -z "$number" ]; then
        echo "Xvfb did not start:"
        cat "$folder/log"
        rm -rf "$folder"
        stop_x_server
        return 1
    fi
    rm -rf "$folder"
    export DISPLAY=":$number"
}

stop_x_server() {
    if [ -n "$x_server_pid" ]; then
        kill "$x_server_pid" 2>/dev/null || true
        wait "$x_server_pid" 2>/dev/null || true
    fi
    x_server_pid=""
}
