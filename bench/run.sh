#!/usr/bin/env bash
# bench/run.sh [BUILD_DIR]: what tag_counter costs on a maximum page (14,999
# characters, 100 distinct tags, the table's worst case), beside true (a bare
# process start) and cat (copying the page); then what the pages build
# (build-pages) costs on a page of about 15 MB, beside the shell pipeline a
# user would otherwise type.
#
# Instructions are counted by callgrind, which gives the same figure run
# after run; hyperfine's times follow. The goal, on the small page: at most
# 1.5 times true's instructions, and fewer than cat's. Exits 1 when it is
# missed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
for tool in valgrind hyperfine; do
	command -v $tool >/dev/null || { echo "bench: $tool is not installed" >&2; exit 2; }
done
cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target tag_counter >/dev/null

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
page=$tmp/page.html

# 100 distinct tags, each with some text after it, and filler to the limit.
{
	for i in $(seq 0 99); do
		printf '<t%d>Lorem ipsum dolor sit amet, consectetur adipiscing elit sed do eiusmod tempor\n' $i
	done
	printf '%*s' 14999 '' | tr ' ' x
} | head -c 14999 > "$page"
[ "$(wc -c < "$page")" = 14999 ] && [ "$(tr -cd '<' < "$page" | wc -c)" = 100 ] ||
	{ echo "bench: the page is not what it should be" >&2; exit 2; }
"$build/tag_counter" < "$page" | cmp -s - <(for i in $(seq 0 99); do printf 't%d found: 1\r\n' $i; done) ||
	{ echo "bench: wrong report on the page" >&2; exit 2; }

prog=$(realpath "$build/tag_counter")
true=$(type -P true)
cat=$(type -P cat)

# count PROGRAM [PAGE]: its instructions on PAGE (the small page).
count() {
	valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" < "${2:-$page}" 2>&1 >/dev/null |
		sed -n 's/.*Collected : //p'
}
n_prog=$(count "$prog")
n_true=$(count "$true")
n_cat=$(count "$cat")

echo "Instructions for the whole process on the page (callgrind):"
printf '  %-12s %10s %8s\n' command instructions "x true"
for c in prog true cat; do
	n=n_$c
	printf '  %-12s %10d %8.2f\n' "$(basename "${!c}")" "${!n}" \
		"$(awk "BEGIN { print ${!n} / $n_true }")"
done
echo

# Through sh, for the redirections; hyperfine takes off the shell's own time.
# Each run is about a millisecond, mostly starting the process, so the times
# are noisy where the instruction counts are not.
echo "Times (hyperfine):"
hyperfine --warmup 20 --style basic -n tag_counter "$prog < $page" \
	-n true "$true < $page" -n cat "$cat < $page" 2>&1 |
	grep -v -e '^ *$' -e 'Warning:' | sed 's/^/  /' || true
echo

if [ $((2 * n_prog)) -le $((3 * n_true)) ] && [ "$n_prog" -lt "$n_cat" ]; then
	echo "goal met: tag_counter costs at most 1.5 times true and less than cat"
	met=0
else
	echo "goal missed: tag_counter $n_prog, 1.5 times true $((3 * n_true / 2)), cat $n_cat"
	met=1
fi
echo

# A large page: articles of text, links, custom elements and comments, to
# about 15 MB, within the pages build's capacities.
cmake --preset pages >/dev/null
cmake --build --preset pages --target tag_counter >/dev/null
pages=$(realpath build-pages/tag_counter)
big=$tmp/big.html
awk 'BEGIN {
	print "<!DOCTYPE html>\n<html lang=\"en\">\n<head><meta charset=\"utf-8\"><title>Archive</title></head>\n<body>"
	for (i = 0; size < 15000000; i++) {
		s = sprintf("<article id=\"a%d\">\n<h2>Entry %d</h2>\n<p>Broad beans can go in <em>now</em>; wait for May before the squash.<br/>Leeks want a <a href=\"/seed/%d\">seed bed</a> first.</p>\n<blockquote cite=\"/n/%d\">Plot %d is in good heart.</blockquote>\n<allotment-plot-card data-n=\"%d\"></allotment-plot-card>\n<!-- entry %d -->\n</article>\n", i, i, i, i, i % 97, i, i)
		printf "%s", s
		size += length(s)
	}
	print "</body>\n</html>"
}' > "$big"
bytes=$(wc -c < "$big")
pipeline="grep -o '<[^> /]*' | sort | uniq -c"

# Both must give the same counts: the pipeline also counts "<" alone (the
# empty names of closing tags), and sorts by name.
"$pages" < "$big" | tr -d '\r' | sed 's/ found: / /' | sort > "$tmp/ours"
sh -c "$pipeline" < "$big" | awk '$2 != "<" { print substr($2, 2), $1 }' | sort > "$tmp/theirs"
cmp -s "$tmp/ours" "$tmp/theirs" ||
	{ echo "bench: the pages build and the pipeline disagree on the large page" >&2; exit 2; }

n_pages=$(count "$pages" "$big")
n_pipe=$(valgrind --tool=callgrind --trace-children=yes --callgrind-out-file="$tmp/cg.%p" \
	sh -c "$pipeline" < "$big" 2>&1 >/dev/null | sed -n 's/.*Collected : //p' | awk '{ n += $1 } END { printf "%.0f", n }')
echo "The pages build on a page of $bytes bytes, $(tr -cd '<' < "$big" | wc -c) tags (callgrind):"
printf '  %-40s %14s %10s\n' command instructions "per byte"
printf '  %-40s %14d %10.2f\n' "tag_counter (pages)" "$n_pages" "$(awk "BEGIN { print $n_pages / $bytes }")"
printf '  %-40s %14d %10.2f\n' "$pipeline" "$n_pipe" "$(awk "BEGIN { print $n_pipe / $bytes }")"
echo
echo "Times (hyperfine):"
hyperfine --warmup 2 --style basic -n "tag_counter (pages)" "$pages < $big" \
	-n "$pipeline" "${pipeline/ |/ < $big |}" 2>&1 |
	grep -v -e '^ *$' -e 'Warning:' | sed 's/^/  /' || true
exit $met
