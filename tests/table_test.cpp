// The tag table's lookup answers, built here with 3 rows of 4 characters.
#include <string.h>

#include <gtest/gtest.h>

#include "table.h"

namespace {

// The table is program-wide and only grows: one history, in one test.
TEST(Table, Answers)
{
	EXPECT_EQ(checking(""), -5) << "an empty name, before the table is looked at";
	EXPECT_EQ(checking("a"), -1) << "an empty table";
	adding("abc");
	EXPECT_EQ(checking("abc"), 0);
	EXPECT_EQ(checking(""), -5);
	EXPECT_EQ(checking("ab"), -1) << "a prefix is another name";
	EXPECT_EQ(checking("ABC"), -1) << "case matters";
	adding("ab");
	incrementing(1);
	EXPECT_EQ(checking("ab"), 1);
	EXPECT_EQ(counter, 2);
	EXPECT_EQ(variable, 2);

	// A name longer than a row never reaches the next one.
	adding("wxyz!");
	EXPECT_STREQ(tags[2], "wxy");
	EXPECT_EQ(counter, 3);

	EXPECT_EXIT(adding("d"), testing::ExitedWithCode(1),
	    "^tag_counter: more than 3 distinct tag names\n$");
}

}  // namespace
