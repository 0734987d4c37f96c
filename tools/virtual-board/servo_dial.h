// One servo of the virtual board: a horn on a dial, turned to the position last received, with
// the servo's number above it and the position below. A widget of its own, so a screen reader
// finds each servo by name and hears its position.
#pragma once

#include <QWidget>

namespace tavik::board {

class ServoDial : public QWidget {
public:
  // The size of square the dial is drawn for; a smaller one shows it scaled down whole.
  static constexpr int kDesignSize = 112;

  ServoDial(int servo, QWidget *parent);

  // A position from 0 to 254, or BoardState::kNoPosition before anything has arrived.
  void showPosition(int position);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  int m_servo;
  int m_position;
};

} // namespace tavik::board
