// The Sound Timing dialog: how far the motion is moved against the sound, and how far ahead of
// the voice a JAW servo moves.
#pragma once

#include "config/sound_timing.h"

#include <QDialog>

class QSpinBox;

namespace quarnel {

class SoundTimingDialog : public QDialog {
public:
  SoundTimingDialog(const SoundTiming &timing, QWidget *parent);

  SoundTiming chosen() const;

private:
  QSpinBox *m_spnSoundOffset = nullptr;
  QSpinBox *m_spnJawLookAhead = nullptr;
};

} // namespace quarnel
