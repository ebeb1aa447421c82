#pragma once
// The capture sound, "Robotz Recycle.wav" from the program's folder. Playing
// it returns when it has finished, as the computer's turn expects; every wait
// is bounded, because an audio back end without a real output reports the
// sound as playing for ever.
#include <QString>
#include <memory>
#include <optional>

#include "window/nestedwait.h"

class QSoundEffect;
class QByteArray;

namespace pellumo {

// Playing time of a PCM WAV file from its header; nothing for anything else.
std::optional<int> WavMilliseconds(const QByteArray& file);

class CaptureSound {
 public:
  explicit CaptureSound(QString path);
  ~CaptureSound();
  CaptureSound(const CaptureSound&) = delete;
  CaptureSound& operator=(const CaptureSound&) = delete;

  // A missing file gives the system beep; no audio output, silence. The
  // waits for loading and playing run on clock.
  void Play(WaitClock& clock);

  // Longest wait beyond the sound's own length.
  static constexpr int kMarginMs = 500;

 private:
  QString path_;
  std::unique_ptr<QSoundEffect> effect_;  // made at the first capture
  int lengthMs_ = 0;
};

}  // namespace pellumo
