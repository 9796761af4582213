// The last few values of a computation that is asked again with the same inputs (the frames
// of consecutive days share Sun places, the points of one day share noons). A new value takes
// the place of the oldest. Keeping values changes no result as long as a value depends on what
// matches finds in it alone.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace kelmo {

template <typename Value, std::size_t N>
class RecentValues {
  public:
    // The kept value for which matches(value) holds, else compute()'s result, kept.
    template <typename Matches, typename Compute>
    const Value& find(Matches matches, Compute compute) {
        for (std::size_t i = 0; i < std::min(count_, N); ++i) {
            if (matches(values_[i])) return values_[i];
        }
        Value& slot = values_[count_++ % N];
        slot = compute();
        return slot;
    }

  private:
    std::array<Value, N> values_{};
    std::size_t count_ = 0;
};

}  // namespace kelmo
