// The script window's side of the user: its boxes, all titled with the product name.
#pragma once

#include "ui/ui_services.h"

#include <string>

namespace quarnel {

struct ScriptUser {
  UiServices &ui;
  std::string title;

  void critical(const std::string &text) const {
    ui.messageBox(text, title, MessageIcon::Critical, MessageButtons::Ok);
  }
};

} // namespace quarnel
