// The text-mode layer, fed through a pipe one piece at a time, so that each
// read it makes sees exactly what the test has written so far.
#include <errno.h>
#include <signal.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "textio.h"

namespace {

// Make the read end of a fresh pipe standard input (or the write end
// standard output); return the other end.
int
redirect(int fd)
{
	int p[2];

	if (pipe(p) != 0)
		abort();
	dup2(p[fd], fd);
	close(p[fd]);
	return p[!fd];
}

void
put(int fd, const std::string &s)
{
	ASSERT_EQ(write(fd, s.data(), s.size()), (ssize_t)s.size());
}

std::string
take(int room = 64)
{
	char buf[64];
	int n = textread(buf, room);

	return n < 0 ? "error" : std::string(buf, n);
}

// The layer keeps what it has read for the whole process: one stream, start
// to end, in one test.
TEST(TextRead, OneStream)
{
	int in = redirect(0);

	put(in, "<a\r");
	EXPECT_EQ(take(), "<a") << "a CR at the end of a read waits for the next";
	put(in, "\nb\r");
	EXPECT_EQ(take(), "\nb") << "CR, then LF in the next read: one LF";
	put(in, "x");
	EXPECT_EQ(take(), "\rx") << "a CR before anything but LF stays";
	put(in, std::string("\r\r\n\0y\r\n", 7));
	EXPECT_EQ(take(), std::string("\r\n\0y\n", 5));
	put(in, "12345");
	EXPECT_EQ(take(2), "12") << "no more than the room asked for";
	EXPECT_EQ(take(), "345");
	put(in, "\rz");
	EXPECT_EQ(take(1), "\r") << "a CR, then not LF, with one byte of room";
	EXPECT_EQ(take(), "z");
	put(in, "\r\n");
	EXPECT_EQ(take(1), "\n") << "CR LF, one byte of room";
	put(in, "c\x1a" "d\r\n");
	EXPECT_EQ(take(), "c") << "Ctrl-Z ends the input";
	put(in, "more");
	EXPECT_EQ(take(), "");
	EXPECT_EQ(take(), "") << "and nothing after it is read";
	close(in);
}

std::string
written(const std::string &s)
{
	char buf[32768];
	std::string got;
	ssize_t n;
	int saved = dup(1), out = redirect(1);

	EXPECT_EQ(textwrite(s.data(), s.size()), (int)s.size());
	dup2(saved, 1);
	close(saved);
	while ((n = read(out, buf, sizeof buf)) > 0)
		got.append(buf, n);
	close(out);
	return got;
}

std::string
crlf(const std::string &s)
{
	std::string t;

	for (char c : s)
		t += c == '\n' ? std::string("\r\n") : std::string(1, c);
	return t;
}

TEST(TextWrite, EveryLineFeedBecomesCrLf)
{
	// Line feeds on both sides of where a buffer of a few KiB fills.
	for (int at : {0, 1, 4092, 4093, 4094, 4095, 4096, 8190, 9999}) {
		std::string s(10000, 'x');
		s[at] = '\n';
		s += "\n\n\r";
		EXPECT_EQ(written(s), crlf(s)) << "line feed at " << at;
	}
	EXPECT_EQ(written("a\rb found: 1\n"), "a\rb found: 1\r\n");
}

TEST(TextWrite, FailureIsReported)
{
	int saved = dup(1);
	int out = redirect(1);

	signal(SIGPIPE, SIG_IGN);
	close(out);
	EXPECT_EQ(textwrite("a\n", 2), -1);
	EXPECT_EQ(errno, EPIPE);
	dup2(saved, 1);
	close(saved);
}

}  // namespace
