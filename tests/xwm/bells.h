#pragma once
// The bells the X server rings, heard as a desktop hears them: XKB's bell
// notices, on a connection of their own. (Xlib's names stay out of the
// tests, whose Qt code they would clash with.)
namespace pellumo::testing {

class Bells {
 public:
  Bells();
  ~Bells();
  Bells(const Bells&) = delete;
  Bells& operator=(const Bells&) = delete;
  // How many have rung since this object was made.
  int Rung();

 private:
  void* display_ = nullptr;
  int xkbEvent_ = 0;
  int rung_ = 0;
};

}  // namespace pellumo::testing
