#include "cli/Interrupt.h"

#include <QCoreApplication>
#include <QObject>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "cli/Cli.h"

namespace {

int interruptPipe[2] = {-1, -1};
volatile sig_atomic_t interrupted = 0;
std::function<void()> stopAction;

// A second Ctrl-C does not wait for the job to stop.
void OnSignal(int) {
  if (interrupted) _exit(ExitStopped);
  interrupted = 1;
  const char c = 1;
  if (write(interruptPipe[1], &c, 1) < 0) _exit(ExitStopped);
}

}  // namespace

void OnInterrupt(std::function<void()> stop) {
  stopAction = std::move(stop);
  if (interruptPipe[0] >= 0) return;
  if (pipe(interruptPipe) != 0) return;
  fcntl(interruptPipe[0], F_SETFL, O_NONBLOCK);
  // The signal only writes a byte; the stop runs in the event loop, inside
  // the job's wait, as a click would.
  auto* notifier = new QSocketNotifier(interruptPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    char c;
    while (read(interruptPipe[0], &c, 1) > 0) {
    }
    if (stopAction) stopAction();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

bool WasInterrupted() { return interrupted != 0; }
