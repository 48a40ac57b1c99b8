#!/usr/bin/env bash
# Generated tag soup (tests/soup.cpp): on every input the command must give
# the same bytes on standard output and standard error, and the same exit
# status, as the reference build, the native program. On the reference
# itself, each result must at least be whole: status 0 and nothing on
# standard error, or status 1, no report and one message.
# usage: SOUP=generator REFERENCE=program soup.sh command [arg ...]
. "$(dirname "$0")/testing.sh"

mkdir "$tmp/in" && "$SOUP" "$tmp/in" || { echo "soup: cannot make the inputs"; exit 1; }

# feed FILE SPLIT COMMAND...: FILE on the command's standard input, written
# in two parts at SPLIT (unless 0), with a pause between them so that a
# read ends there.
feed() {
	local file=$1 split=$2
	shift 2
	if [ "$split" = 0 ]; then
		"$@" < "$file"
	else
		{ head -c "$split" "$file"; sleep 0.4; tail -c +$((split + 1)) "$file"; } | "$@"
	fi
}

# whole STATUS OUT ERR: one of the two shapes a result may have.
whole() {
	if [ "$1" = 0 ]; then
		test ! -s "$3"
	else
		[ "$1" = 1 ] && test ! -s "$2" && [ "$(wc -l < "$3")" = 1 ] &&
		    grep -q '^tag_counter: ' "$3"
	fi
}

same=
[ ${#PROG[@]} = 1 ] && [ "$(realpath "${PROG[0]}")" = "$(realpath "$REFERENCE")" ] && same=1
while read -r n split; do
	feed "$tmp/in/$n" "$split" timeout 30 "$REFERENCE" > "$tmp/want" 2> "$tmp/wanterr"
	want=$?
	if ! whole "$want" "$tmp/want" "$tmp/wanterr"; then
		fail=$((fail + 1))
		printf 'FAIL: input %s: the reference gave status %s\n' "$n" "$want"
		show "standard error" "$tmp/wanterr"
		continue
	fi
	if [ -n "$same" ]; then
		pass=$((pass + 1))
		continue
	fi
	[ "$ERR_EOL" = '\n' ] || sed -i 's/$/\r/' "$tmp/wanterr"
	feed "$tmp/in/$n" "$split" run > "$tmp/out" 2> "$tmp/err"
	got=$?
	if [ "$got" = "$want" ] && cmp -s "$tmp/out" "$tmp/want" && cmp -s "$tmp/err" "$tmp/wanterr"; then
		pass=$((pass + 1))
		continue
	fi
	fail=$((fail + 1))
	printf 'FAIL: input %s (split at %s): status %s, the reference %s\n' "$n" "$split" "$got" "$want"
	show input "$tmp/in/$n"
	cmp -s "$tmp/out" "$tmp/want" ||
		{ show "standard output" "$tmp/out"; show "the reference's" "$tmp/want"; }
	cmp -s "$tmp/err" "$tmp/wanterr" ||
		{ show "standard error" "$tmp/err"; show "the reference's" "$tmp/wanterr"; }
done < "$tmp/in/list"
finish
