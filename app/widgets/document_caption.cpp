// The caption of the settings and script windows.
#include "widgets/document_caption.h"

#include "ui/file_choice.h"

#include <QFile>

namespace quarnel {

void showDocumentCaption(QWidget &window, const QString &title, const std::string &path, bool modified) {
  QString caption = title;
  // A "[*]" of the file's own name must not stand for the modified mark.
  if (!path.empty()) caption += " - " + QFile::decodeName(fileNameOf(path).c_str()).replace("[*]", "[*][*]");
  window.setWindowTitle(caption + "[*]");
  window.setWindowModified(modified);
}

} // namespace quarnel
