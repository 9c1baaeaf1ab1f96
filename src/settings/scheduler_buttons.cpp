#include "settings/scheduler_buttons.h"

namespace tikolvo {

SchedulerButtons SchedulerButtonsFor(int tab) {
  const bool taskTab = tab != 2;
  return {taskTab, taskTab, taskTab, tab == 0};
}

}  // namespace tikolvo
