#pragma once
// A game as the program runs it, in a temporary program folder of its own,
// with scripted random numbers, a short flash, and message boxes answered by
// the test.
#include <QPoint>
#include <memory>
#include <string>
#include <vector>

#include "computer/random.h"
#include "support/fakeui.h"
#include "window/boardwidget.h"
#include "window/gamehost.h"
#include "window/mainwindow.h"

namespace pellumo::testing {

struct GuiRig {
  TempFolder folder;
  ScriptedRandom* random = nullptr;  // owned by the host
  std::unique_ptr<GameHost> host;
  std::vector<std::string> questions;  // Yes/No texts asked
  std::vector<std::string> messages;   // OK texts shown
  bool answerYes = false;
  int quits = 0;

  // Writes these settings before the window loads (empty: none).
  explicit GuiRig(const std::string& settings = "", bool show = true);
  ~GuiRig();

  MainWindow& window() const { return *host->Window(); }
  Game& game() const { return host->game(); }
  std::string Settings() const { return ReadFile(folder.file("pellumo.ini")); }

  // The middle of a line or box as painted, in board pixels.
  QPoint LineCentre(const std::string& Compass, int n) const;
  QPoint BoxCentre(int n) const;
  // Clicks a line with the pointer (press and release on it).
  void ClickLine(const std::string& Compass, int n) const;
  void MoveTo(QPoint pos) const;
  // Lets the posted work run (queued actions, deferred deletes).
  static void Settle();
};

}  // namespace pellumo::testing
