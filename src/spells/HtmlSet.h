#pragma once

class Console;
class Dictionary;

// Writes the HTML match page of every entry of the dictionary, each linking
// to the pages of the spells it lists, so that the pages form one set. False
// when some page could be written nowhere.
bool writeHtmlSet(const Dictionary& dictionary, Console& console);
