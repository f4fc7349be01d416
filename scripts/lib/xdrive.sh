# Helpers for driving Quarrow under Xvfb with xdotool; source it. $shots_dir (optional) receives
# a picture of the screen when a window does not come.

# wait_window REGEX: the id of the first visible window whose name matches, waiting up to 30 s.
wait_window() {
    local id
    for _ in $(seq 1 300); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named '$1'" >&2
    [ -z "${shots_dir:-}" ] || import -window root "$shots_dir/failed.png" 2>/dev/null || true
    return 1
}

# press WINDOW KEY...: focuses the window and presses the keys plainly.
press() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window"
    xdotool key --delay 30 "$@"
}

# tabs N: N Tab key names, for press.
tabs() {
    printf 'Tab %.0s' $(seq 1 "$1")
}

# write_seed_theme FILE: a ten-word theme without questions.
write_seed_theme() {
    printf 'Seeds\r\n!Tester\r\n#10W\r\n' >"$1"
    for word in acorn bean chestnut date elm fig grape hazel iris juniper; do
        printf '%s\r\n' "$word" >>"$1"
    done
}
