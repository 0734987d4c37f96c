// The filters and extensions of servo settings and script files.
#include "ui/document_files.h"

#include <algorithm>
#include <cctype>

namespace quarnel {

namespace {

const FileFilter servoSettingsFilter{"Servo Settings files(*.sst)", "*.sst"};
const FileFilter scriptFilter{"Quarnel scripts (*.tvk)", "*.tvk"};

bool endsWithIgnoringCase(const std::string &text, const std::string &end) {
  return text.size() >= end.size() &&
         std::equal(end.begin(), end.end(), text.end() - end.size(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

} // namespace

const FileFilter &fileFilterOf(DocumentKind kind) {
  return kind == DocumentKind::ServoSettings ? servoSettingsFilter : scriptFilter;
}

std::optional<DocumentKind> documentKindOf(const std::string &path) {
  for (DocumentKind kind : {DocumentKind::ServoSettings, DocumentKind::Script})
    if (endsWithIgnoringCase(path, fileFilterOf(kind).extension())) return kind;
  return std::nullopt;
}

} // namespace quarnel
