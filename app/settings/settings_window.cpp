// The settings window: its controls in the twip layout, the load steps, the board change, the
// position and name checks, Open, Save, Save As, About and Quit.
#include "settings/settings_window.h"

#include "config/file_access.h"
#include "config/save_failure.h"
#include "config/servo_settings_file.h"
#include "config/settings_folder.h"
#include "config/setup_file.h"
#include "ui/document_files.h"
#include "ui/file_choice.h"
#include "ui/unsaved_changes.h"
#include "widgets/design_scroll_area.h"
#include "widgets/design_sizes.h"
#include "widgets/document_caption.h"
#include "widgets/document_file_actions.h"
#include "widgets/eliding_combo_box.h"
#include "widgets/field_leave_check.h"
#include "widgets/help_menu.h"
#include "widgets/named_widget.h"
#include "widgets/recent_files_menu.h"
#include "widgets/show_about.h"
#include "widgets/standard_shortcut.h"
#include "widgets/window_placement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace quarnel {

namespace {

// The servo frame's bottom edge; the window ends a border's width below it.
constexpr int servoFrameBottom = 4932;
constexpr int bottomBorder = 60;

// What the left column's widest row, "COM Port:" beside its list showing "9600", needs of the
// column's 1692 twips in this font.
double layoutScale(const QFont &font) {
  QLabel label(SettingsWindow::tr("COM Port:"));
  label.setFont(font);
  QComboBox list;
  list.setFont(font);
  list.addItem("9600");
  const double padding = 3 * 90 / double(twipsPerPixel);
  double needed = label.sizeHint().width() + list.sizeHint().width() + padding;
  return std::max(1.0, needed / (1692.0 / twipsPerPixel));
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, QRect geometry) {
  return place(new QGroupBox(caption, parent), name, geometry);
}

} // namespace

SettingsWindow::SettingsWindow(SetupRecord &setup, UiServices &ui, const AppIdentity &identity,
                               DocumentFolders &folders)
    : m_setup(setup), m_ui(ui), m_identity(identity), m_folders(folders) {
  setObjectName("frmSettings");
  showCaption();
  m_leaveCheck = new FieldLeaveCheck([this](QLineEdit *field) { return fieldMayBeLeft(field); },
                                     this);
  buildControls();
  buildMenus();
  connectControls();
  load();
}

void SettingsWindow::buildControls() {
  m_layout = TwipLayout(layoutScale(font()));
  auto *client = new QWidget;
  client->setFixedSize(m_layout.pixels(6135), m_layout.pixels(servoFrameBottom + bottomBorder));
  setCentralWidget(new DesignScrollArea(client, this));

  QGroupBox *board = frame(client, "fmeWhichBoard", tr("Board Settings"), m_layout.rect(0, 0, 1692, 972));
  const QString boardCaptions[] = {tr("8 Servos"), tr("12 Servos")};
  for (int i = 0; i < 2; ++i) {
    m_optNumServos[i] = new QRadioButton(boardCaptions[i], board);
    m_optNumServos[i]->setObjectName(indexed("optNumServos", i));
    m_optNumServos[i]->setGeometry(m_layout.rect(120, 240 + 360 * i, 1452, 285));
  }

  QGroupBox *comms = frame(client, "fmeComms", tr("Comm Settings"), m_layout.rect(0, 1080, 1692, 1092));
  auto *comPort = place(new QLabel(tr("COM Port:"), comms), "lblComPort", m_layout.rect(90, 330, 780, 255));
  m_cmbCommPort = place(new ElidingComboBox(comms), "cmbCommPort", m_layout.rect(870, 270, 750, 330));
  auto *baud = place(new QLabel(tr("Baud:"), comms), "lblBaud", m_layout.rect(90, 750, 780, 255));
  m_cmbBaud = place(new QComboBox(comms), "cmbBaud", m_layout.rect(870, 690, 750, 330));
  // A screen reader names a pick list by the label it is labelled by, and reads its item.
  comPort->setBuddy(m_cmbCommPort);
  baud->setBuddy(m_cmbBaud);

  buildServoRows(frame(client, "fmeServoSettings", tr("Servo Settings"), m_layout.rect(1800, 0, 4332, 4932)));

  QGroupBox *buttons = frame(client, "Frame1", "", m_layout.rect(0, 2160, 1692, 2772));
  auto button = [this, buttons](const char *name, const QString &caption, int index) {
    return place(new QPushButton(caption, buttons), name, m_layout.rect(120, 240 + 480 * index, 1452, 372));
  };
  m_cmbControls = button("cmbControls", tr("&Controls"), 0);
  m_cmbSave = button("cmbSave", tr("&Save"), 1);
  m_cmbLoad = button("cmbLoad", tr("&Open"), 2);
  m_cmbAbout = button("cmbAbout", tr("A&bout"), 3);
  m_cmbExit = button("cmbExit", tr("E&xit"), 4);
  m_cmbControls->setToolTip(tr("Open the control window and the link to the board, with these servo settings"));
  m_cmbSave->setToolTip(tr("Save the servo rows to their servo settings file (.sst)"));
  m_cmbLoad->setToolTip(tr("Open a servo settings file (.sst) into the servo rows"));
  followLayoutWithTab();
}

void SettingsWindow::followLayoutWithTab() {
  // The left column from top to bottom, then the servo rows, each from its name to its maximum.
  std::vector<QWidget *> order{m_optNumServos[0], m_optNumServos[1], m_cmbCommPort, m_cmbBaud,
                               m_cmbControls, m_cmbSave, m_cmbLoad, m_cmbAbout, m_cmbExit};
  for (const ServoRowControls &r : m_rows) order.insert(order.end(), {r.txtServoName, r.txtMin, r.txtHome, r.txtMax});
  for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void SettingsWindow::buildServoRows(QGroupBox *servoFrame) {
  constexpr int labelLeft = 120, nameLeft = 960, minLeft = 2340, homeLeft = 3000, maxLeft = 3660;
  constexpr int fieldHeight = 300, numberWidth = 600;
  place(new QLabel(tr("Name"), servoFrame), "lblServoName", m_layout.rect(nameLeft, 360, 1320, 240));
  place(new QLabel(tr("Min"), servoFrame), "lblMin", m_layout.rect(minLeft, 360, numberWidth, 240));
  place(new QLabel(tr("Home"), servoFrame), "Label2", m_layout.rect(homeLeft, 360, numberWidth, 240));
  place(new QLabel(tr("Max"), servoFrame), "Label3", m_layout.rect(maxLeft, 360, numberWidth, 240));

  auto field = [this, servoFrame](const char *name, int row, int left, int width) {
    auto *edit = new QLineEdit(servoFrame);
    edit->setObjectName(indexed(name, row));
    edit->setMaxLength(servoTextLimit);
    edit->setGeometry(m_layout.rect(left, 600 + 360 * row, width, fieldHeight));
    return edit;
  };
  for (int n = 0; n < servoChannels; ++n) {
    ServoRowControls &r = m_rows[n];
    r.lblServo = new QLabel(tr("Servo %1").arg(n), servoFrame);
    r.lblServo->setObjectName(indexed("lblServo", n));
    r.lblServo->setGeometry(m_layout.rect(labelLeft, 630 + 360 * n, nameLeft - labelLeft, 255));
    r.txtServoName = field("txtServoName", n, nameLeft, 1320);
    r.txtMin = field("txtMin", n, minLeft, numberWidth);
    r.txtHome = field("txtHome", n, homeLeft, numberWidth);
    r.txtMax = field("txtMax", n, maxLeft, numberWidth);
    r.lblServo->setBuddy(r.txtServoName);
    r.txtServoName->setAccessibleName(tr("Servo %1 name").arg(n));
    r.txtMin->setAccessibleName(tr("Servo %1 minimum").arg(n));
    r.txtHome->setAccessibleName(tr("Servo %1 home").arg(n));
    r.txtMax->setAccessibleName(tr("Servo %1 maximum").arg(n));
    for (QLineEdit *edit : {r.txtServoName, r.txtMin, r.txtHome, r.txtMax})
      m_leaveCheck->watch(edit);
  }
  showRows(m_configuration.servos);
}

void SettingsWindow::buildMenus() {
  QMenu *file = menuBar()->addMenu(tr("&File"));
  file->setObjectName("mnuFile");
  m_mnuFControls = addNamedAction(file, "mnuFControls", tr("&Controls"));
  const DocumentFileActions documentActions = addDocumentFileActions(file, m_ui, m_identity.productName, this);
  m_mnuFOpen = documentActions.open;
  m_mnuFRecent = documentActions.recent;
  m_mnuFSave = documentActions.save;
  m_mnuFSaveAs = documentActions.saveAs;
  m_mnuFPorts = addNamedAction(file, "mnuFPorts", tr("&Ports..."));
  m_mnuFSoundTiming = file->addAction(tr("So&und Timing..."));
  m_mnuFSoundTiming->setObjectName("mnuFSoundTiming");
  file->addSeparator()->setObjectName("mnuSep");
  m_mnuFExit = addNamedAction(file, "mnuFExit", tr("E&xit"));
  setStandardShortcut(m_mnuFExit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
  addHelpMenu(menuBar(), tr("&Help"), m_ui, m_identity);
}

void SettingsWindow::connectControls() {
  for (QRadioButton *option : m_optNumServos)
    connect(option, &QRadioButton::toggled, this, [this](bool selected) {
      if (selected) boardChanged();
    });
  connect(m_cmbCommPort, &QComboBox::currentIndexChanged, this, [this](int index) {
    m_configuration.commPortIndex = std::max(0, index);
    showCommPortTip();
  });
  connect(m_cmbBaud, &QComboBox::currentIndexChanged, this,
          [this](int index) { m_configuration.baudIndex = std::max(0, index); });

  for (int n = 0; n < servoChannels; ++n) {
    auto keep = [this, n](QLineEdit *field, std::string ServoSetting::*text) {
      connect(field, &QLineEdit::textChanged, this, [this, n, text](const QString &value) {
        m_configuration.servos[n].*text = value.toStdString();
        showModified();
      });
    };
    keep(m_rows[n].txtServoName, &ServoSetting::name);
    keep(m_rows[n].txtMin, &ServoSetting::minimum);
    keep(m_rows[n].txtHome, &ServoSetting::home);
    keep(m_rows[n].txtMax, &ServoSetting::maximum);
  }

  connect(m_cmbControls, &QPushButton::clicked, this, &SettingsWindow::requestControls);
  connect(m_mnuFControls, &QAction::triggered, this, &SettingsWindow::requestControls);
  connect(m_cmbLoad, &QPushButton::clicked, this, &SettingsWindow::openChosenServoSettings);
  connect(m_mnuFOpen, &QAction::triggered, this, &SettingsWindow::openChosenServoSettings);
  m_mnuFRecent->chosen = [this](const std::string &path) { openServoSettings(path); };
  connect(m_cmbSave, &QPushButton::clicked, this, &SettingsWindow::saveServoSettings);
  connect(m_mnuFSave, &QAction::triggered, this, &SettingsWindow::saveServoSettings);
  connect(m_mnuFSaveAs, &QAction::triggered, this, &SettingsWindow::saveServoSettingsAs);
  connect(m_cmbAbout, &QPushButton::clicked, this, [this] { showAbout(m_ui, m_identity); });
  connect(m_cmbExit, &QPushButton::clicked, this, &SettingsWindow::close);
  connect(m_mnuFExit, &QAction::triggered, this, &SettingsWindow::close);
}

void SettingsWindow::load() {
  fitToScreen(*this, sizeHint());

  // Every field the file lacks, or holds unusably, starts from these.
  SetupRecord defaults;
  QPointF settingsCentre = centredTwips(size());
  defaults.settingsLeft = settingsCentre.x();
  defaults.settingsTop = settingsCentre.y();
  QPointF controlsCentre =
      centredTwips(QSize(twipsToPixels(controlWindowDesignWidth), twipsToPixels(controlWindowDesignHeight)));
  defaults.controlsLeft = static_cast<int16_t>(std::clamp<double>(controlsCentre.x(), 0, INT16_MAX));
  defaults.controlsTop = controlsCentre.y();

  FileRead file = readWholeFile(m_identity.setupFilePath());
  m_setup = readSetupFile(file.error ? std::string() : file.bytes, defaults);
  move(reachablePosition(
      QPoint(twipsToPixels(m_setup.settingsLeft), twipsToPixels(m_setup.settingsTop)), size()));

  m_cmbCommPort->addItems({"1", "2", "3", "4"});
  // Checking the board fills the baud list.
  m_optNumServos[static_cast<int>(m_setup.boardChoice)]->setChecked(true);
  m_cmbBaud->setCurrentIndex(m_setup.baudIndex);
  m_cmbCommPort->setCurrentIndex(m_setup.commPortIndex);
}

void SettingsWindow::requestControls() {
  // The access key and the menu leave the focus in the field, so it has not been checked yet.
  if (m_leaveCheck->focusedFieldAccepted()) controlsRequested();
}

void SettingsWindow::boardChanged() {
  bool eight = m_optNumServos[static_cast<int>(Board::EightServos)]->isChecked();
  m_configuration.boardChoice = eight ? Board::EightServos : Board::TwelveServos;
  m_cmbBaud->clear();
  for (int rate : offeredBaudRates(m_configuration.boardChoice)) m_cmbBaud->addItem(QString::number(rate));
  m_cmbBaud->setCurrentIndex(0);
  for (int n = 8; n < servoChannels; ++n) {
    const ServoRowControls &r = m_rows[n];
    for (QWidget *control : {static_cast<QWidget *>(r.lblServo), static_cast<QWidget *>(r.txtServoName),
                             static_cast<QWidget *>(r.txtMin), static_cast<QWidget *>(r.txtHome),
                             static_cast<QWidget *>(r.txtMax)})
      control->setEnabled(!eight);
  }
}

void SettingsWindow::showRows(const ServoRows &rows) {
  for (int n = 0; n < servoChannels; ++n) {
    m_rows[n].txtServoName->setText(QString::fromStdString(rows[n].name));
    m_rows[n].txtMin->setText(QString::fromStdString(rows[n].minimum));
    m_rows[n].txtHome->setText(QString::fromStdString(rows[n].home));
    m_rows[n].txtMax->setText(QString::fromStdString(rows[n].maximum));
  }
}

bool SettingsWindow::fieldMayBeLeft(QLineEdit *field) {
  for (int n = 0; n < servoChannels; ++n) {
    const ServoRowControls &r = m_rows[n];
    const ServoSetting &row = m_configuration.servos[n];
    std::optional<std::string> message;
    if (field == r.txtServoName) message = nameCheckMessage(row.name);
    else if (field == r.txtMin) message = positionCheckMessage(row, n, PositionField::Minimum);
    else if (field == r.txtHome) message = positionCheckMessage(row, n, PositionField::Home);
    else if (field == r.txtMax) message = positionCheckMessage(row, n, PositionField::Maximum);
    else continue;
    if (message) showCritical(*message);
    return !message;
  }
  return true;
}

void SettingsWindow::showCritical(const std::string &text) {
  m_ui.messageBox(text, m_identity.productName, MessageIcon::Critical, MessageButtons::Ok);
}

void SettingsWindow::openChosenServoSettings() {
  if (!mayDiscardRows()) return;
  const FileFilter filter = fileFilterOf(DocumentKind::ServoSettings);
  if (auto path = chooseFileToOpen(m_ui, filter, m_folders, DocumentKind::ServoSettings)) openRowsFrom(*path);
}

void SettingsWindow::openServoSettings(const std::string &path) {
  if (mayDiscardRows()) openRowsFrom(path);
}

void SettingsWindow::openRowsFrom(const std::string &path) {
  if (auto problem = showRowsFrom(path))
    showCritical(tr("Could not open the servo settings file \"%1\": %2").arg(QString::fromStdString(path), QString::fromStdString(*problem)).toStdString() +
                 "\r\n" + tr("The servo settings were not changed.").toStdString());
  else
    servoSettingsFileUsed(path);
}

std::optional<std::string> SettingsWindow::showRowsFrom(const std::string &path) {
  BusyPointer busy(m_ui);
  FileRead file = readWholeFile(path);
  if (file.error) return file.error;
  ServoRows rows = m_configuration.servos;
  readServoSettings(file.bytes, rows);
  if (auto overlong = overlongServoText(rows)) return overlong;
  showRows(rows);
  rowsKeptAs(path);
  return std::nullopt;
}

void SettingsWindow::restoreServoSettings(const std::string &path) {
  if (path.empty() || !QFileInfo::exists(QFile::decodeName(path.c_str()))) return;
  if (auto problem = showRowsFrom(path))
    showCritical(tr("Could not read the servo settings file \"%1\" used last time: %2")
                     .arg(QString::fromStdString(path), QString::fromStdString(*problem))
                     .toStdString() +
                 "\r\n" + tr("The servo rows start from their defaults.").toStdString());
}

void SettingsWindow::showPortCaptions(const std::array<std::string, comPorts> &captions) {
  for (int port = 0; port < comPorts; ++port)
    m_cmbCommPort->setItemText(port, QString::fromStdString(captions[port]));
  m_cmbCommPort->fitListToItems();
  showCommPortTip();
}

// The closed box is narrow; the whole text of the chosen port is a hover away.
void SettingsWindow::showCommPortTip() { m_cmbCommPort->setToolTip(m_cmbCommPort->currentText()); }

bool SettingsWindow::saveServoSettings() {
  if (m_path.empty()) return saveServoSettingsAs();
  // A menu command leaves the focus where it is, so the field has not been checked yet.
  return m_leaveCheck->focusedFieldAccepted() && saveServoSettingsTo(m_path);
}

bool SettingsWindow::saveServoSettingsAs() {
  if (!m_leaveCheck->focusedFieldAccepted()) return false;
  const FileFilter filter = fileFilterOf(DocumentKind::ServoSettings);
  auto path = chooseFileToSave(m_ui, filter, m_folders, DocumentKind::ServoSettings);
  return path && saveServoSettingsTo(*path);
}

bool SettingsWindow::saveServoSettingsTo(const std::string &path) {
  std::optional<std::string> problem;
  {
    BusyPointer busy(m_ui);
    ServoSettingsBytes file = writeServoSettings(m_configuration.servos);
    problem = file.refusal ? file.refusal : saveWholeFile(path, file.bytes);
  }
  if (problem) {
    showCritical(saveFailureMessage(SavedFile::ServoSettings, path, *problem,
                                    tr("An existing file of that name was left as it was.").toStdString()));
    return false;
  }
  rowsKeptAs(path);
  servoSettingsFileUsed(path);
  return true;
}

bool SettingsWindow::mayDiscardRows() {
  return mayDiscard(m_ui, m_identity.productName,
                    {rowsModified(), m_path, tr("Save changes to the servo settings?").toStdString(),
                     [this] { return saveServoSettings(); }});
}

void SettingsWindow::rowsKeptAs(const std::string &path) {
  m_keptRows = m_configuration.servos;
  m_path = path;
  showCaption();
}

bool SettingsWindow::rowsModified() const { return m_configuration.servos != m_keptRows; }

void SettingsWindow::showModified() { setWindowModified(rowsModified()); }

void SettingsWindow::showCaption() { showDocumentCaption(*this, tr("Settings"), m_path, rowsModified()); }

void SettingsWindow::saveSetupFile() {
  const std::string path = m_identity.setupFilePath();
  if (auto problem = saveSetupChange(path, m_setup, [this](SetupRecord &r) {
        r.settingsLeft = pixelsToTwips(pos().x());
        r.settingsTop = pixelsToTwips(pos().y());
        r.commPortIndex = m_configuration.commPortIndex;
        r.baudIndex = m_configuration.baudIndex;
        r.boardChoice = m_configuration.boardChoice;
      }))
    showCritical(saveFailureMessage(SavedFile::StartupSettings, path, *problem,
                                    tr("The window positions and the board, port and baud choices will not be "
                                       "remembered.")
                                        .toStdString()));
}

void SettingsWindow::closeEvent(QCloseEvent *event) {
  // Unsaved work is asked about instead: its Save changes question holds a Cancel of its own.
  const bool agreed = rowsModified() || unsavedElsewhere() ||
                      m_ui.messageBox(tr("Quit the application?").toStdString(), m_identity.productName,
                                      MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
  saveSetupFile();
  event->setAccepted(agreed && mayDiscardRows() && quitting());
}

} // namespace quarnel
