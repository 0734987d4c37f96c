// frmSettings, the first window: board, COM port and baud choices, the twelve servo rows, Open
// and Save of servo settings files, About and Quit. It owns the servo configuration.
#pragma once

#include "config/servo_configuration.h"
#include "config/servo_rules.h"
#include "config/setup_record.h"
#include "ui/app_identity.h"
#include "ui/twip_layout.h"
#include "ui/ui_services.h"

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

class FieldLeaveCheck;

class SettingsWindow : public QMainWindow {
public:
  // Runs the load steps: reads setup.res of the application's folder into `setup`, places the
  // window and applies the stored choices.
  SettingsWindow(SetupRecord &setup, UiServices &ui, const AppIdentity &identity);

  const ServoConfiguration &configuration() const { return m_configuration; }

  // The Controls command, for the control window to hear of.
  QPushButton *controlsButton() const { return m_cmbControls; }
  QAction *controlsMenuItem() const { return m_mnuFControls; }

  // The user has said Yes to quitting, before this window closes.
  std::function<void()> quitting = [] {};

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
  void openServoSettings();
  void saveServoSettings();
  void saveSetupFile();

  SetupRecord &m_setup;
  UiServices &m_ui;
  const AppIdentity &m_identity;
  ServoConfiguration m_configuration;
  FieldLeaveCheck *m_leaveCheck = nullptr;
  TwipLayout m_layout;

  std::array<QRadioButton *, 2> m_optNumServos{};
  QComboBox *m_cmbCommPort = nullptr;
  QComboBox *m_cmbBaud = nullptr;
  std::array<ServoRowControls, servoRows> m_rows{};
  QPushButton *m_cmbControls = nullptr;
  QPushButton *m_cmbSave = nullptr;
  QPushButton *m_cmbLoad = nullptr;
  QPushButton *m_cmbAbout = nullptr;
  QPushButton *m_cmbExit = nullptr;
  QAction *m_mnuFControls = nullptr;
  QAction *m_mnuFOpen = nullptr;
  QAction *m_mnuFSave = nullptr;
  QAction *m_mnuFExit = nullptr;
  QAction *m_mnuAbout = nullptr;
};

} // namespace quarnel
