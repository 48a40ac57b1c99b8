/* The tag scanner: finds the tag names in a text and tallies them. */
#ifndef SCAN_H
#define SCAN_H

#include "capacity.h"

extern char tempArr[SCRATCH_ROWS][ROW_SIZE];	/* row n: the n-th name started */
extern int anotherVar;				/* names started so far */

/* Tally in the tag table every name that follows a "<" in text. */
void finding(const char *text);

#endif
