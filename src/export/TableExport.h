#pragma once

#include <cstddef>
#include <cstdio>
#include <vector>

class CypherSet;

enum class TableFormat {
  tsv,  // fields separated by a TAB (a TAB or CR in a spell becomes a blank), rows end in LF
  csv,  // RFC 4180: fields separated by commas, quoted where needed, rows end in CR LF
};

// Streams one row of totals per line of the input (read with the word list's
// rules, a byte-order mark at its start dropped) to out: a header of "spell" and each column's
// default tag, then the spell and its total in each column. A column is a cypher, by its place in
// cyphers.all(). Memory stays the same whatever the input's size. False when
// the input cannot be read or out cannot be written.
bool exportTable(int input, TableFormat format, const CypherSet& cyphers,
                 const std::vector<size_t>& columns, FILE* out);
