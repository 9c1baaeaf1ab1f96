#pragma once
// Which of the scheduler page's buttons show on each of its inner tabs: the
// task buttons make no sense on the extra-settings tab, and "Удалить все"
// only beside the full task list.
namespace tikolvo {

struct SchedulerButtons {
  bool add = true;        // "Добавить"
  bool edit = true;       // "Редактировать"
  bool remove = true;     // "Удалить"
  bool removeAll = true;  // "Удалить все"

  bool operator==(const SchedulerButtons&) const = default;
};

// tab: 0 the task list, 1 the calendar, 2 the extra settings.
SchedulerButtons SchedulerButtonsFor(int tab);

}  // namespace tikolvo
