#include "link/DeviceCheck.h"

#include <QSerialPort>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#ifdef __linux__
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace {

// Where the UUCP tools and QSerialPort leave their lock files.
std::vector<std::string> LockFolders() {
  std::vector<std::string> folders{"/var/lock", "/run/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp",
                                   "/tmp", "/var/tmp", "/var/lock/lockdev"};
  if (const char* temp = std::getenv("TMPDIR"); temp && *temp) folders.emplace_back(temp);
  return folders;
}

// The names a lock file for the device may carry: the UUCP tools' "LCK..ttyUSB0"
// and QSerialPort's, the path after /dev/ with '/' made '_' ("LCK..pts_3").
std::set<std::string> LockNames(const std::string& path) {
  std::string qt = path.starts_with("/dev/") ? path.substr(5) : path;
  std::replace(qt.begin(), qt.end(), '/', '_');
  return {path.substr(path.find_last_of('/') + 1), qt};
}

// The program a lock file names on its first line (the UUCP tools pad the PID
// to ten characters, QLockFile writes it plain with its name after it), when
// that program still runs and is not this one.
int64_t LivingOwner(const std::string& lockFile) {
  std::ifstream file(lockFile);
  long long pid = 0;
  if (!(file >> pid) || pid <= 0 || pid > INT_MAX || pid == getpid()) return 0;
  return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM ? pid : 0;
}

}  // namespace

PortFacts CheckDevice(const std::string& device, bool tryOpen) {
  PortFacts f;
  struct stat node {};
  if (stat(device.c_str(), &node) != 0) {
    f.exists = false;
    return f;
  }
  f.characterDevice = S_ISCHR(node.st_mode);
  if (!f.characterDevice) return f;
  // A pinned link is locked under its own name by some programs and under
  // the device's by others.
  std::set<std::string> names = LockNames(device);
  if (const std::string real = RealDevice(device); !real.empty()) names.merge(LockNames(real));
  for (const std::string& folder : LockFolders())
    for (const std::string& name : names)
      if (!f.lockOwner) f.lockOwner = LivingOwner(folder + "/LCK.." + name);
  if ((node.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP))
    if (const group* owner = getgrgid(node.st_gid)) f.group = owner->gr_name;
  f.readWrite = access(device.c_str(), R_OK | W_OK) == 0;
  if (!tryOpen) return f;
  f.tried = true;
  const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    f.openError = std::error_code(errno, std::generic_category());
    return f;
  }
  f.terminal = isatty(fd) == 1;
  close(fd);
  return f;
}

std::string RealDevice(const std::string& name) {
  char* real = realpath(name.c_str(), nullptr);
  if (!real) return {};
  std::string path = real;
  std::free(real);
  return path;
}

void AskLowLatency([[maybe_unused]] QSerialPort& open) {
#ifdef __linux__
  serial_struct serial{};
  if (ioctl(static_cast<int>(open.handle()), TIOCGSERIAL, &serial) == 0) {
    serial.flags |= ASYNC_LOW_LATENCY;
    ioctl(static_cast<int>(open.handle()), TIOCSSERIAL, &serial);
  }
#endif
}
