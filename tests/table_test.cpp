// The tag table's lookup answers, built with rows of 4 characters, twice:
// with 3 rows, searched entry by entry, and with 200 rows, found through the
// hashed index.
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "table.h"

namespace {

// Names of up to 3 characters, n of them, all different: "0".."9", "00"...
std::string
nth(int n)
{
	std::string name;

	do
		name += (char)('0' + n % 10);
	while ((n /= 10) > 0);
	return name;
}

#if TABLE_ROWS > LINEAR_ROWS
// Names of letters, of up to 3: "a".."z", "aa"...
const int LETTERED = 26 + 26 * 26 + 26 * 26 * 26;

std::string
lettered(int n)
{
	std::string name;

	do
		name += (char)('a' + n % 26);
	while ((n = n / 26 - 1) >= 0);
	return name;
}

// Lettered names not in the table yet, by their home slot.
std::vector<std::string>
homed(int slot)
{
	std::vector<std::string> names;
	int len;

	for (int n = 0; n < LETTERED; n++)
		if (home(lettered(n).c_str(), &len) == slot && checking(lettered(n).c_str()) == -1)
			names.push_back(lettered(n));
	return names;
}

// Names that share a home slot: the search goes past taken slots, from the
// last slot on to the first, and never takes a prefix for the name.
void
collisions()
{
	std::vector<std::string> last = homed(SLOTS - 1), first = homed(0);
	std::string prefix, longer;
	int len, r = counter;

	ASSERT_GE(last.size(), 3u);
	ASSERT_GE(first.size(), 2u);
	for (const std::string &name : {last[0], last[1], first[0]}) {
		ASSERT_EQ(checking(name.c_str()), -1) << name;
		adding(name.c_str());
	}
	EXPECT_EQ(checking(last[0].c_str()), r);
	EXPECT_EQ(checking(last[1].c_str()), r + 1) << "in the first slot, past the last";
	EXPECT_EQ(checking(first[0].c_str()), r + 2) << "in the second slot";
	EXPECT_EQ(checking(last[2].c_str()), -1) << "searched from the last slot to the third";
	EXPECT_EQ(checking(first[1].c_str()), -1) << "searched from the first slot to the third";

	// A name and a prefix of it with one home, the longer one in first.
	for (int n = 0; n < LETTERED && prefix.empty(); n++) {
		longer = lettered(n);
		for (size_t cut = 1; cut < longer.size() && prefix.empty(); cut++)
			if (home(longer.substr(0, cut).c_str(), &len) == home(longer.c_str(), &len) &&
			    checking(longer.c_str()) == -1 && checking(longer.substr(0, cut).c_str()) == -1)
				prefix = longer.substr(0, cut);
	}
	ASSERT_FALSE(prefix.empty()) << "no name and prefix of it share a home";
	ASSERT_EQ(home(prefix.c_str(), &len), home(longer.c_str(), &len));
	adding(longer.c_str());
	EXPECT_EQ(checking(prefix.c_str()), -1) << prefix << " is a prefix of " << longer;
	adding(prefix.c_str());
	EXPECT_EQ(checking(longer.c_str()), r + 3);
	EXPECT_EQ(checking(prefix.c_str()), r + 4);
}
#endif

// The table is program-wide and only grows: one history, in one test.
TEST(Table, Answers)
{
	char why[64];

	EXPECT_EQ(checking(""), -5) << "an empty name, before the table is looked at";
	EXPECT_EQ(checking("a"), -1) << "an empty table";
	adding("abc");
	EXPECT_EQ(checking("abc"), 0);
	EXPECT_EQ(checking(""), -5);
	EXPECT_EQ(checking("ab"), -1) << "a prefix is another name";
	EXPECT_EQ(checking("ABC"), -1) << "case matters";
	EXPECT_EQ(checking("abcd"), -1) << "too long for a row, so not in the table";
	adding("ab");
	incrementing(1);
	EXPECT_EQ(checking("ab"), 1);
	EXPECT_EQ(counter, 2);
	EXPECT_EQ(variable, 2);

	// A name longer than a row never reaches the next one.
	adding("wxyz!");
	EXPECT_STREQ(tags[2], "wxy");
	EXPECT_EQ(checking("wxy"), 2);
	EXPECT_EQ(counter, 3);

#if TABLE_ROWS > LINEAR_ROWS
	collisions();
#endif

	// Every row in use: each name is found at its entry, in first-seen
	// order, and names that are not there are not found.
	for (int r = counter; r < TABLE_ROWS; r++) {
		ASSERT_EQ(checking(nth(r).c_str()), -1) << nth(r);
		adding(nth(r).c_str());
	}
	EXPECT_EQ(counter, TABLE_ROWS);
	for (int r = 0; r < TABLE_ROWS; r++)
		ASSERT_EQ(checking(tags[r]), r) << tags[r];
	EXPECT_EQ(checking("abc"), 0);
	EXPECT_EQ(checking("ab"), 1);
	for (int n = TABLE_ROWS; n < 1000; n++)
		ASSERT_EQ(checking(nth(n).c_str()), -1) << nth(n);
	for (const char *absent : {"A", "B", "abD", "xY", "wxyz", "0a", "99a"})
		EXPECT_EQ(checking(absent), -1) << absent;

	snprintf(why, sizeof why, "^tag_counter: more than %d distinct tag names\n$", TABLE_ROWS);
	EXPECT_EXIT(adding("d"), testing::ExitedWithCode(1), why);
}

}  // namespace
