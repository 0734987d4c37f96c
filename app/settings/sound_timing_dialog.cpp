#include "settings/sound_timing_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace quarnel {

namespace {

QSpinBox *millisecondsBox(QWidget *parent, const char *name, int lowest, int highest, int value) {
  auto *box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(lowest, highest);
  box->setSuffix(QCoreApplication::translate("SoundTimingDialog", " ms"));
  box->setValue(value);
  return box;
}

} // namespace

SoundTimingDialog::SoundTimingDialog(const SoundTiming &timing, QWidget *parent) : QDialog(parent) {
  setObjectName("frmSoundTiming");
  setWindowTitle(QCoreApplication::translate("SoundTimingDialog", "Sound Timing"));
  setModal(true);
  auto *form = new QFormLayout(this);
  m_spnSoundOffset = millisecondsBox(this, "spnSoundOffset", -largestSoundOffsetMs, largestSoundOffsetMs, timing.offsetMs);
  m_spnSoundOffset->setToolTip(QCoreApplication::translate("SoundTimingDialog", "Moves the motion later than the sound, or earlier below 0: "
                                  "for servos that lag, or sound that reaches the ears late."));
  form->addRow(QCoreApplication::translate("SoundTimingDialog", "Motion &offset against the sound:"), m_spnSoundOffset);
  m_spnJawLookAhead = millisecondsBox(this, "spnJawLookAhead", 0, largestJawLookAheadMs, timing.jawLookAheadMs);
  m_spnJawLookAhead->setToolTip(QCoreApplication::translate("SoundTimingDialog", "How long before a syllable is heard a JAW servo starts to open for it."));
  form->addRow(QCoreApplication::translate("SoundTimingDialog", "&Jaw moves ahead of the voice by:"), m_spnJawLookAhead);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

SoundTiming SoundTimingDialog::chosen() const { return {m_spnSoundOffset->value(), m_spnJawLookAhead->value()}; }

} // namespace quarnel
