#include "startup/aboutwindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QHideEvent>
#include <QPushButton>
#include <QTimer>

#include "startup/gamehost.h"
#include "startup/startup.h"
#include "startup/version.h"
#include "window/fonts.h"
#include "window/twips.h"

namespace pellumo {

QIcon ProgramIcon() {
  QIcon icon;
  // Up to 256 px: a task switcher at scale 2 asks for 128 or more.
  for (int size : {16, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(size, size);
    pixmap.fill(QColor(255, 255, 192));
    QPainter p(&pixmap);
    const double cell = size / 2.0;
    const double t = std::max(1.0, size / 12.0);
    p.fillRect(QRectF(t, t, cell - t, cell - t), QColor(255, 128, 128));
    p.fillRect(QRectF(cell + t / 2, cell + t / 2, cell - t * 1.5, cell - t * 1.5),
               QColor(128, 128, 255));
    p.fillRect(QRectF(t, 0, cell - t, t), QColor(255, 0, 0));
    p.fillRect(QRectF(0, t, t, cell - t), QColor(255, 0, 0));
    p.fillRect(QRectF(cell, cell - t / 2, cell - t, t), QColor(0, 0, 255));
    p.fillRect(QRectF(size - t, cell, t, cell - t), QColor(0, 0, 255));
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 3; ++x) {
        p.fillRect(QRectF(std::min(x * cell, size - t) - (x == 1 ? t / 2 : 0),
                          std::min(y * cell, size - t) - (y == 1 ? t / 2 : 0), t, t),
                   QColor(64, 64, 64));
      }
    }
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QString VersionLine() {
  return AboutWindow::tr("Version: %1").arg(QString::fromLatin1(kVersion));
}

AboutWindow::AboutWindow(GameHost& host) : QDialog(nullptr), host_(host) {
  setObjectName("frmAbout");
  setWindowTitle(tr("About Pellumo!"));
  setWindowIcon(ProgramIcon());
  setFont(QFont(kDialogFace, 8));
  const Twips t = Twips::For(nullptr);
  setFixedSize(t.SizeToPixels(5736, 3072));

  auto* picIcon = t.Place(new QLabel(this), "picIcon", {240, 240, 432, 432});
  picIcon->setPixmap(ProgramIcon().pixmap(picIcon->size()));

  Logo = t.Place(new QLabel("Pellumo!", this), "Logo", {792, 108, 2580, 552});
  QFont logoFont(kLogoFace);
  logoFont.setPointSizeF(21.6);
  logoFont.setItalic(true);
  Logo->setFont(logoFont);
  QPalette purple = Logo->palette();
  purple.setColor(QPalette::WindowText, QColor(128, 0, 128));
  Logo->setPalette(purple);

  lblDescription = t.Place(new QLabel(tr("Can you close more boxes than the computer?"), this),
                           "lblDescription", {828, 756, 4392, 312});
  QFont italic = font();
  italic.setItalic(true);
  lblDescription->setFont(italic);
  QPalette blue = lblDescription->palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  lblDescription->setPalette(blue);

  lblVersion = t.Place(new QLabel(this), "lblVersion", {144, 1224, 3888, 228});

  cmdOK = t.Place(new QPushButton(tr("OK"), this), "cmdOK", {4716, 2556, 972, 420});
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);
  // Closing it from the title bar only hides it, as OK does.
  connect(this, &QDialog::rejected, this, &QWidget::hide);
}

void AboutWindow::Form_Load() {
  show();
  lblVersion->setText(VersionLine());
  QPointer<AboutWindow> self(this);
  {
    GameHost::BusyScope busy(host_);
    NestedWait(host_.Clock(), kPause);
  }
  if (self && !host_.Quitting()) cmdOK_Click();
}

void AboutWindow::cmdOK_Click() {
  host_.ShowMainWindow();
  hide();
}

void AboutWindow::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (event->spontaneous()) return;  // minimised: it is still there
  // From the event loop: the native window may be handling the click on OK.
  QTimer::singleShot(0, this, [this] {
    if (isHidden() && testAttribute(Qt::WA_WState_Created)) destroy();
  });
}

void AboutWindow::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  const Twips t = Twips::For(nullptr);
  // The etched separator: a grey line with a white one just below it.
  p.setPen(QPen(QColor(128, 128, 128), 1));
  p.drawLine(t.ToPixels(90), t.ToPixels(2451), t.ToPixels(5660), t.ToPixels(2451));
  p.setPen(QPen(QColor(255, 255, 255), 2));
  p.drawLine(t.ToPixels(105), t.ToPixels(2466) + 1, t.ToPixels(5660), t.ToPixels(2466) + 1);
  if (!painted_) {
    painted_ = true;
    ReportFirstPaint();
  }
}

}  // namespace pellumo
