// The control window: its controls in the twip layout, the load and unload sequences, the link's
// status bar, Home, STOP, the close rule and the update tick.
#include "control/control_window.h"

#include "config/save_failure.h"
#include "config/settings_folder.h"
#include "control/link_light.h"
#include "control/link_summary_fit.h"
#include "control/window_edge.h"
#include "motion/servo_limits.h"
#include "text/text_number.h"
#include "widgets/live_status.h"
#include "widgets/design_scroll_area.h"
#include "widgets/named_widget.h"
#include "widgets/help_menu.h"
#include "widgets/read_out_label.h"
#include "widgets/stop_sign.h"
#include "widgets/window_placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>
#include <QVBoxLayout>

namespace quarnel {

namespace {

constexpr int servoFrameWidth = 2172, servoFrameHeight = 852;
constexpr int columnStep = 2280, rowStep = 960, servosPerColumn = 6;
// Below the last row of frames: the title bar, the menu and the window's border.
static_assert(ControlWindow::designHeight == rowStep * (servosPerColumn - 1) + servoFrameHeight + 1000);

// Pixels the status bar keeps free on either side of its text, and between the link's light
// and its text.
constexpr int statusBarMargin = 6, linkLightSpacing = 4;

// How much the design must grow for the widest button caption of this font to fit, with room
// for the button's frame.
double layoutScale(const QFont &font, const QStringList &captions) {
  double widest = 0;
  for (QString caption : captions) widest = std::max<double>(widest, QFontMetrics(font).horizontalAdvance(caption.remove('&')));
  return std::max(1.0, (widest + 16) / (732.0 / twipsPerPixel));
}

// A label that shows a number: a screen reader hears what it is by name and the number as its
// description.
void showReadOut(QLabel *readOut, int value) {
  readOut->setText(QString::number(value));
  readOut->setAccessibleDescription(readOut->text());
}

} // namespace

ControlWindow::ControlWindow(MotionModel &motion, ServoDriver &driver, const Clock &clock, SetupRecord &setup,
                             const ServoConfiguration &configuration, UiServices &ui, const AppIdentity &identity)
    : m_motion(motion), m_link(motion, driver, clock), m_setup(setup), m_configuration(configuration), m_ui(ui),
      m_identity(identity), m_ticker(motion, clock, this) {
  setObjectName("frmControls");
  buildControls();
  buildMenus();
  buildStatusBar();
  connectControls();
  m_ticker.ticked = [this] {
    showLineLoad();
    m_link.poll();
  };
  m_link.statusChanged = [this] { showLinkStatus(); };

  // The read-out is the displayed position; the link sends each change of it to the board.
  m_motion.addPositionListener([this](int servo, int16_t position) { showReadOut(m_lblServoPos[servo], position); });
  // The sliders show the targets, whoever set them: the user, Home, STOP, the runner or the
  // node editor.
  m_motion.addTargetListener([this](int servo, int16_t target) {
    QSignalBlocker quiet(m_hscServoCon[servo]); // the model holds it already
    m_hscServoCon[servo]->setValue(target);
  });
}

void ControlWindow::buildControls() {
  const QString scriptCaption = tr("S&cript"), homeCaption = tr("&Home"), backCaption = tr("B&ack");
  m_layout = TwipLayout(layoutScale(font(), {scriptCaption, homeCaption, backCaption}));
  auto *client = new QWidget;

  for (int i = 0; i < servoChannels; ++i) {
    const int left = columnStep * (i / servosPerColumn), top = rowStep * (i % servosPerColumn);
    auto *frame = place(new QGroupBox(tr("Servo"), client), indexed("fmeServoCon", i),
                        m_layout.rect(left, top, servoFrameWidth, servoFrameHeight));
    m_fmeServoCon[i] = frame;
    m_hscServoCon[i] = place(new QSlider(Qt::Horizontal, frame), indexed("hscServoCon", i), m_layout.rect(120, 360, 1932, 252));
    m_lblServoPos[i] = place(new ReadOutLabel("127", frame), indexed("lblServoPos", i), m_layout.rect(1440, 120, 612, 252));
    m_lblServoPos[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A label of fixed size takes a new text without asking its frame to lay out again.
    m_lblServoPos[i]->setFixedSize(m_lblServoPos[i]->size());
    m_lblServoPos[i]->setAccessibleName(tr("Servo %1 position").arg(i));
    m_hscServoCon[i]->setRange(lowestPosition, highestPosition);
  }

  auto *speedFrame = place(new QGroupBox(tr("Speed"), client), "fmeSpeed", m_layout.rect(4560, 0, 972, 2892));
  m_lblSpeed = place(new QLabel("32", speedFrame), "lblSpeed", m_layout.rect(240, 240, 492, 240));
  m_lblSpeed->setAlignment(Qt::AlignCenter);
  m_lblSpeed->setAccessibleName(tr("Speed value"));
  auto *fast = place(new QLabel(tr("Fast"), speedFrame), "lblFast", m_layout.rect(300, 480, 492, 240));
  auto *slow = place(new QLabel(tr("Slow"), speedFrame), "lblSlow", m_layout.rect(276, 2640, 492, 240));
  for (QLabel *label : {fast, slow}) {
    label->adjustSize();
    // A word longer than the design's stands centred rather than running into the frame's edge.
    if (label->geometry().right() >= speedFrame->width() - m_layout.pixels(60))
      label->move((speedFrame->width() - label->width()) / 2, label->y());
  }
  m_vscSpeed = place(new QSlider(Qt::Vertical, speedFrame), "vscSpeed", m_layout.rect(240, 720, 492, 1812));
  m_vscSpeed->setRange(slowestSpeed, fastestSpeed); // a vertical slider has its maximum on top
  m_vscSpeed->setValue(startSpeed);
  m_vscSpeed->setSingleStep(1);
  m_vscSpeed->setPageStep(5);
  m_vscSpeed->setAccessibleName(tr("Speed"));

  auto *buttons = place(new QGroupBox(client), "fmeButtons", m_layout.rect(4560, 3000, 972, 2652));
  m_cmbRecorder = place(new QPushButton(scriptCaption, buttons), "cmbRecorder", m_layout.rect(120, 240, 732, 372));
  m_cmdHome = place(new QPushButton(homeCaption, buttons), "cmdHome", m_layout.rect(120, 720, 732, 372));
  m_cmdSTOP = place(new QPushButton(buttons), "cmdSTOP", m_layout.rect(120, 1320, 735, 615));
  m_cmdSTOP->setIcon(stopSignIcon(m_layout.pixels(555)));
  m_cmdSTOP->setIconSize(QSize(m_layout.pixels(555), m_layout.pixels(555)));
  m_cmdSTOP->setToolTip(tr("Stop every servo where it is, and a running script (Esc)"));
  m_cmdSTOP->setAccessibleName("STOP");
  keepUncovered(*m_cmdSTOP);
  m_cmdBack = place(new QPushButton(backCaption, buttons), "cmdBack", m_layout.rect(120, 2160, 732, 372));
  m_cmbRecorder->setToolTip(tr("Open the script window beside this one"));
  m_cmdHome->setToolTip(tr("Send every servo to its home position"));
  m_cmdBack->setToolTip(tr("Close the link to the board and go back to the settings window"));

  client->setFixedSize(m_layout.pixels(designWidth), m_layout.pixels(rowStep * (servosPerColumn - 1) + servoFrameHeight + 60));
  setCentralWidget(new DesignScrollArea(client, this));
}

void ControlWindow::buildMenus() {
  QMenu *file = menuBar()->addMenu(tr("&File"));
  file->setObjectName("mnuFile");
  m_mnuFBack = addNamedAction(file, "mnuFBack", tr("B&ack"));
  // Alt+H is Home here.
  addHelpMenu(menuBar(), tr("He&lp"), m_ui, m_identity);
}

void ControlWindow::buildStatusBar() {
  statusBar()->setObjectName("sbrStatus");
  statusBar()->setSizeGripEnabled(false); // the window has its design's size, or its screen's
  // The link's text keeps the whole width; the frames asked go on a line below it.
  auto *fields = new QWidget(statusBar());
  auto *rows = new QVBoxLayout(fields);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(0);
  auto *link = new QHBoxLayout();
  link->setSpacing(linkLightSpacing);
  m_lblLinkLight = new QLabel(fields);
  m_lblLinkLight->setObjectName("lblLinkLight");
  m_lblLinkStatus = new LiveStatus(fields);
  m_lblLinkStatus->setObjectName("lblLinkStatus");
  // A long device path never widens the window; the tooltip has the whole text.
  m_lblLinkStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  link->addWidget(m_lblLinkLight);
  link->addWidget(m_lblLinkStatus, 1);
  m_lblLineLoad = new QLabel(fields);
  m_lblLineLoad->setObjectName("lblLineLoad");
  rows->addLayout(link);
  rows->addWidget(m_lblLineLoad);
  statusBar()->addWidget(fields, 1);
}

void ControlWindow::showLineLoad() {
  // At every tick: the text is made only when a figure changed, as making it costs more than
  // the tick's own work.
  const std::pair figures(m_link.framesPerSecond(), m_link.linePercent());
  if (figures == m_lineLoadShown) return;
  m_lineLoadShown = figures;
  m_lblLineLoad->setText(tr("%1 frames/s, %2 % of the line").arg(figures.first).arg(figures.second));
}

void ControlWindow::connectControls() {
  for (int i = 0; i < servoChannels; ++i)
    connect(m_hscServoCon[i], &QSlider::valueChanged, this, [this, i](int value) { m_motion.setTarget(i, value); });
  connect(m_vscSpeed, &QSlider::valueChanged, this, &ControlWindow::applySpeed);
  connect(m_cmbRecorder, &QPushButton::clicked, this, [this] { scriptRequested(); });
  connect(m_cmdHome, &QPushButton::clicked, this, &ControlWindow::sendAllHome);
  connect(m_cmdSTOP, &QPushButton::clicked, this, [this] { stopRequested(); });
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, [this] { stopRequested(); });
  connect(m_cmdBack, &QPushButton::clicked, this, &QWidget::close);
  connect(m_mnuFBack, &QAction::triggered, this, &QWidget::close);
}

void ControlWindow::load() {
  setWindowTitle(QString::fromStdString(m_identity.productName));

  const auto limits = servoLimits(m_configuration);
  for (int i = 0; i < servoChannels; ++i) {
    m_fmeServoCon[i]->setTitle(QString::fromStdString(m_configuration.servos[i].name));
    const QString caption = QString::fromStdString(servoCaption(i, m_configuration.servos[i].name));
    m_fmeServoCon[i]->setAccessibleName(caption);
    m_hscServoCon[i]->setAccessibleName(tr("%1 target").arg(caption));
    QSignalBlocker quiet(m_hscServoCon[i]); // the model's load sets the targets, and the sliders follow
    m_hscServoCon[i]->setRange(limits[i].lowest, limits[i].highest);
    m_fmeServoCon[i]->setVisible(i < m_configuration.servoCount());
  }
  // Each servo starts where the board was left and moves home from there, never from outside
  // its range; the link opens with the servos where they stand.
  m_motion.load(limits, lastPositions());
  for (int i = 0; i < servoChannels; ++i) showReadOut(m_lblServoPos[i], m_motion.displayed(i));
  m_link.open(m_configuration.commPort(), m_configuration.baudRate());
  {
    QSignalBlocker quiet(m_vscSpeed);
    m_vscSpeed->setValue(startSpeed);
  }
  showReadOut(m_lblSpeed, startSpeed);

  // The status bar adds its own height below the design's layout.
  const QSize size(m_layout.pixels(designWidth), m_layout.pixels(designHeight) + statusBar()->sizeHint().height());
  fitToScreen(*this, size);
  move(reachablePosition(QPoint(twipsToPixels(m_setup.controlsLeft), twipsToPixels(m_setup.controlsTop)), this->size()));
  m_loaded = true;
  m_ticker.start();
  show();
  // Fixed where the status bar's layout put it: the frames asked change at every tick, and each
  // new text would otherwise lay out the status bar and the window again.
  m_lblLineLoad->setFixedSize(m_lblLineLoad->size());
  // The window stays open without the board: the user can work with the read-outs alone.
  if (m_link.status().fault)
    m_ui.messageBox(m_link.status().explanation(), m_identity.productName, MessageIcon::Warning, MessageButtons::Ok);
}

void ControlWindow::showLinkStatus() {
  const QFontMetricsF metrics(m_lblLinkStatus->font(), m_lblLinkStatus);
  const int light = static_cast<int>(metrics.ascent());
  m_lblLinkLight->setPixmap(linkLight(!m_link.status().fault, light));
  const qreal room = m_layout.pixels(designWidth) - 2 * statusBarMargin - light - linkLightSpacing;
  m_lblLinkStatus->announce(fittedLinkSummary(m_link.status(), metrics, room));
  m_lblLinkStatus->setToolTip(QString::fromStdString(m_link.status().explanation()));
}

void ControlWindow::applySpeed() {
  showReadOut(m_lblSpeed, m_vscSpeed->value());
  m_motion.setSpeed(m_vscSpeed->value());
  speedChanged();
}

void ControlWindow::setBackEnabled(bool enabled) { m_cmdBack->setEnabled(enabled); }

void ControlWindow::sendAllHome() {
  // The home texts as the settings window holds them now, not as they were at load.
  for (int i = 0; i < servoChannels; ++i)
    if (const auto home = textToNumber(m_configuration.servos[i].home)) m_motion.setTarget(i, *home);
}

void ControlWindow::closeEvent(QCloseEvent *event) {
  if (!m_loaded) return;
  if (const auto refusal = closeRefusal()) {
    event->ignore();
    m_ui.messageBox(*refusal, m_identity.productName, MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  unload();
  event->accept();
}

void ControlWindow::unload() {
  m_ticker.stop();
  m_loaded = false;
  saveSetupFile();
  unloaded();
  m_link.close();
  if (const auto &left = m_link.boardLeftAt()) boardLeftAt(*left);
}

void ControlWindow::saveSetupFile() {
  const int16_t left = storedControlsLeft(pixelsToTwips(pos().x()));
  const double top = pixelsToTwips(pos().y());
  const std::string path = m_identity.setupFilePath();
  // The window closes all the same: a lost position is no reason to keep the user here.
  if (const auto problem = saveSetupChange(path, m_setup, [&](SetupRecord &r) {
        r.controlsLeft = left;
        r.controlsTop = top;
      }))
    m_ui.messageBox(saveFailureMessage(SavedFile::StartupSettings, path, *problem,
                                       tr("The control window's position will not be remembered.").toStdString()),
                    m_identity.productName, MessageIcon::Critical, MessageButtons::Ok);
}

} // namespace quarnel
