#include "reminders/win/desktop_placement_page.h"

#include <commctrl.h>

#include <algorithm>

#include "common/win/dialog_pages.h"
#include "common/win/tool_tips.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

constexpr int kKnobSide = 41;
constexpr int kKnobGap = 6;  // pixels between an edit and its knob

// The size edits keep the page's pointer in their user data and their own
// procedure here: only digits and Backspace are typed, Enter reaches the page.
WNDPROC editProcedure = nullptr;

LRESULT CALLBACK SizeEditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETDLGCODE && lParam) {
    const MSG* pending = reinterpret_cast<const MSG*>(lParam);
    if (pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN) {
      return CallWindowProcW(editProcedure, edit, message, wParam, lParam) | DLGC_WANTMESSAGE;
    }
  }
  if (message == WM_CHAR) {
    if (wParam == L'\r') {
      auto* page = reinterpret_cast<DesktopPlacementPage*>(GetWindowLongPtrW(edit, GWLP_USERDATA));
      if (page) page->SizeEntered(GetDlgCtrlID(edit));
      return 0;
    }
    if (!SizeEditAccepts(static_cast<wchar_t>(wParam))) return 0;
  }
  return CallWindowProcW(editProcedure, edit, message, wParam, lParam);
}

void TakeOverEdit(HWND edit, DesktopPlacementPage* page) {
  SetWindowLongPtrW(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(page));
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SizeEditProcedure)));
  if (!editProcedure) editProcedure = previous;
}

RECT ChildRect(HWND page, HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

int CornerIndex(const ReminderTextSettings& reminders) {
  const auto chosen = std::find(reminders.corners.begin(), reminders.corners.end(), true);
  return chosen == reminders.corners.end() ? 0 : static_cast<int>(chosen - reminders.corners.begin());
}

}  // namespace

DesktopPlacementPage::DesktopPlacementPage(SettingsStore& store, const WallpaperPreview& preview)
    : TemplatePage(store, {"Положение и размеры", L"CONF_DESK_PLACEMENT"}), markers_(preview) {}

void DesktopPlacementPage::Created() {
  SendMessageW(Item(IDC_ud1), UDM_SETRANGE32, kMarkerWidthMin, kMarkerWidthMax);
  SendMessageW(Item(IDC_ud2), UDM_SETRANGE32, kMarkerHeightMin, kMarkerHeightMax);
  const RECT area = ChildRect(hwnd(), Item(IDC_P_F_area));
  ShowWindow(Item(IDC_P_F_area), SW_HIDE);
  markers_.Create(hwnd(), area.left, area.top, IDC_P_F);
  markers_.onMarkerPlaced = [this](MarkerKind kind) { MarkerPlaced(kind); };
  tips_ = CreateToolTips(hwnd());
  CreateKnob(widthKnob_, IDC_E_1, IDC_RC_width, widthSteps_, true);
  CreateKnob(heightKnob_, IDC_E_2, IDC_RC_heigth, heightSteps_, false);
  TakeOverEdit(Item(IDC_E_1), this);
  TakeOverEdit(Item(IDC_E_2), this);
}

void DesktopPlacementPage::CreateKnob(RoundControl& knob, int editId, int controlId, EverySecond& steps,
                                      bool width) {
  RoundKnob& model = knob.Knob();
  model.SetAngles(270, -90);
  model.SetRange(0, 127);
  model.radius = 13;
  model.radiusPoint = 2;
  model.centerX = model.centerY = 20;
  model.useChangeUpDown = true;
  knob.lineColor = RGB(0, 255, 0);
  knob.lineColorNoActive = RGB(0, 128, 0);
  const RECT edit = ChildRect(hwnd(), Item(editId));
  knob.Create(hwnd(), edit.left, edit.bottom + kKnobGap, kKnobSide, controlId);
  if (tips_) AddControlTip(tips_, knob.hwnd(), L"Крутилка");
  knob.onChange = [this, &knob, width] {
    if (loading_) return;
    (width ? settings().calendar.widthKnob : settings().calendar.heightKnob) = knob.Knob().Position();
  };
  knob.onChangeUp = [this, &steps, width] {
    if (!loading_ && steps.Counts()) StepSize(width, +1);
  };
  knob.onChangeDown = [this, &steps, width] {
    if (!loading_ && steps.Counts()) StepSize(width, -1);
  };
}

void DesktopPlacementPage::LoadControls() {
  const CalendarSettings& c = settings().calendar;
  // Turning the knobs to their stored places is no turn of the user's.
  loading_ = true;
  widthKnob_.Knob().SetPosition(c.widthKnob);
  heightKnob_.Knob().SetPosition(c.heightKnob);
  loading_ = false;
  TakeMarkers();
}

// The markers' colours and the reminders' corner are chosen on other pages,
// and a calendar template places and sizes the calendar marker: the page
// shows what the settings hold whenever it is entered.
void DesktopPlacementPage::TakeMarkers() {
  const CalendarSettings& c = settings().calendar;
  const ReminderTextSettings& r = settings().reminders;
  SendMessageW(Item(IDC_ud1), UDM_SETPOS32, 0, c.markerWidth);
  SendMessageW(Item(IDC_ud2), UDM_SETPOS32, 0, c.markerHeight);
  markers_.layout.calendar = {c.markerLeft, c.markerTop, c.markerWidth, c.markerHeight};
  markers_.layout.reminders = {r.markerLeft, r.markerTop, kReminderMarkerSide, kReminderMarkerSide};
  markers_.calendarColour = settings().calendar.markerColour;
  markers_.reminderColour = settings().reminders.markerColour;
  markers_.reminderCorner = CornerIndex(settings().reminders);
  markers_.Redraw();
}

void DesktopPlacementPage::Entered() { TakeMarkers(); }

void DesktopPlacementPage::SetSize(bool width, int value) {
  const int low = width ? kMarkerWidthMin : kMarkerHeightMin, high = width ? kMarkerWidthMax : kMarkerHeightMax;
  value = std::clamp(value, low, high);
  SendMessageW(Item(width ? IDC_ud1 : IDC_ud2), UDM_SETPOS32, 0, value);
  (width ? settings().calendar.markerWidth : settings().calendar.markerHeight) = value;
  (width ? markers_.layout.calendar.width : markers_.layout.calendar.height) = value;
  markers_.Redraw();
}

void DesktopPlacementPage::StepSize(bool width, int delta) {
  SetSize(width, (width ? settings().calendar.markerWidth : settings().calendar.markerHeight) + delta);
}

void DesktopPlacementPage::SizeEntered(int editId) {
  if (const auto value = AcceptedSize(ControlText(Item(editId)))) SetSize(editId == IDC_E_1, *value);
}

void DesktopPlacementPage::Scrolled(HWND control) {
  if (control != Item(IDC_ud1) && control != Item(IDC_ud2)) return;
  SetSize(control == Item(IDC_ud1), static_cast<int>(SendMessageW(control, UDM_GETPOS32, 0, 0)));
}

// Typed sizes count only when Enter accepts them.
bool DesktopPlacementPage::Command(int id, int /*code*/) { return id == IDC_E_1 || id == IDC_E_2; }

void DesktopPlacementPage::MarkerPlaced(MarkerKind kind) {
  if (kind == MarkerKind::Calendar) {
    settings().calendar.markerLeft = markers_.layout.calendar.x;
    settings().calendar.markerTop = markers_.layout.calendar.y;
  } else if (kind == MarkerKind::Reminders) {
    settings().reminders.markerLeft = markers_.layout.reminders.x;
    settings().reminders.markerTop = markers_.layout.reminders.y;
  }
}

}  // namespace tikolvo
