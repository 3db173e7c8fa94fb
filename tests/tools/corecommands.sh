#!/bin/sh
# The list, find, page and conjugate subcommands on the synthetic databases, checked against each
# other: an entry of a list is found again by its text, has a page, and conjugates.
# Then every kind of bad input ends with one error line and a non-zero status.
# Usage: corecommands.sh CLI DBDIR
set -eu
cli=$1
db=$2
here=$(dirname "$0")
fail() { echo "$*"; exit 1; }

line=$("$cli" list 4 --db-dir "$db" | sed -n 100p)
entry=$(printf '%s' "$line" | cut -f1)
text=$(printf '%s' "$line" | cut -f2)
[ -n "$text" ] || fail "list 4 has no 100th row"
[ -f "$db/query cache/0400000000.cache" ] || fail "the fill was not cached"
[ "$("$cli" list 4 --db-dir "$db" | sed -n 100p)" = "$line" ] || fail "the cached list differs from the scan"

index=$("$cli" find "$text" --mode 4 --db-dir "$db")
[ "$index" -ge 0 ] && [ "$index" -le 99 ] || fail "find gave $index for row 99"
[ "$("$cli" list 4 --db-dir "$db" | sed -n "$((index + 1))p" | cut -f2)" = "$text" ] || fail "find selects another text"
[ "$("$cli" find "zzz" --mode 4 --db-dir "$db")" = "-1" ] || fail "a text that matches nothing must give -1"

page=$("$cli" page "$entry" --db-dir "$db")
case "$page" in "<html> <style> .ar {"*"</td> </tr> </table> </body> </html>") ;; *) fail "page is no verb page" ;; esac
case "$page" in *"bgcolor='#ffd988'"*) ;; *) fail "page highlights no cell" ;; esac
case "$("$cli" page 0 --side ru --ui ru --font dv --db-dir "$db")" in *"class=\"dv\""*"&#1058;&#1072;&#1073;"*) ;;
  *) fail "the Russian page lacks its font or labels" ;; esac

"$cli" conjugate "$text" --db-dir "$db" | grep -q "^infinitive: " || fail "conjugate shows no infinitive"
word=$("$cli" list 9 --db-dir "$db" | sed -n 1p | cut -f2)
"$cli" conjugate "$word" --db-dir "$db" | grep -q "^translations:" || fail "conjugate of a Russian word shows no verb"

bad() { message=$1; shift; sh "$here/expect-failure.sh" "$message" "$cli" "$@" --db-dir "$db" || exit 1; }
bad "unknown mode '11'" list 11
bad "--filter is one of" list 5 --filter 7
bad "--binyan takes a whole number" list 5 --binyan 9x
bad "is no verb record of hebrew.db" page 99999999
bad "is no search entry of rusearch.db" page 50 --side ru
bad "--side is one of" page 0 --side fr
bad "--search-mode is 0 to 4 or 10" page 0 --search-mode 7
bad "ENTRY must be a whole number" page 12abc
bad "unknown mode '12'" find x --mode 12
bad "no verb has the form 'qqq'" conjugate qqq
exit 0
