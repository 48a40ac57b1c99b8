#!/usr/bin/env bash
# The cross builds, tested under Wine or qemu.
#
#	cross.sh wine-start		start a wineserver for the tests and warm it up
#	cross.sh wine-stop		stop it
#	cross.sh format OBJDUMP EXE FORMAT
#					EXE is of FORMAT; a Windows one is a console
#					program using only system DLLs
#	cross.sh run SCRIPT PROBE EXE RUNNER [ARG ...]
#					run a test script on RUNNER ARG... EXE, once
#					RUNNER has run PROBE; skip (status 77) where
#					it cannot
#
# Wine's come from the environment: WINE (the loader), WINESERVER and
# WINEPREFIX. KERNEL_PROBE=i386 first checks that the machine runs 32-bit
# x86 code at all (tests/i386.sh).
set -u
here=$(dirname "$0")

case $1 in
wine-start)
	mkdir -p "$WINEPREFIX"
	# Wine's helpers inherit the streams of whoever starts the server:
	# keep them off the test's pipes. The first run creates the prefix.
	"$WINESERVER" -p < /dev/null > /dev/null 2>&1
	"$WINE" cmd /c exit < /dev/null > /dev/null 2>&1
	"$WINE" cmd /c exit < /dev/null > /dev/null 2>&1 ||
		{ echo "wine does not start in $WINEPREFIX"; exit 1; }
	;;
wine-stop)
	"$WINESERVER" -k < /dev/null > /dev/null 2>&1
	exit 0
	;;
format)
	objdump=$2 exe=$3 format=$4
	head=$("$objdump" -p "$exe") || exit 1
	grep -q "file format $format\$" <<< "$head" ||
		{ echo "$exe: not $format: $(grep 'file format' <<< "$head")"; exit 1; }
	case $format in
	pei-*)
		grep -q 'Subsystem.*(Windows CUI)' <<< "$head" ||
			{ echo "$exe: not a console program"; exit 1; }
		dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<< "$head")
		foreign=$(grep -v -i -x -E 'kernel32\.dll|msvcrt\.dll' <<< "$dlls")
		[ -z "$foreign" ] || { echo "$exe needs DLLs beyond the system's: $foreign"; exit 1; }
		echo "$exe: $format console program; DLLs: $(echo $dlls)"
		;;
	*)
		echo "$exe: $format"
		;;
	esac
	;;
run)
	script=$2 probe=$3 exe=$4
	shift 4
	if [ "${KERNEL_PROBE:-}" = i386 ]; then
		bash "$here/i386.sh" probe
		case $? in
		1)	echo "skipped: this machine cannot run 32-bit x86 code ($(uname -sr));" \
			    "tests/i386.sh setup makes it able to"
			exit 77 ;;
		2)	echo "skipped: as and ld cannot build the 32-bit x86 probe"
			exit 77 ;;
		esac
	fi
	# Whatever stops the probe stops every program there; the program
	# under test is not part of it.
	err=$(mktemp)
	got=$(timeout 60 "$@" "$probe" < /dev/null 2> "$err" | tr -d '\r')
	if [ "$got" != probe ]; then
		echo "skipped: $(basename "$1") does not run the trivial program $probe"
		head -5 "$err" | sed 's/^/  /'
		rm -f "$err"
		exit 77
	fi
	rm -f "$err"
	exec bash "$here/$script" "$@" "$exe"
	;;
*)
	echo "usage: $0 wine-start|wine-stop|format|run ..." >&2
	exit 2
	;;
esac
