// grdScript, the script window's grid: the script lines in two columns under a fixed heading,
// one row selected at a time. A click marks a line, a double click inserts an empty line there;
// the arrow and page keys, Home and End move the marker, Insert and Delete insert and delete a
// line. Tab leaves the grid. The marked line is kept in sight; while a run goes it is the one
// running, and stands out instead of the selection.
#pragma once

#include "script_window/script_edits.h"
#include "script_window/script_grid_model.h"

#include <QTableView>

namespace quarnel {

class ScriptGridView : public QTableView {
public:
  ScriptGridView(ScriptGridModel &model, ScriptEdits &edits, QWidget *parent);

  void followRun(bool running);
  bool followsRun() const { return m_model.running(); }

protected:
  void keyPressEvent(QKeyEvent *event) override;
  // Typing does not jump to a line: every row the user goes to carries the marker, and a search
  // would move the selection alone.
  void keyboardSearch(const QString &) override {}

private:
  void goToLine(int row);
  void insertEmptyLine();
  void selectCurrentLine();
  int pageRows() const;

  ScriptGridModel &m_model;
  ScriptEdits &m_edits;
};

} // namespace quarnel
