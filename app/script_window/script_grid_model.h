// The script lines as an item model for the script window's grid: column 0 a line's text under
// the heading "Command", its tooltip what a node line changes, column 1 the marker. Row 0 of
// the lines is the heading, so the model's row r is line r + 1. While a run goes, the marked
// line, the one running, stands out in the selection's colours. It follows the lines' change
// reports, and reads rows only as the view paints them or asks for a tooltip, so a long script
// costs its lines and one repaint.
#pragma once

#include "script/script_model.h"

#include <QAbstractTableModel>

namespace quarnel {

class ScriptGridModel : public QAbstractTableModel {
  Q_OBJECT

public:
  enum Column { CommandColumn, MarkerColumn, ColumnCount };

  explicit ScriptGridModel(ScriptModel &script, QObject *parent = nullptr);
  ~ScriptGridModel() override;

  ScriptLines &lines() { return m_lines; }
  static int lineOf(const QModelIndex &index) { return index.row() + 1; }
  QModelIndex indexOfLine(int row, int column = CommandColumn) const { return index(row - 1, column); }

  int rowCount(const QModelIndex &parent = {}) const override;
  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

  void setRunning(bool running);
  bool running() const { return m_running; }

signals:
  // The marked line was inserted, changed or reset, so a view can bring it into sight.
  void markedLineShown(const QModelIndex &index);

private:
  void follow(const ScriptLinesChange &change);

  const ScriptModel &m_script;
  ScriptLines &m_lines;
  ScriptLines::ListenerId m_listener;
  bool m_running = false;
};

} // namespace quarnel
