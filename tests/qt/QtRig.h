#pragma once
// One program's worth of windows over the simulated unit in virtual time:
// what every window test starts from.
#include <QTemporaryDir>
#include <QtGlobal>
#include <string>

#include "Fakes.h"
#include "app/QtControls.h"
#include "app/Windows.h"
#include "link/ComPort.h"
#include "sim/VirtualLink.h"

struct QtRig {
  QTemporaryDir folder;
  QtControls controls;
  VirtualLink link;
  FakePort& port = link.port;
  std::vector<std::vector<uint8_t>>& writes = link.port.writes;
  RecordedDialogs dialogs;
  MapSettings settings;
  // Times the shutdown ended the program.
  int ended = 0;
  Ambrelin app{controls, link.port, link.pump, dialogs, settings, folder.path().toStdString(), [this] { ++ended; }};

  QtRig() {
    ConnectPort(app);
    RegisterWindows(controls, app);
  }
  template <typename W>
  W* Get(Control c) {
    auto* widget = qobject_cast<W*>(controls.Find(c));
    if (!widget) qFatal("%s is not the expected kind of widget", std::string(c.name).c_str());
    return widget;
  }
};
