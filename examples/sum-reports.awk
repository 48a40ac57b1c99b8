# Sum tag_counter reports, given one after another, into one report: each
# name once, with its total, in the order the names were first met. A name
# may hold a lone CR, or end in one, but never a space, so " found: " splits
# a line in two; the CR that ends the line stays with the count, which awk
# reads as a number all the same. Run it with LC_ALL=C, so that every byte
# is a character.
BEGIN { FS = " found: " }
{
	if (!($1 in total))
		order[n++] = $1
	total[$1] += $2
}
END {
	for (i = 0; i < n; i++)
		printf "%s found: %d\r\n", order[i], total[order[i]]
}
