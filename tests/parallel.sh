#!/usr/bin/env bash
# Many pages at once: the README's recipe, one run per page under GNU
# parallel and the reports summed by examples/sum-reports.awk, must give
# the totals of single runs, page after page, in the order names were
# first met across the pages as given.
# usage: parallel.sh command [arg ...]
. "$(dirname "$0")/testing.sh"
sum=$(dirname "$0")/../examples/sum-reports.awk
export LC_ALL=C

# site PAGES: a folder of that many pages that share some names, each
# first met on a different page, with CR LF line ends, names holding or
# ending in a lone CR, and bytes of 0x80 and above.
site() {
	local dir=$tmp/site i
	mkdir -p "$dir"
	for ((i = 0; i < $1; i++)); do
		printf '<html>\r\n<p%d>x<br/><p>y</p><a\rb><\xe9%d>\n<t%d\r>\t<after>' \
			$((i % 3)) $((i % 5)) "$i" > "$dir/$(printf 'page%02d.html' "$i")"
	done
	echo "$dir"
}

# recipe DIR: the README's, on DIR's pages in name order.
recipe() {
	parallel --will-cite -k "${PROG[*]} < {}" ::: "$1"/*.html | awk -f "$sum"
}

# single DIR: a run per page, one after another, summed here by other means.
single() {
	local page line name
	local -A total=()
	local -a order=()
	for page in "$1"/*.html; do
		while IFS= read -r line; do
			line=${line%$'\r'}
			name=${line% found: *}
			[ -n "${total[$name]+x}" ] || order+=("$name")
			total[$name]=$((${total[$name]:-0} + ${line##* found: }))
		done < <(run < "$page")
	done
	for name in "${order[@]}"; do
		printf '%s found: %d\r\n' "$name" "${total[$name]}"
	done
}

small=$(site 3)
recipe "$small" > "$tmp/got"
printf '%b' 'html found: 3\r\np0 found: 1\r\nbr found: 3\r\np found: 3\r\na\rb found: 3\r\n\xe90 found: 1\r\nt0\r found: 1\r\np1 found: 1\r\n\xe91 found: 1\r\nt1\r found: 1\r\np2 found: 1\r\n\xe92 found: 1\r\nt2\r found: 1\r\n' > "$tmp/want"
check "three pages, summed in first-met order" cmp "$tmp/got" "$tmp/want"

rm -rf "$small"
many=$(site 40)
recipe "$many" > "$tmp/got"
single "$many" > "$tmp/want"
check "forty pages: the totals of single runs" cmp "$tmp/got" "$tmp/want"
check "forty pages: 52 names" test "$(wc -l < "$tmp/got")" = 52

# A page beyond a limit fails its run, and parallel counts the failures.
printf '<%s>' "$(rep n 100000)" > "$many/page99.html"
parallel --will-cite -k "${PROG[*]} < {}" ::: "$many"/*.html > /dev/null 2>&1
check "a failed page is counted in parallel's status" test $? = 1
finish
