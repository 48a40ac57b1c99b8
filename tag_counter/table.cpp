#include <errno.h>
#include <stdint.h>
#include <string.h>

#include "bulk.h"
#include "die.h"
#include "table.h"
#include "textio.h"

char tags[TABLE_ROWS][ROW_SIZE];
static int array[TABLE_ROWS];	/* array[r]: the count of entry r */
int counter;
int variable;

#if TABLE_ROWS <= LINEAR_ROWS
/* Rows are zero past their names, so names compare as whole rows; the
 * first word of a row settles nearly every comparison. */
enum { WORD = ROW_SIZE < 8 ? ROW_SIZE : 8 };

int
checking(const char *name)
{
	char row[ROW_SIZE] = {0};
	uint64_t key = 0, word = 0;
	int i, r;

	if (name[0] == '\0')
		return -5;
	for (i = 0; name[i] != '\0'; i++) {
		if (i == ROW_SIZE - 1)
			return -1;	/* too long to be in the table */
		row[i] = name[i];
	}
	memcpy(&key, row, WORD);
	/* The hottest loop: a new name is compared with every row. */
#pragma GCC unroll 4
	for (r = 0; r < counter; r++) {
		memcpy(&word, tags[r], WORD);
		if (word == key && memcmp(tags[r] + WORD, row + WORD, ROW_SIZE - WORD) == 0)
			return r;
	}
	return -1;
}

static void
indexing(int)
{
}
#else
static int slots[SLOTS];	/* an entry's index + 1, or 0: free */

int
home(const char *name, int *len)
{
	uint32_t h = 2166136261u;	/* FNV-1a, its high bits folded in */
	int i;

	for (i = 0; i < ROW_SIZE && name[i] != '\0'; i++)
		h = (h ^ (unsigned char)name[i]) * 16777619u;
	*len = i;
	return (h ^ h >> 16) & (SLOTS - 1);
}

/* Does row hold name, of len characters? Most rows differ at once. */
static int
same(const char *row, const char *name, int len)
{
	int i;

	for (i = 0; i < len; i++)
		if (row[i] != name[i])
			return 0;
	return row[len] == '\0';
}

int
checking(const char *name)
{
	int len, s, e;

	if (name[0] == '\0')
		return -5;
	s = home(name, &len);
	if (len == ROW_SIZE)
		return -1;	/* too long to be in the table */
	for (; (e = slots[s]) != 0; s = (s + 1) & (SLOTS - 1))
		if (same(tags[e - 1], name, len))
			return e - 1;
	return -1;
}

/* Put entry r, just added, into the index. */
static void
indexing(int r)
{
	int len, s = home(tags[r], &len);

	while (slots[s] != 0)
		s = (s + 1) & (SLOTS - 1);
	slots[s] = r + 1;
}
#endif

void
adding(const char *name)
{
	int i;

	if (variable == TABLE_ROWS)
		die("more than %d distinct tag names", TABLE_ROWS);
	bulkrows(tags[0], variable, TABLE_ROWS, ROW_SIZE);
	/* The scanner hands over at most ROW_SIZE - 1 characters; never
	 * let a longer name reach the next row. */
	for (i = 0; i < ROW_SIZE - 1 && name[i] != '\0'; i++)
		tags[variable][i] = name[i];
	indexing(variable);
	array[variable]++;
	variable++;
	counter++;
}

void
incrementing(int entry)
{
	array[entry]++;
}

static const char found[] = " found: ";
/* The longest line: a name, found, an int and the line feed. */
enum { LINE_LEN = ROW_SIZE - 1 + sizeof found - 1 + 11 + 1 };

static void
flush(const char *buf, int len)
{
	if (textwrite(buf, len) < 0)
		die("cannot write the report: %s", strerror(errno));
}

/* Put "NAME found: COUNT\n" at p; return the end. */
static char *
line(char *p, const char *name, int count)
{
	char digits[11];
	int n = 0;

	while (*name != '\0')
		*p++ = *name++;
	memcpy(p, found, sizeof found - 1);
	p += sizeof found - 1;
	do
		digits[n++] = '0' + count % 10;
	while ((count /= 10) > 0);
	while (n > 0)
		*p++ = digits[--n];
	*p++ = '\n';
	return p;
}

void
display(void)
{
	char buf[LINE_LEN > 4096 ? LINE_LEN : 4096], *p = buf;
	int r;

	for (r = 0; r < counter; r++) {
		if (p + LINE_LEN > buf + sizeof buf) {
			flush(buf, p - buf);
			p = buf;
		}
		p = line(p, tags[r], array[r]);
	}
	if (p > buf)
		flush(buf, p - buf);
}
