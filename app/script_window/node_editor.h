// frmNodeEdit, "Edit Node": one node's name, positions and speeds in boxes. Accepted positions
// and speeds reach the servos at once, every displayed position is copied into its box while
// the editor is open (but the box the user is in), and only Save changes the node.
#pragma once

#include "config/app_identity.h"
#include "script/node_edit.h"
#include "servos/servo_configuration.h"
#include "ui/ui_services.h"
#include "widgets/twip_layout.h"

#include <QCoreApplication>
#include <QWidget>

#include <array>
#include <functional>

class QLineEdit;
class QPushButton;

namespace quarnel {

class FieldLeaveCheck;
class MotionModel;
class ScriptEdits;
class ScriptModel;

class NodeEditor : public QWidget {
  Q_OBJECT

public:
  NodeEditor(ScriptModel &script, ScriptEdits &edits, MotionModel &motion, const ServoConfiguration &config,
             UiServices &ui, const AppIdentity &identity);

  // Opens on node `index` (never Home) beside the control window and the script window, so it
  // hides neither; its caption names the node, and its rows are named by the servos' names.
  void openFor(int index, const QWidget &controls, const QWidget &script);

  // After Save, Cancel or the close box alike.
  std::function<void()> closed = [] {};

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

private:
  void buildControls();
  void connectControls();
  bool boxAccepted(QLineEdit *box);
  // Shows the message and keeps the focus in the box; false, for the check.
  bool refuse(QLineEdit *box, const std::string &message);
  void save();

  ScriptModel &m_script;
  ScriptEdits &m_edits;
  MotionModel &m_motion;
  const ServoConfiguration &m_config;
  UiServices &m_ui;
  const AppIdentity &m_identity;
  NodeEdit m_edit;
  TwipLayout m_layout;
  QSize m_designSize;
  FieldLeaveCheck *m_leaveCheck = nullptr;

  QLineEdit *m_txtNodeName = nullptr;
  std::array<QLineEdit *, servoChannels> m_txtPos{};
  std::array<QLineEdit *, servoChannels> m_txtSpeed{};
  QPushButton *m_cmbSave = nullptr;
  QPushButton *m_cmbClose = nullptr;
};

} // namespace quarnel
