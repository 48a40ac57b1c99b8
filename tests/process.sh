#!/usr/bin/env bash
# The program as a process: arguments, a pipe left open, failing streams.
# usage: process.sh command [arg ...]
. "$(dirname "$0")/testing.sh"

args() {
	printf '<a><b><a>' | run --help -x "<c>" > "$tmp/args" 2>&1 &&
	    [ "$(cat "$tmp/args")" = "$(printf 'a found: 2\r\nb found: 1\r')" ]
}
check "arguments are ignored" args

# The writer keeps the pipe open after the tab: the report must come at once.
prompt() {
	local status
	mkfifo "$tmp/fifo"
	(printf '<a>\t'; exec sleep 20) > "$tmp/fifo" &
	timeout 10 "${PROG[@]}" < "$tmp/fifo" > "$tmp/prompt"
	status=$?
	kill $! 2>/dev/null
	[ $status = 0 ] && [ "$(cat "$tmp/prompt")" = "$(printf 'a found: 1\r')" ]
}
check "report at the tab while the pipe stays open" prompt

# fails STDIN STDOUT WHAT: status 1, "tag_counter: WHAT: REASON" on standard
# error (REASON is the system's). STDOUT "-" is closed.
fails() {
	local status
	if [ "$2" = - ]; then
		run < "$1" >&- 2> "$tmp/err"
	else
		run < "$1" > "$2" 2> "$tmp/err"
	fi
	status=$?
	[ $status = 1 ] && tr -d '\r' < "$tmp/err" | grep -q "^tag_counter: $3: [^ ]" ||
		{ echo "  status $status; stderr: $(cat "$tmp/err")"; return 1; }
}
printf '<a>' > "$tmp/page"
check "standard input a directory" fails / "$tmp/out" "cannot read standard input"
check "no report after a read error" test ! -s "$tmp/out"
check "standard output full" fails "$tmp/page" /dev/full "cannot write the report"

check "standard output closed" fails "$tmp/page" - "cannot write the report"

# Nothing to report: nothing is written, so nothing can fail.
empty() {
	printf '</p>' | run > /dev/full 2> "$tmp/err" && test ! -s "$tmp/err"
}
check "an empty report on a full disk" empty

finish
