#ifndef DIE_H
#define DIE_H

/* Print "tag_counter: " and the message on standard error, then exit 1. */
[[noreturn]] void die(const char *fmt, ...)
#ifdef __GNUC__
	__attribute__((format(printf, 1, 2)))
#endif
	;

#endif
