#include "serve/Assets.h"

namespace {

constexpr std::string_view kStyle = R"(:root {
  color-scheme: light dark;
  --text: #1d1d1f; --back: #fdfdfb; --soft: #6b6b70; --line: #d9d9de;
  --red: #b3261e; --green: #18794e; --yellow: #8a6100; --blue: #1f5fbf;
  --magenta: #9c2a8c; --cyan: #0e7490;
}
@media (prefers-color-scheme: dark) {
  :root {
    --text: #e8e8ea; --back: #17171a; --soft: #a0a0a8; --line: #3a3a40;
    --red: #ff8a80; --green: #6fdc9c; --yellow: #f5c451; --blue: #8ab4ff;
    --magenta: #f08ae0; --cyan: #67d5ee;
  }
}
* { box-sizing: border-box; }
body {
  margin: 0 auto; max-width: 60rem; padding: 0 1rem 2rem;
  font: 1rem/1.5 system-ui, sans-serif; color: var(--text); background: var(--back);
}
header nav { display: flex; gap: 1rem; padding: .75rem 0; border-bottom: 1px solid var(--line); }
a { color: var(--blue); }
h1 { font-size: 1.5rem; margin: 1rem 0 .5rem; }
h2 { font-size: 1.1rem; margin: 1.25rem 0 .25rem; }
form { display: flex; flex-wrap: wrap; gap: .5rem; align-items: center; margin: .5rem 0; }
input[type=text] { flex: 1 1 16rem; font: inherit; padding: .4rem .5rem; min-width: 0; }
button, select { font: inherit; padding: .4rem .75rem; }
output { color: var(--soft); }
table { border-collapse: collapse; width: 100%; margin-top: .5rem; }
th, td { text-align: left; padding: .3rem .5rem; border-bottom: 1px solid var(--line); vertical-align: top; }
td.total, td.root { text-align: right; font-variant-numeric: tabular-nums; font-weight: 600; }
td.breakdown { color: var(--soft); word-break: break-all; font-size: .9rem; }
tr.inapplicable td.total { font-weight: normal; color: var(--soft); }
.c-red td.total, .d-satanic, .m-satanic, .m-s-exception, .m-alw, .m-kfw, .m-alw-kfw { color: var(--red); }
.c-green td.total, .d-reverse, .m-crossed, .m-reverse, .m-septenary { color: var(--green); }
.c-yellow td.total, .d-stronger, .m-plural, .m-double-plus, .m-plus { color: var(--yellow); }
.c-blue td.total, .d-reduced, .m-reduced, .m-reduced-symmetric { color: var(--blue); }
.c-magenta td.total, .d-strong, .d-reduced-strong { color: var(--magenta); }
.c-cyan td.total, .d-prime, .d-prime-strong, .d-prime-stronger, .m-kv, .m-symmetric { color: var(--cyan); }
td.total a { color: inherit; }
ul.spells { list-style: none; padding: 0; margin: 0; columns: 14rem; }
ul.spells li { break-inside: avoid; }
ul.spells li a { color: inherit; }
abbr { text-decoration: none; cursor: help; }
.count, .hint, footer { color: var(--soft); }
.error { color: var(--red); }
.legend { margin-top: 2rem; }
.legend dl { display: grid; grid-template-columns: max-content 1fr; gap: .2rem 1rem; }
.legend dd { margin: 0; }
footer { margin-top: 2rem; font-size: .85rem; }
@media (max-width: 40rem) { td.breakdown { display: none; } th:last-child { display: none; } }
)";

// The calculator's live totals and its save button. Without it every page
// still works through its plain GET forms.
constexpr std::string_view kScript = R"("use strict";
(function () {
  const form = document.getElementById("calculator");
  if (!form) return;
  const field = document.getElementById("spell");
  const body = document.querySelector("#totals tbody");
  const links = document.getElementById("links");
  const matchLink = document.getElementById("match-link");
  const setLink = document.getElementById("set-link");
  const save = document.getElementById("save");
  const status = document.getElementById("status");
  let asked = 0, timer = 0;

  function cell(row, className, text) {
    const td = row.insertCell();
    td.className = className;
    td.textContent = text;
    return td;
  }

  function setPath(spell) {
    if (spell === "" || spell.includes("/")) return "";
    const first = new TextEncoder().encode(spell)[0];
    const folder = first < 0x80 ? encodeURIComponent(spell[0])
                                : "%" + first.toString(16).toUpperCase();
    return "/set/" + folder + "/match_" + encodeURIComponent(spell) + ".htm";
  }

  function show(spell, answer) {
    body.replaceChildren();
    for (const total of answer.totals) {
      const row = body.insertRow();
      row.dataset.id = total.id;
      row.className = "c-" + total.colour + (total.counts ? "" : " inapplicable");
      cell(row, "name", total.name);
      cell(row, "tag", total.id);
      const td = cell(row, "total", "");
      const value = String(total.total);
      if (total.search_tag) {
        const a = document.createElement("a");
        a.href = "/find?q=" + encodeURIComponent(value + total.search_tag);
        a.textContent = value;
        td.append(a);
      } else {
        td.textContent = value;
      }
      cell(row, "root", String(total.root));
      cell(row, "breakdown", total.breakdown);
    }
    links.hidden = spell === "";
    matchLink.href = "/match?spell=" + encodeURIComponent(spell);
    const path = setPath(spell);
    setLink.hidden = path === "";
    setLink.href = path || "/";
  }

  async function update() {
    const spell = field.value;
    const mine = ++asked;
    history.replaceState(null, "", spell === "" ? "/" : "/?spell=" + encodeURIComponent(spell));
    if (spell === "") {
      body.replaceChildren();
      links.hidden = true;
      return;
    }
    try {
      const response = await fetch("/api/totals?spell=" + encodeURIComponent(spell));
      const answer = await response.json();
      if (mine !== asked) return;
      if (!response.ok) {
        status.textContent = answer.error;
        return;
      }
      status.textContent = "";
      show(spell, answer);
    } catch (error) {
      if (mine === asked) status.textContent = "The server could not be reached.";
    }
  }

  field.addEventListener("input", function () {
    clearTimeout(timer);
    timer = setTimeout(update, 120);
  });
  form.addEventListener("submit", function (event) {
    event.preventDefault();
    clearTimeout(timer);
    update();
  });
  save.hidden = false;
  save.addEventListener("click", async function () {
    const spell = field.value;
    if (spell === "") return;
    try {
      const response = await fetch("/api/spellbook", {
        method: "POST",
        headers: {"Content-Type": "application/json"},
        body: JSON.stringify({spell: spell}),
      });
      const answer = await response.json();
      status.textContent = !response.ok ? answer.error
          : answer.new ? "Saved to the spellbook." : "Already in the spellbook.";
    } catch (error) {
      status.textContent = "The server could not be reached.";
    }
  });
})();
)";

constexpr std::string_view kIcon =
    R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 16 16">)"
    R"(<rect width="16" height="16" rx="3" fill="#1f5fbf"/>)"
    R"(<text x="8" y="12" font-size="11" text-anchor="middle" fill="#fff">v</text></svg>)";

const Asset kAssets[] = {
    {"/style.css", "text/css; charset=utf-8", kStyle},
    {"/script.js", "text/javascript; charset=utf-8", kScript},
    {"/favicon.ico", "image/svg+xml", kIcon},
};

}  // namespace

const Asset* assetAt(std::string_view path) {
  for (const Asset& asset : kAssets) {
    if (asset.path == path) return &asset;
  }
  return nullptr;
}
