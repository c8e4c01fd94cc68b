#pragma once

#include <cstdint>

namespace mqt {

// How far the middle of three successive X counts lies from the mean of its
// neighbours, relative to that mean, made positive. Worked in double from the
// integer counts and stored as a 32-bit float, as every deviation sum is.
// The caller's counting condition guarantees newest + oldest != 0.
float TripleDeviation(std::int32_t newest, std::int32_t middle, std::int32_t oldest);

// Counting conditions of the five measures (n newest, m middle, o oldest).
// Each rules out a zero mean.

// Algorithm A: any non-zero mean.
bool CountsForA(std::int32_t n, std::int32_t m, std::int32_t o);
// Algorithms B and C: neighbours not of opposite signs, non-zero mean.
bool CountsForBC(std::int32_t n, std::int32_t m, std::int32_t o);
// Algorithm D: neighbours of the same sign (both non-zero), middle non-zero.
bool CountsForD(std::int32_t n, std::int32_t m, std::int32_t o);
// The main measure: all three of the same sign, none zero.
bool CountsForMain(std::int32_t n, std::int32_t m, std::int32_t o);

}  // namespace mqt
