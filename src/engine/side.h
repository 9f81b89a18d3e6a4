// The sides: their number, the one type that names a side, the sides in
// play, and tables with one entry per side.
#pragma once

#include <array>
#include <cstddef>
#include <iterator>

namespace trimbol {

// The one place the number of sides is written. A table with one entry per
// side is a PerSide, which takes exactly this many values, so a change here
// makes the compiler name every table that needs a new entry.
inline constexpr int kSideCount = 4;

// Side 1 (crosses) to kSideCount (spirals): the order of play.
class Side {
 public:
  constexpr explicit Side(int number) : number_(number) {}

  constexpr int number() const { return number_; }
  constexpr std::size_t index() const { return static_cast<std::size_t>(number_ - 1); }
  // The side after this one among the first `count` sides.
  constexpr Side NextOf(int count) const { return Side(number_ == count ? 1 : number_ + 1); }

  friend constexpr bool operator==(Side, Side) = default;

 private:
  int number_;
};

// Sides 1..count, for range-for.
class SideRange {
 public:
  class Iterator {
   public:
    using value_type = Side;
    using difference_type = std::ptrdiff_t;
    constexpr Iterator() = default;
    constexpr explicit Iterator(int number) : number_(number) {}
    constexpr Side operator*() const { return Side(number_); }
    constexpr Iterator& operator++() {
      ++number_;
      return *this;
    }
    constexpr Iterator operator++(int) {
      Iterator before = *this;
      ++number_;
      return before;
    }
    friend constexpr bool operator==(Iterator, Iterator) = default;

   private:
    int number_ = 1;
  };

  constexpr explicit SideRange(int count) : count_(count) {}
  constexpr Iterator begin() const { return Iterator(1); }
  constexpr Iterator end() const { return Iterator(count_ + 1); }

 private:
  int count_;
};

constexpr SideRange AllSides() { return SideRange(kSideCount); }
// The sides that take turns in a game of `count` sides.
constexpr SideRange SidesInPlay(int count) { return SideRange(count); }

// One value per side, indexed by Side.
template <typename T>
class PerSide {
 public:
  constexpr PerSide() = default;
  template <typename... V>
    requires(sizeof...(V) == kSideCount)
  constexpr PerSide(V... values) : values_{T(values)...} {}

  constexpr T& operator[](Side side) { return values_[side.index()]; }
  constexpr const T& operator[](Side side) const { return values_[side.index()]; }
  constexpr auto begin() { return values_.begin(); }
  constexpr auto end() { return values_.end(); }
  constexpr auto begin() const { return values_.begin(); }
  constexpr auto end() const { return values_.end(); }
  constexpr const std::array<T, kSideCount>& values() const { return values_; }
  friend constexpr bool operator==(const PerSide&, const PerSide&) = default;

 private:
  std::array<T, kSideCount> values_{};
};

}  // namespace trimbol
