#pragma once
// One run of the task wizard without its window: how it was opened, the
// page shown, the moves between pages, the test buttons and the save.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "scheduler/task_action_plan.h"
#include "scheduler/task_id.h"
#include "scheduler/wizard_model.h"
#include "scheduler/wizard_pages.h"
#include "scheduler/wizard_tests.h"

namespace tikolvo {

// How the wizard is opened: a new task, a new task on a calendar day, or
// the task with an id.
struct WizardRequest {
  enum class Kind { kNew, kNewOnDay, kEdit };
  Kind kind = Kind::kNew;
  DateTime day = 0;         // kNewOnDay
  std::int32_t taskId = 0;  // kEdit
  std::string planPath;     // plan.db
};

inline constexpr const char* kNameMissingTitle = "Tikolvo: Уведомление";
inline constexpr const char* kNameMissingText = "Необходимо назначить имя заданию";

enum class WizardSaveResult { kSaved, kNameMissing, kFailed };

class WizardSession {
 public:
  // Reads plan.db for the countdown list, the default name and, to edit,
  // the task. `connections` is the phone-book list ("Все" first), used when
  // an edited task hangs up a connection.
  WizardSession(const WizardRequest& request, DateTime now, std::vector<std::string> connections);

  wizard::WizardControls& controls() { return controls_; }
  const wizard::WizardControls& controls() const { return controls_; }
  bool editing() const { return editing_; }
  wizard::Page page() const { return page_; }
  wizard::Direction arrivedBy() const { return arrivedBy_; }
  bool OnLastPage() const { return page_ == wizard::Page::kName; }
  bool CanGoBack() const { return page_ != wizard::Page::kActions; }
  std::string Header() const;

  void Next();
  void Back();

  // The action list was clicked; checking the hang-up item fills the
  // connection list.
  void ClickAction(wizard::Action action, bool checked);
  // A user's click on a trigger radio button.
  void ChooseTrigger(TaskTrigger trigger) { controls_.trigger = trigger; }

  // Saves to plan.db: appended as a new task or put in place of the edited
  // one. An empty name saves nothing.
  WizardSaveResult Save(DateTime now, RandomSource& random) const;

  // The test buttons and previews.
  void TestMessage(WizardTests& tests) const;
  void TestBeep(WizardTests& tests) const;
  void TestHint(WizardTests& tests) const;
  void PreviewShortSound(int position, WizardTests& tests) const;
  // Plays the music file when it exists.
  void PlayMusic(WizardTests& tests) const;

 private:
  WizardRequest request_;
  bool editing_ = false;
  std::string editedName_;
  std::vector<std::string> connections_;
  wizard::WizardControls controls_;
  wizard::Page page_ = wizard::Page::kActions;
  wizard::Direction arrivedBy_ = wizard::Direction::kForward;
};

// The phone book as the connection list offers it: "Все", then the entries.
std::vector<std::string> ConnectionChoices(const std::vector<std::string>& phoneBook);

}  // namespace tikolvo
