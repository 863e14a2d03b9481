#pragma once

#include <cstddef>
#include <cstdio>
#include <vector>

class CypherSet;

enum class TableFormat {
  tsv,  // fields separated by a TAB (a TAB or CR in a spell becomes a blank), rows end in LF
  csv,  // RFC 4180: fields separated by commas, quoted where needed, rows end in CR LF
};

// How an export ended.
struct ExportEnd {
  enum class Kind {
    done,
    unreadable,   // the input could not be read
    lineTooLong,  // a line of more than kMaxLineBytes
    unwritable,   // out could not be written
  };
  Kind kind = Kind::done;
  size_t line = 0;  // the line too long, from 1
};

// Streams one row of totals per line of the input (read with the word list's
// rules, a byte-order mark at its start dropped) to out: a header of "spell"
// and each column's default tag, then the spell and its total in each column.
// A column is a cypher, by its place in cyphers.all(). Memory stays the same
// whatever the input's size, even a line that never ends.
ExportEnd exportTable(int input, TableFormat format, const CypherSet& cyphers,
                      const std::vector<size_t>& columns, FILE* out);
