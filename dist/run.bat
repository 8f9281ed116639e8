#!/bin/sh
# Runs a Perl script in this terminal window: run.bat [switches ...] FILE
# The editor starts it on its temporary file VMR.TMP, with any interpreter switches before the
# file name. The window stays open until Enter is pressed, so the output can be read.
if command -v perl >/dev/null 2>&1; then
    perl "$@"
else
    echo "perl was not found on the PATH, so the script cannot run."
    echo "Install Perl (Debian package \"perl\") and try again."
fi
echo
printf 'Press Enter to close this window. '
read -r answer
