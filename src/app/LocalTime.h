#pragma once
// The machine's local time by the C++ library alone: localtime_r is POSIX
// only, and Windows' strftime writes a zone's name where %z stands.
#include <chrono>
#include <ctime>

// A moment on the machine's clock: its calendar fields, and how far they
// stand ahead of UTC at that moment, summer time included.
struct LocalTime {
  std::tm fields{};
  std::chrono::seconds offset{0};
};

// Safe from any thread. A moment the zone's rules cannot place is given in
// UTC, offset 0.
LocalTime LocalTimeAt(std::time_t);
