#include "board/linestore.h"

namespace pellumo {

LineControl* LineStore::Line(std::string_view Compass, int n) {
  if (!InRange(n)) return nullptr;
  if (Compass == "horz") return &hline[n];
  if (Compass == "vert") return &vline[n];
  return nullptr;
}

const LineControl* LineStore::Line(std::string_view Compass, int n) const {
  return const_cast<LineStore*>(this)->Line(Compass, n);
}

}  // namespace pellumo
