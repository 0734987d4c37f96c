// The filters and extensions of servo settings and script files.
#include "ui/document_files.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>

namespace quarnel {

namespace {


bool endsWithIgnoringCase(const std::string &text, const std::string &end) {
  return text.size() >= end.size() &&
         std::equal(end.begin(), end.end(), text.end() - end.size(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

} // namespace

FileFilter fileFilterOf(DocumentKind kind) {
  if (kind == DocumentKind::ServoSettings)
    return {QCoreApplication::translate("DocumentFiles", "Servo Settings files(*.sst)").toStdString(), "*.sst"};
  return {QCoreApplication::translate("DocumentFiles", "Quarnel scripts (*.tvk)").toStdString(), "*.tvk"};
}

std::optional<DocumentKind> documentKindOf(const std::string &path) {
  for (DocumentKind kind : {DocumentKind::ServoSettings, DocumentKind::Script})
    if (endsWithIgnoringCase(path, fileFilterOf(kind).extension())) return kind;
  return std::nullopt;
}

} // namespace quarnel
