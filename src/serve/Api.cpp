#include "serve/Api.h"

#include <nlohmann/json.hpp>

#include "cyphers/CypherSet.h"
#include "serve/JsonWriter.h"
#include "serve/ServeState.h"
#include "wordlist/Dictionary.h"

namespace {

const char* colourName(Colour colour) {
  static const char* const kNames[] = {"none", "red",     "green", "yellow",
                                       "blue", "magenta", "cyan",  "none"};
  return kNames[static_cast<size_t>(colour)];
}

void writeSpell(JsonWriter& json, const ListedSpell& spell) {
  json.object().key("spell").value(spell.text);
  json.key("class").value(displayForm(spell.look.displayClass).name);
  json.key("markers").array();
  for (size_t marker = 0; marker < kMarkers; ++marker) {
    if (spell.look.shows(static_cast<Marker>(marker))) {
      json.value(markerForm(static_cast<Marker>(marker)).name);
    }
  }
  json.end().key("query").value(spell.look.query);
  json.key("emphasised").value(spell.emphasised).end();
}

}  // namespace

std::string cyphersJson(const ServeState& state) {
  std::string out;
  JsonWriter json(out);
  json.object().key("cyphers").array();
  for (const Cypher& cypher : state.cyphers().all()) {
    json.object().key("id").value(cypher.defaultTag).key("name").value(cypher.name);
    json.key("tags").array();
    for (const std::string& tag : cypher.tags) json.value(tag);
    json.end().key("built_in").value(state.cyphers().isBuiltIn(cypher)).end();
  }
  json.end().end();
  out += '\n';
  return out;
}

std::string totalsJson(const ServeState& state, std::string_view spell) {
  std::string out;
  out.reserve(256 + 192 * state.cyphers().all().size());  // a cypher's row: about 130 bytes
  JsonWriter json(out);
  json.object().key("spell").value(spell).key("totals").array();
  for (const CypherTotal& row : totalsIn(state, spell)) {
    json.object().key("id").value(row.cypher->defaultTag).key("name").value(row.cypher->name);
    json.key("colour").value(colourName(row.cypher->colour));
    json.key("total").value(int64_t{static_cast<uint32_t>(row.total)});
    json.key("root").value(int64_t{row.root}).key("breakdown").value(row.breakdown);
    json.key("counts").value(row.counts).key("search_tag");
    if (row.searchTag.empty()) {
      json.null();
    } else {
      json.value(row.searchTag);
    }
    json.end();
  }
  json.end().end();
  out += '\n';
  return out;
}

std::string matchJson(std::string_view spell, Against against, const MatchAnswer& answer) {
  std::string out;
  JsonWriter json(out);
  json.object().key("spell").value(spell).key("against").value(nameOf(against));
  json.key("groups").array();
  for (const ShownGroup& group : answer.groups) {
    if (group.score == 0) continue;
    json.object().key("score").value(int64_t{group.score}).key("spells").array();
    for (const ListedSpell& listed : group.spells) writeSpell(json, listed);
    json.end().end();
  }
  json.end().key("primes").array();
  for (const ShownGroup& group : answer.groups) {
    if (group.score != 0) continue;
    for (const ListedSpell& listed : group.spells) writeSpell(json, listed);
  }
  json.end().end();
  out += '\n';
  return out;
}

std::string findJson(const ServeState& state, std::string_view terms, const FindAnswer& answer) {
  std::string out;
  JsonWriter json(out);
  json.object().key("q").value(terms).key("terms").array();
  for (const SearchTerm& term : answer.terms) {
    json.object().key("tag").value(term.cypherTag);
    json.key("value").value(int64_t{static_cast<uint32_t>(term.value)}).end();
  }
  json.end().key("entries").array();
  const std::vector<Cypher>& cyphers = state.cyphers().all();
  for (const uint32_t entry : answer.entries) {
    const std::string_view text = state.words().text(entry);
    json.object().key("spell").value(text).key("totals").object();
    for (size_t c = 0; c < cyphers.size(); ++c) {
      const int32_t total = c < kSpellCyphers ? state.words().total(entry, static_cast<Method>(c))
                                              : totalOf(cyphers[c], text);
      json.key(cyphers[c].defaultTag).value(int64_t{static_cast<uint32_t>(total)});
    }
    json.end().end();
  }
  json.end().end();
  out += '\n';
  return out;
}

std::string archivedJson(std::string_view spell, Archived archived) {
  std::string out;
  JsonWriter(out)
      .object()
      .key("spell")
      .value(spell)
      .key("new")
      .value(archived == Archived::added)
      .end();
  out += '\n';
  return out;
}

std::string errorJson(std::string_view message) {
  std::string out;
  JsonWriter(out).object().key("error").value(message).end();
  out += '\n';
  return out;
}

bool spellOfBody(std::string_view body, std::string& spell, std::string& error) {
  const nlohmann::json json = nlohmann::json::parse(body.begin(), body.end(), nullptr, false);
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
