# Table-driven tests of the program as a separate process.
#
# Source this with the command under test as arguments, then write rows:
#	testing NAME INPUT STDOUT [STATUS [STDERR]]
# INPUT and STDOUT are printf %b strings (\t \r \n \0 \x1a ...) compared
# byte for byte; STATUS defaults to 0; STDERR is the message standard
# error must hold after "tag_counter: ", or nothing. End with `finish`.
#
# ERR_EOL is the line end expected on standard error (\n; \r\n on Windows);
# PLATFORM names where the command runs, and TABLE the table (the script's
# name unless set), for the summary line.

PROG=("$@")
[ ${#PROG[@]} -gt 0 ] || { echo "usage: $0 command [arg ...]" >&2; exit 2; }
ERR_EOL=${ERR_EOL:-\\n}
pass=0
fail=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# run [ARG ...]: the command under test, stopped if it hangs.
run() {
	timeout 30 "${PROG[@]}" "$@"
}

# rep STRING N: STRING written N times (by doubling: N may be millions).
rep() {
	local s=$1 n=$2 out=
	while ((n > 0)); do
		((n & 1)) && out+=$s
		s+=$s
		n=$((n >> 1))
	done
	printf '%s' "$out"
}

show() {
	printf '  %s:\n' "$1"
	od -An -c "$2" | head -20 | sed 's/^/    /'
}

testing() {
	local name=$1 status=${4:-0} got
	printf '%b' "$2" > "$tmp/in"
	printf '%b' "$3" > "$tmp/want"
	if [ -n "${5:-}" ]; then
		printf 'tag_counter: %s%b' "$5" "$ERR_EOL" > "$tmp/wanterr"
	else
		: > "$tmp/wanterr"
	fi
	run < "$tmp/in" > "$tmp/out" 2> "$tmp/err"
	got=$?
	if [ "$got" = "$status" ] && cmp -s "$tmp/out" "$tmp/want" &&
	    cmp -s "$tmp/err" "$tmp/wanterr"; then
		pass=$((pass + 1))
		return
	fi
	fail=$((fail + 1))
	printf 'FAIL: %s (status %s, expected %s)\n' "$name" "$got" "$status"
	cmp -s "$tmp/out" "$tmp/want" ||
		{ show "standard output" "$tmp/out"; show "expected" "$tmp/want"; }
	cmp -s "$tmp/err" "$tmp/wanterr" ||
		{ show "standard error" "$tmp/err"; show "expected" "$tmp/wanterr"; }
}

# check NAME COMMAND...: a test of its own, which passes when COMMAND does.
check() {
	local name=$1
	shift
	if "$@"; then
		pass=$((pass + 1))
	else
		fail=$((fail + 1))
		printf 'FAIL: %s\n' "$name"
	fi
}

finish() {
	printf '%s on %s (%s): %d passed, %d failed\n' "${TABLE:-$(basename "$0" .sh)}" \
	    "${PLATFORM:-this machine}" "$(basename "${PROG[-1]}")" "$pass" "$fail"
	[ "$fail" -eq 0 ]
}
