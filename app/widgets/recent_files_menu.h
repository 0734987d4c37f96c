// File > Open Recent: the files of one kind opened or saved last, newest first, each under its
// name, and its folder too where two share a name. A file gone since it was used is said and
// handed back to be forgotten rather than opened.
#pragma once

#include "ui/ui_services.h"

#include <QMenu>

#include <functional>
#include <string>
#include <vector>

namespace quarnel {

class RecentFilesMenu : public QMenu {
public:
  RecentFilesMenu(UiServices &ui, std::string productName, QWidget *parent);

  // Offered as given; none leaves the menu disabled.
  void showFiles(const std::vector<std::string> &paths);

  std::function<void(const std::string &path)> chosen = [](const std::string &) {};
  std::function<void(const std::string &path)> gone = [](const std::string &) {};

private:
  void choose(const std::string &path);

  UiServices &m_ui;
  std::string m_productName;
};

} // namespace quarnel
