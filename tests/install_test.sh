#!/bin/sh
# Installs the build into a fresh prefix, checks the desktop entry and the
# metainfo, and runs the installed program from another folder: the worksheet
# command (which needs the installed content) and the window, offscreen.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop-file-validate "$prefix/share/applications/org.tallowby.Tallowby.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.tallowby.Tallowby.metainfo.xml" >/dev/null
test -f "$prefix/share/icons/hicolor/scalable/apps/org.tallowby.Tallowby.svg"
test -f "$prefix/share/tallowby/data.db"
test -f "$prefix/share/tallowby/123.htm"

cd /
"$prefix/bin/tallowby" --worksheet 一位数减一位数 --tab 1 --seed 3 -o "$prefix/sheet.pdf" 2>/dev/null
test -s "$prefix/sheet.pdf"

# The window starts and keeps running until it is told to stop.
QT_QPA_PLATFORM=offscreen "$prefix/bin/tallowby" 2>/dev/null &
program=$!
sleep 3
kill -0 "$program"
kill "$program"
wait "$program" || true
echo "installed into $prefix and ran"
