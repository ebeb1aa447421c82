#pragma once
// Our own viewer for the help pages shipped beside the program: "How to
// Play" opens it maximised, with the focus, beside the game. Back and
// Forward walk the pages visited; Escape closes it.
#include <QMainWindow>

class QAction;
class QTextBrowser;

namespace pellumo {

class HelpViewer : public QMainWindow {
  Q_OBJECT

 public:
  HelpViewer();
  // Shows the page, or a clear message when it is not there.
  void Open(const QString& path);
  QTextBrowser* Browser() const { return browser_; }
  QAction* Back() const { return back_; }
  QAction* Forward() const { return forward_; }

 protected:
  // Escape closes the viewer, from whichever part has the focus.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTextBrowser* browser_;
  QAction* back_;
  QAction* forward_;
};

}  // namespace pellumo
