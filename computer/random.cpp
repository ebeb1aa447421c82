#include "computer/random.h"

#include <chrono>

namespace pellumo {

float UniformFloat(std::mt19937& engine) {
  // 24 random bits give every float step of [0, 1) exactly, and never 1.
  return static_cast<float>(engine() >> 8) * (1.0f / 16777216.0f);
}

ClockRandom::ClockRandom() { Reseed(); }

float ClockRandom::Next() { return UniformFloat(engine_); }

void ClockRandom::Reseed() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  std::seed_seq seq{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                     ++reseeds_};
  engine_.seed(seq);
}

float ScriptedRandom::Next() {
  ++drawn_;
  if (!queue_.empty()) {
    const float r = queue_.front();
    queue_.pop_front();
    return r;
  }
  return UniformFloat(engine_);
}

}  // namespace pellumo
