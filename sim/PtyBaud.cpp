#include "PtyBaud.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

int LineBaud(int fd) {
  struct termios2 tio {};
  // The kernel fills c_ospeed for standard and custom (BOTHER) speeds alike.
  if (ioctl(fd, TCGETS2, &tio) != 0) return 0;
  return static_cast<int>(tio.c_ospeed);
}
