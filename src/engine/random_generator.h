// The program's one random generator: a 64-bit linear congruential
// generator, never reseeded, so every run plays the same sequence. A value:
// copying it copies the sequence to come.
#pragma once

#include <cstdint>

namespace trimbol {

class RandomGenerator {
 public:
  constexpr RandomGenerator() = default;
  constexpr explicit RandomGenerator(std::uint64_t state) : state_(state) {}

  // 0..2147483647.
  constexpr int Next() {
    state_ = state_ * kMultiplier + 1;
    return static_cast<int>((state_ >> 32) & 0x7FFFFFFFU);
  }
  constexpr std::uint64_t state() const { return state_; }

  friend constexpr bool operator==(const RandomGenerator&, const RandomGenerator&) = default;

 private:
  static constexpr std::uint64_t kMultiplier = 0x0000015A00004E35ULL;
  std::uint64_t state_ = 22695478;
};

}  // namespace trimbol
