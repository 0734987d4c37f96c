// A pick list whose closed box shortens a text too long for it with an ellipsis instead of
// cutting it off; the open list shows each text whole.
#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace quarnel {

class ElidingComboBox : public QComboBox {
public:
  using QComboBox::QComboBox;

  // The open list as wide as its longest text, however narrow the closed box is.
  void fitListToItems() { view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth()); }

protected:
  void paintEvent(QPaintEvent *) override {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight, field.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
  }
};

} // namespace quarnel
