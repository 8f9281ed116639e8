#!/bin/sh
# Checks a Perl script's syntax without running it, in this terminal window: syntax.bat FILE
# The editor starts it on its temporary file VMR.TMP. The window stays open until Enter is
# pressed, so perl's verdict can be read.
if command -v perl >/dev/null 2>&1; then
    perl -c "$@"
else
    echo "perl was not found on the PATH, so the syntax cannot be checked."
    echo "Install Perl (Debian package \"perl\") and try again."
fi
echo
printf 'Press Enter to close this window. '
read -r answer
