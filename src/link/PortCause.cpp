#include "link/PortCause.h"

PortCause CauseOf(const PortFacts& f) {
  if (!f.exists) return {PortFault::NoDevice};
  if (!f.characterDevice) return {PortFault::NotSerial};
  if (f.lockOwner > 0) return {PortFault::InUse, f.lockOwner};
  if (!f.readWrite) return {PortFault::NoPermission, 0, f.group};
  if (!f.tried) return {};
  const std::error_condition e = f.openError.default_error_condition();
  if (e == std::errc::permission_denied || e == std::errc::operation_not_permitted)
    return {PortFault::NoPermission, 0, f.group};
  // Held open by a program that asked for the port alone.
  if (e == std::errc::device_or_resource_busy) return {PortFault::InUse};
  // A node whose hardware is absent: a UART that is not fitted, an adapter
  // unplugged while its node lingers.
  if (e == std::errc::no_such_device || e == std::errc::no_such_device_or_address ||
      e == std::errc::no_such_file_or_directory || e == std::errc::io_error)
    return {PortFault::NoDevice};
  if (f.openError) return {PortFault::Other, 0, {}, f.openError.message()};
  if (!f.terminal) return {PortFault::NotSerial};
  return {};
}

std::string CauseText(const PortCause& c, bool english) {
  const std::string pid = c.pid > 0 ? " (PID " + std::to_string(c.pid) + ")" : "";
  switch (c.fault) {
    case PortFault::None: return "";
    case PortFault::NoDevice: return english ? "no such device" : "没有这个设备";
    case PortFault::NotSerial: return english ? "not a serial device" : "不是串口设备";
    case PortFault::InUse: return (english ? "in use by another program" : "被其他程序占用") + pid;
    case PortFault::NoPermission:
      if (c.group.empty()) return english ? "permission denied" : "没有权限";
      return english ? "permission denied; join the group " + c.group + " and log in again"
                     : "没有权限, 请加入 " + c.group + " 组后重新登录";
    case PortFault::Other:
      if (!c.detail.empty()) return c.detail;
      return english ? "unknown error" : "未知错误";
  }
  return "";
}

std::string_view FaultName(PortFault fault) {
  switch (fault) {
    case PortFault::None: return "none";
    case PortFault::NoDevice: return "no device";
    case PortFault::NotSerial: return "not serial";
    case PortFault::InUse: return "in use";
    case PortFault::NoPermission: return "permission";
    case PortFault::Other: return "other";
  }
  return "";
}
