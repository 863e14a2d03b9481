#include "match/ReportWriter.h"

#include <cerrno>

#include <utility>

#include "Layout.h"
#include "io/Console.h"

ReportPlace matchReportPlace(std::string_view phrase, ReportFormat format) {
  ReportPlace place;
  if (format == ReportFormat::html) {
    place.folder.append(kPagesFolder).append("/").append(phrase.substr(0, 1));
    place.name.append("match_").append(phrase).append(".htm");
  } else {
    place.folder = kResultsFolder;
    place.name.append("match_").append(phrase).append(".txt");
  }
  return place;
}

ResultFile openMatchReport(const ReportPlace& place, Console& console) {
  ResultFile file(place.folder, place.name, ResultFile::Mode::createNew);
  return file.isOpen() ? std::move(file) : reportDetour(file, console);
}

ResultFile reportDetour(const ResultFile& refused, Console& console) {
  ResultFile file;
  const std::string* path = &refused.path();
  if (refused.openError() == EEXIST) {
    console.line(
        "Output file already exists. Writing to temp file until the older match-result is "
        "deleted.");
    file = ResultFile(kTempReportPath, ResultFile::Mode::overwrite);
    if (file.isOpen()) return file;
    path = &file.path();
  }
  console.format("WARNING: failed to open output file (%s). Writing to temp file.\n",
                 path->c_str());
  file = ResultFile(kTempFallbackPath, ResultFile::Mode::privateFile);
  if (!file.isOpen()) {
    console.format("ERROR: failed to open temporary output file (%s).\n", kTempFallbackPath);
  }
  return file;
}

bool showMatchEnd(std::string_view shown, const ResultFile& report, bool written,
                  Console& console) {
  console.line("Looping through dictionary...\n-----------------------------");
  console.write(shown);
  if (!written) {
    console.format("ERROR: failed to write output file (%s)\n", report.path().c_str());
    return false;
  }
  console.line("-----------------------------\nDone.");
  return true;
}
