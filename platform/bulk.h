/*
 * Fixed storage that a large run fills from the start, densely: where the
 * system allows it, it is faulted in a large piece at a time as it is
 * touched, rather than a page at a time. A hint, which may do nothing;
 * storage never touched costs nothing. Windows' C runtime build does
 * without it.
 */
#ifndef BULK_H
#define BULK_H

/* Storage below this many bytes is faulted in page by page, as ever, so
 * that a small run pays nothing for large pieces it does not fill. */
enum { BULK_FROM = 256 << 10 };

#ifdef _WIN32
static inline void bulk(void *, long) {}
#else
/* The n bytes at p (the whole pages within them). */
void bulk(void *p, long n);
#endif

/* Rows of size bytes, taken in order from rows[0] to rows[total - 1]: once
 * the next one, row used, is the first past BULK_FROM bytes, the rest. */
static inline void
bulkrows(char *rows, long used, long total, long size)
{
	if (total * size > BULK_FROM && used == BULK_FROM / size)
		bulk(rows + used * size, (total - used) * size);
}

#endif
