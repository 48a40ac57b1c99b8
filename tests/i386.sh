#!/usr/bin/env bash
# 32-bit x86 programs on this machine, for the windows-i686 tests, whose
# 32-bit Wine is such a program.
#
#	i386.sh probe	exit 0 when this machine runs a static 32-bit x86
#			program, 1 when it does not, 2 when as and ld
#			cannot build one
#	i386.sh setup	make it run them where the kernel does not (as root):
#			qemu-user 10 from bookworm-backports, binfmt_misc
#			mounted, and qemu-i386 registered for 32-bit x86 ELF
#			programs. Says why and exits 1 when it cannot.
#
# Some kernels run 32-bit x86 code themselves; others refuse it ("Exec format
# error") but still have binfmt_misc, which hands such programs to qemu-i386.
# Older qemu-user (bookworm's 7.2) takes most of a minute to start Wine;
# 10.0 takes a fraction of a second.
set -u
binfmt=/proc/sys/fs/binfmt_misc
# The ELF header of a 32-bit x86 executable or shared object, and which of
# its bits matter, as qemu registers them.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
want_qemu=10

# A static program that only exits 0, by int 0x80.
probe() {
	local dir status
	dir=$(mktemp -d) || return 2
	printf '.globl _start\n_start: movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' > "$dir/p.s"
	if ! as --32 -o "$dir/p.o" "$dir/p.s" 2> /dev/null ||
	    ! ld -m elf_i386 -o "$dir/p" "$dir/p.o" 2> /dev/null; then
		rm -rf "$dir"
		return 2
	fi
	"$dir/p" 2> /dev/null
	status=$?
	rm -rf "$dir"
	return $((status != 0))
}

# The binfmt_misc entry that takes 32-bit x86 ELF programs, if any.
entry() {
	local e
	for e in "$binfmt"/*; do
		[ -f "$e" ] && grep -q '^magic 7f454c4601010100000000000000000002000300' "$e" 2> /dev/null &&
			{ echo "$e"; return 0; }
	done
	return 1
}

qemu_major() {
	"${1:-qemu-i386}" --version 2> /dev/null | sed -n '1s/.* version \([0-9]*\).*/\1/p'
}

# A field of the stanza of the system's sources whose suites include bookworm.
field() {
	awk -v f="$1:" 'BEGIN { RS = ""; FS = "\n" }
	{
		s = 0; v = ""
		for (i = 1; i <= NF; i++) {
			n = split($i, w, " ")
			if (w[1] == "Suites:")
				for (j = 2; j <= n; j++)
					if (w[j] == "bookworm")
						s = 1
			if (w[1] == f)
				v = w[2]
		}
		if (s) { print v; exit }
	}' /etc/apt/sources.list.d/debian.sources 2> /dev/null
}

# qemu-user from bookworm-backports, from the same archive and with the same
# key as bookworm.
backports() {
	local list=/etc/apt/sources.list.d/backports.sources uri key
	if ! apt-cache policy 2> /dev/null | grep -q 'n=bookworm-backports'; then
		uri=$(field URIs) key=$(field Signed-By)
		printf 'Types: deb\nURIs: %s\nSuites: bookworm-backports\nComponents: main\n' \
			"${uri:-http://deb.debian.org/debian}" > "$list"
		[ -z "$key" ] || printf 'Signed-By: %s\n' "$key" >> "$list"
		apt-get update > /dev/null || return 1
	fi
	DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
		-t bookworm-backports qemu-user > /dev/null
}

setup() {
	local e interp major
	e=$(entry)
	if probe; then
		if [ -z "$e" ]; then
			echo "i386: the kernel runs 32-bit x86 programs itself"
			return 0
		fi
		interp=$(sed -n 's/^interpreter //p' "$e")
		if [ "$(qemu_major "$interp")" -ge "$want_qemu" ] 2> /dev/null; then
			echo "i386: 32-bit x86 programs run under $($interp --version | head -1)"
			return 0
		fi
	fi
	[ "$(id -u)" = 0 ] || { echo "i386: the kernel cannot run 32-bit x86 programs; run this as root to make it"; return 1; }

	major=$(qemu_major)
	if [ "${major:-0}" -lt "$want_qemu" ]; then
		echo "i386: installing qemu-user $want_qemu from bookworm-backports (found ${major:-none})"
		backports || { echo "i386: cannot install qemu-user from bookworm-backports"; return 1; }
		major=$(qemu_major)
		[ "${major:-0}" -ge "$want_qemu" ] ||
			{ echo "i386: qemu-i386 is still version ${major:-none}"; return 1; }
		# A registration holds the program it was made with open.
		[ -n "$e" ] && echo -1 > "$e" && e=
	fi
	if ! grep -qs "^binfmt_misc $binfmt " /proc/mounts; then
		mount -t binfmt_misc binfmt_misc "$binfmt" ||
			{ echo "i386: cannot mount binfmt_misc on $binfmt"; return 1; }
		e=$(entry)
	fi
	if [ -n "$e" ]; then
		interp=$(sed -n 's/^interpreter //p' "$e")
		if [ "$(qemu_major "$interp")" -lt "$want_qemu" ] 2> /dev/null ||
		    ! grep -qx enabled "$e"; then
			echo -1 > "$e"
			e=
		fi
	fi
	if [ -z "$e" ]; then
		# F: the kernel opens qemu-i386 now, so it works in any namespace.
		printf ':qemu-i386:M::%s:%s:%s:F' "$magic" "$mask" "$(command -v qemu-i386)" \
			> "$binfmt/register" || { echo "i386: cannot register qemu-i386 with binfmt_misc"; return 1; }
	fi
	if ! probe; then
		echo "i386: 32-bit x86 programs still do not run ($(uname -sr))"
		return 1
	fi
	echo "i386: 32-bit x86 programs run under $(qemu-i386 --version | head -1)"
}

case ${1:-} in
probe)	probe ;;
setup)	setup ;;
*)	echo "usage: $0 probe|setup" >&2; exit 2 ;;
esac
