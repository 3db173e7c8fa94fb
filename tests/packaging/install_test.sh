#!/bin/sh
# Installs the build into a fresh prefix, as `cmake --install` does for a user, and runs it from
# there: the files are where the desktop looks for them, the program folder is whole, and with that
# folder read-only quorix-cli (and the window, when XVFB_RUN is given) work and keep their query
# cache in the user's cache folder, never in the program folder.
# Usage: install_test.sh CMAKE BUILD_DIR APPSTREAMCLI [XVFB_RUN]
set -u
cmake=$1
build=$2
appstream=$3
xvfb=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "$*"; exit 1; }

root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
prefix=$root/usr
program=$prefix/lib/quorix
"$cmake" --install "$build" --prefix "$prefix" > "$root/install.log" 2>&1 || { cat "$root/install.log"; fail "the install failed"; }

# Every file of the build's program folder, but not the query cache a run there leaves behind.
(cd "$build/app" && find . -path './query cache' -prune -o -type f -print) > "$root/files"
[ -s "$root/files" ] || fail "the build's program folder is empty"
while read -r file; do
  [ -f "$program/$file" ] || fail "$file of the program folder is not installed"
done < "$root/files"
[ ! -e "$program/query cache" ] || fail "the build's query cache was installed"
[ -f "$program/installed-copy" ] || fail "the installed copy is not marked as one"
[ "$(readlink "$prefix/bin/quorix-cli")" = "../lib/quorix/quorix-cli" ] || fail "bin/quorix-cli is no link to the program folder"
gzip -t "$prefix/share/man/man1/quorix-cli.1.gz" || fail "the manual page of quorix-cli is missing or damaged"

# Run as a user does: a home of their own, the program folder not theirs to write.
chmod -R a-w "$program"
home=$root/home
mkdir -p "$home"
export HOME="$home"
unset XDG_CACHE_HOME
cd "$root"
"$prefix/bin/quorix-cli" info | grep -q '^records: [1-9]' || fail "quorix-cli info fails from the installed copy"
"$prefix/bin/quorix-cli" list infinitives > "$root/infinitives" || fail "quorix-cli list fails from the installed copy"
[ -s "$root/infinitives" ] || fail "the installed copy lists no infinitives"
cache=$home/.cache/quorix/"query cache"
[ -n "$(find "$cache" -name 0400000000.cache 2>/dev/null)" ] || fail "the list was not cached in $cache"
[ ! -e "$program/query cache" ] || fail "the installed copy wrote its cache into the program folder"

if [ -n "$xvfb" ]; then
  [ -L "$prefix/bin/quorix" ] || fail "bin/quorix is missing"
  "$appstream" validate-tree --no-net "$root" > "$root/validate-tree.log" 2>&1 ||
    { cat "$root/validate-tree.log"; fail "appstreamcli validate-tree rejects the installed tree"; }
  for size in 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do
    [ -f "$prefix/share/icons/hicolor/$size/apps/org.quorix.Quorix.png" ] || fail "no $size icon"
  done
  [ -f "$prefix/share/icons/hicolor/scalable/apps/org.quorix.Quorix.svg" ] || fail "no scalable icon"
  # The window's first list, all forms, lands in the user's cache once the databases have loaded.
  QTWEBENGINE_DISABLE_SANDBOX=1 "$xvfb" -a -s "-screen 0 1280x1024x24" \
    sh "$here/run_until_file.sh" 120 "$cache" 0000000000.cache "$prefix/bin/quorix" ||
    fail "the installed window did not start and fill its first list"
  [ ! -e "$program/query cache" ] || fail "the installed window wrote its cache into the program folder"
fi
exit 0
