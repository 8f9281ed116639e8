#!/bin/sh
# Runs a Perl script under the Perl debugger in this terminal window: debug.bat FILE
# The editor starts it on its temporary file VMR.TMP. The window stays open until Enter is
# pressed, so the session can be read.
if command -v perl >/dev/null 2>&1; then
    perl -d "$@"
else
    echo "perl was not found on the PATH, so the script cannot be debugged."
    echo "Install Perl (Debian package \"perl\") and try again."
fi
echo
printf 'Press Enter to close this window. '
read -r answer
