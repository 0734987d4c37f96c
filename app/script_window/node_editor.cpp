// The node editor's boxes in their twip layout, the checks run as each box is left or Enter is
// pressed in it, the live copy of displayed positions, Save, and Cancel by button or Escape.
#include "script_window/node_editor.h"

#include "motion/motion_model.h"
#include "script/script_model.h"
#include "script_window/script_edits.h"
#include "widgets/accessible_role.h"
#include "widgets/design_scroll_area.h"
#include "widgets/field_leave_check.h"
#include "widgets/named_widget.h"
#include "servos/servo_configuration.h"
#include "widgets/window_placement.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quarnel {

namespace {

constexpr int rowTop = 480, rowStep = 300, boxHeight = 252;
constexpr int valuesWidth = 2400, valuesHeight = rowTop + rowStep * servoChannels + 120;
constexpr int sideLeft = valuesWidth + 240, sideWidth = 1800;
constexpr int clientWidth = sideLeft + sideWidth + 120, clientHeight = valuesHeight + 240;

// The rows grow with the font so a box holds its text.
double layoutScale(const QFont &font) {
  return std::max(1.0, (QFontMetrics(font).height() + 8) / (boxHeight / double(twipsPerPixel)));
}

} // namespace

NodeEditor::NodeEditor(ScriptModel &script, ScriptEdits &edits, MotionModel &motion, const ServoConfiguration &config,
                       UiServices &ui, const AppIdentity &identity)
    : QWidget(nullptr, Qt::Dialog), m_script(script), m_edits(edits), m_motion(motion), m_config(config), m_ui(ui),
      m_identity(identity), m_edit(script, motion, config) {
  setObjectName("frmNodeEdit");
  setAccessibleRole(*this, QAccessible::Dialog);
  setWindowTitle(tr("Edit Node"));
  buildControls();
  connectControls();
  m_motion.addPositionListener([this](int servo, int16_t position) {
    if (isVisible() && m_edit.takesDisplayedPosition(servo, m_txtPos[servo]->hasFocus()))
      m_txtPos[servo]->setText(QString::number(position));
  });
}

void NodeEditor::buildControls() {
  m_layout = TwipLayout(layoutScale(font()));
  auto *client = new QWidget;
  auto *values = place(new QGroupBox(tr("Servo Settings"), client), "fmeValues", m_layout.rect(120, 120, valuesWidth, valuesHeight));
  place(new QLabel(tr("Position"), values), "lblPos", m_layout.rect(480, 240, 840, boxHeight));
  place(new QLabel(tr("Speed"), values), "lblSpeed", m_layout.rect(1440, 240, 840, boxHeight));
  for (int i = 0; i < servoChannels; ++i) {
    const int top = rowTop + rowStep * i;
    auto *label = place(new QLabel(QString::number(i), values), indexed("Label1", i), m_layout.rect(120, top, 300, boxHeight));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_txtPos[i] = place(new QLineEdit(values), indexed("txtPos", i), m_layout.rect(480, top, 840, boxHeight));
    m_txtSpeed[i] = place(new QLineEdit(values), indexed("txtSpeed", i), m_layout.rect(1440, top, 840, boxHeight));
    label->setBuddy(m_txtPos[i]);
  }
  auto *name = place(new QGroupBox(tr("Name"), client), "fmeNodeNam", m_layout.rect(sideLeft, 120, sideWidth, 672));
  m_txtNodeName = place(new QLineEdit(name), "txtNodeName", m_layout.rect(120, 300, 1560, boxHeight));
  m_txtNodeName->setAccessibleName(tr("Node name"));
  auto *exit = place(new QGroupBox(client), "fmeExit", m_layout.rect(sideLeft, 912, sideWidth, 972));
  m_cmbSave = place(new QPushButton(tr("Save"), exit), "cmbSave", m_layout.rect(120, 180, 1560, 312));
  m_cmbClose = place(new QPushButton(tr("Cancel"), exit), "cmbClose", m_layout.rect(120, 600, 1560, 312));
  client->setFixedSize(m_layout.pixels(clientWidth), m_layout.pixels(clientHeight));
  auto *whole = new QVBoxLayout(this);
  whole->setContentsMargins(0, 0, 0, 0);
  whole->addWidget(new DesignScrollArea(client, this));
  m_designSize = client->size();
}

void NodeEditor::connectControls() {
  m_leaveCheck = new FieldLeaveCheck([this](QLineEdit *box) { return boxAccepted(box); }, this);
  std::vector<QLineEdit *> boxes{m_txtNodeName};
  boxes.insert(boxes.end(), m_txtPos.begin(), m_txtPos.end());
  boxes.insert(boxes.end(), m_txtSpeed.begin(), m_txtSpeed.end());
  for (QLineEdit *box : boxes) {
    m_leaveCheck->watch(box);
    connect(box, &QLineEdit::returnPressed, this, [this, box] {
      if (!boxAccepted(box)) box->setFocus();
    });
  }
  // Cancel leaves whatever a box holds.
  m_leaveCheck->leaveUncheckedFor(m_cmbClose);
  for (int i = 0; i < servoChannels; ++i)
    connect(m_txtPos[i], &QLineEdit::textEdited, this, [this, i] { m_edit.positionTyped(i); });
  connect(m_cmbSave, &QPushButton::clicked, this, &NodeEditor::save);
  connect(m_cmbClose, &QPushButton::clicked, this, &QWidget::close);
}

void NodeEditor::openFor(int index, const QWidget &controls, const QWidget &script) {
  const Node &node = m_script.nodes().node(index);
  setWindowTitle(tr("Edit Node - %1").arg(QString::fromStdString(node.name)));
  m_txtNodeName->setText(QString::fromStdString(node.name));
  for (int i = 0; i < servoChannels; ++i) {
    // The rows as the settings window names them now.
    const QString servo = QString::fromStdString(servoSpokenName(i, m_config.servos[i].name));
    m_txtPos[i]->setAccessibleName(tr("%1 position").arg(servo));
    m_txtSpeed[i]->setAccessibleName(tr("%1 speed").arg(servo));
    m_txtPos[i]->setText(QString::number(node.pos[i]));
    m_txtSpeed[i]->setText(QString::number(node.speed[i]));
  }
  m_edit.begin(index);
  m_motion.setNodeEditorOpen(true);
  // Made shorter where that keeps it clear of STOP: the boxes scroll, Save and Cancel stay in sight.
  fitToScreen(*this, m_designSize, QSize(m_designSize.width(), m_designSize.height() / 2));
  moveBeside(*this, {&controls, &script});
  show();
  raise();
  activateWindow();
  m_txtNodeName->setFocus();
}

bool NodeEditor::boxAccepted(QLineEdit *box) {
  const std::string text = box->text().toStdString();
  if (box == m_txtNodeName) {
    if (auto refusal = m_edit.nameRefusal(text)) return refuse(box, *refusal);
    return true;
  }
  for (int i = 0; i < servoChannels; ++i) {
    if (box == m_txtPos[i]) {
      if (auto refusal = m_edit.positionRefusal(i, text)) return refuse(box, *refusal);
      m_edit.applyPosition(i, text);
      return true;
    }
    if (box == m_txtSpeed[i]) {
      if (auto refusal = m_edit.speedRefusal(text)) return refuse(box, *refusal);
      if (const auto shown = m_edit.applySpeed(i, text)) box->setText(QString::fromStdString(*shown));
      return true;
    }
  }
  return true;
}

bool NodeEditor::refuse(QLineEdit *box, const std::string &message) {
  m_ui.messageBox(message, m_identity.productName, MessageIcon::Critical, MessageButtons::Ok);
  box->setFocus();
  return false;
}

void NodeEditor::save() {
  NodeEdit::Texts texts;
  texts.name = m_txtNodeName->text().toStdString();
  for (int i = 0; i < servoChannels; ++i) {
    texts.pos[i] = m_txtPos[i]->text().toStdString();
    texts.speed[i] = m_txtSpeed[i]->text().toStdString();
  }
  auto saved = m_edit.savedNode(texts);
  if (const auto *refusal = std::get_if<NodeEdit::Refusal>(&saved)) {
    QLineEdit *box = refusal->box == NodeEdit::Refusal::Name       ? m_txtNodeName
                     : refusal->box == NodeEdit::Refusal::Position ? m_txtPos[refusal->servo]
                                                                   : m_txtSpeed[refusal->servo];
    refuse(box, refusal->message);
    return;
  }
  m_edits.saveNode(m_edit.index(), std::get<Node>(std::move(saved)));
  close();
}

void NodeEditor::keyPressEvent(QKeyEvent *event) {
  if (event->matches(QKeySequence::Cancel))
    close();
  else
    QWidget::keyPressEvent(event);
}

void NodeEditor::closeEvent(QCloseEvent *event) {
  m_motion.setNodeEditorOpen(false);
  closed();
  event->accept();
}

} // namespace quarnel
