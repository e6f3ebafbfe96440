#pragma once
// What only the operating system can do for the child processes of the
// command line's gang and of the station: whom the terminal's Ctrl-C
// reaches, how a child is asked to stop, and that no child outlives its
// parent. One implementation per system.
class QProcess;

// Before start: the child runs in a process group of its own, so Ctrl-C at
// the terminal reaches the parent alone, which passes it on once.
void OwnProcessGroup(QProcess&);

// Before start: the child is asked to stop when its parent ends, however it
// ends (a killed window leaves no fixture burning on).
void StopWithParent(QProcess&);

// Asks a running child to stop as Ctrl-C would: it ends its job, writes its
// summary and log line, and exits.
void AskToStop(QProcess&);
