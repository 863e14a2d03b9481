#pragma once

#include <string>
#include <string_view>

#include "cyphers/Cypher.h"

class Palette;

// The report of one spell in thirteen cyphers, with the Base 4 total of the
// four basic English cyphers and the total of all shown: one cypher a line in
// the long form, run together in the short form.
void appendReport(std::string& out, std::string_view spell, LineForm form, const Palette& palette);
