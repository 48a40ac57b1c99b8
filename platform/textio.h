/*
 * Standard input and output in text mode: on input a carriage return
 * followed by a line feed is one line feed and Ctrl-Z (0x1A) ends the
 * input; on output each line feed goes out as a carriage return and a
 * line feed. Windows' C runtime does this itself; elsewhere textio.cpp
 * stands in for it.
 *
 * textread: up to n bytes of standard input, as soon as any are there;
 *	0 at the end of input, -1 with errno set on error.
 * textwrite: all n bytes to standard output; n, or -1 with errno set.
 */
#ifndef TEXTIO_H
#define TEXTIO_H

#ifdef _WIN32
#include <errno.h>
#include <io.h>

static inline int
textread(char *buf, int n)
{
	return _read(0, buf, (unsigned)n);
}

static inline int
textwrite(const char *buf, int n)
{
	int w = _write(1, buf, (unsigned)n);

	if (w >= 0 && w < n)
		errno = ENOSPC;
	return w == n ? n : -1;
}
#else
int textread(char *buf, int n);
int textwrite(const char *buf, int n);
#endif

#endif
