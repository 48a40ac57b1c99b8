#include <string.h>

#include "bulk.h"
#include "die.h"
#include "scan.h"
#include "table.h"

char tempArr[SCRATCH_ROWS][ROW_SIZE];
int anotherVar;

/* ">", space, "/" and line feed end a name, and so does the NUL that ends
 * the text; all are below 64, so one mask tells them. */
static const unsigned long long ENDS = 1ull << '>' | 1ull << ' ' | 1ull << '/' |
	1ull << '\n' | 1ull << '\0';

static int
ends(char c)
{
	return (unsigned char)c < 64 && (ENDS >> (unsigned char)c & 1);
}

/* Copy the name that starts at text[i] into its own scratch row; return
 * the index of the terminator that ends it, or of the NUL that ends the
 * text. */
static int
name(const char *text, int i)
{
	char *row;
	int col = 0;

	if (anotherVar == SCRATCH_ROWS)
		die("more than %d tags", SCRATCH_ROWS);
	bulkrows(tempArr[0], anotherVar, SCRATCH_ROWS, ROW_SIZE);
	row = tempArr[anotherVar];
	for (; !ends(text[i]); i++) {
		if (col == ROW_SIZE - 1)
			die("tag name longer than %d characters", ROW_SIZE - 1);
		row[col++] = text[i];
	}
	return i;
}

static void
tally(const char *row)
{
	int entry = checking(row);

	if (entry == -1)
		adding(row);
	else if (entry >= 0)
		incrementing(entry);
}

void
finding(const char *text)
{
	const char *lt;
	int i, end, len;

	len = strlen(text);
	for (i = 0; i < len; i++) {
		lt = (const char *)memchr(text + i, '<', len - i);
		if (lt == NULL)
			break;
		i = lt - text;
		end = name(text, i + 1);
		tally(tempArr[anotherVar]);
		anotherVar++;
		/* After a terminator the walk goes on past it; a name that
		 * ran to the end of the text resumes after its "<". */
		if (end < len)
			i = end;
	}
}
