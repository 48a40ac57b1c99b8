#!/usr/bin/env bash
# The Windows executables, tested under Wine.
#
#	windows.sh start		start a wineserver for the tests and warm it up
#	windows.sh stop			stop it
#	windows.sh pe OBJDUMP EXE FORMAT	EXE is a console PE of FORMAT using only system DLLs
#	windows.sh run EXE SCRIPT	run a test script on EXE, or skip (status 77)
#					where this machine cannot run it
#
# The environment gives WINE (the loader), WINESERVER and WINEPREFIX.
set -u
here=$(dirname "$0")

case $1 in
start)
	mkdir -p "$WINEPREFIX"
	# Wine's helpers inherit the streams of whoever starts the server:
	# keep them off the test's pipes. The first run creates the prefix.
	"$WINESERVER" -p < /dev/null > /dev/null 2>&1
	"$WINE" cmd /c exit < /dev/null > /dev/null 2>&1
	"$WINE" cmd /c exit < /dev/null > /dev/null 2>&1 ||
		{ echo "wine does not start in $WINEPREFIX"; exit 1; }
	;;
stop)
	"$WINESERVER" -k < /dev/null > /dev/null 2>&1
	exit 0
	;;
pe)
	objdump=$2 exe=$3 format=$4
	head=$("$objdump" -p "$exe") || exit 1
	grep -q "file format $format\$" <<< "$head" ||
		{ echo "$exe: not $format: $(grep 'file format' <<< "$head")"; exit 1; }
	grep -q 'Subsystem.*(Windows CUI)' <<< "$head" ||
		{ echo "$exe: not a console program"; exit 1; }
	dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<< "$head")
	foreign=$(grep -v -i -x -E 'kernel32\.dll|msvcrt\.dll' <<< "$dlls")
	[ -z "$foreign" ] || { echo "$exe needs DLLs beyond the system's: $foreign"; exit 1; }
	echo "$exe: $format console program; DLLs: $(echo $dlls)"
	;;
run)
	exe=$2 script=$3
	# A probe: the smallest input must give its report.
	got=$(printf '<a>' | WINEDEBUG= "$WINE" "$exe" 2> "$WINEPREFIX/probe.err" | od -An -c)
	if [ "$got" != "$(printf 'a found: 1\r\n' | od -An -c)" ]; then
		echo "skipped: $exe does not run on this machine ($(uname -m), $(getconf LONG_BIT)-bit)"
		sed 's/^/  wine: /' "$WINEPREFIX/probe.err" | head -5
		exit 77
	fi
	ERR_EOL='\r\n' exec bash "$here/$script" "$WINE" "$exe"
	;;
*)
	echo "usage: $0 start|stop|pe|run ..." >&2
	exit 2
	;;
esac
