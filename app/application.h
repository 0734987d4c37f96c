// The one object that owns the run: the application's identity, the user-interface services,
// the start-up record, the motion tables, the driver and the windows, each created once.
#pragma once

#include "config/setup_record.h"
#include "control/clock.h"
#include "control/control_window.h"
#include "control/motion_model.h"
#include "control/tavik_binding.h"
#include "settings/settings_window.h"
#include "ui/app_identity.h"
#include "ui/qt_ui_services.h"

namespace quarnel {

class Application {
public:
  explicit Application(std::string folder);
  void show();

private:
  void openControls();

  AppIdentity m_identity;
  QtUiServices m_ui;
  SetupRecord m_setup;
  MotionModel m_motion;
  SteadyClock m_clock;
  TavikBinding m_tavik;
  SettingsWindow m_frmSettings;
  ControlWindow m_frmControls;
};

} // namespace quarnel
