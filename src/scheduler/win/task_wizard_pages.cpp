#include "scheduler/win/task_wizard_pages.h"

#include <commctrl.h>

#include <string>

#include "common/balloon_durations.h"
#include "common/win/system_time.h"
#include "common/win/wide_text.h"
#include "scheduler/task_row.h"
#include "scheduler/wizard_values.h"
#include "scheduler/win/task_wizard_ids.h"
#include "common/win/dialog_pages.h"

namespace tikolvo {

using wizard::Action;
using wizard::Page;

namespace {

constexpr const wchar_t* kPageTemplates[wizard::kPageCount] = {
    L"WIZARD_PAGE_ACTIONS", L"WIZARD_PAGE_TRIGGER", L"WIZARD_PAGE_POWER",      L"WIZARD_PAGE_RUN",
    L"WIZARD_PAGE_MUSIC",   L"WIZARD_PAGE_MESSAGE", L"WIZARD_PAGE_SOUND",      L"WIZARD_PAGE_CONNECTION",
    L"WIZARD_PAGE_BEEPER",  L"WIZARD_PAGE_HINT",    L"WIZARD_PAGE_MONTHLY",    L"WIZARD_PAGE_TIME",
    L"WIZARD_PAGE_OPTIONS", L"WIZARD_PAGE_NAME"};

constexpr int kPowerRadios[] = {IDC_WIZ_RB_SHOOT, IDC_WIZ_RB_REBOOT, IDC_WIZ_RB_Wait_enter, IDC_WIZ_RB_sleep_enter,
                                IDC_WIZ_RB_Seans};
constexpr int kSoundRadios = 10;

void SetTrack(HWND track, int last, int position) {
  SendMessageW(track, TBM_SETRANGE, FALSE, MAKELPARAM(0, last));
  SendMessageW(track, TBM_SETPOS, TRUE, position);
}

int TrackPosition(HWND track) { return static_cast<int>(SendMessageW(track, TBM_GETPOS, 0, 0)); }

void SetPicker(HWND picker, DateTime value) {
  SYSTEMTIME time = ToSystemTime(value);
  SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

bool ReadPicker(HWND picker, DateTime& value) {
  SYSTEMTIME time{};
  if (SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) return false;
  value = FromSystemTime(time);
  return true;
}

template <std::size_t N>
void WriteChecks(const WizardPageSet& pages, int firstId, const std::array<bool, N>& checks) {
  for (std::size_t i = 0; i < N; ++i) SetChecked(pages.Item(firstId + static_cast<int>(i)), checks[i]);
}

template <std::size_t N>
void ReadChecks(const WizardPageSet& pages, int firstId, std::array<bool, N>& checks) {
  for (std::size_t i = 0; i < N; ++i) checks[i] = IsChecked(pages.Item(firstId + static_cast<int>(i)));
}

void FillCombo(HWND combo, const std::vector<std::string>& items) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
}

void WriteTexts(const WizardPageSet& pages, const wizard::WizardControls& c) {
  SendMessageW(pages.Item(IDC_WIZ_E_hint), EM_LIMITTEXT, wizard::kHintTextLimit, 0);
  SendMessageW(pages.Item(IDC_WIZ_E_name_pl), EM_LIMITTEXT, wizard::kNameLimit, 0);
  SetControlText(pages.Item(IDC_WIZ_E_plan_run), c.runFile);
  SetControlText(pages.Item(IDC_WIZ_E_plan_run_param), c.runParams);
  SetControlText(pages.Item(IDC_WIZ_E_plan_mus), c.musicFile);
  SetControlText(pages.Item(IDC_WIZ_E_plan_mes), c.messageText);
  SetControlText(pages.Item(IDC_WIZ_E_hint), c.hintText);
  SetControlText(pages.Item(IDC_WIZ_E_name_pl), c.name);
}

void ReadTexts(const WizardPageSet& pages, wizard::WizardControls& c) {
  c.runFile = ControlText(pages.Item(IDC_WIZ_E_plan_run));
  c.runParams = ControlText(pages.Item(IDC_WIZ_E_plan_run_param));
  c.musicFile = ControlText(pages.Item(IDC_WIZ_E_plan_mus));
  c.messageText = ControlText(pages.Item(IDC_WIZ_E_plan_mes));
  c.hintText = ControlText(pages.Item(IDC_WIZ_E_hint));
  c.name = ControlText(pages.Item(IDC_WIZ_E_name_pl));
  c.connectionName = ControlText(pages.Item(IDC_WIZ_CB_COnn));
}

void WriteTaskRows(const WizardPageSet& pages, const wizard::WizardControls& c) {
  // The list shows the names; the rows (with the ids) stay in the model.
  std::vector<std::string> names;
  for (const std::string& row : c.taskRows) names.push_back(TaskNameOfRow(row));
  HWND combo = pages.Item(IDC_WIZ_CB_hintTimer);
  FillCombo(combo, names);
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(c.countdownTarget), 0);
}

void WriteDaysOfMonth(const WizardPageSet& pages) {
  std::vector<std::string> days;
  for (int day = 1; day <= 31; ++day) days.push_back(std::to_string(day));
  FillCombo(pages.Item(IDC_WIZ_CB_dateevermonth), days);
}

}  // namespace

bool WizardPageSet::Create(HWND frame, const RECT& area) {
  for (int i = 0; i < wizard::kPageCount; ++i) {
    pages_[static_cast<std::size_t>(i)] = CreateTemplatePage(frame, kPageTemplates[i], area);
    if (!pages_[static_cast<std::size_t>(i)]) return false;
  }
  return true;
}

HWND WizardPageSet::Item(int id) const {
  for (HWND page : pages_)
    if (HWND item = page ? GetDlgItem(page, id) : nullptr) return item;
  return nullptr;
}

void WizardPageSet::Show(Page shown) const {
  for (std::size_t i = 0; i < pages_.size(); ++i)
    ShowWindow(pages_[i], static_cast<int>(i) == static_cast<int>(shown) ? SW_SHOWNA : SW_HIDE);
}

void WriteControls(const WizardPageSet& pages, const wizard::WizardControls& c) {
  ShowActionChecks(pages, c);
  SetChecked(pages.Item(IDC_WIZ_CB_lock), c.locked);
  for (int i = 0; i <= static_cast<int>(TaskTrigger::kMonthly); ++i)
    SetChecked(pages.Item(IDC_WIZ_RBE_0 + i), i == static_cast<int>(c.trigger));
  for (int i = 0; i < 5; ++i) SetChecked(pages.Item(kPowerRadios[i]), i == static_cast<int>(c.power));
  for (int i = 0; i < kSoundRadios; ++i) SetChecked(pages.Item(IDC_WIZ_RB_0 + i), i == c.soundPosition);
  WriteTexts(pages, c);
  ShowConnectionList(pages, c);
  SetTrack(pages.Item(IDC_WIZ_TP_beep_freq), wizard::kFrequencyPositions - 1, c.frequencyPosition);
  SetTrack(pages.Item(IDC_WIZ_TR_beep_long), wizard::kDurationPositions - 1, c.durationPosition);
  SetTrack(pages.Item(IDC_WIZ_TB_hint), kBalloonDurationPositions - 1, c.hintDurationPosition);
  SetTrack(pages.Item(IDC_WIZ_TB_Hint_ico), wizard::kHintIconPositions - 1, c.hintIcon);
  ShowTrackLabels(pages, c);
  WriteTaskRows(pages, c);
  WriteDaysOfMonth(pages);
  SetChecked(pages.Item(IDC_WIZ_CB_EVERY), c.everyDay);
  WriteChecks(pages, IDC_WIZ_CLB_WEEK_0, c.weekdays);
  WriteChecks(pages, IDC_WIZ_CLB_MONTH_0, c.months);
  SetChecked(pages.Item(IDC_WIZ_CB_autoBlock), c.autoLock);
  SetChecked(pages.Item(IDC_WIZ_CB_autoDelete), c.autoDelete);
  ShowPickers(pages, c);
}

void ReadControls(const WizardPageSet& pages, wizard::WizardControls& c, Page current) {
  ReadChecks(pages, IDC_WIZ_CLB_0, c.actions);
  c.locked = IsChecked(pages.Item(IDC_WIZ_CB_lock));
  c.power = wizard::PowerChoice::kNone;
  for (int i = 0; i < 5; ++i)
    if (IsChecked(pages.Item(kPowerRadios[i]))) c.power = static_cast<wizard::PowerChoice>(i);
  c.soundPosition = -1;
  for (int i = 0; i < kSoundRadios; ++i)
    if (IsChecked(pages.Item(IDC_WIZ_RB_0 + i))) c.soundPosition = i;
  ReadTexts(pages, c);
  c.frequencyPosition = TrackPosition(pages.Item(IDC_WIZ_TP_beep_freq));
  c.durationPosition = TrackPosition(pages.Item(IDC_WIZ_TR_beep_long));
  c.hintDurationPosition = TrackPosition(pages.Item(IDC_WIZ_TB_hint));
  c.hintIcon = TrackPosition(pages.Item(IDC_WIZ_TB_Hint_ico));
  c.countdownTarget = static_cast<int>(SendMessageW(pages.Item(IDC_WIZ_CB_hintTimer), CB_GETCURSEL, 0, 0));
  c.everyDay = IsChecked(pages.Item(IDC_WIZ_CB_EVERY));
  ReadChecks(pages, IDC_WIZ_CLB_WEEK_0, c.weekdays);
  ReadChecks(pages, IDC_WIZ_CLB_MONTH_0, c.months);
  c.autoLock = IsChecked(pages.Item(IDC_WIZ_CB_autoBlock));
  c.autoDelete = IsChecked(pages.Item(IDC_WIZ_CB_autoDelete));
  if (current == Page::kMonthly) ReadPicker(pages.Item(IDC_WIZ_TIME_month), c.time);
  if (current == Page::kTime) {
    ReadPicker(pages.Item(IDC_WIZ_TIME), c.time);
    ReadPicker(pages.Item(IDC_WIZ_DATA), c.date);
  }
}

void ShowActionChecks(const WizardPageSet& pages, const wizard::WizardControls& c) {
  WriteChecks(pages, IDC_WIZ_CLB_0, c.actions);
  // The countdown balloon picks a task instead of showing a text.
  const bool countdown = wizard::Has(c.actions, Action::kCountdownHint);
  for (int id : {IDC_WIZ_L_hint_text, IDC_WIZ_E_hint}) ShowWindow(pages.Item(id), countdown ? SW_HIDE : SW_SHOWNA);
  for (int id : {IDC_WIZ_Label29hint, IDC_WIZ_CB_hintTimer})
    ShowWindow(pages.Item(id), countdown ? SW_SHOWNA : SW_HIDE);
}

void ShowConnectionList(const WizardPageSet& pages, const wizard::WizardControls& c) {
  HWND combo = pages.Item(IDC_WIZ_CB_COnn);
  const std::string text = c.connectionName;
  FillCombo(combo, c.connections);
  SetControlText(combo, text);
}

void ShowTrackLabels(const WizardPageSet& pages, const wizard::WizardControls& c) {
  SetControlText(pages.Item(IDC_WIZ_L_beep_freq), wizard::FrequencyLabel(c.frequencyPosition));
  SetControlText(pages.Item(IDC_WIZ_L_beep_long), wizard::DurationLabel(c.durationPosition));
  SetControlText(pages.Item(IDC_WIZ_L_hint), BalloonDurationLabel(c.hintDurationPosition));
  InvalidateRect(pages.Item(IDC_WIZ_PB_hint_ico), nullptr, TRUE);
}

void ShowPickers(const WizardPageSet& pages, const wizard::WizardControls& c) {
  SetPicker(pages.Item(IDC_WIZ_DATA), c.date);
  SetPicker(pages.Item(IDC_WIZ_TIME), c.time);
  SetPicker(pages.Item(IDC_WIZ_TIME_month), c.time);
  EnableWindow(pages.Item(IDC_WIZ_DATA), !c.everyDay);
  SendMessageW(pages.Item(IDC_WIZ_CB_dateevermonth), CB_SETCURSEL,
               static_cast<WPARAM>(wizard::DayOfMonthShown(c) - 1), 0);
}

}  // namespace tikolvo
