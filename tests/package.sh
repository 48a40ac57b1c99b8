#!/usr/bin/env bash
# The packages that cpack makes: the .deb holds the program, the manual page,
# the copyright file and a changelog whose last entry is this version; each
# Windows zip holds the executable, README and licence, and the executable
# is loaded at a random address with no executable data (ASLR, DEP, and on
# 64-bit high-entropy addresses). With "lintian", the .deb must also pass
# lintian with no error, no warning and no hardening hint; with "hardening",
# its program must be hardened as Debian builds programs.
# usage: package.sh CMAKE CPACK BUILD_DIR VERSION [lintian|hardening]
cmake=$1 cpack=$2 build=$3 version=$4 mode=${5:-contents}
. "$(dirname "$0")/testing.sh" "$cpack"

"$cpack" --config "$build/CPackConfig.cmake" -B "$tmp/deb" > "$tmp/log" 2>&1 ||
	{ cat "$tmp/log"; exit 1; }
deb=$(ls "$tmp"/deb/*.deb)

if [ "$mode" = lintian ]; then
	TABLE=lintian
	lintian --pedantic "$deb" > "$tmp/lintian" 2>&1
	cat "$tmp/lintian"
	check "lintian: no error or warning" test -z "$(grep -E '^[EW]: ' "$tmp/lintian")"
	check "lintian: no hardening hint" test -z "$(grep -E ': hardening-' "$tmp/lintian")"
	finish
	exit
fi
if [ "$mode" = hardening ]; then
	TABLE=hardening
	dpkg-deb -x "$deb" "$tmp/root"
	# PIE, stack protector, fortified functions, read-only relocations
	# and immediate binding; control-flow protection is x86's alone.
	hardening-check --nocfprotection "$tmp/root/usr/bin/tag_counter"
	check "hardening-check: every feature" test $? = 0
	finish
	exit
fi

dpkg-deb -c "$deb" | awk '{ print $6 }' > "$tmp/files"
for f in ./usr/bin/tag_counter ./usr/share/man/man1/tag_counter.1.gz \
    ./usr/share/doc/tag-counter/copyright ./usr/share/doc/tag-counter/changelog.gz \
    ./usr/share/doc/tag-counter/examples/sum-reports.awk; do
	check "the .deb holds $f" grep -q -x "$f" "$tmp/files"
done
dpkg-deb -x "$deb" "$tmp/root"
check "the .deb's program is stripped" test -z "$(nm "$tmp/root/usr/bin/tag_counter" 2>/dev/null)"
check "the changelog is of version $version" test \
	"$(gzip -dc "$tmp/root/usr/share/doc/tag-counter/changelog.gz" | head -1)" = \
	"tag-counter ($version) unstable; urgency=medium"
check "the .deb is of version $version" test "$(dpkg-deb -f "$deb" Version)" = "$version"

for dir in "$build"/windows-*/; do
	[ -f "$dir/CPackConfig.cmake" ] || continue
	"$cpack" --config "$dir/CPackConfig.cmake" -B "$tmp/zip" > "$tmp/log" 2>&1 ||
		{ cat "$tmp/log"; exit 1; }
	zip=$(ls "$tmp"/zip/*.zip)
	names=$("$cmake" -E tar tf "$zip" | sed 's|^[^/]*/||')
	for f in tag_counter.exe README.md LICENSE; do
		check "$(basename "$zip") holds $f" grep -q -x "$f" <<< "$names"
	done
	(cd "$tmp/zip" && "$cmake" -E tar xf "$zip")
	head=$(objdump -p "$tmp"/zip/*/tag_counter.exe)
	want="DYNAMIC_BASE NX_COMPAT"
	grep -q 'file format pei-x86-64' <<< "$head" && want="HIGH_ENTROPY_VA $want"
	flags=$(awk '/^DllCharacteristics/ { on = 1; next }
		on && /^\t/ { printf "%s%s", sep, $1; sep = " "; next } { on = 0 }' <<< "$head")
	check "$(basename "$zip"): $want" test "$flags" = "$want"
	rm -rf "$tmp/zip"
done
finish
