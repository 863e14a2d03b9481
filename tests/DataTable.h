#pragma once
// Tables of expectations kept as data beside the tests, in tests/data/: one
// row a line, tab-separated, after a header line. In a field (and in a case
// folder's args) "\n", "\r", "\t", "\\" and "\xHH" stand for the bytes they
// name, so that any bytes can be written.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

inline std::string unescape(const std::string& text) {
  std::string bytes;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      bytes += text[i];
      continue;
    }
    const char code = text[++i];
    if (code == 'x' && i + 2 < text.size()) {
      bytes += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      bytes += code == 'n' ? '\n' : code == 'r' ? '\r' : code == 't' ? '\t' : code;
    }
  }
  return bytes;
}

// The pieces of text between each by; none in empty text.
inline std::vector<std::string> split(const std::string& text, char by) {
  std::vector<std::string> pieces;
  for (size_t start = 0, end = 0; !text.empty() && end != std::string::npos; start = end + 1) {
    end = text.find(by, start);
    pieces.push_back(text.substr(start, end - start));
  }
  return pieces;
}

using Row = std::vector<std::string>;

// The rows of tests/data/name, each with its fields unescaped; a row without
// as many fields as the header is a failure.
inline std::vector<Row> dataRows(const std::string& name) {
  std::ifstream in(std::string(VERIGLYPH_TESTS_DIR) + "/data/" + name, std::ios::binary);
  std::vector<Row> rows;
  size_t fields = 0, number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    Row row = split(line, '\t');
    for (std::string& field : row) field = unescape(field);
    if (fields == 0) {
      fields = row.size();  // the header
      continue;
    }
    if (row.size() == fields)
      rows.push_back(row);
    else
      ADD_FAILURE() << name << " line " << number << " has " << row.size() << " fields";
  }
  EXPECT_FALSE(rows.empty()) << "no rows in " << name;
  return rows;
}
