#!/bin/sh
# Every screenshot the AppStream description names is a PNG of packaging/screenshots/, under the
# same file name, so that publishing that folder at the configured address serves them all.
# Usage: screenshots_test.sh METAINFO SCREENSHOT_DIR
metainfo=$1
folder=$2
names=$(sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "$metainfo")
[ -n "$names" ] || { echo "$metainfo names no screenshot"; exit 1; }
for name in $names; do
  [ "$(head -c 8 "$folder/$name" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    { echo "$name: no PNG in $folder"; exit 1; }
done
exit 0
