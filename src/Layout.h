#pragma once

// Where veriglyph reads and writes, relative to the folder it runs in.
inline constexpr char kWordListPath[] =
    "spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt";
inline constexpr char kUserSpellbookPath[] = "spellbook/user_entries.txt";
inline constexpr char kResultsFolder[] = "spellbook/Results";
// HTML pages go one folder further down, named by the spell's first character.
inline constexpr char kPagesFolder[] = "spellbook/ResultsHTML";
// Where a match report goes when its own file is already there.
inline constexpr char kTempReportPath[] = "spellbook/Results/temp_match.txt";
// Where a match report goes when it cannot be written below spellbook/.
inline constexpr char kTempFallbackPath[] = "/tmp/veriglyph_temp_match.txt";
inline constexpr char kDetailsFolder[] = "input/123";
// The user's own cyphers, one .txt file each.
inline constexpr char kCyphersFolder[] = "spellbook/Cyphers";
