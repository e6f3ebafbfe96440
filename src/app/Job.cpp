#include "app/Job.h"

#include "app/Language.h"

RunningJob::RunningJob(Ambrelin& app, Job job) : a(app), claimed(app.job == Job::None) {
  if (claimed) {
    a.job = job;
    return;
  }
  a.dialogs.Notice(ByLanguage(a, "另一个任务正在进行, 请等它结束或先停止它 !",
                              "Another job is running; wait for it to end or stop it first !"));
}

RunningJob::~RunningJob() {
  if (claimed) a.job = Job::None;
}
