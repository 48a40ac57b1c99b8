// Tag soup that nobody wrote by hand, the same on every run (a fixed seed),
// for comparing the program's builds: a few hundred inputs that reach every
// path of the reader, the scanner and the table at the capacities the
// program was built with (this is built with the same ones).
//
// usage: soup DIR
// Writes the inputs DIR/000, DIR/001, ... and DIR/list, a line "NAME SPLIT"
// for each: SPLIT is the offset at which the input is to be written to the
// program in two parts, so that a read ends there, or 0.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "capacity.h"

namespace {

const int SOUPS = 300;
const char TERMINATORS[][3] = {">", " ", "/", "\n", "\r\n", "\r", ""};

uint64_t seed = 0x7461675f736f7570;	// fixed: every run makes the same inputs

uint64_t
next()
{
	uint64_t z = (seed += 0x9e3779b97f4a7c15);	// splitmix64

	z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
	z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
	return z ^ (z >> 31);
}

int
below(int n)
{
	return (int)(next() % (uint64_t)n);
}

// A name's character: mostly a few letters, so that names repeat, and now
// and then a "<", a CR, a "%" or a byte of 0x80 or above.
char
namechar()
{
	static const char common[] = "abcabcAB1-!?";

	switch (below(20)) {
	case 0:
		return '<';
	case 1:
		return '\r';
	case 2:
		return '%';
	case 3:
		return (char)(0x80 + below(0x80));
	default:
		return common[below(sizeof common - 1)];
	}
}

// A name's length: mostly short, sometimes the longest that fits a row, or
// one more.
int
namelen()
{
	switch (below(12)) {
	case 0:
		return ROW_SIZE - 1;
	case 1:
		return ROW_SIZE;
	default:
		return below(5 < ROW_SIZE ? 5 : ROW_SIZE);
	}
}

void
piece(std::string &s)
{
	int i, n;

	switch (below(16)) {
	case 0: case 1: case 2: case 3: case 4: case 5:
		s += '<';
		for (n = namelen(), i = 0; i < n; i++)
			s += namechar();
		s += TERMINATORS[below(sizeof TERMINATORS / sizeof TERMINATORS[0])];
		break;
	case 6: case 7:
		for (n = below(12), i = 0; i < n; i++)
			s += " xyz=\"'"[below(7)];
		break;
	case 8:
		s += "\r\n";
		break;
	case 9:
		s += below(2) ? "\r" : "\n";
		break;
	case 10:
		s.append(1 + below(4), '<');
		break;
	case 11:
		s += (char)(0x80 + below(0x80));
		break;
	case 12:
		s += "</p>";
		break;
	case 13:
		s += below(4) ? '\t' : '\0';
		break;
	case 14:
		s += below(4) ? '\x1a' : '>';
		break;
	default:
		s += "<a href=x>";
		break;
	}
}

// Distinct names for entry n: digits in base 36, as short as they come.
std::string
distinct(int n)
{
	std::string name;

	do
		name += "0123456789abcdefghijklmnopqrstuvwxyz"[n % 36];
	while ((n /= 36) > 0);
	return name;
}

FILE *list;
int made;

void
put(const char *dir, const std::string &s, size_t split)
{
	char path[4096];
	FILE *f;

	snprintf(path, sizeof path, "%s/%03d", dir, made);
	if ((f = fopen(path, "wb")) == NULL || fwrite(s.data(), 1, s.size(), f) != s.size() ||
	    fclose(f) != 0) {
		perror(path);
		exit(1);
	}
	fprintf(list, "%03d %zu\n", made++, split);
}

// Inputs at and one past each capacity.
void
limits(const char *dir)
{
	const long block = INPUT_SIZE - 1;
	std::string s;
	int i;

	for (long len = block; len <= block + 1; len++) {
		s = "<a>";
		s.append(len - 3, 'x');
		put(dir, s, 0);
		put(dir, s + "\t<b>", 0);
		// A CR LF pair at the end counts as one character.
		s.replace(len - 1, 1, "\r\n");
		put(dir, s, 0);
		put(dir, s, s.size() - 1);	// the pair split between two reads
	}
	for (int n = SCRATCH_ROWS; n <= SCRATCH_ROWS + 1; n++) {
		for (s.clear(), i = 0; i < n; i++)
			s += i % 2 ? "</p>" : "<p>";
		put(dir, s, 0);
	}
	for (int n = TABLE_ROWS; n <= TABLE_ROWS + 1; n++) {
		for (s.clear(), i = 0; i < n; i++)
			s += "<" + distinct(i) + ">";
		put(dir, s, 0);
	}
	s = "<";
	s.append(ROW_SIZE - 1, 'n');
	put(dir, s + ">", 0);
	put(dir, s + "n>", 0);
	put(dir, s + "n", 0);
}

}  // namespace

int
main(int argc, char **argv)
{
	char path[4096];
	std::string s;
	size_t cr;

	if (argc != 2) {
		fprintf(stderr, "usage: soup DIR\n");
		return 2;
	}
	snprintf(path, sizeof path, "%s/list", argv[1]);
	if ((list = fopen(path, "w")) == NULL) {
		perror(path);
		return 1;
	}
	limits(argv[1]);
	for (int n = 0; n < SOUPS; n++) {
		s.clear();
		for (int pieces = below(40); pieces > 0; pieces--)
			piece(s);
		if (below(8) == 0)
			s += '\r';	// a lone CR at the very end
		// Every tenth input with a CR LF pair is fed in two parts,
		// split between the CR and the LF.
		cr = s.find("\r\n");
		put(argv[1], s, n % 10 == 0 && cr != std::string::npos ? cr + 1 : 0);
	}
	if (fclose(list) != 0) {
		perror(path);
		return 1;
	}
	return 0;
}
