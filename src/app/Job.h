#pragma once
// One job at a time: a job claims the application for as long as it runs.
#include "app/Ambrelin.h"

// Claims the application for `job`, or, while another job runs, tells the
// user so in the window's language and claims nothing. While a job holds the
// claim, the port buttons of both windows rest. Let go at the end of the
// scope that holds it, which also takes back the notice of a refusal.
struct RunningJob {
  RunningJob(Ambrelin&, Job);
  ~RunningJob();
  RunningJob(const RunningJob&) = delete;
  RunningJob& operator=(const RunningJob&) = delete;
  explicit operator bool() const { return claimed; }

  Ambrelin& a;
  bool claimed;
};

// For an action that would change the port or the code buffer under a job:
// true, after telling the user, while one runs.
bool RefusedByJob(Ambrelin&);
