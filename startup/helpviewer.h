#pragma once
// Our own viewer for the help pages shipped beside the program: "How to
// Play" opens it maximised, with the focus, beside the game.
#include <QMainWindow>

class QTextBrowser;

namespace pellumo {

class HelpViewer : public QMainWindow {
  Q_OBJECT

 public:
  HelpViewer();
  // Shows the page, or a clear message when it is not there.
  void Open(const QString& path);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace pellumo
