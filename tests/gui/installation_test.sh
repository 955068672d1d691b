#!/bin/sh
# Installs the build into a temporary prefix and checks what a Linux desktop needs there.
set -eu
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fehler=0
muss() {
    if [ ! -s "$prefix/$1" ]; then
        echo "fehlt: $1"
        fehler=1
    fi
}
muss bin/zalvor
muss bin/zalvor-cli
muss bin/zalvor-cli-druck
muss share/applications/zalvor.desktop
muss share/icons/hicolor/scalable/apps/zalvor.svg
muss share/doc/zalvor/README.md
[ -x "$prefix/bin/zalvor" ] || { echo "bin/zalvor nicht ausführbar"; fehler=1; }

desktop="$prefix/share/applications/zalvor.desktop"
for zeile in 'Type=Application' 'Exec=zalvor %f' 'Icon=zalvor' 'Categories=Office;Finance;' \
             'Name=Zalvor Kassenbuch'; do
    grep -qxF "$zeile" "$desktop" || { echo "zalvor.desktop ohne: $zeile"; fehler=1; }
done
grep -q '^Comment=.*Verein' "$desktop" || { echo "zalvor.desktop ohne deutschen Kommentar"; fehler=1; }
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$desktop" || fehler=1
fi
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/zalvor.svg" || { echo "Symbol ist kein SVG"; fehler=1; }
# The installed command line program runs from the prefix.
"$prefix/bin/zalvor-cli" --help >/dev/null || { echo "zalvor-cli startet nicht"; fehler=1; }
# The help comes from the full program beside it and lists the print commands too.
"$prefix/bin/zalvor-cli" --help | grep -q '^  drucken DATEI --pdf' || { echo "Hilfe ohne drucken"; fehler=1; }
exit $fehler
