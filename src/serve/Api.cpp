#include "serve/Api.h"

#include <nlohmann/json.hpp>

#include "cyphers/CypherSet.h"
#include "serve/ServeState.h"
#include "wordlist/Dictionary.h"

using Json = nlohmann::ordered_json;

namespace {

std::string dump(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

const char* colourName(Colour colour) {
  static const char* const kNames[] = {"none", "red",     "green", "yellow",
                                       "blue", "magenta", "cyan",  "none"};
  return kNames[static_cast<size_t>(colour)];
}

Json spellJson(const ListedSpell& spell) {
  Json markers = Json::array();
  for (size_t marker = 0; marker < kMarkers; ++marker) {
    if (spell.look.shows(static_cast<Marker>(marker))) {
      markers.push_back(markerForm(static_cast<Marker>(marker)).name);
    }
  }
  return {{"spell", spell.text},
          {"class", displayForm(spell.look.displayClass).name},
          {"markers", std::move(markers)},
          {"query", spell.look.query},
          {"emphasised", spell.emphasised}};
}

}  // namespace

std::string cyphersJson(const ServeState& state) {
  Json cyphers = Json::array();
  for (const Cypher& cypher : state.cyphers().all()) {
    cyphers.push_back({{"id", cypher.defaultTag},
                       {"name", cypher.name},
                       {"tags", cypher.tags},
                       {"built_in", state.cyphers().isBuiltIn(cypher)}});
  }
  return dump({{"cyphers", std::move(cyphers)}});
}

std::string totalsJson(const ServeState& state, std::string_view spell) {
  Json totals = Json::array();
  for (const CypherTotal& row : totalsIn(state.cyphers(), spell)) {
    totals.push_back({{"id", row.cypher->defaultTag},
                      {"name", row.cypher->name},
                      {"colour", colourName(row.cypher->colour)},
                      {"total", static_cast<uint32_t>(row.total)},
                      {"root", row.root},
                      {"breakdown", row.breakdown},
                      {"counts", row.counts},
                      {"search_tag", row.searchTag.empty() ? Json() : Json(row.searchTag)}});
  }
  return dump({{"spell", spell}, {"totals", std::move(totals)}});
}

std::string matchJson(std::string_view spell, Against against, const MatchAnswer& answer) {
  Json groups = Json::array(), primes = Json::array();
  for (const ShownGroup& group : answer.groups) {
    Json spells = Json::array();
    for (const ListedSpell& listed : group.spells) spells.push_back(spellJson(listed));
    if (group.score == 0) {
      primes = std::move(spells);
    } else {
      groups.push_back({{"score", group.score}, {"spells", std::move(spells)}});
    }
  }
  return dump({{"spell", spell},
               {"against", nameOf(against)},
               {"groups", std::move(groups)},
               {"primes", std::move(primes)}});
}

std::string findJson(const ServeState& state, std::string_view terms, const FindAnswer& answer) {
  Json termList = Json::array();
  for (const SearchTerm& term : answer.terms) {
    termList.push_back({{"tag", term.cypherTag}, {"value", static_cast<uint32_t>(term.value)}});
  }
  Json entries = Json::array();
  const std::vector<Cypher>& cyphers = state.cyphers().all();
  for (const uint32_t entry : answer.entries) {
    const std::string_view text = state.words().text(entry);
    Json totals = Json::object();
    for (size_t c = 0; c < cyphers.size(); ++c) {
      const int32_t total = c < kSpellCyphers ? state.words().total(entry, static_cast<Method>(c))
                                              : totalOf(cyphers[c], text);
      totals[cyphers[c].defaultTag] = static_cast<uint32_t>(total);
    }
    entries.push_back({{"spell", text}, {"totals", std::move(totals)}});
  }
  return dump({{"q", terms}, {"terms", std::move(termList)}, {"entries", std::move(entries)}});
}

std::string archivedJson(std::string_view spell, Archived archived) {
  return dump({{"spell", spell}, {"new", archived == Archived::added}});
}

std::string errorJson(std::string_view message) { return dump({{"error", message}}); }

bool spellOfBody(std::string_view body, std::string& spell, std::string& error) {
  const Json json = Json::parse(body.begin(), body.end(), nullptr, false);
  if (json.is_discarded()) {
    error = "the body is no JSON (expected {\"spell\": \"...\"})";
    return false;
  }
  const auto found = json.is_object() ? json.find("spell") : json.end();
  if (found == json.end() || !found->is_string()) {
    error = "the body has no string \"spell\" (expected {\"spell\": \"...\"})";
    return false;
  }
  spell = found->get<std::string>();
  return true;
}
