#include "spells/HtmlSet.h"

#include "io/Console.h"
#include "spells/Dictionary.h"
#include "spells/Match.h"

bool writeHtmlSet(const Dictionary& dictionary, Console& console) {
  bool everyPage = true;
  for (size_t entry = 0; entry < dictionary.size(); ++entry) {
    const std::string_view text = dictionary.text(entry);
    console.write("Dictionary Match for <");
    console.write(text);
    console.write(">\n");
    everyPage = dictionaryMatch(dictionary, text, ReportFormat::html, console) && everyPage;
  }
  return everyPage;
}
