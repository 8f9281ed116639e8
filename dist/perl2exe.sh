#!/bin/sh
# Compiles a Perl script into a standalone executable with PAR::Packer's pp, in this terminal
# window: perl2exe.sh FILE. The executable lies beside the script, named like it without ".pl";
# a script not ending in ".pl" gets ".bin" added, so the script itself is never overwritten.
# The window stays open until Enter is pressed, so pp's result can be read.
finish() {
    echo
    printf 'Press Enter to close this window. '
    read -r answer
    exit "$1"
}

if [ $# -eq 0 ] || [ -z "$1" ]; then
    echo "There is no script file to compile: save the script under a name first."
    finish 1
fi
if [ $# -gt 1 ]; then
    echo "Expected one script file name, got $#: $*"
    finish 1
fi
script=$1
case $script in
    *.pl) output=${script%.pl} ;;
    *) output=$script.bin ;;
esac
if ! command -v pp >/dev/null 2>&1; then
    echo "pp (PAR::Packer) was not found on the PATH."
    echo "Install it (Debian package \"libpar-packer-perl\") and try again."
    finish 1
fi
echo "Compiling $script"
if pp -o "$output" -- "$script"; then
    echo "Executable written: $output"
    finish 0
fi
echo "pp could not compile $script"
finish 1
