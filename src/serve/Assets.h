#pragma once

#include <string_view>

// The files the pages use, held in the program: no other file is served.
struct Asset {
  std::string_view path;  // as requested, from "/"
  std::string_view contentType;
  std::string_view body;
};
// The asset at that path, or null.
const Asset* assetAt(std::string_view path);
