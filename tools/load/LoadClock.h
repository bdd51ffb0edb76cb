// Small system helpers that the room and the load tool share.
#pragma once

#include <cstdint>

namespace tamsok {

// Nanoseconds on the monotonic clock, which every process of the machine shares, so times
// taken in the room and in the load tool compare directly.
std::int64_t MonotonicNs();

// Raises this process's limit on open files to its hard limit; returns the new soft limit.
long RaiseOpenFileLimit();

}  // namespace tamsok
