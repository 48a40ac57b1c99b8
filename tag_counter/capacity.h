/* Capacities, fixed for the run. The build may override any of them
 * (see CMakeLists.txt); every array size and limit check derives from these. */
#ifndef CAPACITY_H
#define CAPACITY_H

#ifndef INPUT_SIZE
#define INPUT_SIZE 15000	/* input buffer: the block and its NUL */
#endif
#ifndef TABLE_ROWS
#define TABLE_ROWS 100		/* distinct names in the tag table */
#endif
#ifndef SCRATCH_ROWS
#define SCRATCH_ROWS 100	/* names started in one run */
#endif
#ifndef ROW_SIZE
#define ROW_SIZE 10		/* a name and its NUL */
#endif

/* Not a capacity: tables of up to this many rows are searched entry by
 * entry; larger ones through a hashed index (table.cpp). */
#ifndef LINEAR_ROWS
#define LINEAR_ROWS 100
#endif

static_assert(INPUT_SIZE >= 2 && INPUT_SIZE <= 1 << 30, "INPUT_SIZE out of range");
static_assert(TABLE_ROWS >= 1 && TABLE_ROWS <= 1 << 20, "TABLE_ROWS out of range");
static_assert(SCRATCH_ROWS >= 1 && SCRATCH_ROWS <= 1 << 20, "SCRATCH_ROWS out of range");
static_assert(ROW_SIZE >= 2 && ROW_SIZE <= 1 << 10, "ROW_SIZE out of range");
static_assert(LINEAR_ROWS >= 0, "LINEAR_ROWS out of range");

#endif
