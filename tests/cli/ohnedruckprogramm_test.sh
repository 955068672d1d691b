#!/bin/sh
# zalvor-cli alone, without zalvor-cli-druck beside it: the commands that run in the print
# program and the help end with status 3 and name the missing program.
set -u
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
cp "$1" "$ordner/zalvor-cli"
fehler=0
for aufruf in "drucken Verein.26 --pdf x.pdf liste ea" "druckoptionen --oben 30" "--help"; do
    status=0
    # shellcheck disable=SC2086 # the words of the call are meant to be split
    "$ordner/zalvor-cli" $aufruf >/dev/null 2>"$ordner/meldung" || status=$?
    if [ "$status" -ne 3 ]; then
        echo "zalvor-cli $aufruf: status $status instead of 3"
        fehler=1
    fi
    if ! grep -qF "Das Druckprogramm $ordner/zalvor-cli-druck fehlt." "$ordner/meldung"; then
        echo "zalvor-cli $aufruf: the message does not name the missing program:"
        cat "$ordner/meldung"
        fehler=1
    fi
done
exit $fehler
