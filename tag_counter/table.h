/* The tag table: each distinct name with its count, in order of first sight. */
#ifndef TABLE_H
#define TABLE_H

#include "capacity.h"

extern char tags[TABLE_ROWS][ROW_SIZE];	/* row r: the name of entry r */
extern int counter;			/* entries in use */
extern int variable;			/* row for the next new name */

/* -5 for an empty name, -1 for one not in the table, else its entry. */
int checking(const char *name);
/* Add a name that checking() answered -1 for, with count 1. */
void adding(const char *name);
/* Count once more the entry that checking() answered. */
void incrementing(int entry);
/* Print the report: one line per entry, in order. */
void display(void);

#if TABLE_ROWS > LINEAR_ROWS
/*
 * A scan of every entry per name grows with the square of the distinct
 * names, so a large table finds a name through a hashed index of entry
 * numbers, searched slot after slot from the name's home slot. It has at
 * least twice as many slots as the table has rows: a search soon meets a
 * free one.
 */
constexpr int
slotsfor(int rows)
{
	int n = 2;

	while (n < 2 * rows)
		n *= 2;
	return n;
}
enum { SLOTS = slotsfor(TABLE_ROWS) };

/* The home slot of name; *len is set to its length, or to ROW_SIZE when it
 * is too long for a row. */
int home(const char *name, int *len);
#endif

#endif
