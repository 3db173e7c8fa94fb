#!/bin/sh
# Makes the Debian package as `cpack -G DEB` in the build folder does (into a temporary folder) and
# checks it: every dependency it declares is a package this Debian knows, the program's libraries
# and its run-time needs are among them, and it holds the installed layout and nothing of a run.
# Usage: deb_test.sh CPACK BUILD_DIR SHELL_BUILT(ON|OFF)
set -u
cpack=$1
build=$2
shell=$3
fail() { echo "$*"; exit 1; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && "$cpack" -G DEB -B "$out" > "$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; fail "cpack failed"; }
set -- "$out"/quorix_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "cpack made no quorix_*.deb: $(ls "$out")"
deb=$1
echo "$(basename "$deb"): $(wc -c < "$deb") bytes, installed size $(dpkg-deb --field "$deb" Installed-Size) KiB"

[ "$(dpkg-deb --field "$deb" Package)" = quorix ] || fail "the package is not called quorix"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
names=$(printf '%s\n' "$depends" | tr ',|' '\n\n' | sed 's/(.*)//; s/[[:space:]]//g' | sed '/^$/d')
for name in $names; do
  dpkg-query -W "$name" > /dev/null 2>&1 || apt-cache show "$name" > /dev/null 2>&1 ||
    fail "the package depends on $name, which is no Debian package here"
done
needed="libc6 libstdc++6 fontconfig fonts-liberation2 culmus"
[ "$shell" = ON ] && needed="$needed libqt6webenginewidgets6 libqt6webenginecore6-bin libqt6widgets6"
for name in $needed; do
  printf '%s\n' "$names" | grep -qx "$name" || fail "the package does not depend on $name"
done

dpkg-deb --contents "$deb" | awk '{ print $6 }' > "$out/contents"
paths="./usr/bin/quorix-cli ./usr/lib/quorix/quorix-cli ./usr/lib/quorix/hebrew.db ./usr/lib/quorix/russian.db
  ./usr/lib/quorix/rusearch.db ./usr/lib/quorix/welcome.htm ./usr/lib/quorix/fonts.conf ./usr/lib/quorix/installed-copy
  ./usr/share/man/man1/quorix-cli.1.gz"
[ "$shell" = ON ] && paths="$paths ./usr/bin/quorix ./usr/lib/quorix/quorix ./usr/share/applications/org.quorix.Quorix.desktop
  ./usr/share/metainfo/org.quorix.Quorix.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/org.quorix.Quorix.svg
  ./usr/share/icons/hicolor/48x48/apps/org.quorix.Quorix.png ./usr/share/man/man1/quorix.1.gz"
for path in $paths; do
  grep -qx "$path" "$out/contents" || fail "the package lacks $path"
done
if grep -q "query cache" "$out/contents"; then fail "the package holds a query cache"; fi
exit 0
