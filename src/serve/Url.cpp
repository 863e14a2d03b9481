#include "serve/Url.h"

#include "cyphers/Utf8.h"

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool unreserved(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

}  // namespace

bool percentDecode(std::string_view text, std::string& out, bool plusIsBlank) {
  out.clear();
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '%') {
      const int high = i + 1 < text.size() ? hexValue(text[i + 1]) : -1;
      const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
      if (high < 0 || low < 0) return false;
      out += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      out += plusIsBlank && c == '+' ? ' ' : c;
    }
  }
  return true;
}

bool Query::parse(std::string_view query) {
  fields.clear();
  while (!query.empty()) {
    const size_t end = query.find('&');
    const std::string_view field = query.substr(0, end);
    query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
    if (field.empty()) continue;
    const size_t equals = field.find('=');
    std::pair<std::string, std::string> decoded;
    if (!percentDecode(field.substr(0, equals), decoded.first, true)) return false;
    if (equals != std::string_view::npos &&
        !percentDecode(field.substr(equals + 1), decoded.second, true)) {
      return false;
    }
    fields.push_back(std::move(decoded));
  }
  return true;
}

const std::string* Query::find(std::string_view name) const {
  for (const auto& [key, value] : fields) {
    if (key == name) return &value;
  }
  return nullptr;
}

void appendUrlEncoded(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (unreserved(byte)) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
}

bool isUtf8(std::string_view text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (size_t i = 0; i < text.size();) {
    if (bytes[i] < 0x80) {
      ++i;
      continue;
    }
    char32_t character;
    bool valid;
    i += decodeUtf8(bytes + i, text.size() - i, character, valid);
    if (!valid) return false;
  }
  return true;
}

bool spellOfSetPage(std::string_view path, std::string& spell) {
  const size_t slash = path.find('/');
  if (slash == std::string_view::npos) return false;
  const std::string_view folder = path.substr(0, slash);
  std::string_view name = path.substr(slash + 1);
  constexpr std::string_view kOpen = "match_", kClose = ".htm";
  if (name.size() <= kOpen.size() + kClose.size() || name.substr(0, kOpen.size()) != kOpen ||
      name.substr(name.size() - kClose.size()) != kClose) {
    return false;
  }
  name = name.substr(kOpen.size(), name.size() - kOpen.size() - kClose.size());
  // A spell holding "/" has no page: the set cannot write one.
  if (name.find('/') != std::string_view::npos) return false;
  const bool asciiFirst = static_cast<unsigned char>(name[0]) < 0x80;
  if (asciiFirst ? folder != name.substr(0, 1) : folder.empty()) return false;
  spell.assign(name);
  return true;
}
