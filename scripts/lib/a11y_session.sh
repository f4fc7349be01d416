# A private desktop session for the checks that play through the accessibility bus; source it
# inside Xvfb with $work set to the check's own folder. a11y_session_start starts a D-Bus session
# with the AT-SPI bus and registry and sets a fresh home in $work/home; a11y_session_orca starts
# Orca, speaking through speech-dispatcher into a private sound server's null sink and writing
# every utterance into $work/orca.log. Everything started is stopped by its PID on exit.

a11y_pids=()
# Children first (the bus launcher's own bus and the registry), then the processes.
a11y_descendants() { local c; for c in $(pgrep -P "$1" || true); do a11y_descendants "$c"; echo "$c"; done; }
a11y_session_stop() {
    local all=() pid
    for pid in "${a11y_pids[@]}"; do all+=($(a11y_descendants "$pid") "$pid"); done
    for pid in "${all[@]}"; do kill "$pid" 2>/dev/null || true; done
    # Orca may not heed SIGTERM while it waits on the bus.
    for pid in "${all[@]}"; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    done
}
trap a11y_session_stop EXIT

a11y_wait_for() {  # a11y_wait_for WHAT COMMAND...: polls the command for up to 60 s
    local what=$1
    shift
    for _ in $(seq 600); do "$@" && return 0; sleep 0.1; done
    echo "gave up waiting for $what" >&2
    return 1
}

a11y_bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}

a11y_session_start() {
    dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus" 4>"$work/bus.pid"
    a11y_pids+=($(cat "$work/bus.pid"))
    export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/launcher.log" 2>&1 &
    a11y_pids+=($!)
    # The game must find this launcher, not have the session bus start another one.
    a11y_wait_for "the accessibility bus" a11y_bus_up
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
    export XDG_DATA_HOME=$work/home/.local/share XDG_RUNTIME_DIR=$work/run
    mkdir -p -m700 "$XDG_RUNTIME_DIR"
    mkdir -p "$XDG_DATA_HOME/quarrow/data"
}

a11y_session_orca() {
    export PULSE_RUNTIME_PATH=$XDG_RUNTIME_DIR/pulse
    export PULSE_SERVER=unix:$PULSE_RUNTIME_PATH/native SPEECHD_ADDRESS=unix_socket:$work/speechd.sock
    mkdir -p -m700 "$PULSE_RUNTIME_PATH"
    mkdir -p "$work/speechd/modules" "$work/orca"
    # speech-dispatcher's modules need a sound server, even one that hears nothing.
    pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        -L "module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native auth-anonymous=1" \
        -L "module-null-sink sink_name=nullsink" -L module-always-sink >"$work/pulse.log" 2>&1 &
    a11y_pids+=($!)
    a11y_wait_for "the sound server" test -S "$PULSE_RUNTIME_PATH/native"
    printf '%s\n' 'AudioOutputMethod "pulse"' 'AddModule "silent" "sd_generic" "silent.conf"' \
        'DefaultModule silent' >"$work/speechd/speechd.conf"
    printf '%s\n' 'GenericExecuteSynth "true"' 'AddVoice "en" "MALE1" "en"' \
        >"$work/speechd/modules/silent.conf"
    speech-dispatcher -s -t 0 -C "$work/speechd" -S "$work/speechd.sock" -L "$work" \
        >"$work/speechd.log" 2>&1 &
    a11y_pids+=($!)
    a11y_wait_for "speech-dispatcher" test -S "$work/speechd.sock"
    # Orca's debug file is block-buffered: its last words would wait unwritten for more. The
    # same Orca, with that one file opened line-buffered.
    /usr/bin/python3 -c 'import builtins, runpy, sys
log = sys.argv[sys.argv.index("--debug-file") + 1]
plain = builtins.open
builtins.open = lambda f, m="r", *a, **k: plain(f, m, 1) if f == log else plain(f, m, *a, **k)
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")' \
        --replace -u "$work/orca" --debug-file "$work/orca.log" >"$work/orca.out" 2>&1 &
    a11y_pids+=($!)
    a11y_wait_for "Orca" grep -q "SPEECH OUTPUT: 'Screen reader on" "$work/orca.log"
}
