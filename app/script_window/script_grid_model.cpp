// The item model over the script lines: each change report becomes the model signal Qt's views
// expect, announced before the lines change where Qt needs that.
#include "script_window/script_grid_model.h"

#include "script/pose_change.h"
#include "script/script_sound.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>

namespace quarnel {

namespace {

QString shown(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

ScriptGridModel::ScriptGridModel(ScriptModel &script, QObject *parent)
    : QAbstractTableModel(parent), m_script(script), m_lines(script.lines()),
      m_listener(m_lines.addListener([this](const ScriptLinesChange &change) { follow(change); })) {}

ScriptGridModel::~ScriptGridModel() { m_lines.removeListener(m_listener); }

int ScriptGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_lines.lastRow(); }

int ScriptGridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ScriptGridModel::data(const QModelIndex &index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const int row = lineOf(index);
  if (role == Qt::DisplayRole) return shown(index.column() == CommandColumn ? m_lines.text(row) : m_lines.marker(row));
  if (role == Qt::ToolTipRole && index.column() == CommandColumn) {
    if (const auto change = lineChangeText(m_script, row)) return shown(*change);
    if (const auto sound = soundLineTip(m_script, m_lines.text(row))) return shown(*sound);
  }
  // In the active colours though the grid takes no input while the run goes.
  if (m_running && row == m_lines.markedRow()) {
    if (role == Qt::BackgroundRole) return QGuiApplication::palette().brush(QPalette::Active, QPalette::Highlight);
    if (role == Qt::ForegroundRole) return QGuiApplication::palette().brush(QPalette::Active, QPalette::HighlightedText);
  }
  return {};
}

QVariant ScriptGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::DisplayRole)
    return section == CommandColumn ? QCoreApplication::translate("ScriptLines", scriptHeading.data()) : QString();
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  return {};
}

Qt::ItemFlags ScriptGridModel::flags(const QModelIndex &index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ScriptGridModel::setRunning(bool running) {
  if (m_running == running) return;
  m_running = running;
  const int row = m_lines.markedRow();
  if (row >= 1) emit dataChanged(indexOfLine(row, CommandColumn), indexOfLine(row, MarkerColumn));
}

void ScriptGridModel::follow(const ScriptLinesChange &change) {
  const int viewRow = change.row - 1;
  switch (change.kind) {
  case ScriptLinesChange::Inserting:
    beginInsertRows({}, viewRow, viewRow);
    return;
  case ScriptLinesChange::Inserted:
    endInsertRows();
    break;
  case ScriptLinesChange::Removing:
    beginRemoveRows({}, viewRow, viewRow);
    return;
  case ScriptLinesChange::Removed:
    endRemoveRows();
    return;
  case ScriptLinesChange::Changed:
  case ScriptLinesChange::Marked:
    // The heading is the header, and never carries the marker.
    if (change.row < 1) return;
    emit dataChanged(index(viewRow, CommandColumn), index(viewRow, MarkerColumn));
    break;
  case ScriptLinesChange::Resetting:
    beginResetModel();
    return;
  case ScriptLinesChange::Reset:
    endResetModel();
    emit markedLineShown(indexOfLine(m_lines.markedRow()));
    return;
  }
  if (change.row == m_lines.markedRow()) emit markedLineShown(index(viewRow, CommandColumn));
}

} // namespace quarnel
