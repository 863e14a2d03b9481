#include "io/Console.h"

#include <cstdarg>

void Console::format(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  if (text == nullptr) {
    vfprintf(stream, format, arguments);
  } else {
    va_list again;
    va_copy(again, arguments);
    char small[256];
    const int length = vsnprintf(small, sizeof small, format, arguments);
    if (length >= static_cast<int>(sizeof small)) {
      const size_t at = text->size();
      text->resize(at + static_cast<size_t>(length) + 1);
      vsnprintf(&(*text)[at], static_cast<size_t>(length) + 1, format, again);
      text->resize(at + static_cast<size_t>(length));
    } else if (length > 0) {
      text->append(small, static_cast<size_t>(length));
    }
    va_end(again);
  }
  va_end(arguments);
}
