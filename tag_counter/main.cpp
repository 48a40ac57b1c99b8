/* tag_counter: count the tags in the text on standard input, up to the first tab. */
#include <errno.h>
#include <string.h>

#include "bulk.h"
#include "capacity.h"
#include "die.h"
#include "scan.h"
#include "table.h"
#include "textio.h"

char storing[INPUT_SIZE];	/* the input block and its NUL */

/*
 * Read standard input up to the first tab into storing. Nothing after the
 * tab is used, and once it has arrived nothing more is read.
 */
static void
readblock(void)
{
	char *tab;
	int len = 0, n;

	/* One read may fill the whole buffer: past BULK_FROM bytes, have it
	 * faulted in in large pieces before any. */
	if (INPUT_SIZE > BULK_FROM)
		bulk(storing + BULK_FROM, INPUT_SIZE - BULK_FROM);
	while (len < INPUT_SIZE) {
		/* The last byte of room only tells a tab or the end from more. */
		if ((n = textread(storing + len, INPUT_SIZE - len)) < 0)
			die("cannot read standard input: %s", strerror(errno));
		if (n == 0) {
			/* A text-mode read may leave raw bytes past what it returns. */
			storing[len] = '\0';
			return;
		}
		tab = (char *)memchr(storing + len, '\t', n);
		if (tab != NULL) {
			*tab = '\0';
			return;
		}
		len += n;
	}
	die("input longer than %d characters", INPUT_SIZE - 1);
}

int
main(void)
{
	readblock();
	finding(storing);
	display();
	return 0;
}
