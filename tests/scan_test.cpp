// The scan's phrase forming, with no terms (every phrase matches), and the
// sums that join words. (Thirty-two words at most: the scan-maxwords-* cases.)
#include <unistd.h>

#include "DataTable.h"
#include "TestSupport.h"
#include "cyphers/CypherFile.h"
#include "cyphers/CypherSet.h"
#include "scan/PhrasePlan.h"
#include "scan/PhraseScan.h"
#include "scan/ScanTerms.h"

namespace {

struct Scanned {
  std::string out;
  ScanStatus status;
  uint64_t lines = 0;
};

Scanned scan(const std::string& bytes, size_t maxWords, const std::vector<SearchTerm>& terms = {}) {
  FILE* file = tmpfile();
  fwrite(bytes.data(), 1, bytes.size(), file);
  fflush(file);
  lseek(fileno(file), 0, SEEK_SET);
  PhrasePlan plan;
  std::string error;
  EXPECT_TRUE(planPhrases(terms, maxWords, plan, error)) << error;
  Scanned result;
  Console console(result.out, Palette(true));
  result.status = scanStream(fileno(file), plan, maxWords, console, result.lines);
  fclose(file);
  return result;
}

TEST(Scan, FormsEveryPhraseOfEveryLine) {
  for (const Row& c : dataRows("scan-phrases.tsv")) {
    SCOPED_TRACE(testing::PrintToString(c[0]));
    const Scanned scanned = scan(c[0], std::stoul(c[1]));
    EXPECT_EQ(scanned.out, c[2]);
    EXPECT_EQ(scanned.status, ScanStatus::done);
  }
}

TEST(Scan, JoinsCount) {
  OwnCypherDefinition blanks{"own.txt", "Blanks", {"blanks"}, {{U' ', 100}, {U'a', 1}}};
  CypherSet cyphers;
  cyphers.addOwn(Cypher::own(blanks));
  std::vector<SearchTerm> terms;
  std::string error;
  ASSERT_TRUE(parseScanTerms("102blanks", terms, error) &&
              recogniseScanTerms(terms, cyphers, error));
  EXPECT_EQ(scan("a\t\ta a\n", 6, terms).out, "1:1\ta a\n1:2\ta a\n");  // 1 + 100 + 1
}

}  // namespace
