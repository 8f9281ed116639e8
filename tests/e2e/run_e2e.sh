#!/bin/bash
# End-to-end test of running, syntax-checking and compiling through the real perl, xterm and
# pp, driven through ondrel's Program menu on a real X server (Xvfb, no window manager).
#
#   run_e2e.sh [program-folder]
#
# Works on a copy of the program folder whose programs.map runs the companion scripts in xterm
# with xterm's own log, so what the terminal shows can be read back. ondrel opens a script whose
# path holds blanks; text typed into the editor (not saved) decides what the run writes.
#   1. "R&un" writes VMR.TMP from the unsaved text and perl runs it: the marker file says "typed".
#   2. "&Compile to EXE" saves the script and pp builds an executable beside it.
#   3. With a syntax error typed in, "Check &Syntax" / "&Whole Script" shows perl's message.
#   4. The executable runs and prints the expected line.
# Files are awaited by polling with a deadline; logs are kept on failure (or with E2E_KEEP=1).
set -u

here=$(cd "$(dirname "$0")" && pwd)
progdir=${1:-$here/../../build/bin}
stage_timeout=${E2E_STAGE_TIMEOUT:-20}
compile_timeout=${E2E_COMPILE_TIMEOUT:-120}

work=$(mktemp -d "${TMPDIR:-/tmp}/ondrel-run-e2e.XXXXXX")
xvfb_pid= ondrel_pid=
failed=0 passed=0

cleanup() {
    [ -n "$ondrel_pid" ] && kill "$ondrel_pid" 2>/dev/null && wait "$ondrel_pid" 2>/dev/null
    # The terminals ondrel started lose their display with the server and end with it.
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    if [ "$failed" = 0 ] && [ "${E2E_KEEP:-0}" != 1 ]; then
        rm -rf "$work"
    else
        echo "e2e: logs kept in $work" >&2
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    failed=1
    echo "e2e: FAIL: $*" >&2
    for log in "$work"/program/*.log "$work/ondrel.err"; do
        [ -s "$log" ] && { echo "--- $log:" >&2; cat "$log" >&2; }
    done
    echo "e2e: $passed passed, 1 failed"
    exit 1
}
pass() { passed=$((passed + 1)); echo "e2e: ok: $*"; }

# wait_until SECONDS COMMAND...: polls until the command succeeds or the time is up.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        kill -0 "$ondrel_pid" 2>/dev/null || { echo "e2e: ondrel has ended" >&2; return 1; }
        sleep 0.1
    done
}
file_is() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }
log_has() { grep -qF -- "$2" "$1" 2>/dev/null; }

for tool in Xvfb xdotool xterm perl pp; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[ -x "$progdir/ondrel" ] || fail "no program at $progdir/ondrel (build first, or pass the program folder)"
for script in run.bat syntax.bat perl2exe.sh; do
    [ -x "$progdir/$script" ] || fail "$progdir/$script is missing or not executable"
done

cp -a "$progdir/." "$work/program" || fail "cannot copy $progdir"
program=$work/program
# The shipped entries with xterm's log added (-l -lf); everything else as delivered.
cat >>"$program/programs.map" <<'MAP'
run.bat    = xterm %MAX(-maximized) %MIN(-iconic) -l -lf %D/run.log -e %D/run.bat %*
syntax.bat = xterm -l -lf %D/syntax.log -e %D/syntax.bat %*
perl2exe   = %NEED(pp) xterm %MIN(-iconic) -l -lf %D/perl2exe.log -e %D/perl2exe.sh %*
MAP

# A later start: no tip, no welcome, no clipboard manager.
export XDG_CONFIG_HOME=$work/config HOME=$work/home QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER
mkdir -p "$XDG_CONFIG_HOME/ondrel" "$HOME"
cat >"$XDG_CONFIG_HOME/ondrel/ondrel.ini" <<'INI'
[Options]
First%20Run=0
Show%20Tips%20at%20Startup=0
Startup%20Dialog=0
Enhanced%20Clipboard=0
INI

# The saved script sets $x only when the editor's text has not set it before.
mkdir -p "$work/my scripts"
script="$work/my scripts/hello world.pl"
marker=$work/marker
printf '$x ||= "saved"; open(my $f, ">", "%s") or die; print $f $x; close $f; print "hello from velmora\\n";\n' \
    "$marker" >"$script"
saved=$(cat "$script")

mkfifo "$work/displayfd"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 15 display <"$work/displayfd" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$display

"$program/ondrel" "$script" >"$work/ondrel.out" 2>"$work/ondrel.err" &
ondrel_pid=$!

window=
find_window() { window=$(xdotool search --onlyvisible --name "^KOR Velmora: " 2>/dev/null | head -n 1); [ -n "$window" ]; }
wait_until "$stage_timeout" find_window || fail "no main window within ${stage_timeout}s"
# keys KEY...: presses keys in the main window, one after another.
keys() { timeout 10 xdotool windowfocus --sync "$window" key --delay 150 "$@" || fail "could not press $*"; }
typed() { timeout 10 xdotool windowfocus --sync "$window" type --delay 20 "$1" || fail "could not type $1"; }

# 1. Run the unsaved text.
typed '$x="typed";'
keys alt+p u Return # Program > R&un (the first of the two "u" items)
wait_until "$stage_timeout" file_is "$marker" typed ||
    fail "R&un: the marker does not say \"typed\" (it holds: $(cat "$marker" 2>&1))"
wait_until "$stage_timeout" log_has "$program/run.log" "Press Enter to close this window." ||
    fail "R&un: the terminal does not show run.bat waiting for Enter"
head -c 11 "$program/VMR.TMP" | grep -qxF '$x="typed";' || fail "VMR.TMP does not start with the typed text"
# The run's window is to be maximised: the terminal got the option for it.
terminal_args=$(for cmdline in /proc/[0-9]*/cmdline; do
    tr '\0' ' ' <"$cmdline" 2>/dev/null | grep -F -- "$program/run.log" && break
done)
case $terminal_args in
    *" -maximized "*) ;;
    *) fail "the run's terminal was not asked to maximise: $terminal_args" ;;
esac
[ "$(cat "$script")" = "$saved" ] || fail "running changed the saved script"
pass "R&un ran the editor's unsaved text through perl in xterm"

# 2. Compile: saves first (with the typed text), then pp in a terminal.
rm -f "$marker"
keys alt+p c c Return # Program > &Compile to EXE (after Run as &CGI)
exe="$work/my scripts/hello world"
wait_until "$compile_timeout" log_has "$program/perl2exe.log" "Executable written:" ||
    fail "&Compile to EXE: pp did not report an executable within ${compile_timeout}s"
head -c 11 "$script" | grep -qxF '$x="typed";' || fail "&Compile to EXE did not save the editor's text first"

# 3. Check the syntax of a broken script.
keys End
typed '}'
keys alt+p s w # Program > Check &Syntax > &Whole Script
wait_until "$stage_timeout" log_has "$program/syntax.log" "syntax error at VMR.TMP line 1" ||
    fail "Check &Syntax: the terminal does not show perl's syntax error"
pass "Check &Syntax showed perl's message in the terminal"

# 4. The compiled program runs on its own.
[ -x "$exe" ] || fail "no executable at $exe"
output=$(cd "$work" && timeout 30 "$exe" 2>&1) || fail "the executable failed: $output"
[ "$output" = "hello from velmora" ] || fail "the executable printed \"$output\""
file_is "$marker" typed || fail "the executable did not run the saved, typed text"
pass "&Compile to EXE built an executable from a path with blanks, and it runs"

echo "e2e: $passed passed, 0 failed"
