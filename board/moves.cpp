#include "board/moves.h"

#include <algorithm>
#include <stdexcept>

namespace pellumo {

Moves& AllTheMoves::Add(const std::string& Compass, std::int16_t LineNum,
                        std::int16_t PlayerNum, const std::string& sKey) {
  if (!sKey.empty() && keys_.count(sKey) != 0) {
    throw std::invalid_argument("AllTheMoves: key already present");
  }
  auto record = std::make_shared<Moves>();
  record->Compass = Compass;
  record->LineNum = LineNum;
  record->PlayerNum = PlayerNum;
  records_.push_back(record);
  if (!sKey.empty()) keys_.emplace(sKey, record);
  return *record;
}

Moves& AllTheMoves::Item(std::int32_t Index) {
  if (Index < 1 || Index > Count()) throw std::out_of_range("AllTheMoves: no move at this position");
  return *records_[static_cast<std::size_t>(Index - 1)];
}

const Moves& AllTheMoves::Item(std::int32_t Index) const {
  return const_cast<AllTheMoves*>(this)->Item(Index);
}

Moves& AllTheMoves::Item(const std::string& Key) {
  auto it = keys_.find(Key);
  if (it == keys_.end()) throw std::out_of_range("AllTheMoves: no move under this key");
  return *it->second;
}

void AllTheMoves::Remove(std::int32_t Index) {
  Moves& record = Item(Index);
  std::erase_if(keys_, [&](const auto& entry) { return entry.second.get() == &record; });
  records_.erase(records_.begin() + (Index - 1));
}

void AllTheMoves::Remove(const std::string& Key) {
  Moves& record = Item(Key);
  auto it = std::find_if(records_.begin(), records_.end(),
                         [&](const auto& r) { return r.get() == &record; });
  records_.erase(it);
  keys_.erase(Key);
}

}  // namespace pellumo
