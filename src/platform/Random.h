#pragma once
// The process-wide runtime random source (random deal numbers, the win animation's
// launches). The main window seeds it from the clock; tests seed it to fix a sequence.

namespace Random {
void Seed(unsigned seed);
void SeedFromClock();
// A fresh non-negative draw in 0..0x7FFF.
int Next();
// Uniform integer in 0..range-1 (0 when range <= 0).
int Below(int range);
}  // namespace Random
