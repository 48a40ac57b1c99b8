#include <errno.h>
#include <stdio.h>
#include <string.h>

#include "die.h"
#include "table.h"
#include "textio.h"

char tags[TABLE_ROWS][ROW_SIZE];
static int array[TABLE_ROWS];	/* array[r]: the count of entry r */
int counter;
int variable;

int
checking(const char *name)
{
	int r;

	if (name[0] == '\0')
		return -5;
	for (r = 0; r < counter; r++)
		if (strcmp(tags[r], name) == 0)
			return r;
	return -1;
}

void
adding(const char *name)
{
	size_t len;

	if (variable == TABLE_ROWS)
		die("more than %d distinct tag names", TABLE_ROWS);
	/* The scanner hands over at most ROW_SIZE - 1 characters; never
	 * let a longer name reach the next row. */
	len = strnlen(name, ROW_SIZE - 1);
	memcpy(tags[variable], name, len);
	array[variable]++;
	variable++;
	counter++;
}

void
incrementing(int entry)
{
	array[entry]++;
}

/* Longest line: a name, " found: ", an int and the line feed. */
enum { LINE_LEN = ROW_SIZE - 1 + 8 + 11 + 1 };

static void
flush(const char *buf, int len)
{
	if (textwrite(buf, len) < 0)
		die("cannot write the report: %s", strerror(errno));
}

void
display(void)
{
	char buf[LINE_LEN > 4096 ? LINE_LEN : 4096];
	int len = 0, r;

	for (r = 0; r < counter; r++) {
		if (len + LINE_LEN > (int)sizeof buf) {
			flush(buf, len);
			len = 0;
		}
		len += snprintf(buf + len, sizeof buf - len, "%s found: %d\n",
		    tags[r], array[r]);
	}
	if (len > 0)
		flush(buf, len);
}
