// Nothing but the C runtime: if this does not run, the platform does not.
#include <stdio.h>

int
main(void)
{
	return puts("probe") < 0;
}
