#include "match/ReportWriter.h"

#include <cerrno>

#include "io/Console.h"

ReportPlace reportPlace(const ReportPlaces& places, std::string_view phrase, ReportFormat format) {
  ReportPlace place;
  if (format == ReportFormat::html) {
    place.folder.append(places.pages).append("/").append(phrase.substr(0, 1));
    place.name.append("match_").append(phrase).append(".htm");
    place.folderLink = ResultFile::FolderLink::refused;
  } else {
    place.folder = places.results;
    place.name.append("match_").append(phrase).append(".txt");
  }
  return place;
}

namespace {

WrittenReport written(ResultFile& file, std::string_view text) {
  WrittenReport report;
  report.path = file.path();
  report.openError = file.openError();
  report.opened = file.isOpen();
  if (report.opened) {
    file.write(text);
    report.complete = file.close();
    // Something came to the place while the report was written: as if it
    // had been there before.
    if (file.openError() == EEXIST) {
      report.opened = false;
      report.openError = EEXIST;
    }
  }
  return report;
}

}  // namespace

WrittenReport writeOwnReport(const ReportPlace& place, std::string_view text) {
  ResultFile file(place.folder, place.name, ResultFile::Mode::createNew, place.folderLink);
  return written(file, text);
}

WrittenReport writeOwnReport(const ReportPlace& place, int folderFd, int folderError,
                             std::string_view text) {
  ResultFile file(place.folder, folderFd, folderError, place.name, ResultFile::Mode::createNew);
  return written(file, text);
}

WrittenReport writeReportDetour(const WrittenReport& refused, std::string_view text,
                                const ReportPlaces& places, Console& console) {
  std::string failedPath = refused.path;
  if (refused.openError == EEXIST) {
    console.line(
        "Output file already exists. Writing to temp file until the older match-result is "
        "deleted.");
    ResultFile temp(places.tempReport, ResultFile::Mode::overwrite);
    if (temp.isOpen()) return written(temp, text);
    failedPath = temp.path();
  }
  console.format("WARNING: failed to open output file (%s). Writing to temp file.\n",
                 failedPath.c_str());
  ResultFile fallback(places.tempFallback, ResultFile::Mode::privateFile);
  if (!fallback.isOpen()) {
    console.format("ERROR: failed to open temporary output file (%s).\n",
                   places.tempFallback.c_str());
  }
  WrittenReport report = written(fallback, text);
  report.fellBack = true;
  return report;
}

WrittenReport writeReport(const ReportPlaces& places, const ReportPlace& place,
                          std::string_view text, Console& console) {
  const WrittenReport own = writeOwnReport(place, text);
  return own.opened ? own : writeReportDetour(own, text, places, console);
}

bool showMatchEnd(std::string_view shown, const WrittenReport& report, Console& console) {
  console.line("Looping through dictionary...\n-----------------------------");
  console.write(shown);
  if (!report.complete) {
    console.format("ERROR: failed to write output file (%s)\n", report.path.c_str());
    return false;
  }
  console.line("-----------------------------\nDone.");
  return true;
}
