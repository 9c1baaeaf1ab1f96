#pragma once
// TF_m, the task wizard: a modal window that walks through the task's
// actions, trigger, action details, filters and name, and saves the task
// into plan.db (appended, or in place of the edited one).
#include <windows.h>

#include <functional>

#include "scheduler/wizard_session.h"
#include "scheduler/wizard_tests.h"
#include "settings/settings_model.h"

namespace tikolvo {

// Where the wizard's file dialogs open, and where they record the folder
// of the file chosen: programs in "Od", sound files in "Ods".
struct WizardFolders {
  DialogFolder& programs;
  DialogFolder& sounds;
};

// Shows the wizard and returns true when "Готово" saved a task; `saved`
// (when given) runs right after the save, before the window closes, so the
// caller refreshes its views. "Отмена", Esc and the close box save nothing.
bool RunTaskWizard(HWND owner, const WizardRequest& request, WizardTests& tests, WizardFolders folders,
                   const std::function<void()>& saved = {});

}  // namespace tikolvo
