#include "scheduler/wizard_pages.h"

#include <string>

namespace tikolvo::wizard {

bool PageNeeded(Page page, const ActionChecks& actions, TaskTrigger trigger) {
  switch (page) {
    case Page::kPower: return Has(actions, Action::kPower);
    case Page::kRun: return Has(actions, Action::kRun);
    case Page::kMusic: return Has(actions, Action::kMusic);
    case Page::kMessage: return Has(actions, Action::kMessage);
    case Page::kShortSound: return Has(actions, Action::kShortSound);
    case Page::kConnection: return Has(actions, Action::kHangUp);
    case Page::kBeeper: return Has(actions, Action::kBeep);
    case Page::kHint: return Has(actions, Action::kHint) || Has(actions, Action::kCountdownHint);
    case Page::kMonthly: return trigger == TaskTrigger::kMonthly;
    case Page::kTime: return trigger == TaskTrigger::kAtTime;
    default: return true;
  }
}

Page StepPage(Page from, Direction direction, const ActionChecks& actions, TaskTrigger trigger) {
  const int step = direction == Direction::kForward ? 1 : -1;
  int index = static_cast<int>(from);
  do {
    index += step;
    if (index <= 0) return Page::kActions;
    if (index >= kPageCount - 1) return Page::kName;
  } while (!PageNeeded(static_cast<Page>(index), actions, trigger));
  return static_cast<Page>(index);
}

std::string_view PageCaption(Page page, Direction arrivedBy) {
  switch (page) {
    case Page::kActions: return "Действия, выполняемые заданием.";
    case Page::kTrigger: return "Определение момента срабатывания задания.";
    case Page::kPower: return "Управление питанием компьютера.";
    case Page::kRun: return "Запуск программы или открытие файла.";
    case Page::kMusic: return "Выбор звукового файла.";
    case Page::kMessage: return "Текстовое сообщение.";
    case Page::kShortSound: return "Выбор звука.";
    case Page::kConnection: return "Удаленные соединения.";
    case Page::kBeeper: return "Системный динамик (Speaker).";
    case Page::kHint: return "Всплывающая подсказка.";
    case Page::kMonthly:
      return arrivedBy == Direction::kForward ? "Ежемесячное задание."
                                              : "Время срабатывания задания (ежемесячное задание).";
    case Page::kTime: return "Время срабатывания задания.";
    case Page::kOptions: return "Дополнительные свойства задания.";
    case Page::kName: return "Имя задания.";
  }
  return "";
}

std::string NewTaskHeader() { return "Мастер планировки заданий: Создание нового задания."; }

std::string EditTaskHeader(std::string_view taskName) {
  return "Мастер планировки заданий: Редактирование задания \"" + std::string(taskName) + "\"";
}

}  // namespace tikolvo::wizard
