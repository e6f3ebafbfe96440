#include "link/QtSerialPort.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <optional>
#include <string>

#include "link/ComPort.h"
#include "link/DeviceCheck.h"
#include "link/PortMap.h"

namespace {

struct LineSettings {
  qint32 baud;
  QSerialPort::Parity parity;
  QSerialPort::DataBits dataBits;
  QSerialPort::StopBits stopBits;
};

// "38400,N,8,1": baud, parity letter, data bits, stop bits.
std::optional<LineSettings> ParseSettings(std::string_view text) {
  const QStringList parts = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).split(',');
  if (parts.size() != 4) return std::nullopt;
  bool ok = false;
  LineSettings s{};
  s.baud = parts[0].toInt(&ok);
  if (!ok || s.baud <= 0) return std::nullopt;
  const QString parity = parts[1].toUpper();
  if (parity == "N") s.parity = QSerialPort::NoParity;
  else if (parity == "E") s.parity = QSerialPort::EvenParity;
  else if (parity == "O") s.parity = QSerialPort::OddParity;
  else if (parity == "M") s.parity = QSerialPort::MarkParity;
  else if (parity == "S") s.parity = QSerialPort::SpaceParity;
  else return std::nullopt;
  const int bits = parts[2].toInt(&ok);
  if (!ok || bits < 5 || bits > 8) return std::nullopt;
  s.dataBits = static_cast<QSerialPort::DataBits>(bits);
  if (parts[3] == "1") s.stopBits = QSerialPort::OneStop;
  else if (parts[3] == "2") s.stopBits = QSerialPort::TwoStop;
  else if (parts[3] == "1.5") s.stopBits = QSerialPort::OneAndHalfStop;
  else return std::nullopt;
  return s;
}

bool Apply(QSerialPort& port, const LineSettings& s) {
  return port.setBaudRate(s.baud) && port.setParity(s.parity) && port.setDataBits(s.dataBits) &&
         port.setStopBits(s.stopBits) && port.setFlowControl(QSerialPort::NoFlowControl);
}

}  // namespace

QtSerialPort::QtSerialPort(SettingsStore& store) : pins(store) {
  QObject::connect(&port, &QSerialPort::readyRead, [this] {
    const QByteArray bytes = port.readAll();
    if (Received && !bytes.isEmpty())
      Received(std::span(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())));
  });
  // An unplugged adapter, or a pseudo-terminal whose other end closed, fails
  // every read and write from now on. The port is let go once QSerialPort has
  // finished reporting the error: closing it inside the report would pull its
  // buffers away under it.
  QObject::connect(&port, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError && error != QSerialPort::WriteError)
      return;
    QMetaObject::invokeMethod(
        &port,
        [this] {
          if (!port.isOpen()) return;
          port.close();
          if (Lost) Lost();
        },
        Qt::QueuedConnection);
  });
}

std::map<int, std::string> QtSerialPort::Ports() {
  auto found = QSerialPortInfo::availablePorts();
  std::sort(found.begin(), found.end(), [](const QSerialPortInfo& x, const QSerialPortInfo& y) {
    return x.systemLocation() < y.systemLocation();
  });
  std::map<int, std::string> pinned;
  QStringList pinnedDevices;
  for (int n = 1; n <= HighestComNumber; ++n) {
    std::string path = pins.Get(PortPinSection, "COM" + std::to_string(n));
    if (path.empty()) continue;
    pinned[n] = path;
    pinnedDevices << QString::fromStdString(RealDevice(path));
  }
  // A device pinned through a link such as /dev/serial/by-id keeps its pinned
  // number only; it does not take a second one under its own name.
  std::vector<std::string> devices;
  std::map<std::string, std::string> identityOf;
  for (const auto& info : found) {
    if (pinnedDevices.contains(info.systemLocation())) continue;
    devices.push_back(info.systemLocation().toStdString());
  }
  for (const auto& info : found) {
    if (!info.hasVendorIdentifier()) continue;
    identityOf[info.systemLocation().toStdString()] =
        QString("%1:%2 %3")
            .arg(info.vendorIdentifier(), 4, 16, QChar('0'))
            .arg(info.productIdentifier(), 4, 16, QChar('0'))
            .arg(info.serialNumber())
            .trimmed()
            .toStdString();
  }
  ports = MapComPorts(devices, pinned);
  identities.clear();
  for (const auto& [n, path] : ports) {
    const auto identity = identityOf.find(RealDevice(path));
    if (identity != identityOf.end()) identities[n] = identity->second;
  }
  return ports;
}

std::string QtSerialPort::Identity(int number) {
  auto it = identities.find(number);
  return it == identities.end() ? std::string() : it->second;
}

// Opening a port to try it would raise its modem lines and could reset the
// device behind it; looking at the device node and the lock files does not.
bool QtSerialPort::Probe(int number) {
  auto it = ports.find(number);
  return it != ports.end() && CauseOf(CheckDevice(it->second, false)).fault == PortFault::None;
}

PortCause QtSerialPort::Open(const std::string& device, std::string_view settings) {
  const auto line = ParseSettings(settings);
  if (!line) return {PortFault::Other, 0, {}, "no such line settings: " + std::string(settings)};
  // Told before the device is touched: QSerialPort would take another
  // program's UUCP lock file for a stale one of its own and open the port
  // under it.
  if (PortCause held = CauseOf(CheckDevice(device, false)); held.fault != PortFault::None) return held;
  port.setPortName(QString::fromStdString(device));
  if (!port.open(QIODevice::ReadWrite) || !Apply(port, *line)) {
    const std::string said = port.errorString().toStdString();
    if (port.isOpen()) port.close();
    PortCause cause = CauseOf(CheckDevice(device, true));
    if (cause.fault == PortFault::None) cause = {PortFault::Other, 0, {}, said};
    return cause;
  }
  // Bytes that waited in the device before we opened it belong to nobody.
  port.clear();
  // USB adapters hold received bytes back for their latency timer.
  AskLowLatency(port);
  return {};
}

bool QtSerialPort::SetSettings(std::string_view settings) {
  const auto line = ParseSettings(settings);
  return line && port.isOpen() && Apply(port, *line);
}

void QtSerialPort::Close() { port.close(); }

bool QtSerialPort::IsOpen() { return port.isOpen(); }

void QtSerialPort::Write(std::span<const uint8_t> bytes) {
  port.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  // Out now, not when the event loop next runs: a job starts its timeout
  // from the moment it sends.
  port.flush();
}
