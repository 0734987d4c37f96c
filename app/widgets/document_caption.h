// A document window's caption: "Script", or "Script - wave.tvk" once it has a file, with the
// modified mark.
#pragma once

#include <QWidget>

#include <string>

namespace quarnel {

void showDocumentCaption(QWidget &window, const QString &title, const std::string &path, bool modified);

} // namespace quarnel
