#!/usr/bin/env bash
# Install into a scratch prefix: the program runs from there, its licence and
# changelog are there, and its manual page renders cleanly with every
# section a reader looks for.
# usage: install.sh CMAKE BUILD_DIR SOURCE_DIR
cmake=$1 build=$2 src=$3
# The command under test is the installed one, set once it is there.
. "$(dirname "$0")/testing.sh" tag_counter
prefix=$tmp/prefix

"$cmake" --install "$build" --prefix "$prefix" > /dev/null
PROG=("$prefix/bin/tag_counter")
page=$prefix/share/man/man1/tag_counter.1.gz
doc=$prefix/share/doc/tag-counter
check "the program is installed" test -x "${PROG[0]}"
check "the manual page is installed" test -f "$page"
check "the copyright file is installed" grep -q '^License: Expat$' "$doc/copyright"
check "the changelog is installed" test -f "$doc/changelog.gz"
check "the installed program reports on the example page" \
	test "$("${PROG[0]}" < "$src/examples/page.html" | head -1)" = $'!DOCTYPE found: 1\r'

warnings=$(gzip -dc "$page" | groff -ww -mandoc -Tutf8 -z 2>&1)
check "groff renders the page without warnings" test -z "$warnings"
[ -z "$warnings" ] || echo "$warnings"
if command -v man > /dev/null; then
	text=$(MANWIDTH=80 man -l "$page" 2> "$tmp/man.err")
	check "man -l renders the page without complaint" test ! -s "$tmp/man.err"
	for section in NAME SYNOPSIS DESCRIPTION LIMITS 'EXIT STATUS' EXAMPLES DIAGNOSTICS; do
		check "section $section" grep -q "^$section\$" <<< "$text"
	done
fi
finish
