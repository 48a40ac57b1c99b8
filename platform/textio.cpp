/* Text-mode standard input and output for systems whose streams have none. */
#include <errno.h>
#include <string.h>
#include <unistd.h>

#include "textio.h"

enum { CR = '\r', LF = '\n', EOT = 0x1A };

/* Raw input not yet handed out is in[pos..end); ended: no more is read. */
static char in[16384];
static int pos, end, ended;

static int
rawread(char *buf, int n)
{
	ssize_t r;

	do
		r = read(0, buf, n);
	while (r < 0 && errno == EINTR);
	return (int)r;
}

/* Refill in[] from fd 0, keeping `keep` bytes from pos at its start. */
static int
fill(int keep)
{
	int r;

	memmove(in, in + pos, keep);
	pos = 0;
	end = keep;
	if (ended)
		return 0;
	if ((r = rawread(in + keep, sizeof in - keep)) < 0)
		return -1;
	if (r == 0)
		ended = 1;
	end += r;
	return r;
}

/* First CR or Ctrl-Z in p[0..n), or p + n. */
static const char *
special(const char *p, int n)
{
	const char *cr = (const char *)memchr(p, CR, n);
	const char *eot = (const char *)memchr(p, EOT, cr ? cr - p : n);

	return eot ? eot : cr ? cr : p + n;
}

int
textread(char *buf, int n)
{
	const char *s;
	int out = 0, span;

	while (out < n) {
		if (pos == end) {
			if (out > 0)
				break;
			if (fill(0) < 0)
				return -1;
			if (pos == end)
				break;
		}
		span = end - pos < n - out ? end - pos : n - out;
		s = special(in + pos, span);
		memcpy(buf + out, in + pos, s - (in + pos));
		out += s - (in + pos);
		pos = s - in;
		if (pos == end || out == n)
			continue;
		if (in[pos] == EOT) {
			ended = 1;
			end = pos;
			break;
		}
		/* A CR: is a LF next? Hand over what we have before waiting. */
		if (pos + 1 == end) {
			if (out > 0)
				break;
			if (fill(1) < 0)
				return -1;
		}
		if (pos + 1 < end && in[pos + 1] == LF)
			pos++;
		buf[out++] = in[pos++];
	}
	return out;
}

static int
rawwrite(const char *buf, int n)
{
	ssize_t w;

	while (n > 0) {
		w = write(1, buf, n);
		if (w < 0 && errno == EINTR)
			continue;
		if (w < 0)
			return -1;
		buf += w;
		n -= w;
	}
	return 0;
}

int
textwrite(const char *buf, int n)
{
	char out[4096];
	const char *lf;
	int len = 0, i = 0, seg;

	while (i < n) {
		lf = (const char *)memchr(buf + i, LF, n - i);
		seg = (lf ? lf - buf : n) - i;
		if (seg > (int)sizeof out - 2 - len)
			seg = sizeof out - 2 - len;
		memcpy(out + len, buf + i, seg);
		len += seg;
		i += seg;
		if (i < n && buf[i] == LF) {
			out[len++] = CR;
			out[len++] = LF;
			i++;
		}
		if (len > (int)sizeof out - 3 || i == n) {
			if (rawwrite(out, len) < 0)
				return -1;
			len = 0;
		}
	}
	return n;
}
