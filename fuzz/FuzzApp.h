#pragma once
// The program without a screen for the fuzz targets, and a way to hand a
// fuzzed input to a loader as a file.
#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>

#include "Fakes.h"
#include "app/Ambrelin.h"
#include "app/MapControls.h"
#include "sim/VirtualLink.h"

struct FuzzApp {
  MapControls controls;
  RecordedDialogs dialogs;
  MapSettings settings;
  VirtualLink link;
  Ambrelin a{controls, link.port, link.pump, dialogs, settings, "/tmp"};
};

// A file of the input's bytes, named with the ending its loader wants.
inline std::string FuzzFile(const uint8_t* data, size_t size, const std::string& ending) {
  const std::string path = "/tmp/ambrelin-fuzz-" + std::to_string(getpid()) + ending;
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));
  return path;
}
