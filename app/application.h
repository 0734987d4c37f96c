// The one object that owns the run: the application's identity, the user-interface services,
// the start-up record and the windows, each created once.
#pragma once

#include "config/setup_record.h"
#include "settings/settings_window.h"
#include "ui/app_identity.h"
#include "ui/qt_ui_services.h"

namespace quarnel {

class Application {
public:
  explicit Application(std::string folder);
  void show();

private:
  AppIdentity m_identity;
  QtUiServices m_ui;
  SetupRecord m_setup;
  SettingsWindow m_frmSettings;
};

} // namespace quarnel
