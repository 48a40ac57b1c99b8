/* Text-mode standard input and output for systems whose streams have none. */
#include <errno.h>
#include <string.h>
#include <unistd.h>

#include "textio.h"

enum { CR = '\r', LF = '\n', EOT = 0x1A };

/*
 * Input is read straight into the caller's buffer and translated there.
 * A CR that ends a read is held back until the next byte shows whether it
 * is half of a CR LF pair; ended: the end of input, or Ctrl-Z, was seen.
 */
static char held;
static int isheld, ended;

static int
rawread(char *buf, int n)
{
	ssize_t r;

	if (ended)
		return 0;
	do
		r = read(0, buf, n);
	while (r < 0 && errno == EINTR);
	if (r == 0)
		ended = 1;
	return (int)r;
}

/* Translate buf[0..len) in place; return the bytes that are ready. */
static int
translate(char *buf, int len)
{
	const char *cr = (const char *)memchr(buf, CR, len);
	const char *eot = (const char *)memchr(buf, EOT, cr ? cr - buf : len);
	int i, out;

	if (eot != NULL) {
		ended = 1;
		return eot - buf;
	}
	if (cr == NULL)
		return len;
	for (i = out = cr - buf; i < len; i++) {
		if (buf[i] == EOT) {
			ended = 1;
			break;
		}
		if (buf[i] == CR && i + 1 == len && !ended) {
			held = CR;
			isheld = 1;
			break;
		}
		if (buf[i] == CR && i + 1 < len && buf[i + 1] == LF)
			i++;
		buf[out++] = buf[i];
	}
	return out;
}

int
textread(char *buf, int n)
{
	int len, r;

	do {
		len = 0;
		if (isheld) {
			buf[len++] = held;
			isheld = 0;
		}
		if (len == 1 && n == 1 && buf[0] == CR) {
			/* No room to read behind it: look at one byte alone. */
			if ((r = rawread(&held, 1)) < 0)
				return -1;
			if (r == 1 && held == LF)
				buf[0] = LF;
			else
				isheld = r;
			return 1;
		}
		if (len == 0 || buf[0] == CR) {
			if ((r = rawread(buf + len, n - len)) < 0)
				return -1;
			len += r;
		}
		len = translate(buf, len);
	} while (len == 0 && isheld);
	return len;
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
