#pragma once
// The main window's read-outs as data: what its labels, text boxes and menu
// items show, under the controls' own names. The engine and the computer
// write them, the window shows them; the window itself writes only the
// pointer's read-out and the debug grid.
#include <array>
#include <string>

#include "board/boxcoll.h"

namespace pellumo {

struct ReadOuts {
  std::string plyr1score;        // the human's score
  std::string plyr2score;        // the computer's score
  std::string Label1;            // the human's name
  std::string Label2;            // the computer's name
  bool Label1Underline = false;  // whose turn it is
  bool Label2Underline = false;
  std::string Text1;             // line under the pointer
  std::string Text2 = "Text2";   // taken lines
  std::string updatecount = "Text2";  // box refreshes so far
  std::string Label4;            // the advice
  std::array<std::string, kBoxes + 1> mystat{};  // debug grid, 1..64
  bool mnuReplayEnabled = false;
  std::array<bool, 3> mnuDiffChecked{false, false, true};  // the level marks
};

}  // namespace pellumo
