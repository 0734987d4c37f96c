// The script window's node buttons: one per node of the table, Home first, in a port that shows
// a few at a time, and the scroll bar that moves them. What a click or a right press on a button
// does is the window's; the list tells it the node's index.
#pragma once

#include "script/node_table.h"
#include "widgets/twip_layout.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <vector>

class QPushButton;
class QScrollBar;
class QWidget;

namespace quarnel {

class NodeButtonList : public QObject {
public:
  // Builds the port and its scroll bar in `frame`, where the design places them.
  NodeButtonList(const NodeTable &nodes, const TwipLayout &layout, QWidget *frame);

  // As the window first showed it: no buttons, the list at its top, no scrolling.
  void reset();
  // A button for each node with the node's name; only a new node scrolls the list, as the
  // table says, so the newest button is in view.
  void showNodes();
  // The buttons alone, apart from the frame that holds the list.
  void setButtonsEnabled(bool enabled);

  std::function<void(int index)> clicked = [](int) {};
  // A right press, at that point of the screen.
  std::function<void(int index, QPoint where)> popUpRequested = [](int, QPoint) {};

private:
  void scrollTo(int value);

  const NodeTable &m_nodes;
  TwipLayout m_layout;
  QWidget *m_fmePort = nullptr;
  QWidget *m_fmeContainer = nullptr;
  QScrollBar *m_vscNodeScroll = nullptr;
  std::vector<QPushButton *> m_cmbNode;
};

} // namespace quarnel
