// Deterministic random choices. A run's seed names every action it takes, and each action
// draws its own choices from a seed of its own, so that any selection of a run's actions can
// be played again on its own and makes the same choices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace soak {

// Two numbers mixed into one well-spread number.
inline uint64_t Mix(uint64_t a, uint64_t b) {
    uint64_t z = a ^ (b + 0x9E3779B97F4A7C15ull + (a << 6) + (a >> 2));
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

class Dice {
  public:
    explicit Dice(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 to n - 1; 0 when n is 0.
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(Next() % n); }
    // lo to hi, both included.
    int Between(int lo, int hi) {
        return lo + static_cast<int>(Below(static_cast<std::size_t>(hi - lo) + 1));
    }
    bool Percent(unsigned p) { return Below(100) < p; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[Below(items.size())];
    }

  private:
    uint64_t state_;
};

}  // namespace soak
