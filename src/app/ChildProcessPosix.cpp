#include "app/ChildProcess.h"

#include <QProcess>
#include <csignal>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

// The first two run in the child between fork and exec, after whatever was
// set to run there before.

void OwnProcessGroup(QProcess& child) {
  child.setChildProcessModifier([before = child.childProcessModifier()] {
    if (before) before();
    setpgid(0, 0);
  });
}

void StopWithParent([[maybe_unused]] QProcess& child) {
#ifdef __linux__
  child.setChildProcessModifier([before = child.childProcessModifier()] {
    if (before) before();
    prctl(PR_SET_PDEATHSIG, SIGTERM);
  });
#endif
}

// SIGTERM, which the command line takes as it takes Ctrl-C.
void AskToStop(QProcess& child) { child.terminate(); }
