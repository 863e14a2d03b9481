#include "io/Console.h"

#include <cstdarg>

void Console::format(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  vfprintf(stream, format, arguments);
  va_end(arguments);
}
