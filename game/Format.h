// printf-style formatting into a std::string, for the texts the game layer composes.
#pragma once

#include <cstdio>
#include <string>

namespace tamsok {

// The text of `format` filled with `args`, whatever its length.
template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[128];
  const int n = std::snprintf(buffer, sizeof buffer, format, args...);
  if (n < 0) return {};
  if (static_cast<std::size_t>(n) < sizeof buffer) return std::string(buffer, n);
  std::string big(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(big.data(), big.size(), format, args...);
  big.resize(static_cast<std::size_t>(n));
  return big;
}

}  // namespace tamsok
