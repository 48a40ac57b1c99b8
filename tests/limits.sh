#!/usr/bin/env bash
# Inputs at and beyond the capacities the program was built with (taken from
# the environment; the defaults are the built-in ones): the largest that fit
# are reported, the rest refused with a message and status 1.
# usage: limits.sh command [arg ...]
. "$(dirname "$0")/testing.sh"

INPUT_SIZE=${INPUT_SIZE:-15000}
TABLE_ROWS=${TABLE_ROWS:-100}
SCRATCH_ROWS=${SCRATCH_ROWS:-100}
ROW_SIZE=${ROW_SIZE:-10}
block=$((INPUT_SIZE - 1))
long="input longer than $block characters"

testing "the longest block" "<a>$(rep x $((block - 3)))" "a found: 1\r\n"
testing "the longest block, then a tab" "<a>$(rep x $((block - 3)))\t<b>" "a found: 1\r\n"
testing "one character too many" "<a>$(rep x $((block - 2)))" "" 1 "$long"
testing "a CR LF pair counts as one" "<a>$(rep x $((block - 4)))\r\n" "a found: 1\r\n"
testing "characters after a NUL count" "<a>\0$(rep x $((block - 3)))" "" 1 "$long"
testing "far too long" "<a>$(rep x $((3 * INPUT_SIZE)))\t" "" 1 "$long"

name=$(rep n $((ROW_SIZE - 1)))
testing "the longest name" "<$name>" "$name found: 1\r\n"
testing "a name too long" "<${name}n>" "" 1 \
	"tag name longer than $((ROW_SIZE - 1)) characters"
testing "a name too long at the end of the text" "<${name}n" "" 1 \
	"tag name longer than $((ROW_SIZE - 1)) characters"

# Every < that starts a name uses a scratch row, an empty name's too; a <
# inside an ended name starts none.
testing "every row in use" "$(rep '<p></p>' $((SCRATCH_ROWS / 2)))$(rep '<p>' $((SCRATCH_ROWS % 2)))" \
	"p found: $(((SCRATCH_ROWS + 1) / 2))\r\n"
testing "one name too many" "$(rep '</p>' $SCRATCH_ROWS)<" "" 1 "more than $SCRATCH_ROWS tags"
testing "a < inside a name uses no row" "$(rep '<a<b>' $SCRATCH_ROWS)" \
	"a<b found: $SCRATCH_ROWS\r\n"

distinct=$(seq 0 $((TABLE_ROWS - 1)) | awk '{ printf "<%s>", $1 }')
want=$(seq 0 $((TABLE_ROWS - 1)) | awk '{ printf "%s found: 1\\r\\n", $1 }')
if [ "$TABLE_ROWS" -lt "$SCRATCH_ROWS" ]; then
	testing "every entry in use" "$distinct" "$want"
	testing "one distinct name too many" "$distinct<$TABLE_ROWS>" "" 1 \
		"more than $TABLE_ROWS distinct tag names"
fi

finish
