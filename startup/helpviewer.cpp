#include "startup/helpviewer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include "startup/aboutwindow.h"

namespace pellumo {
namespace {

// The pages in another language are in help/<language>/, and any page (or
// style sheet) not translated yet is the English one a folder up, so that a
// link from a translated page to an untranslated one still leads somewhere.
class HelpBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& name) override {
    // Pages and style sheets come here with their full address.
    if (name.isLocalFile()) {
      const QFileInfo file(name.toLocalFile());
      const QFileInfo english(file.dir().absoluteFilePath("../" + file.fileName()));
      if (!file.exists() && file.dir().dirName().size() == 2 && english.isFile())
        return QTextBrowser::loadResource(type, QUrl::fromLocalFile(english.absoluteFilePath()));
    }
    return QTextBrowser::loadResource(type, name);
  }
};

}  // namespace

HelpViewer::HelpViewer() : browser_(new HelpBrowser(this)) {
  setObjectName("HelpViewer");
  setWindowTitle(tr("Pellumo! Help"));
  setWindowIcon(ProgramIcon());
  browser_->setOpenExternalLinks(false);
  browser_->setOpenLinks(true);
  setCentralWidget(browser_);

  QToolBar* bar = addToolBar(tr("Navigation"));
  bar->setObjectName("Navigation");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  back_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), browser_,
                         &QTextBrowser::backward);
  back_->setShortcut(QKeySequence::Back);
  forward_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"),
                            browser_, &QTextBrowser::forward);
  forward_->setShortcut(QKeySequence::Forward);
  // Each button only when there is a page to go to.
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
  } else {
    QMainWindow::keyPressEvent(event);
  }
}

void HelpViewer::Open(const QString& path) {
  const QFileInfo file(path);
  if (file.isFile() && file.isReadable()) {
    browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
  } else {
    // The message is no page: Back must not lead from it to one.
    browser_->clearHistory();
    browser_->setHtml(
        tr("<h2>Help is not available</h2>"
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
