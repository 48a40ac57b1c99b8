/* Storage faulted in in large pieces, on Linux: transparent huge pages. */
#include <stdint.h>
#include <sys/mman.h>
#include <unistd.h>

#include "bulk.h"

void
bulk(void *p, long n)
{
	uintptr_t page = sysconf(_SC_PAGESIZE);
	uintptr_t start = ((uintptr_t)p + page - 1) & -page;
	uintptr_t end = ((uintptr_t)p + n) & -page;

#ifdef MADV_HUGEPAGE
	if (end > start)
		madvise((void *)start, end - start, MADV_HUGEPAGE);
#endif
}
