#include "reminders/win/reminder_page_view.h"

#include <cwchar>

#include "common/file_io.h"
#include "common/win/colour_button.h"
#include "common/win/error_report.h"
#include "common/win/gdi.h"
#include "common/win/installed_fonts.h"
#include "common/win/system_time.h"
#include "common/win/wide_text.h"
#include "reminders/reminder_list.h"
#include "reminders/reminder_list_look.h"
#include "reminders/reminder_page.h"
#include "common/win/message_dialogs.h"
#include "reminders/win/reminder_editor_window.h"
#include "reminders/win/reminder_page_ids.h"

namespace tikolvo {
namespace {

constexpr int kCornerRadios[4] = {IDC_RB_M_1, IDC_RB_M_2, IDC_RB_M_3, IDC_RB_M_4};
constexpr int kFirstTextSize = 4;  // the size list: "4", "6", ... "30"
constexpr int kLastTextSize = 30;

bool Checked(HWND control) { return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Check(HWND control, bool on) { SendMessageW(control, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

// Selects an entry of a drop-down list; an index outside it selects nothing
// (the list would otherwise keep its previous choice).
void SelectInList(HWND combo, int index) {
  const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  SendMessageW(combo, CB_SETCURSEL, index >= 0 && index < count ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1),
               0);
}

int FontHeight(HFONT font) {
  WindowDc screen(nullptr);
  SelectGuard select(screen.get(), font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.get(), &metrics);
  return metrics.tmHeight;
}

// Fixed heights of the owner-drawn items, asked before the page's object is
// known (the controls are measured while the template is being built).
void MeasureItem(HWND page, MEASUREITEMSTRUCT& item) {
  const int text = FontHeight(reinterpret_cast<HFONT>(SendMessageW(page, WM_GETFONT, 0, 0)));
  item.itemHeight = static_cast<UINT>(item.CtlID == IDC_CB_mess_name_text ? text + 6 : text + 4);
}

std::string ListText(HWND list, UINT index) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return Narrow(text);
}

void FillRectWith(HDC dc, const RECT& rect, COLORREF colour) {
  UniqueGdi<HBRUSH> brush(CreateSolidBrush(colour));
  FillRect(dc, &rect, brush.get());
}

void DrawLine(HDC dc, const std::wstring& text, RECT box, UINT flags) {
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
            flags | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace

ReminderPageView::ReminderPageView(SettingsStore& store) : store_(store) {}

ReminderPageView::~ReminderPageView() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool ReminderPageView::Create(HWND parent, const RECT& area) {
  // The list and its buttons work on message.db; it exists from the start.
  EnsureReminderFile(ReminderPath(), LocalNow());
  HWND page = CreateDialogParamW(GetModuleHandleW(nullptr), L"REMINDERS_PAGE", parent, &ReminderPageView::Procedure,
                                 reinterpret_cast<LPARAM>(this));
  if (!page) return false;
  SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

INT_PTR CALLBACK ReminderPageView::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MEASUREITEM) {
    MeasureItem(hwnd, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    return TRUE;
  }
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<ReminderPageView*>(lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
    self->OnInit();
    return FALSE;  // the page is hidden; the settings window places the focus
  }
  auto* self = reinterpret_cast<ReminderPageView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {
    self->hwnd_ = nullptr;
    return FALSE;
  }
  return self->OnMessage(message, wParam, lParam);
}

INT_PTR ReminderPageView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    default:
      return FALSE;
  }
}

void ReminderPageView::OnInit() {
  for (int size = kFirstTextSize; size <= kLastTextSize; size += 2) {
    SendMessageW(Item(IDC_CB_MES_SIZE), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(size).c_str()));
  }
  // The combo box keeps the list's order, so an index means the same font
  // here as in config.cfg and in the wallpaper drawing.
  fonts_ = InstalledFontNames();
  HWND fonts = Item(IDC_CB_mess_name_text);
  for (const std::string& name : fonts_) {
    SendMessageW(fonts, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
  }
  LoadControls();
}

void ReminderPageView::LoadControls() {
  if (!hwnd_) return;
  loading_ = true;
  const ReminderTextSettings& s = store_.settings.reminders;
  Check(Item(IDC_CB_mess_activ), s.draw);
  Check(Item(IDC_CB_vnesh_base), s.externalBase);
  for (int i = 0; i < 4; ++i) Check(Item(kCornerRadios[i]), s.corners[static_cast<std::size_t>(i)]);
  SelectInList(Item(IDC_CB_MES_SIZE), s.sizeIndex);
  // A font index outside the list (a font since removed) leaves no selection.
  SelectInList(Item(IDC_CB_mess_name_text), s.fontIndex);
  Check(Item(IDC_cb_bold1), s.bold);
  Check(Item(IDC_cb_ital1), s.italic);
  Check(Item(IDC_cb_undr1), s.underline);
  InvalidateRect(Item(IDC_CB_MES), nullptr, FALSE);
  InvalidateRect(Item(IDC_CB_Visor_colors), nullptr, FALSE);
  InvalidateRect(Item(IDC_CB_mess_name_text), nullptr, FALSE);
  loading_ = false;
}

void ReminderPageView::Entered() { ReloadList(); }

void ReminderPageView::Left() {
  if (hwnd_) SendMessageW(Item(IDC_LB_mess_text), LB_RESETCONTENT, 0, 0);
}

void ReminderPageView::OnCommand(int id, int code) {
  if (loading_) return;
  ReminderTextSettings& s = store_.settings.reminders;
  const bool clicked = code == BN_CLICKED;
  switch (id) {
    case IDC_B_add_mess: if (clicked) B_add_messClick(); break;
    case IDC_B_cha_mess: if (clicked) B_cha_messClick(); break;
    case IDC_B_del_mess: if (clicked) B_del_messClick(); break;
    case IDC_B_del_mess_all: if (clicked) B_del_mess_allClick(); break;
    case IDC_LB_mess_text: if (code == LBN_DBLCLK) B_cha_messClick(); break;
    case IDC_CB_mess_activ:
      if (clicked) {
        s.draw = Checked(Item(id));
        Changed();
      }
      break;
    case IDC_CB_vnesh_base: if (clicked) CB_vnesh_baseClick(); break;
    case IDC_RB_M_1:
    case IDC_RB_M_2:
    case IDC_RB_M_3:
    case IDC_RB_M_4:
      if (clicked) CornerClick(id);
      break;
    case IDC_CB_MES:
    case IDC_CB_Visor_colors:
      if (clicked) ColourClick(id);
      break;
    case IDC_CB_MES_SIZE:
      if (code == CBN_SELCHANGE) {
        s.sizeIndex = static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
        Changed();
      }
      break;
    case IDC_CB_mess_name_text:
      if (code == CBN_SELCHANGE) {
        s.fontIndex = static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
        Changed();
      }
      break;
    case IDC_cb_bold1:
    case IDC_cb_ital1:
    case IDC_cb_undr1:
      if (clicked) FontStyleClick();
      break;
    default: break;
  }
}

void ReminderPageView::B_add_messClick() {
  if (RunReminderEditor(hwnd_, ReminderPath(), OpenReminderEditorToAdd(LocalNow()))) ReloadList();
}

void ReminderPageView::B_cha_messClick() {
  const std::string selected = SelectedItem();
  if (selected.empty()) return;
  const std::optional<ReminderEditor> editor = EditSelectedReminder(ReminderPath(), selected, LocalNow());
  if (editor && RunReminderEditor(hwnd_, ReminderPath(), *editor)) ReloadList();
}

void ReminderPageView::B_del_messClick() {
  const std::string selected = SelectedItem();
  if (selected.empty()) return;
  const std::optional<Question> question = DeleteReminderQuestion(selected);
  if (!question || !AskConfirmation(hwnd_, question->caption, question->text, question->cancelCaption,
                                    question->okCaption, DefaultAnswer::kCancel))
    return;
  if (DeleteSelectedReminder(ReminderPath(), selected) == ReminderFileResult::kFailed) {
    ReportError("Не удалось записать файл " + ReminderPath());
  }
  ReloadList();
}

void ReminderPageView::B_del_mess_allClick() {
  const Question question = DeleteAllRemindersQuestion();
  if (!AskConfirmation(hwnd_, question.caption, question.text, question.cancelCaption, question.okCaption,
                       DefaultAnswer::kCancel))
    return;
  if (!DeleteAllReminders(ReminderPath(), LocalNow())) ReportError("Не удалось записать файл " + ReminderPath());
  ReloadList();
}

void ReminderPageView::CB_vnesh_baseClick() {
  bool on = Checked(Item(IDC_CB_vnesh_base));
  if (on && !ExternalBaseMayStayChecked(FileExists(ExternalReminderPath(ReminderPath())))) {
    on = false;
    Check(Item(IDC_CB_vnesh_base), false);
  }
  store_.settings.reminders.externalBase = on;
  Changed();
}

// A radio may be chosen from the keyboard too, so the group is set here.
void ReminderPageView::CornerClick(int id) {
  for (int i = 0; i < 4; ++i) {
    const bool on = kCornerRadios[i] == id;
    Check(Item(kCornerRadios[i]), on);
    store_.settings.reminders.corners[static_cast<std::size_t>(i)] = on;
  }
  Changed();
}

void ReminderPageView::ColourClick(int id) {
  Colour& colour = id == IDC_CB_MES ? store_.settings.reminders.colour : store_.settings.reminders.markerColour;
  const std::optional<Colour> chosen = ChooseColour(hwnd_, colour);
  if (!chosen) return;
  colour = *chosen;
  InvalidateRect(Item(id), nullptr, FALSE);
  Changed();
}

// The font list shows every font in the chosen styles.
void ReminderPageView::FontStyleClick() {
  ReminderTextSettings& s = store_.settings.reminders;
  s.bold = Checked(Item(IDC_cb_bold1));
  s.italic = Checked(Item(IDC_cb_ital1));
  s.underline = Checked(Item(IDC_cb_undr1));
  InvalidateRect(Item(IDC_CB_mess_name_text), nullptr, FALSE);
  Changed();
}

void ReminderPageView::ReloadList() {
  if (!hwnd_) return;
  HWND list = Item(IDC_LB_mess_text);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& item : ReminderPageItems(ReminderPath(), store_.context.locale)) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

std::string ReminderPageView::SelectedItem() const {
  HWND list = Item(IDC_LB_mess_text);
  const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? std::string() : ListText(list, static_cast<UINT>(index));
}

std::string ReminderPageView::ReminderPath() const { return store_.programFolder + kReminderFileName; }

void ReminderPageView::Changed() {
  if (changed) changed();
}

void ReminderPageView::OnDrawItem(const DRAWITEMSTRUCT& item) {
  switch (item.CtlID) {
    case IDC_LB_mess_text: DrawReminderItem(item); break;
    case IDC_CB_mess_name_text: DrawFontItem(item); break;
    case IDC_CB_MES: DrawColourButton(item, store_.settings.reminders.colour); break;
    case IDC_CB_Visor_colors: DrawColourButton(item, store_.settings.reminders.markerColour); break;
    default: break;
  }
}

// LB_mess_textDrawItem: the text at the left, cut with an ellipsis before
// the period, the period at the right, on light yellow.
void ReminderPageView::DrawReminderItem(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1)) {
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRectWith(item.hDC, item.rcItem, selected ? GetSysColor(COLOR_HIGHLIGHT) : kReminderItemBackground);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kReminderItemTextColour);

  const ReminderItemView view = ViewOfReminderItem(ListText(item.hwndItem, item.itemID));
  const std::wstring period = Widen(view.period);
  SIZE periodSize{};
  GetTextExtentPoint32W(item.hDC, period.c_str(), static_cast<int>(period.size()), &periodSize);
  const ReminderItemLayout layout = LayoutReminderItem(item.rcItem.left, item.rcItem.right, periodSize.cx);
  DrawLine(item.hDC, Widen(view.text), RECT{layout.textLeft, item.rcItem.top, layout.textRight, item.rcItem.bottom},
           DT_LEFT | DT_END_ELLIPSIS);
  DrawLine(item.hDC, period, RECT{layout.periodLeft, item.rcItem.top, item.rcItem.right, item.rcItem.bottom},
           DT_LEFT);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

// CB_mess_name_textDrawItem: each font's name and a sample in that font,
// in the chosen styles, on alternating stripes.
void ReminderPageView::DrawFontItem(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1)) {
    FillRectWith(item.hDC, item.rcItem, GetSysColor(COLOR_WINDOW));
    return;
  }
  const std::string name = fonts_.size() > item.itemID ? fonts_[item.itemID] : std::string();
  const FontListItemLook look = ReminderFontListItem(static_cast<int>(item.itemID), name);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRectWith(item.hDC, item.rcItem, selected ? GetSysColor(COLOR_HIGHLIGHT) : look.background);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : look.textColour);

  LOGFONTW face{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof(face), &face);
  const ReminderTextSettings& s = store_.settings.reminders;
  face.lfWeight = s.bold ? FW_BOLD : FW_NORMAL;
  face.lfItalic = s.italic ? TRUE : FALSE;
  face.lfUnderline = s.underline ? TRUE : FALSE;
  face.lfCharSet = DEFAULT_CHARSET;
  const std::wstring wideName = Widen(name);
  wcsncpy(face.lfFaceName, wideName.c_str(), LF_FACESIZE - 1);
  face.lfFaceName[LF_FACESIZE - 1] = L'\0';
  UniqueGdi<HFONT> font(CreateFontIndirectW(&face));
  SelectGuard select(item.hDC, font.get());
  DrawLine(item.hDC, Widen(look.caption),
           RECT{item.rcItem.left + look.textLeft, item.rcItem.top, item.rcItem.right, item.rcItem.bottom},
           DT_LEFT | DT_END_ELLIPSIS);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace tikolvo
