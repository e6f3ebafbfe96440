#include "app/Job.h"

#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "app/Language.h"

namespace {

constexpr std::string_view RefusalChinese = "另一个任务正在进行, 请等它结束或先停止它 !",
                           RefusalEnglish = "Another job is running; wait for it to end or stop it first !";

void EnablePortSwitches(Ambrelin& a, bool enabled) {
  a.controls.SetEnabled(DesktopFormControls::DesktopButtonSelectComSwitch, enabled);
  a.controls.SetEnabled(BurnDesktopControls::DesktopButtonSelectComSwitch, enabled);
}

}  // namespace

RunningJob::RunningJob(Ambrelin& app, Job job) : a(app), claimed(!RefusedByJob(app)) {
  if (!claimed) return;
  a.job = job;
  EnablePortSwitches(a, false);
}

RunningJob::~RunningJob() {
  if (!claimed) return;
  a.job = Job::None;
  EnablePortSwitches(a, true);
  // The language may have changed since the refusal.
  a.dialogs.TakeBackNotice(RefusalChinese);
  a.dialogs.TakeBackNotice(RefusalEnglish);
}

bool RefusedByJob(Ambrelin& a) {
  if (a.job == Job::None) return false;
  a.dialogs.Notice(ByLanguage(a, RefusalChinese, RefusalEnglish));
  return true;
}
