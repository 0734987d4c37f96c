// Qt's message box, input dialog, file dialogs and override cursor behind UiServices. The
// dialogs are modal to whichever of our windows is active; the prompt is not modal at all.
#include "widgets/qt_ui_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quarnel {

namespace {

QString qt(const std::string &utf8) { return QString::fromStdString(utf8); }

// Qt takes the patterns from the last parentheses of a filter; a description that already ends
// with them is shown as it is.
QString qtFilter(const FileFilter &filter) {
  QString description = qt(filter.description);
  QString patterns = "(" + qt(filter.pattern) + ")";
  return description.endsWith(patterns) ? description : description + " " + patterns;
}

std::optional<std::string> chosenPath(const QString &path) {
  if (path.isEmpty()) return std::nullopt;
  return QFile::encodeName(path).toStdString();
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
  switch (icon) {
  case MessageIcon::Information: return QMessageBox::Information;
  case MessageIcon::Question: return QMessageBox::Question;
  case MessageIcon::Critical: return QMessageBox::Critical;
  case MessageIcon::Warning: return QMessageBox::Warning;
  case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

} // namespace

QtUiServices::~QtUiServices() {
  // Gone unanswered with the services that would have passed the answer on.
  delete m_prompt.data();
}

MessageAnswer QtUiServices::messageBox(const std::string &text, const std::string &title,
                                       MessageIcon icon, MessageButtons buttons) {
  QMessageBox box(qtIcon(icon), qt(title), qt(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  switch (buttons) {
  case MessageButtons::Ok:
    box.setStandardButtons(QMessageBox::Ok);
    break;
  case MessageButtons::YesNo:
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    break;
  case MessageButtons::SaveDiscardCancel:
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    // Qt's own captions carry no access keys on every desktop.
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("QtUiServices", "&Save"));
    box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("QtUiServices", "&Discard"));
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("QtUiServices", "&Cancel"));
    break;
  }
  switch (box.exec()) {
  case QMessageBox::Yes: return MessageAnswer::Yes;
  case QMessageBox::No: return MessageAnswer::No;
  case QMessageBox::Save: return MessageAnswer::Save;
  case QMessageBox::Discard: return MessageAnswer::Discard;
  case QMessageBox::Cancel: return MessageAnswer::Cancel;
  default: break;
  }
  // OK, or a Yes/No box closed without an answer.
  return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

std::optional<std::string> QtUiServices::inputBox(const std::string &prompt, const std::string &title,
                                                  const std::string &defaultAnswer) {
  bool accepted = false;
  QString answer = QInputDialog::getText(QApplication::activeWindow(), qt(title), qt(prompt),
                                         QLineEdit::Normal, qt(defaultAnswer), &accepted);
  if (!accepted) return std::nullopt;
  return answer.toStdString();
}

std::optional<std::string> QtUiServices::openFileDialog(const FileFilter &filter,
                                                        const std::string &folder) {
  return chosenPath(QFileDialog::getOpenFileName(QApplication::activeWindow(), QApplication::translate("QtUiServices", "Open"),
                                                 QFile::decodeName(folder.c_str()),
                                                 qtFilter(filter)));
}

std::optional<std::string> QtUiServices::saveFileDialog(const FileFilter &filter,
                                                        const std::string &folder) {
  QFileDialog dialog(QApplication::activeWindow(), QApplication::translate("QtUiServices", "Save As"),
                     QFile::decodeName(folder.c_str()),
                     qtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The dialog adds the extension itself, so its replace question names the file it replaces.
  dialog.setDefaultSuffix(qt(filter.extension()).remove(0, 1));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return chosenPath(dialog.selectedFiles().constFirst());
}

void QtUiServices::setBusy(bool busy) {
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void QtUiServices::showPrompt(const std::string &text, const std::string &title,
                              std::function<void(PromptAnswer)> answered) {
  closePrompt();
  auto *box = new QMessageBox(QMessageBox::NoIcon, qt(title), qt(text), QMessageBox::Ok, QApplication::activeWindow());
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  // Escape is STOP everywhere else, so here too: a user reaching for it never sends the script on.
  QPushButton *stop = box->addButton(QCoreApplication::translate("QtUiServices", "&Stop"), QMessageBox::RejectRole);
  stop->setObjectName("cmdPromptStop");
  box->setDefaultButton(QMessageBox::Ok);
  box->setEscapeButton(stop);
  m_prompt = box;
  // Every way the box goes (a button, Enter, Escape, its close box) finishes it; closePrompt has
  // let go first.
  QObject::connect(box, &QDialog::finished, box, [this, box, stop, answered = std::move(answered)] {
    if (m_prompt != box) return;
    m_prompt = nullptr;
    answered(box->clickedButton() == stop ? PromptAnswer::Stop : PromptAnswer::Ok);
  });
  box->show();
}

void QtUiServices::closePrompt() {
  QMessageBox *box = m_prompt;
  m_prompt = nullptr;
  if (box) box->close();
}

} // namespace quarnel
