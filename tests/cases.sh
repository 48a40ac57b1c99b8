#!/usr/bin/env bash
# What the program reports, for inputs within its limits.
# usage: cases.sh command [arg ...]
. "$(dirname "$0")/testing.sh"

# The input block: standard input up to the first tab.
testing "no tab: the end of input ends the block" "<p>x</p>" "p found: 1\r\n"
testing "empty input" "" ""
testing "input without tags" "just text\nno tags" ""
testing "a leading tab: empty block" "\t<p>" ""
testing "nothing after the tab is used" "<a>\t<b>" "a found: 1\r\n"
testing "later tabs change nothing" "<a>\t<b>\t<c>" "a found: 1\r\n"
testing "a tab cuts a name" "<a\tb>" "a found: 1\r\n"
testing "line feeds do not end the block" \
	"<html>\n<body>\n<p>hi</p>\n</body>\n</html>\n" \
	"html found: 1\r\nbody found: 1\r\np found: 1\r\n"
testing "leading blanks belong to the block" "  \n\n<a>" "a found: 1\r\n"
testing "text after a NUL is read, not scanned" "<a><b>\0<c>\t<d>" \
	"a found: 1\r\nb found: 1\r\n"
testing "a NUL first: nothing scanned" "\0<a>" ""
testing "text after the tab is not counted against the buffer" \
	"<a>\t$(rep x 20000)" "a found: 1\r\n"

# Text mode: CR LF in, CR LF out, Ctrl-Z ends the input.
testing "CR LF arrives as LF, which ends the name" "<br\r\n" "br found: 1\r\n"
testing "a lone CR is part of a name" "<a\rb>" "a\rb found: 1\r\n"
testing "a CR at the end of input" "<a\r" "a\r found: 1\r\n"
testing "CR CR LF" "<a\r\r\n" "a\r found: 1\r\n"
testing "Ctrl-Z ends the input" "<a>\x1a<b>" "a found: 1\r\n"
testing "a CR before Ctrl-Z" "<a\r\x1a\n" "a\r found: 1\r\n"
testing "bytes 0x80 to 0xFF as they are" "<\xe9t\xe9><\xff>" \
	"\xe9t\xe9 found: 1\r\n\xff found: 1\r\n"

# The table: first-seen order, exact names, counts.
testing "a closing tag gives no name" "</p>" ""
testing "first-seen order, not sorted" "<b><a><b>" "b found: 2\r\na found: 1\r\n"
testing "case matters" "<P><p>" "P found: 1\r\np found: 1\r\n"
testing "a prefix is another name" "<abc><ab><a><ab>" \
	"abc found: 1\r\nab found: 2\r\na found: 1\r\n"
testing "closing tags change no count" "<a></a><a>" "a found: 2\r\n"
testing "a 9-character name" "<abcdefghi><abcdefghi>" "abcdefghi found: 2\r\n"
# Names are compared a word of eight characters at a time, then the rest.
testing "alike in eight characters, not in the ninth" \
	"<abcdefghi><abcdefghj><abcdefghi>" "abcdefghi found: 2\r\nabcdefghj found: 1\r\n"
testing "eight and nine characters, the same start" \
	"<abcdefgh><abcdefghi><abcdefgh><abcdefghi><abcdefghi>" \
	"abcdefgh found: 2\r\nabcdefghi found: 3\r\n"
testing "nine and eight characters, the same start" \
	"<abcdefghi><abcdefgh>" "abcdefghi found: 1\r\nabcdefgh found: 1\r\n"
testing "a % in a name is printed as it is" "<50%><%s%n%d>" \
	"50% found: 1\r\n%s%n%d found: 1\r\n"
testing "one name 100 times" "$(rep '<p>' 100)" "p found: 100\r\n"
testing "two names alternating" "$(rep '<x><y>' 50)" "x found: 50\r\ny found: 50\r\n"
many= want=
for i in $(seq 0 99); do many+="<t$i>"; want+="t$i found: 1\r\n"; done
testing "100 distinct names fill the table" "$many" "$want"

# The scanner: where a name starts and ends.
testing "br/, br / and br are one name" "<br/><br /><br>" "br found: 3\r\n"
testing "attributes are passed over" "<img src=x/><a href='x'>" \
	"img found: 1\r\na found: 1\r\n"
testing "declarations and comments" \
	"<!DOCTYPE html><?xml version='1.0'?><!-- note <b> -->" \
	"!DOCTYPE found: 1\r\n?xml found: 1\r\n!-- found: 1\r\nb found: 1\r\n"
testing "a < in an attribute starts a name" "<a title=1<2>" \
	"a found: 1\r\n2 found: 1\r\n"
testing "a < in text starts a name" "<p>1<2</p>" "p found: 1\r\n2< found: 1\r\n"
testing "a line feed ends a name" "<a\nb>" "a found: 1\r\n"
testing "a name to the end, and each < in it" "<a<b<c" \
	"a<b<c found: 1\r\nb<c found: 1\r\nc found: 1\r\n"
testing "a < inside an ended name starts nothing" "<a<b>" "a<b found: 1\r\n"
testing "<<a>" "<<a>" "<a found: 1\r\n"
testing "<<<" "<<<" "<< found: 1\r\n< found: 1\r\n"
testing "< then a space: empty name" "< p>" ""
testing "< at the end: empty name" "x<" ""
testing "a name at the end of the text" "<p>hello<b" "p found: 1\r\nb found: 1\r\n"
testing "a whole page" \
	"<html>\n<head><title>T</title></head>\n<body>\n<p>a<br/>b<br />c</p>\n<!-- note <b> -->\n<P class='x'>y</P>\n</body>\n</html>\n" \
	"html found: 1\r\nhead found: 1\r\ntitle found: 1\r\nbody found: 1\r\np found: 1\r\nbr found: 2\r\n!-- found: 1\r\nb found: 1\r\nP found: 1\r\n"

finish
