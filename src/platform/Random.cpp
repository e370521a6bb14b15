#include "platform/Random.h"

#include <chrono>
#include <cstdint>

namespace Random {
namespace {
std::uint32_t State = 1;
}

void Seed(unsigned seed) { State = seed; }

void SeedFromClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  Seed(static_cast<unsigned>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
}

int Next() {
  // A linear congruential step with the 15-bit output a runtime's rand() gives.
  State = State * 1103515245u + 12345u;
  return static_cast<int>((State >> 16) & 0x7FFF);
}

int Below(int range) {
  if (range <= 0) return 0;
  // Two draws give 30 bits, enough for deal numbers up to 10,000,000.
  const unsigned wide = (static_cast<unsigned>(Next()) << 15) | static_cast<unsigned>(Next());
  return static_cast<int>(wide % static_cast<unsigned>(range));
}
}  // namespace Random
