#pragma once
// One job at a time: a job claims the application for as long as it runs.
#include "app/Ambrelin.h"

// Claims the application for `job`, or, while another job runs, tells the
// user so in the window's language and claims nothing. Let go at the end of
// the scope that holds it.
struct RunningJob {
  RunningJob(Ambrelin&, Job);
  ~RunningJob();
  RunningJob(const RunningJob&) = delete;
  RunningJob& operator=(const RunningJob&) = delete;
  explicit operator bool() const { return claimed; }

  Ambrelin& a;
  bool claimed;
};
