#!/usr/bin/env bash
# Install into a scratch prefix: the program runs from there, and its manual
# page renders cleanly with every section a reader looks for.
# usage: install.sh CMAKE BUILD_DIR SOURCE_DIR
cmake=$1 build=$2 src=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
pass=0 fail=0
ok() { if "$@"; then pass=$((pass + 1)); else fail=$((fail + 1)); echo "FAIL: $*"; fi; }

"$cmake" --install "$build" --prefix "$prefix" > /dev/null
page=$prefix/share/man/man1/tag_counter.1
ok test -x "$prefix/bin/tag_counter"
ok test -f "$page"
ok test "$("$prefix/bin/tag_counter" < "$src/examples/page.html" | head -1)" = $'!DOCTYPE found: 1\r'

warnings=$(groff -ww -mandoc -Tutf8 -z "$page" 2>&1)
ok test -z "$warnings"
[ -z "$warnings" ] || echo "$warnings"
if command -v man > /dev/null; then
	text=$(MANWIDTH=80 man -l "$page" 2> "$prefix/man.err")
	ok test ! -s "$prefix/man.err"
	for section in NAME SYNOPSIS DESCRIPTION LIMITS 'EXIT STATUS' EXAMPLES DIAGNOSTICS; do
		ok grep -q "^$section\$" <<< "$text"
	done
fi
echo "install: $pass passed, $fail failed"
[ $fail = 0 ]
