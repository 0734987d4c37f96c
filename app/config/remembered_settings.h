// What the user last worked with, kept in quarnel.conf: read at start and written as soon as it
// changes, so a crash loses none of it and two copies of the program keep each other's changes.
#pragma once

#include "config/remembered_file.h"
#include "config/sound_timing.h"
#include "ui/document_folders.h"
#include "ui/ui_services.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quarnel {

class RememberedSettings {
public:
  // An empty `path` remembers for this run alone.
  RememberedSettings(std::string path, UiServices &ui, std::string productName);

  const Remembered &values() const { return m_values; }

  // The dialogs' folders as last remembered, `home` for a kind that has none yet.
  DocumentFolders folders(const std::string &home) const;

  // The files of a kind opened or saved last, newest first.
  const std::vector<std::string> &recentDocuments(DocumentKind kind) const;

  // A document opened or saved, first among the recent ones, and the folders the dialogs now
  // start in. A file that cannot be written is reported once a run: these are remembered unasked.
  void rememberDocument(DocumentKind kind, const std::string &path, const DocumentFolders &folders);
  // A recent document found gone: no longer offered.
  void forgetRecentDocument(DocumentKind kind, const std::string &path);
  // The user asked for this one, so each failure is reported; the choice holds for this run.
  void rememberPortDevices(const PortDevices &devices);

  // The sound timing as last set; a value missing or out of its range is the default.
  SoundTiming soundTiming() const;
  // The user set it, so a failure is reported.
  void rememberSoundTiming(const SoundTiming &timing);

  // Where the board's servos were last sent while `servoSettingsFile` (empty: the default
  // rows) gave their ranges, as the file holds it now: another program may have sent them since
  // this one started. Nothing when they were last sent under other servo settings, or never.
  std::optional<ServoPositions> lastPositions(const std::string &servoSettingsFile) const;
  // Where a link left the board's servos, under `servoSettingsFile`; reported like the
  // documents when it cannot be kept.
  void rememberPositions(const std::string &servoSettingsFile, const ServoPositions &positions);

private:
  std::optional<std::string> store(const std::function<void(Remembered &)> &change);
  void report(const std::string &problem, const std::string &consequence);
  // Reported once a run: what is remembered unasked.
  void reportUnasked(const std::optional<std::string> &problem, const std::string &consequence);

  std::string m_path;
  UiServices &m_ui;
  std::string m_productName;
  Remembered m_values;
  bool m_fileFailureReported = false;
};

} // namespace quarnel
