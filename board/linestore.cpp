#include "board/linestore.h"

namespace pellumo {

LineControl* LineStore::Control(Line line) {
  if (!InRange(line.number)) return nullptr;
  auto& controls = line.orientation == Orientation::Horizontal ? hline : vline;
  return &controls[static_cast<std::size_t>(line.number)];
}

const LineControl* LineStore::Control(Line line) const {
  return const_cast<LineStore*>(this)->Control(line);
}

}  // namespace pellumo
