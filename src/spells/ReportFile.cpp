#include "spells/ReportFile.h"

#include <fcntl.h>
#include <unistd.h>

#include "Layout.h"
#include "io/Console.h"

std::string matchReportPath(std::string_view phrase, ReportFormat format) {
  std::string path;
  if (format == ReportFormat::html) {
    path.append(kPagesFolder).append("/").append(phrase.substr(0, 1)).append("/match_");
    path.append(phrase).append(".htm");
  } else {
    path.append(kResultsFolder).append("/match_").append(phrase).append(".txt");
  }
  return path;
}

namespace {

bool exists(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  close(fd);
  return true;
}

}  // namespace

ResultFile openMatchReport(const std::string& path, Console& console) {
  std::string target = path;
  if (exists(target)) {
    console.line(
        "Output file already exists. Writing to temp file until the older match-result is "
        "deleted.");
    target = kTempReportPath;
  }
  ResultFile file(target, ResultFile::Mode::overwrite);
  if (file.isOpen()) return file;
  console.format("WARNING: failed to open output file (%s). Writing to temp file.\n",
                 target.c_str());
  file = ResultFile(kTempFallbackPath, ResultFile::Mode::privateFile);
  if (!file.isOpen()) {
    console.format("ERROR: failed to open temporary output file (%s).\n", kTempFallbackPath);
  }
  return file;
}
