#!/usr/bin/env bash
# The Debian package: cpack -G DEB builds it from the install rules; its fields, maintainer
# scripts and the files a player and a club need are checked in the archive itself.
set -u
build=$1
cmake=$2
cpack=$3
. "$(dirname "$0")/lib.sh"
command -v dpkg-deb >/dev/null || { echo "skipped: dpkg-deb is not installed"; exit 77; }

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1; then
  echo "FAIL: cpack -G DEB"
  cat "$work/cpack.log"
  exit 1
fi
debs=("$work"/pkg/zendral_*.deb)
expect "one package" "${#debs[@]}" "1"
deb=${debs[0]}
expect_file "package" "$deb"
echo "package: $(basename "$deb")"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

field() { dpkg-deb --field "$deb" "$1"; }
expect "name" "$(field Package)" "zendral"
expect "architecture" "$(field Architecture)" "$(dpkg --print-architecture)"
expect "section" "$(field Section)" "games"
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ *(.*//')
for need in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 fonts-comic-neue adduser; do
  expect "depends on $need" "$(echo "$depends" | grep -cx "$need")" "1"
done

dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
echo "contents:"
grep -v '/$' "$work/contents" | sed 's/^/  /'
need_files=(
  /usr/bin/zendral /usr/bin/zendral-cli
  /usr/share/zendral/Zendral.clb /usr/share/zendral/Zendral.net /usr/share/zendral/Zendral.ini
  /usr/share/zendral/Zendral.html
  /usr/share/applications/org.zendral.Zendral.desktop
  /usr/share/metainfo/org.zendral.Zendral.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/zendral.svg
  /usr/share/icons/hicolor/16x16/apps/zendral.png /usr/share/icons/hicolor/256x256/apps/zendral.png
  /usr/share/man/man6/zendral.6.gz /usr/share/man/man6/zendral-cli.6.gz
  /usr/share/doc/zendral/copyright
)
server=no
[ -x "$build/bin/zendral-server" ] && server=yes
if [ $server = yes ]; then
  need_files+=(/usr/bin/zendral-server /usr/share/man/man8/zendral-server.8.gz
    /usr/lib/systemd/system/zendral-server.service)
fi
for f in "${need_files[@]}"; do
  expect "in the package: $f" "$(grep -cx "$f" "$work/contents")" "1"
done
expect "nothing outside /usr" "$(grep -v '^/usr' "$work/contents" | grep -cv '^/$')" "0"

# The maintainer scripts, and what the unit makes of the installed server.
dpkg-deb --control "$deb" "$work/control"
for script in postinst prerm postrm; do
  expect "$script executable" "$([ -x "$work/control/$script" ] && echo yes)" "yes"
  expect "$script is valid sh" "$(sh -n "$work/control/$script" 2>&1)" ""
done
expect "postinst makes the server's user" \
  "$(grep -c 'adduser --system --group.*zendral-server' "$work/control/postinst")" "1"
dpkg-deb --extract "$deb" "$work/root"
expect "programs stripped" "$(readelf -S "$work/root/usr/bin/zendral" | grep -c '\.symtab')" "0"
if [ $server = yes ]; then
  unit=$work/root/usr/lib/systemd/system/zendral-server.service
  expect "unit runs the packaged server" "$(sed -n 's/^ExecStart=//p' "$unit" | cut -d' ' -f1-3)" \
    "/usr/bin/zendral-server --data /var/lib/zendral-server"
  expect "unit user" "$(sed -n 's/^User=//p' "$unit")" "zendral-server"
  expect "unit state folder" "$(sed -n 's/^StateDirectory=//p' "$unit")" "zendral-server"
  expect "server depends on the SQLite driver" "$(echo "$depends" | grep -cx libqt6sql6-sqlite)" "1"
fi
finish
