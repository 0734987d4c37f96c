// The node buttons in their twip layout, following the node table, and their scrolling.
#include "script_window/node_button_list.h"

#include "widgets/named_widget.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QScrollBar>

namespace quarnel {

namespace {

constexpr int buttonTop = 240, buttonStep = 300, buttonWidth = 1332, buttonHeight = 252;
constexpr int containerTop = -120, containerHeight = 492;
constexpr int scrollStep = 300;

} // namespace

NodeButtonList::NodeButtonList(const NodeTable &nodes, const TwipLayout &layout, QWidget *frame)
    : QObject(frame), m_nodes(nodes), m_layout(layout) {
  m_fmePort = place(new QWidget(frame), "fmePort", m_layout.rect(240, 240, buttonWidth, 1815));
  m_fmeContainer = place(new QWidget(m_fmePort), "fmeContainer",
                         m_layout.rect(0, containerTop, buttonWidth, containerHeight));
  m_vscNodeScroll = place(new QScrollBar(Qt::Vertical, frame), "vscNodeScroll", m_layout.rect(1680, 360, 255, 1695));
  m_vscNodeScroll->setPageStep(1);
  m_vscNodeScroll->setAccessibleName(QCoreApplication::translate("NodeButtonList", "Node list"));
  connect(m_vscNodeScroll, &QScrollBar::valueChanged, this, &NodeButtonList::scrollTo);
}

void NodeButtonList::reset() {
  for (QPushButton *button : m_cmbNode) delete button;
  m_cmbNode.clear();
  m_fmeContainer->setGeometry(m_layout.rect(0, containerTop, buttonWidth, containerHeight));
  QSignalBlocker quiet(m_vscNodeScroll);
  m_vscNodeScroll->setRange(0, 0);
  m_vscNodeScroll->setEnabled(false);
}

void NodeButtonList::showNodes() {
  const bool added = m_nodes.count() > static_cast<int>(m_cmbNode.size());
  while (static_cast<int>(m_cmbNode.size()) > m_nodes.count()) {
    delete m_cmbNode.back();
    m_cmbNode.pop_back();
  }
  while (static_cast<int>(m_cmbNode.size()) < m_nodes.count()) {
    const int index = static_cast<int>(m_cmbNode.size());
    const int top = buttonTop + buttonStep * index;
    auto *button = place(new QPushButton(m_fmeContainer), indexed("cmbNode", index),
                         m_layout.rect(0, top, buttonWidth, buttonHeight));
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    button->setToolTip(QCoreApplication::translate(
        "NodeButtonList", "Write this node at the marker; right-click to place, edit, delete or go to it"));
    connect(button, &QPushButton::clicked, this, [this, index] { clicked(index); });
    connect(button, &QPushButton::customContextMenuRequested, this,
            [this, index, button](const QPoint &at) { popUpRequested(index, button->mapToGlobal(at)); });
    button->show();
    m_cmbNode.push_back(button);
    // The list grows with its buttons and does not shrink when they go.
    const int needed = m_layout.pixels(top + buttonHeight);
    if (m_fmeContainer->height() < needed) m_fmeContainer->resize(m_fmeContainer->width(), needed);
  }
  for (int i = 0; i < m_nodes.count(); ++i) {
    const QString name = QString::fromStdString(m_nodes.node(i).name);
    // A node's name is shown as it is: an ampersand in it is no access key.
    m_cmbNode[i]->setText(QString(name).replace('&', "&&"));
    m_cmbNode[i]->setAccessibleName(i == 0 ? QCoreApplication::translate("NodeButtonList", "Home node")
                                           : QCoreApplication::translate("NodeButtonList", "Node %1").arg(name));
  }

  // Only a new node scrolls the list, however the user left it; removing one leaves it where
  // the user has it.
  if (!added) return;
  const NodeScroll scroll = m_nodes.scroll();
  m_vscNodeScroll->setEnabled(scroll.enabled);
  m_vscNodeScroll->setMaximum(scroll.maximum);
  m_vscNodeScroll->setValue(scroll.value);
}

void NodeButtonList::setButtonsEnabled(bool enabled) { m_fmeContainer->setEnabled(enabled); }

void NodeButtonList::scrollTo(int value) { m_fmeContainer->move(0, -m_layout.pixels(scrollStep * value)); }

} // namespace quarnel
