#pragma once
// One program's worth of windows over the simulated unit in virtual time:
// what every window test starts from.
#include <QTemporaryDir>
#include <QtGlobal>
#include <string>

#include "Fakes.h"
#include "app/QtControls.h"
#include "app/Windows.h"
#include "link/TxRx.h"
#include "sim/VirtualLink.h"

struct QtRig {
  QTemporaryDir folder;
  QtControls controls;
  VirtualLink link;
  FakePort& port = link.port;
  std::vector<std::vector<uint8_t>>& writes = link.port.writes;
  RecordedDialogs dialogs;
  MapSettings settings;
  Ambrelin app{controls, link.port, link.pump, dialogs, settings, folder.path().toStdString()};

  QtRig() {
    link.port.Received = [this](std::span<const uint8_t> bytes) { ReceiveEvent(app.link, bytes); };
    RegisterWindows(controls, app);
  }
  template <typename W>
  W* Get(Control c) {
    auto* widget = qobject_cast<W*>(controls.Find(c));
    if (!widget) qFatal("%s is not the expected kind of widget", std::string(c.name).c_str());
    return widget;
  }
};
