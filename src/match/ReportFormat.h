#pragma once

#include <string_view>

enum class ReportFormat { text, html };

// How a match report is written in each format: the pieces around its head,
// its groups and their list items.
struct ReportForm {
  // The head, where each "@" stands for the phrase (escaped for a page).
  std::string_view head;
  bool escapesPhrase;
  std::string_view tail;
  std::string_view groupOpen, headingOpen, headingClose, listOpen, listClose;
  // A list item; emphasised when the spell and the phrase differ in having
  // capitals. A page's item links to the listed spell's page.
  std::string_view itemOpen, emphasisedItemOpen, itemClose, emphasisedItemClose;
  bool links;
};

inline const ReportForm& reportForm(ReportFormat format) {
  static constexpr ReportForm kForms[] = {
      {"The search phrase: '@'\n", false, "",  //
       "\n\n", "**", "**", "\n\n", "",         //
       "* ", "* *", "\n", "*\n", false},
      {"<html><head><title>@ (matching spells)</title></head><body>\n<h1>Spells matching: "
       "@</h1>\n<p>The search phrase: '<b>@</b>'</p>\n",
       true, "</body></html>\n",                            //
       "<br>", "<h2>", "</h2>", "<br>\n<ul>\n", "</ul>\n",  //
       "<li><a href=\"", "<li><i><a href=\"", "</a></li>\n", "</a></i></li>\n", true},
  };
  return kForms[format == ReportFormat::html];
}
