// frmSettings, the first window: board, COM port and baud choices, the twelve servo rows, Open,
// Save and Save As of servo settings files, About and Quit. It owns the servo configuration.
#pragma once

#include "config/app_identity.h"
#include "config/setup_record.h"
#include "servos/servo_configuration.h"
#include "servos/servo_rules.h"
#include "ui/document_folders.h"
#include "ui/ui_services.h"
#include "widgets/twip_layout.h"

#include <QCoreApplication>
#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quarnel {

class ElidingComboBox;
class FieldLeaveCheck;
class RecentFilesMenu;

class SettingsWindow : public QMainWindow {
  Q_DECLARE_TR_FUNCTIONS(SettingsWindow)

public:
  // Runs the load steps: reads setup.res of the application's folder into `setup`, places the
  // window and applies the stored choices.
  SettingsWindow(SetupRecord &setup, UiServices &ui, const AppIdentity &identity,
                 DocumentFolders &folders);

  const ServoConfiguration &configuration() const { return m_configuration; }

  QAction *portsMenuItem() const { return m_mnuFPorts; }
  QAction *soundTimingMenuItem() const { return m_mnuFSoundTiming; }
  RecentFilesMenu *recentFilesMenu() const { return m_mnuFRecent; }

  // The COM port list's texts, one for each port 1 to 4; the chosen index stays.
  void showPortCaptions(const std::array<std::string, comPorts> &captions);

  // The rows from the servo settings file used last time: a missing file changes nothing, one
  // that cannot be read is reported, since the user expects its limits to guard the servos.
  void restoreServoSettings(const std::string &path);

  // Opens a file named elsewhere than in the dialog, asking first about changed rows.
  void openServoSettings(const std::string &path);

  // The Controls command by button, access key or menu, once the focused field has passed its
  // check: the control window must not start from a row the checks would refuse.
  void requestControls();

  // A servo settings file was opened or saved.
  std::function<void(const std::string &path)> servoSettingsFileUsed = [](const std::string &) {};

  // The Controls command, its check passed.
  std::function<void()> controlsRequested = [] {};

  // Whether another window holds work not yet saved. Quitting then asks about each unsaved
  // work alone, not "Quit the application?" as well.
  std::function<bool()> unsavedElsewhere = [] { return false; };

  // Quitting is agreed and the servo rows may go, before this window closes: the other windows'
  // work is asked about. False keeps the application open.
  std::function<bool()> quitting = [] { return true; };

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  struct ServoRowControls {
    QLabel *lblServo;
    QLineEdit *txtServoName;
    QLineEdit *txtMin;
    QLineEdit *txtHome;
    QLineEdit *txtMax;
  };

  void buildControls();
  void buildServoRows(QGroupBox *frame);
  void followLayoutWithTab();
  void buildMenus();
  void connectControls();
  void load();

  void boardChanged();
  void showRows(const ServoRows &rows);
  bool fieldMayBeLeft(QLineEdit *field);
  void showCritical(const std::string &text);
  void openChosenServoSettings();
  void openRowsFrom(const std::string &path);
  std::optional<std::string> showRowsFrom(const std::string &path);
  bool saveServoSettings();
  bool saveServoSettingsAs();
  bool saveServoSettingsTo(const std::string &path);
  bool mayDiscardRows();
  void showCaption();
  void saveSetupFile();
  void showCommPortTip();
  void rowsKeptAs(const std::string &path);
  bool rowsModified() const;
  void showModified();

  SetupRecord &m_setup;
  UiServices &m_ui;
  const AppIdentity &m_identity;
  DocumentFolders &m_folders;
  ServoConfiguration m_configuration;
  // The rows as last opened or saved, at first the defaults; they are modified while they differ.
  ServoRows m_keptRows = m_configuration.servos;
  std::string m_path; // the file they were last opened from or saved to, where Save writes
  FieldLeaveCheck *m_leaveCheck = nullptr;
  TwipLayout m_layout;

  std::array<QRadioButton *, 2> m_optNumServos{};
  ElidingComboBox *m_cmbCommPort = nullptr;
  QComboBox *m_cmbBaud = nullptr;
  std::array<ServoRowControls, servoChannels> m_rows{};
  QPushButton *m_cmbControls = nullptr;
  QPushButton *m_cmbSave = nullptr;
  QPushButton *m_cmbLoad = nullptr;
  QPushButton *m_cmbAbout = nullptr;
  QPushButton *m_cmbExit = nullptr;
  QAction *m_mnuFControls = nullptr;
  QAction *m_mnuFOpen = nullptr;
  RecentFilesMenu *m_mnuFRecent = nullptr;
  QAction *m_mnuFSave = nullptr;
  QAction *m_mnuFSaveAs = nullptr;
  QAction *m_mnuFPorts = nullptr;
  QAction *m_mnuFSoundTiming = nullptr;
  QAction *m_mnuFExit = nullptr;
};

} // namespace quarnel
