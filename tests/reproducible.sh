#!/usr/bin/env bash
# tests/reproducible.sh: build the last commit twice, from clean clones in
# two folders of different names, and check that every artifact is the same
# bytes: the programs of every platform whose compiler is installed, the
# .deb and the Windows zips. Time stamps come from the last commit.
set -uo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
jobs=$(nproc)

# build DIR: clone, build and package into DIR; list the artifacts.
build() {
	local dir=$1 b=$1/build p
	git clone -q "$src" "$dir/src" &&
	cmake -S "$dir/src" -B "$b" -DBUILD_TESTING=OFF > "$dir/log" &&
	cmake --build "$b" -j "$jobs" >> "$dir/log" 2>&1 &&
	(cd "$b" && cpack >> "$dir/log" 2>&1) || { tail -20 "$dir/log"; return 1; }
	for p in "$b"/windows-*/; do
		[ -f "$p/CPackConfig.cmake" ] || continue
		(cd "$p" && cpack >> "$dir/log" 2>&1) || { tail -20 "$dir/log"; return 1; }
	done
	(cd "$b" && ls tag_counter */tag_counter */tag_counter.exe *.deb windows-*/*.zip 2> /dev/null)
}

build "$tmp/a" > "$tmp/a.list" || exit 1
build "$tmp/second-build" > "$tmp/b.list" || exit 1
if ! cmp -s "$tmp/a.list" "$tmp/b.list"; then
	echo "reproducible: the two builds made different artifacts"
	diff "$tmp/a.list" "$tmp/b.list"
	exit 1
fi
grep -q '\.deb$' "$tmp/a.list" || { echo "reproducible: no .deb was made"; exit 1; }

pass=0 fail=0
while read -r f; do
	if cmp -s "$tmp/a/build/$f" "$tmp/second-build/build/$f"; then
		pass=$((pass + 1))
		echo "same: $f"
	else
		fail=$((fail + 1))
		echo "DIFFERENT: $f"
		if command -v diffoscope > /dev/null; then
			diffoscope "$tmp/a/build/$f" "$tmp/second-build/build/$f" | head -40
		else
			echo "  (apt-get install diffoscope shows why)"
		fi
	fi
done < "$tmp/a.list"
echo "reproducible: $pass passed, $fail failed"
[ "$fail" -eq 0 ]
