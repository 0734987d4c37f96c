// frmControls, the manual control panel: one slider and read-out per servo, the speed control,
// Script, Home, STOP and Back. It holds the board link while it is loaded, shows how the link
// stands, and runs the update tick that moves the servos.
#pragma once

#include "config/app_identity.h"
#include "config/setup_record.h"
#include "link/board_link.h"
#include "link/servo_driver.h"
#include "motion/clock.h"
#include "motion/motion_model.h"
#include "motion/motion_ticker.h"
#include "servos/servo_configuration.h"
#include "ui/ui_services.h"
#include "widgets/design_sizes.h"
#include "widgets/twip_layout.h"

#include <QCoreApplication>
#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>
#include <utility>

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

namespace quarnel {

class LiveStatus;

class ControlWindow : public QMainWindow {
  Q_DECLARE_TR_FUNCTIONS(ControlWindow)

public:
  // The window's size in the design, in twips; it first opens centred at this size.
  static constexpr int designWidth = controlWindowDesignWidth;
  static constexpr int designHeight = controlWindowDesignHeight;

  // `configuration` is the settings window's, read at the moment each value is needed.
  ControlWindow(MotionModel &motion, ServoDriver &driver, const Clock &clock, SetupRecord &setup,
                const ServoConfiguration &configuration, UiServices &ui, const AppIdentity &identity);

  // The load sequence: sets every slider from the servo rows, opens the link with every servo
  // where the board was left, places the window and starts the update tick; then shows it, and
  // says so once when the link did not open.
  void load();
  bool isLoaded() const { return m_loaded; }
  // Whether the line has carried every displayed position to the board (so with no board).
  bool lineCarried() const { return m_link.lineCarried(); }

  // One update tick now, as when the timer fires.
  void updateTick() { m_ticker.tickNow(); }

  // A running script holds the link: Back takes no input then.
  void setBackEnabled(bool enabled);

  // Asked before the loaded window closes: nothing lets it close, a reason keeps it open and is
  // said.
  std::function<std::optional<std::string>()> closeRefusal = [] { return std::nullopt; };
  // As the window closes, before the link does: the script window hides and the settings
  // window shows.
  std::function<void()> unloaded = [] {};
  // The Script button.
  std::function<void()> scriptRequested = [] {};
  // STOP, the button or Escape: whoever owns the run ends it and holds every servo.
  std::function<void()> stopRequested = [] {};
  // The speed control's value was applied.
  std::function<void()> speedChanged = [] {};
  // Where the board's servos were last sent, asked at load; nothing where it is not known.
  std::function<std::optional<ServoPositions>()> lastPositions = [] { return std::nullopt; };
  // After the link closed, where it left the board's servos, when it reached a board.
  std::function<void(const ServoPositions &)> boardLeftAt = [](const ServoPositions &) {};

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  void buildControls();
  void buildMenus();
  void buildStatusBar();
  void connectControls();
  void showLinkStatus();
  void showLineLoad(); // the frames asked of the driver over the last second
  void unload();
  void saveSetupFile();
  void applySpeed();
  void sendAllHome();

  MotionModel &m_motion;
  BoardLink m_link;
  SetupRecord &m_setup;
  const ServoConfiguration &m_configuration;
  UiServices &m_ui;
  const AppIdentity &m_identity;
  TwipLayout m_layout;
  bool m_loaded = false;

  std::array<QGroupBox *, servoChannels> m_fmeServoCon{};
  std::array<QSlider *, servoChannels> m_hscServoCon{};
  std::array<QLabel *, servoChannels> m_lblServoPos{};
  QLabel *m_lblSpeed = nullptr;
  QSlider *m_vscSpeed = nullptr;
  QPushButton *m_cmbRecorder = nullptr;
  QPushButton *m_cmdHome = nullptr;
  QPushButton *m_cmdSTOP = nullptr;
  QPushButton *m_cmdBack = nullptr;
  QLabel *m_lblLinkLight = nullptr;
  LiveStatus *m_lblLinkStatus = nullptr;
  QLabel *m_lblLineLoad = nullptr;
  std::pair<int, int> m_lineLoadShown{-1, -1}; // frames per second and per cent of the line
  QAction *m_mnuFBack = nullptr;
  MotionTicker m_ticker;
};

} // namespace quarnel
