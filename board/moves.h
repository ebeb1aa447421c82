#pragma once
// The record of one claimed line and the ordered history of a game.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace pellumo {

class Moves {
 public:
  std::string Compass;  // "horz" or "vert"
  std::int16_t LineNum = 0;
  std::int16_t PlayerNum = 0;  // 1 the human, 2 the computer
};

class AllTheMoves {
 public:
  // Appends a new record, under sKey when it is not empty. Throws
  // std::invalid_argument for a key that is already present.
  Moves& Add(const std::string& Compass, std::int16_t LineNum, std::int16_t PlayerNum,
             const std::string& sKey = "");
  // By 1-based position or by key; throws std::out_of_range when absent.
  Moves& Item(std::int32_t Index);
  const Moves& Item(std::int32_t Index) const;
  Moves& Item(const std::string& Key);
  std::int32_t Count() const { return static_cast<std::int32_t>(records_.size()); }
  void Remove(std::int32_t Index);
  void Remove(const std::string& Key);

 private:
  std::vector<std::shared_ptr<Moves>> records_;
  std::map<std::string, std::shared_ptr<Moves>> keys_;
};

}  // namespace pellumo
