#pragma once
// Where the computer's random numbers come from: single-precision values in
// [0, 1). The game reseeds from a high-resolution clock at every safe-random
// attempt; tests and the text harness feed exact numbers.
#include <cstdint>
#include <deque>
#include <random>

namespace pellumo {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual float Next() = 0;
  // Seeds the generator from the clock (each safe-random attempt does this).
  virtual void Reseed() = 0;
};

// The game's source: a Mersenne Twister reseeded from the steady clock's
// nanoseconds, so two attempts within one second still differ.
class ClockRandom : public RandomSource {
 public:
  ClockRandom();
  float Next() override;
  void Reseed() override;

 private:
  std::mt19937 engine_;
  std::uint32_t reseeds_ = 0;  // keeps two reseeds in one clock tick apart
};

// Hands out queued numbers first, then falls back to a generator seeded by
// Seed(); Reseed() keeps that generator's sequence, so a run is reproducible.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::uint32_t seed = 1) : engine_(seed) {}
  void Queue(float r) { queue_.push_back(r); }
  void Seed(std::uint32_t seed) { engine_.seed(seed); }
  std::size_t Queued() const { return queue_.size(); }
  float Next() override;
  void Reseed() override {}
  std::uint64_t Drawn() const { return drawn_; }

 private:
  std::deque<float> queue_;
  std::mt19937 engine_;
  std::uint64_t drawn_ = 0;
};

// Uniform float in [0, 1) from a 32-bit engine, never 1.0f.
float UniformFloat(std::mt19937& engine);

}  // namespace pellumo
