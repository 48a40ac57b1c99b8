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

#endif
