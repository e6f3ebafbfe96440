#pragma once
// The logic over the simulated unit in virtual time, with the port open: what
// a benchmark of a whole job's own cost starts from.
#include "NullPlatform.h"
#include "app/Ambrelin.h"
#include "app/MapControls.h"
#include "link/ComPort.h"
#include "sim/VirtualLink.h"

struct VirtualApp {
  VirtualLink link;
  MapControls controls;
  NoDialogs dialogs;
  NoSettings settings;
  Ambrelin a{controls, link.port, link.pump, dialogs, settings, ""};

  VirtualApp() {
    link.port.Open("/dev/ttyS0", "38400,N,8,1");
    ConnectPort(a);
  }
};
