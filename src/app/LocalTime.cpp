#include "app/LocalTime.h"

#include <mutex>

LocalTime LocalTimeAt(std::time_t time) {
  using namespace std::chrono;
  LocalTime local;
  {
    // Both fill one buffer that every caller shares.
    static std::mutex buffer;
    const std::lock_guard hold(buffer);
    const std::tm* fields = std::localtime(&time);
    if (!fields) fields = std::gmtime(&time);
    if (fields) local.fields = *fields;
  }
  const std::tm& f = local.fields;
  const sys_seconds asUtc = sys_days{year{f.tm_year + 1900} / (f.tm_mon + 1) / f.tm_mday} + hours{f.tm_hour} +
                            minutes{f.tm_min} + seconds{f.tm_sec};
  local.offset = asUtc - sys_seconds{seconds{time}};
  return local;
}
