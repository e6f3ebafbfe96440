#pragma once
// The program without a screen, over the simulated unit in virtual time.
#include <gtest/gtest.h>

#include "Fakes.h"
#include "app/Ambrelin.h"
#include "app/MapControls.h"
#include "link/ComPort.h"
#include "sim/VirtualLink.h"

struct TestApp {
  MapControls controls;
  RecordedDialogs dialogs;
  MapSettings settings;
  VirtualLink link;
  Ambrelin app{controls, link.port, link.pump, dialogs, settings, ::testing::TempDir() + "ambrelin-data"};
  TestApp() { ConnectPort(app); }
};
