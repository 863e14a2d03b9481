#include "spells/HtmlSet.h"

#include "io/Console.h"
#include "spells/Dictionary.h"
#include "spells/Match.h"

void writeHtmlSet(const Dictionary& dictionary, Console& console) {
  for (size_t entry = 0; entry < dictionary.size(); ++entry) {
    const std::string_view text = dictionary.text(entry);
    console.write("Dictionary Match for <");
    console.write(text);
    console.write(">\n");
    // A page that cannot be written is told on the console; the set goes on.
    dictionaryMatch(dictionary, text, ReportFormat::html, console);
  }
}
