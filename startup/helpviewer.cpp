#include "startup/helpviewer.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "startup/aboutwindow.h"

namespace pellumo {

HelpViewer::HelpViewer() : browser_(new QTextBrowser(this)) {
  setObjectName("HelpViewer");
  setWindowTitle("Pellumo! Help");
  setWindowIcon(ProgramIcon());
  browser_->setOpenExternalLinks(false);
  browser_->setOpenLinks(true);
  setCentralWidget(browser_);
}

void HelpViewer::Open(const QString& path) {
  const QFileInfo file(path);
  if (file.isFile() && file.isReadable()) {
    browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
  } else {
    browser_->setHtml(
        QStringLiteral("<h2>Help is not available</h2>"
                       "<p>The help file could not be found:</p><p><tt>%1</tt></p>"
                       "<p>It belongs in the <tt>help</tt> folder beside the program. "
                       "Reinstalling Pellumo! puts it back.</p>")
            .arg(path.toHtmlEscaped()));
  }
  showMaximized();
  raise();
  activateWindow();
  browser_->setFocus();
}

}  // namespace pellumo
