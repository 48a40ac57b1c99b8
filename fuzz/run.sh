#!/usr/bin/env bash
# fuzz/run.sh SECONDS: fuzz tag_counter on arbitrary standard input with
# AFL++, built with AddressSanitizer and UndefinedBehaviorSanitizer, starting
# from the seeds in fuzz/seeds and the example page. Exits 0 when nothing was
# found; otherwise prints each input that crashed or hung the program and
# exits 1.
#
# Needs afl++ and clang (Debian: apt-get install afl++ clang).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: fuzz/run.sh SECONDS}
build=build-fuzz
out=$build/findings

for tool in afl-fuzz afl-clang-fast++; do
	command -v $tool >/dev/null || { echo "fuzz: $tool is not installed (apt-get install afl++ clang)" >&2; exit 2; }
done
CXX=afl-clang-fast++ cmake -S . -B "$build" -DTAG_COUNTER_SANITIZE=ON \
	-DTAG_COUNTER_CROSS=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target tag_counter >/dev/null

export AFL_NO_UI=1 AFL_SKIP_CPUFREQ=1 AFL_I_DONT_CARE_ABOUT_MISSING_CRASHES=1
export AFL_QUIET=1
# Sanitizer reports abort, so the fuzzer sees them as crashes.
export ASAN_OPTIONS=abort_on_error=1:symbolize=0:detect_leaks=0
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:symbolize=0
rm -rf "$out" "$build/seeds"
mkdir -p "$build/seeds"
cp fuzz/seeds/* examples/* "$build/seeds"
afl-fuzz -i "$build/seeds" -o "$out" -V "$seconds" -- "$build/tag_counter" > "$build/afl.log" 2>&1 ||
	{ tail -20 "$build/afl.log"; exit 2; }

stats=$out/default/fuzzer_stats
for key in execs_done execs_per_sec corpus_count saved_crashes saved_hangs; do
	printf '%-14s %s\n' "$key" "$(sed -n "s/^$key *: //p" "$stats")"
done
found=$(find "$out/default/crashes" "$out/default/hangs" -type f ! -name README.txt)
[ -z "$found" ] && { echo "fuzz: nothing found in $seconds seconds"; exit 0; }
for f in $found; do
	echo "fuzz: $f"
	od -An -c "$f" | head -20
done
exit 1
