#pragma once

#include <cstddef>
#include <cstdio>

class CypherSet;

enum class TableFormat {
  tsv,  // fields separated by a TAB (a TAB in a spell becomes a blank), rows end in LF
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
// rules) to out: a header of "spell" and every cypher's default tag, then the
// spell and its total in each cypher. Memory stays the same whatever the
// input's size, even a line that never ends.
ExportEnd exportTable(int input, TableFormat format, const CypherSet& cyphers, FILE* out);
