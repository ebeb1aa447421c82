#include "window/capturesound.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace pellumo {

namespace {

// The longest a sound of unknown length may hold up the game.
constexpr int kUnknownLengthMs = 5000;
constexpr std::chrono::milliseconds kLoadTimeout{2000};

}  // namespace

std::optional<int> WavMilliseconds(const QByteArray& file) {
  if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return {};
  quint32 byteRate = 0;
  qint64 pos = 12;
  while (pos + 8 <= file.size()) {
    const QByteArray id = file.mid(pos, 4);
    const quint32 size = qFromLittleEndian<quint32>(file.constData() + pos + 4);
    const qint64 body = pos + 8;
    if (id == "fmt " && size >= 16 && body + 16 <= file.size()) {
      byteRate = qFromLittleEndian<quint32>(file.constData() + body + 8);
    } else if (id == "data") {
      if (byteRate == 0) return {};
      // A header that claims more than the file holds is cut to the file.
      const qint64 bytes = std::min<qint64>(size, file.size() - body);
      return static_cast<int>(bytes * 1000 / byteRate);
    }
    pos = body + size + (size & 1);  // chunks are padded to even sizes
  }
  return {};
}

CaptureSound::CaptureSound(QString path) : path_(std::move(path)) {}

CaptureSound::~CaptureSound() = default;

void CaptureSound::Play(WaitClock& clock) {
  if (!QFileInfo::exists(path_)) {
    QApplication::beep();
    return;
  }
  if (QMediaDevices::audioOutputs().isEmpty()) return;

  if (!effect_) {
    QFile file(path_);
    std::optional<int> length;
    if (file.open(QIODevice::ReadOnly)) length = WavMilliseconds(file.read(1 << 20));
    lengthMs_ = length.value_or(kUnknownLengthMs);
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path_));
  }
  QSoundEffect& effect = *effect_;
  NestedWaitUntil(clock, kLoadTimeout, [&] {
    return effect.status() != QSoundEffect::Loading && effect.status() != QSoundEffect::Null;
  });
  if (effect.status() != QSoundEffect::Ready) {
    // The file is there but cannot be played: the default sound instead.
    QApplication::beep();
    return;
  }
  effect.play();
  NestedWaitUntil(clock, std::chrono::milliseconds(lengthMs_ + kMarginMs),
                  [&] { return !effect.isPlaying(); });
  if (effect.isPlaying()) effect.stop();
}

}  // namespace pellumo
