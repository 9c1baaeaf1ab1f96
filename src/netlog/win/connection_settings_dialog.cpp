#include "netlog/win/connection_settings_dialog.h"

#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/win/dialog_pages.h"
#include "common/win/message_dialogs.h"
#include "common/win/wide_text.h"
#include "netlog/connection_registry.h"
#include "netlog/tariff_box.h"
#include "netlog/win/connection_settings_ids.h"
#include "netlog/win/weekday_selector.h"

namespace tikolvo {
namespace {

char UserDecimalSeparator() {
  wchar_t separator[4] = L".";
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
  return separator[0] == L',' ? ',' : '.';
}

void AddTexts(HWND combo, const std::vector<std::string>& texts) {
  AddComboItems(combo, std::vector<std::string_view>(texts.begin(), texts.end()));
}

std::vector<std::string> TwoDigits(int count) {
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) items.push_back((i < 10 ? "0" : "") + std::to_string(i));
  return items;
}

class ConnectionSettings {
 public:
  explicit ConnectionSettings(const ConnectionSettingsRequest& request)
      : request_(request), index_(request.index), separator_(UserDecimalSeparator()) {}

  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  int Selection(int id) const { return ComboSelection(Item(id)); }
  void Select(int id, int index) { SelectComboItem(Item(id), index); }
  bool Checked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
  void Check(int id, bool on) { CheckDlgButton(hwnd_, id, on ? BST_CHECKED : BST_UNCHECKED); }
  std::string Text(int id) const { return ControlText(Item(id)); }

  void Create();
  void Load();
  void ShowBox(int box);
  void StoreBox();
  void ApplyLook(TariffChoice choice);
  bool Save();
  void TakeLimits();
  void Move(int step);
  void Changed() { EnableWindow(Item(IDC_PREF_B_prim), TRUE); }
  bool OnCommand(int id, int code);

  ConnectionSettingsRequest request_;
  int index_;
  char separator_;
  HWND hwnd_ = nullptr;
  ConnectionRecord record_;
  std::array<TariffBox, kTariffCount> boxes_{};
  int shownBox_ = 0;
  bool loading_ = false;
};

void ConnectionSettings::Create() {
  AddComboItems(Item(IDC_PREF_CB), {"Байты", "Килобайты", "Мегабайты", "Гигабайты"});
  AddComboItems(Item(IDC_PREF_cbi), {"0", "1", "2", "3", "4"});
  AddComboItems(Item(IDC_PREF_CB_log), {"Суммарный", "Входящий", "Исходящий"});
  AddComboItems(Item(IDC_PREF_CB_razm), {"байт", "Кб", "Мб"});
  SendMessageW(Item(IDC_PREF_UD_1), UDM_SETRANGE32, 0, 8760);
  SendMessageW(Item(IDC_PREF_UD_2), UDM_SETRANGE32, 0, 59);
  SendMessageW(Item(IDC_PREF_UD_3), UDM_SETRANGE32, 0, 59);
  std::vector<std::string> tariffs;
  for (int i = 1; i <= kTariffCount; ++i) tariffs.push_back("Тариф " + std::to_string(i));
  AddTexts(Item(IDC_PREF_CB_tariff), tariffs);
  AddComboItems(Item(IDC_PREF_T_kind), {"Не использовать", "По времени", "По трафику", "Круглосуточно (время)"});
  for (int id : {IDC_PREF_T_start_h, IDC_PREF_T_end_h}) AddTexts(Item(id), TwoDigits(24));
  for (int id : {IDC_PREF_T_start_m, IDC_PREF_T_end_m}) AddTexts(Item(id), TwoDigits(60));
  AddComboItems(Item(IDC_PREF_T_currency), {"Рубль", "Доллар"});
  AddComboItems(Item(IDC_PREF_T_traffic), {"Байты", "Килобайты", "Мегабайты", "Гигабайты"});
  AddComboItems(Item(IDC_PREF_T_time), {"Секунды", "Минуты", "Часы"});
  AddComboItems(Item(IDC_PREF_T_direction), {"Суммарный", "Входящий", "Исходящий"});
  Load();
}

void ConnectionSettings::Load() {
  loading_ = true;
  record_ = ReadConnection(request_.registryPath, index_);
  SetControlText(hwnd_, record_.name);
  SetControlText(Item(IDC_PREF_L_name), record_.name);
  Select(IDC_PREF_CB, record_.logUnit);
  Select(IDC_PREF_cbi, record_.logDecimals);
  Select(IDC_PREF_CB_log, record_.logDirection);
  Check(IDC_PREF_CB_nab, record_.monitored);
  Check(IDC_PREF_CB_vis_log, record_.showInLogs);
  Check(IDC_PREF_CB_warn, request_.limitWarnings && *request_.limitWarnings);
  SetControlText(Item(IDC_PREF_E_tr_l), std::to_string(record_.trafficLimit));
  Select(IDC_PREF_CB_razm, 0);
  SetControlText(Item(IDC_PREF_E_H), std::to_string(record_.timeLimit.hours));
  SetControlText(Item(IDC_PREF_E_M), std::to_string(record_.timeLimit.minutes));
  SetControlText(Item(IDC_PREF_E_S), std::to_string(record_.timeLimit.seconds));
  for (int k = 0; k < kTariffCount; ++k) boxes_[k] = TariffBoxOf(record_.tariffs[k], separator_);
  Select(IDC_PREF_CB_tariff, 0);
  ShowBox(0);
  EnableWindow(Item(IDC_PREF_b_prev), index_ > 0);
  EnableWindow(Item(IDC_PREF_b_next), index_ + 1 < request_.count);
  EnableWindow(Item(IDC_PREF_B_prim), FALSE);
  EnableWindow(Item(IDC_PREF_B_L), FALSE);
  loading_ = false;
}

void ConnectionSettings::ShowBox(int box) {
  const bool was = loading_;
  loading_ = true;
  shownBox_ = box;
  const TariffBox& b = boxes_[box];
  Select(IDC_PREF_T_kind, static_cast<int>(b.choice));
  Select(IDC_PREF_T_start_h, b.startHour);
  Select(IDC_PREF_T_start_m, b.startMinute);
  Select(IDC_PREF_T_end_h, b.endHour);
  Select(IDC_PREF_T_end_m, b.endMinute);
  SetControlText(Item(IDC_PREF_T_cost), b.cost);
  Select(IDC_PREF_T_currency, b.currency);
  Select(IDC_PREF_T_traffic, b.trafficUnit);
  Select(IDC_PREF_T_time, b.timeUnit);
  Select(IDC_PREF_T_direction, b.direction);
  SendMessageW(Item(IDC_PREF_T_days), kSetExcludedDays, b.excludedDays, 0);
  ApplyLook(b.choice);
  loading_ = was;
}

void ConnectionSettings::StoreBox() {
  TariffBox& b = boxes_[shownBox_];
  b.choice = static_cast<TariffChoice>(std::max(0, Selection(IDC_PREF_T_kind)));
  b.startHour = Selection(IDC_PREF_T_start_h);
  b.startMinute = Selection(IDC_PREF_T_start_m);
  b.endHour = Selection(IDC_PREF_T_end_h);
  b.endMinute = Selection(IDC_PREF_T_end_m);
  b.cost = Text(IDC_PREF_T_cost);
  b.currency = Selection(IDC_PREF_T_currency);
  b.trafficUnit = Selection(IDC_PREF_T_traffic);
  b.timeUnit = Selection(IDC_PREF_T_time);
  b.direction = Selection(IDC_PREF_T_direction);
  b.excludedDays = static_cast<std::uint8_t>(SendMessageW(Item(IDC_PREF_T_days), kGetExcludedDays, 0, 0));
}

void ConnectionSettings::ApplyLook(TariffChoice choice) {
  const TariffBoxLook look = LookOfChoice(choice);
  for (int id : {IDC_PREF_T_start_h, IDC_PREF_T_start_m, IDC_PREF_T_end_h, IDC_PREF_T_end_m}) {
    ShowWindow(Item(id), look.timesShown ? SW_SHOW : SW_HIDE);
    EnableWindow(Item(id), look.timesEnabled);
  }
  if (look.wholeDay) {
    Select(IDC_PREF_T_start_h, 0);
    Select(IDC_PREF_T_start_m, 0);
    Select(IDC_PREF_T_end_h, 23);
    Select(IDC_PREF_T_end_m, 59);
  }
  for (int id : {IDC_PREF_L_start, IDC_PREF_L_end}) ShowWindow(Item(id), look.timeLabelsShown ? SW_SHOW : SW_HIDE);
  ShowWindow(Item(IDC_PREF_T_time), look.timeUnitShown ? SW_SHOW : SW_HIDE);
  ShowWindow(Item(IDC_PREF_T_traffic), look.trafficUnitShown ? SW_SHOW : SW_HIDE);
  ShowWindow(Item(IDC_PREF_T_direction), look.directionShown ? SW_SHOW : SW_HIDE);
  EnableWindow(Item(IDC_PREF_T_currency), look.currencyEnabled);
  EnableWindow(Item(IDC_PREF_T_days), look.daysEnabled);
}

// The record is read again, so what another part of the program changed
// meanwhile (its totals, its state) stays.
bool ConnectionSettings::Save() {
  StoreBox();
  ConnectionRecord record = ReadConnectionByName(request_.registryPath, record_.name);
  if (!record.valid) record = record_;
  for (int k = 0; k < kTariffCount; ++k) {
    const std::optional<TariffRule> rule = TariffRuleOf(boxes_[k], record.tariffs[k], separator_);
    if (!rule) {
      ShowNotice(hwnd_, "Tikolvo", CostNotice(k + 1, boxes_[k].cost));
      Select(IDC_PREF_CB_tariff, k);
      ShowBox(k);
      return false;
    }
    record.tariffs[k] = *rule;
  }
  record.logUnit = static_cast<std::uint8_t>(std::max(0, Selection(IDC_PREF_CB)));
  record.logDecimals = std::max(0, Selection(IDC_PREF_cbi));
  record.logDirection = static_cast<std::uint8_t>(std::max(0, Selection(IDC_PREF_CB_log)));
  record.monitored = Checked(IDC_PREF_CB_nab);
  record.showInLogs = Checked(IDC_PREF_CB_vis_log);
  if (request_.limitWarnings) *request_.limitWarnings = Checked(IDC_PREF_CB_warn);
  if (WriteConnectionByName(request_.registryPath, record) == LogFileResult::kFailed) {
    ShowNotice(hwnd_, "Tikolvo", "Не удалось сохранить параметры подключения.");
    return false;
  }
  record_ = record;
  EnableWindow(Item(IDC_PREF_B_prim), FALSE);
  if (request_.saved) request_.saved();
  return true;
}

void ConnectionSettings::TakeLimits() {
  const ConnectionLimits limits = LimitsOf(
      {Text(IDC_PREF_E_H), Text(IDC_PREF_E_M), Text(IDC_PREF_E_S), Text(IDC_PREF_E_tr_l), Selection(IDC_PREF_CB_razm)});
  SetLimits(request_.registryPath, record_.name, limits.time, limits.traffic);
  SetControlText(Item(IDC_PREF_E_H), std::to_string(limits.time.hours));
  SetControlText(Item(IDC_PREF_E_M), std::to_string(limits.time.minutes));
  SetControlText(Item(IDC_PREF_E_S), std::to_string(limits.time.seconds));
  EnableWindow(Item(IDC_PREF_B_L), FALSE);
  if (request_.saved) request_.saved();
}

void ConnectionSettings::Move(int step) {
  const int next = index_ + step;
  if (next < 0 || next >= request_.count) return;
  index_ = next;
  Load();
}

bool ConnectionSettings::OnCommand(int id, int code) {
  switch (id) {
    case IDOK:
      if (IsWindowEnabled(Item(IDC_PREF_B_prim)) && !Save()) return true;
      EndDialog(hwnd_, IDOK);
      return true;
    case IDCANCEL: EndDialog(hwnd_, IDCANCEL); return true;
    case IDC_PREF_B_prim: Save(); return true;
    case IDC_PREF_B_L: TakeLimits(); return true;
    case IDC_PREF_b_prev: Move(-1); return true;
    case IDC_PREF_b_next: Move(1); return true;
    default: break;
  }
  if (loading_) return false;
  if (id == IDC_PREF_CB_tariff && code == CBN_SELCHANGE) {
    StoreBox();
    ShowBox(std::max(0, Selection(IDC_PREF_CB_tariff)));
    return true;
  }
  if (id == IDC_PREF_E_H || id == IDC_PREF_E_M || id == IDC_PREF_E_S || id == IDC_PREF_E_tr_l ||
      id == IDC_PREF_CB_razm) {
    if (code == EN_CHANGE || code == CBN_SELCHANGE) EnableWindow(Item(IDC_PREF_B_L), TRUE);
    return true;
  }
  if (id == IDC_PREF_T_kind && code == CBN_SELCHANGE) ApplyLook(static_cast<TariffChoice>(Selection(id)));
  if (code == EN_CHANGE || code == CBN_SELCHANGE || code == BN_CLICKED) Changed();
  return false;
}

INT_PTR CALLBACK ConnectionSettings::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<ConnectionSettings*>(lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
    self->Create();
    return TRUE;
  }
  auto* self = reinterpret_cast<ConnectionSettings*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  if (message == WM_COMMAND) return self->OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
  return FALSE;
}

}  // namespace

void ShowConnectionSettings(HWND owner, const ConnectionSettingsRequest& request) {
  RegisterWeekdaySelector();
  ConnectionSettings dialog(request);
  DialogBoxParamW(GetModuleHandleW(nullptr), L"TF_PREF", owner, &ConnectionSettings::Procedure,
                  reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace tikolvo
