#!/bin/bash
# End-to-end start-up test of ondrel on a real X server (Xvfb, no window manager).
#
#   startup_e2e.sh [program-folder] [mapwatch]
#
# Copies the program folder elsewhere (it must run from anywhere), starts ondrel from the copy
# with an empty configuration and checks the first start: "Tip of the Day", then after Return
# the "Welcome" window, then after its OK the main window "KOR Velmora: Untitled". Closing the
# main window must end the program, which leaves First Run=0 and the palette positions in its
# INI file. Windows are awaited through mapwatch's log of mapped windows; the timeouts are only
# upper bounds. Screenshots of each stage go to the temporary folder, kept on failure (or always
# with E2E_KEEP=1).
set -u

here=$(cd "$(dirname "$0")" && pwd)
progdir=${1:-$here/../../build/bin}
mapwatch=${2:-$progdir/../tools/mapwatch}
stage_timeout=${E2E_STAGE_TIMEOUT:-20}

work=$(mktemp -d "${TMPDIR:-/tmp}/ondrel-e2e.XXXXXX")
shots=$work/screenshots
mkdir -p "$shots" "$work/config" "$work/home"
xvfb_pid= mw_pid=
failed=0

cleanup() {
    [ -n "$mw_pid" ] && kill "$mw_pid" 2>/dev/null && wait "$mw_pid" 2>/dev/null # ends ondrel too
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    if [ "$failed" = 0 ] && [ "${E2E_KEEP:-0}" != 1 ]; then
        rm -rf "$work"
    else
        echo "e2e: screenshots and logs kept in $work" >&2
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

shot() { import -window root "$shots/$1.png" 2>/dev/null || echo "e2e: no screenshot $1" >&2; }

fail() {
    failed=1
    echo "e2e: FAIL: $*" >&2
    if [ -n "$xvfb_pid" ]; then
        shot failure
        echo "--- windows mapped (ms, id, title):" >&2
        cat "$work/maps.log" >&2 2>/dev/null
        echo "--- program and mapwatch messages:" >&2
        cat "$work/program.err" >&2 2>/dev/null
    fi
    echo "e2e: 0 passed, 1 failed"
    exit 1
}

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[ -x "$progdir/ondrel" ] || fail "no program at $progdir/ondrel (build first, or pass the program folder)"
[ -x "$mapwatch" ] || fail "no mapwatch at $mapwatch (pass its path as the second argument)"
builddir=$(cd "$progdir/.." && pwd -P)

# A relocated copy of the program folder and a configuration nobody has touched.
cp -a "$progdir/." "$work/program" || fail "cannot copy $progdir"
export XDG_CONFIG_HOME=$work/config HOME=$work/home QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER
ini=$XDG_CONFIG_HOME/ondrel/ondrel.ini

# Xvfb picks a free display itself and tells its number once it accepts connections.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/displayfd" \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 15 display <"$work/displayfd" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$display

: >"$work/maps.log"
"$mapwatch" --ids --timeout 110 --launch "$work/program/ondrel" \
    >"$work/maps.log" 2>"$work/program.err" &
mw_pid=$!

# titles: the mapped windows' titles in order, one a line.
titles() { cut -d' ' -f3- "$work/maps.log"; }

# wait_for TITLE: waits until a window with exactly this title has been mapped; prints its id.
wait_for() {
    local deadline=$((SECONDS + stage_timeout)) id running
    while :; do
        kill -0 "$mw_pid" 2>/dev/null && running=1 || running=0 # before reading: no late line lost
        id=$(awk -v t="$1" '{ title = $0; sub(/^[^ ]+ [^ ]+ /, "", title) } title == t { print $2; exit }' \
            "$work/maps.log")
        [ -n "$id" ] && { echo "$id"; return 0; }
        [ "$running" = 1 ] || return 1 # the program has ended
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.05
    done
}

# press_return WINDOW: gives the window the keyboard focus and presses Return there.
press_return() {
    timeout 10 xdotool windowfocus --sync "$1" key Return || fail "could not press Return in window $1"
}

# 1. The tip window comes first, before any other window.
tip=$(wait_for "Tip of the Day") || fail "no \"Tip of the Day\" window within ${stage_timeout}s"
shot 1-tip-of-the-day
[ "$(titles)" = "Tip of the Day" ] || fail "\"Tip of the Day\" is not the only window at first"

# 2. Return presses its default button, OK; the welcome window follows.
press_return "$tip"
welcome=$(wait_for "Welcome") || fail "no \"Welcome\" window after Return in \"Tip of the Day\""
shot 2-welcome
[ "$(titles)" = $'Tip of the Day\nWelcome' ] ||
    fail "windows other than \"Welcome\" appeared after \"Tip of the Day\": $(titles | paste -sd '|')"
[ -z "$(xdotool search --onlyvisible --name '^Tip of the Day$' 2>/dev/null)" ] ||
    fail "\"Tip of the Day\" is still shown with the welcome window"

# 3. OK in the welcome window opens the main window with an untitled document.
press_return "$welcome"
main=$(wait_for "KOR Velmora: Untitled") ||
    fail "no main window \"KOR Velmora: Untitled\" after OK in \"Welcome\""
shot 3-main-window
[ -z "$(xdotool search --onlyvisible --name '^Welcome$' 2>/dev/null)" ] ||
    fail "\"Welcome\" is still shown with the main window"

# The program runs from the copy and uses nothing of the build tree.
pid=$(xdotool getwindowpid "$main" 2>/dev/null)
if [ -n "$pid" ] && [ -r "/proc/$pid/maps" ]; then
    [ "$(readlink -f "/proc/$pid/exe")" = "$(readlink -f "$work/program/ondrel")" ] ||
        fail "the running program is $(readlink -f "/proc/$pid/exe"), not the copy"
    grep -F "$builddir/" "/proc/$pid/maps" >&2 &&
        fail "the copied program loads files from the build tree $builddir (above)"
fi

# 4. Closing the main window (as a window manager's close button does) ends the program.
"$mapwatch" --close "$main" || fail "could not ask the main window to close"
deadline=$((SECONDS + 10))
while kill -0 "$mw_pid" 2>/dev/null; do
    [ "$SECONDS" -ge "$deadline" ] && { shot 4-after-close; fail "ondrel still runs 10s after its main window was closed"; }
    sleep 0.05
done
wait "$mw_pid"
status=$?
mw_pid=
[ "$status" = 0 ] || fail "ondrel ended with status $status after its main window was closed"

# 5. The first start is recorded and the palette positions are saved.
[ -f "$ini" ] || fail "no settings file $ini after the first start"
# keys_of SECTION: the section's "key=value" lines.
keys_of() { awk -v s="[$1]" '/^\[/ { in_s = ($0 == s); next } in_s && NF' "$ini"; }
keys_of Options | grep -qx 'First%20Run=0' || fail "[Options] has no First%20Run=0 in $ini: $(cat "$ini")"
for key in File%20Box%20Left File%20Box%20Top Prog%20Box%20Left Prog%20Box%20Top; do
    keys_of Locations | grep -q "^$key=[0-9.-]" ||
        fail "[Locations] has no number for $key in $ini: $(cat "$ini")"
done

echo "e2e: startup ok (windows: $(titles | paste -sd '|'))"
echo "e2e: 1 passed, 0 failed"
