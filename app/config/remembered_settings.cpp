// Reading quarnel.conf at start and storing each change.
#include "config/remembered_settings.h"

#include "config/file_access.h"
#include "config/save_failure.h"
#include "config/settings_folder.h"
#include "text/text_number.h"

#include <QCoreApplication>

#include <algorithm>
#include <filesystem>

namespace quarnel {

namespace {

// A missing file (or none at all) is the first run; one that cannot be read leaves nothing to
// remember.
Remembered readFrom(const std::string &path) {
  FileRead file = readWholeFile(path);
  return readRememberedFile(file.error ? std::string() : file.bytes);
}

// One name for one file, however it was reached (a relative path, a link), so that quarnel-play
// and the windows find each other's positions.
std::string sameFileName(const std::string &path) {
  if (path.empty()) return path;
  std::error_code error;
  const auto canonical = std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
  return error ? path : canonical.string();
}

std::string documentsNotKept() {
  return QCoreApplication::translate("RememberedSettings", "The files and folders used last will not be remembered.")
      .toStdString();
}

int numberWithin(const std::string &text, int largest, int fallback) {
  const auto number = textToNumber(text);
  return number && *number >= -largest && *number <= largest ? *number : fallback;
}

template <typename R> auto &recentOf(R &r, DocumentKind kind) {
  return kind == DocumentKind::ServoSettings ? r.recentServoSettings : r.recentScripts;
}

} // namespace

RememberedSettings::RememberedSettings(std::string path, UiServices &ui, std::string productName)
    : m_path(std::move(path)), m_ui(ui), m_productName(std::move(productName)), m_values(readFrom(m_path)) {}

std::optional<std::string> RememberedSettings::store(const std::function<void(Remembered &)> &change) {
  change(m_values);
  if (m_path.empty()) return std::nullopt;
  // The change goes into the file as it stands now, keeping what another copy of the program
  // may have stored since this one read it. A file that is there but cannot be read is not
  // replaced by this one change.
  FileRead file = readWholeFile(m_path);
  if (file.error && std::filesystem::exists(m_path))
    return QCoreApplication::translate("RememberedSettings", "It could not be read (%1), so it was left as it is.")
        .arg(QString::fromStdString(*file.error))
        .toStdString();
  Remembered onDisk = readRememberedFile(file.error ? std::string() : file.bytes);
  change(onDisk);
  return saveSettingsFile(m_path, writeRememberedFile(onDisk));
}

void RememberedSettings::report(const std::string &problem, const std::string &consequence) {
  m_ui.messageBox(saveFailureMessage(SavedFile::Unnamed, m_path, problem, consequence), m_productName, MessageIcon::Critical,
                  MessageButtons::Ok);
}

DocumentFolders RememberedSettings::folders(const std::string &home) const {
  DocumentFolders folders(home);
  if (!m_values.servoSettingsFolder.empty()) folders.setFolder(DocumentKind::ServoSettings, m_values.servoSettingsFolder);
  if (!m_values.scriptFolder.empty()) folders.setFolder(DocumentKind::Script, m_values.scriptFolder);
  return folders;
}

void RememberedSettings::reportUnasked(const std::optional<std::string> &problem, const std::string &consequence) {
  if (!problem || m_fileFailureReported) return;
  m_fileFailureReported = true;
  report(*problem, consequence);
}

const std::vector<std::string> &RememberedSettings::recentDocuments(DocumentKind kind) const {
  return recentOf(m_values, kind);
}

void RememberedSettings::rememberDocument(DocumentKind kind, const std::string &path, const DocumentFolders &folders) {
  reportUnasked(store([&](Remembered &r) {
                  (kind == DocumentKind::ServoSettings ? r.servoSettingsFile : r.scriptFile) = path;
                  std::vector<std::string> &recent = recentOf(r, kind);
                  std::erase(recent, path);
                  recent.insert(recent.begin(), path);
                  if (recent.size() > recentFileCount) recent.resize(recentFileCount);
                  r.servoSettingsFolder = folders.folder(DocumentKind::ServoSettings);
                  r.scriptFolder = folders.folder(DocumentKind::Script);
                }),
                documentsNotKept());
}

void RememberedSettings::forgetRecentDocument(DocumentKind kind, const std::string &path) {
  reportUnasked(store([&](Remembered &r) { std::erase(recentOf(r, kind), path); }), documentsNotKept());
}

void RememberedSettings::rememberPortDevices(const PortDevices &devices) {
  if (const auto problem = store([&](Remembered &r) { r.portDevices = devices; }))
    report(*problem, QCoreApplication::translate("RememberedSettings", "The devices chosen for the COM ports hold until "
                                                                       "Quarnel ends, but will not be remembered.")
                         .toStdString());
}

SoundTiming RememberedSettings::soundTiming() const {
  const SoundTiming defaults;
  SoundTiming timing{numberWithin(m_values.soundOffsetMs, largestSoundOffsetMs, defaults.offsetMs),
                     numberWithin(m_values.jawLookAheadMs, largestJawLookAheadMs, defaults.jawLookAheadMs)};
  if (timing.jawLookAheadMs < 0) timing.jawLookAheadMs = defaults.jawLookAheadMs;
  return timing;
}

void RememberedSettings::rememberSoundTiming(const SoundTiming &timing) {
  if (const auto problem = store([&](Remembered &r) {
        r.soundOffsetMs = std::to_string(timing.offsetMs);
        r.jawLookAheadMs = std::to_string(timing.jawLookAheadMs);
      }))
    report(*problem, QCoreApplication::translate("RememberedSettings", "The sound timing holds until Quarnel ends, but "
                                                                       "will not be remembered.")
                         .toStdString());
}

std::optional<ServoPositions> RememberedSettings::lastPositions(const std::string &servoSettingsFile) const {
  const Remembered now = m_path.empty() ? m_values : readFrom(m_path);
  if (now.positionsServoSettings != sameFileName(servoSettingsFile)) return std::nullopt;
  return positionsFromText(now.positions);
}

void RememberedSettings::rememberPositions(const std::string &servoSettingsFile, const ServoPositions &positions) {
  reportUnasked(store([&](Remembered &r) {
                  r.positionsServoSettings = sameFileName(servoSettingsFile);
                  r.positions = positionsText(positions);
                }),
                QCoreApplication::translate("RememberedSettings", "Where the link left the servos will not be remembered.")
                    .toStdString());
}

} // namespace quarnel
