#!/usr/bin/env bash
# What the desktop needs to list the installed program in its menu: a valid .desktop file
# whose Exec and Icon resolve in the prefix, the icon in every hicolor size and as SVG, a
# valid AppStream file for the same desktop id, and the manual pages.
set -u
build=$1
cmake=$2
. "$(dirname "$0")/lib.sh"
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

prefix=$work/prefix
install_into "$prefix"
id=org.zendral.Zendral
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
expect_file "desktop file" "$desktop"
expect_file "metainfo" "$metainfo"

expect "desktop-file-validate" "$(desktop-file-validate "$desktop" 2>&1)" ""
out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1)
expect "appstreamcli validate" "$?" "0"
expect "no AppStream warnings" "$(echo "$out" | grep -c '^[EW]:')" "0"
expect "the metainfo launches the desktop file" \
  "$(grep -o '<launchable type="desktop-id">[^<]*' "$metainfo" | sed 's/.*>//')" "$id.desktop"
expect "the metainfo names a release" "$(grep -c '<release version="[0-9][0-9.]*" date="[0-9-]*"' "$metainfo")" "1"

exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
expect "Exec names an installed program" "$([ -x "$prefix/bin/$exec_name" ] && echo yes)" "yes"
icon=$(sed -n 's/^Icon=//p' "$desktop")
png_size() {  # "WIDTH x HEIGHT" from a PNG's header, or nothing for another file
  [ "$(head -c 8 "$1" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return
  od -An -tu1 -j16 -N8 "$1" | awk '{print $3 * 256 + $4 " x " $7 * 256 + $8}'
}
for size in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
  expect "icon $size" "$(png_size "$png")" "$size x $size"
done
svg=$prefix/share/icons/hicolor/scalable/apps/$icon.svg
expect "scalable icon" "$(head -c 400 "$svg" | grep -c '<svg')" "1"

for page in man6/zendral.6 man6/zendral-cli.6; do
  expect_file "manual page" "$prefix/share/man/$page.gz"
done
if [ -x "$prefix/bin/zendral-server" ]; then
  expect_file "manual page" "$prefix/share/man/man8/zendral-server.8.gz"
  expect "server unit runs the installed server" \
    "$(sed -n 's/^ExecStart=\([^ ]*\).*/\1/p' "$prefix/lib/systemd/system/zendral-server.service")" \
    "$prefix/bin/zendral-server"
fi
if command -v man >/dev/null; then
  for page in "$prefix"/share/man/man*/*.gz; do
    out=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    expect "$(basename "$page") renders cleanly" "$out" ""
  done
fi
finish
