#include "menus/win/menu_list_page.h"

#include "common/win/dialog_pages.h"
#include "common/win/error_report.h"
#include "common/win/gdi.h"
#include "common/win/message_dialogs.h"
#include "common/win/tool_tips.h"
#include "common/win/wide_text.h"
#include "menus/entry_line.h"

namespace tikolvo {
namespace {

int FontHeight(HWND window) {
  WindowDc screen(nullptr);
  SelectGuard select(screen.get(), reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.get(), &metrics);
  return metrics.tmHeight;
}

void Enable(HWND control, bool on) { EnableWindow(control, on ? TRUE : FALSE); }

}  // namespace

MenuListPage::MenuListPage(SettingsStore& store, const PageTemplate& page, LauncherKind kind, const MenuListIds& ids,
                           LauncherHost& launchers)
    : TemplatePage(store, page), kind_(kind), ids_(ids), launchers_(launchers), editor_(kind) {}

// The list is measured before the dialog gives it its font, so its lines
// get their height here.
void MenuListPage::Created() {
  SendMessageW(Item(ids_.list), LB_SETITEMHEIGHT, 0, FontHeight(hwnd()) + 3);
  tips_ = CreateToolTips(hwnd());
  AddTip(ids_.save, L"Сохранить изменения в пункте меню");
  AddTip(ids_.up, L"Переместить пункт меню вверх");
  AddTip(ids_.down, L"Переместить пункт меню вниз");
}

void MenuListPage::AddTip(int id, const wchar_t* text) {
  if (tips_) AddControlTip(tips_, Item(id), text);
}

void MenuListPage::Rebuilt() {
  editor_.Reload(launchers_.Lines(kind_));
  if (hwnd()) ShowAll();
}

// Closing the settings window offers what was typed or rearranged;
// "Отмена" keeps it waiting on the page.
void MenuListPage::Closing() {
  if (const std::optional<Question> question = editor_.PendingQuestion(); question && Ask(*question))
    Save(editor_.Accept());
}

bool MenuListPage::Command(int id, int code) {
  const bool clicked = code == BN_CLICKED;
  if (id == ids_.list) {
    if (code == LBN_SELCHANGE) LineClicked(static_cast<int>(SendMessageW(Item(id), LB_GETCARETINDEX, 0, 0)));
  } else if (id == ids_.name || id == ids_.path || (ids_.params != 0 && id == ids_.params)) {
    if (code != EN_CHANGE) return true;
    editor_.Type(TypedEdits());
    ShowButtons();
  } else if (id == ids_.save) {
    if (clicked) Save(editor_.Accept());
  } else if (id == ids_.up || id == ids_.down) {
    if (clicked) Move(id == ids_.up ? -1 : 1);
  } else if (id == ids_.add) {
    if (clicked) AddClicked();
  } else if (id == ids_.remove) {
    if (clicked) DeleteSelected(false);
  } else {
    return OwnCommand(id, code);
  }
  return true;
}

int MenuListPage::ListKey(HWND list, int key) {
  if (list != Item(ids_.list) || key != VK_DELETE) return -1;
  DeleteSelected(true);
  return -2;
}

bool MenuListPage::Ask(const Question& question, DefaultAnswer defaultAnswer) {
  return AskConfirmation(hwnd(), question.caption, question.text, question.cancelCaption, question.okCaption,
                         defaultAnswer);
}

void MenuListPage::OfferLineEdits() {
  const std::optional<Question> question = editor_.PendingLineQuestion();
  if (!question) return;
  if (Ask(*question)) Save(editor_.Accept());
  else editor_.Discard();
}

bool MenuListPage::Save(const std::vector<std::string>& lines) {
  if (launchers_.SaveList(kind_, lines)) return true;
  ReportError("Не удалось записать файл " + store().programFolder +
              (kind_ == LauncherKind::kPrograms ? kProgramMenuFileName : kWebMenuFileName));
  return false;
}

// A click on a line first offers what is pending, then fills the edit
// boxes from the line. The list is not filled again for a plain click, so
// a selection of several lines made with Ctrl or Shift stays.
void MenuListPage::LineClicked(int index) {
  if (const std::optional<Question> question = editor_.PendingQuestion()) {
    if (Ask(*question)) {
      Save(editor_.Accept());
      SelectInList(index);
    } else {
      editor_.Discard();
    }
  }
  editor_.Select(index);
  ShowEdits();
  ShowButtons();
}

// Last to first, so the lines still to be asked about keep their numbers
// while each deletion is saved and the list read back.
void MenuListPage::DeleteSelected(bool fromKey) {
  const std::vector<int> chosen = SelectedLines();
  for (auto line = chosen.rbegin(); line != chosen.rend(); ++line) {
    if (!Ask(editor_.DeleteQuestion(*line, fromKey), DefaultAnswer::kCancel)) continue;
    if (!Save(editor_.Delete(*line))) return;
  }
}

void MenuListPage::Move(int step) {
  OfferLineEdits();
  if (step < 0) editor_.MoveUp();
  else editor_.MoveDown();
  ShowAll();
}

void MenuListPage::ShowAll() {
  ShowList();
  ShowEdits();
  ShowButtons();
}

// The list keeps its scroll position; the line being edited is selected
// and scrolled into view.
void MenuListPage::ShowList() {
  HWND list = Item(ids_.list);
  const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : editor_.lines())
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(line).c_str()));
  SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  SelectInList(editor_.selected());
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void MenuListPage::SelectInList(int index) {
  HWND list = Item(ids_.list);
  SendMessageW(list, LB_SETSEL, FALSE, -1);
  if (index < 0) return;
  SendMessageW(list, LB_SETSEL, TRUE, index);
  SendMessageW(list, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

std::vector<int> MenuListPage::SelectedLines() const {
  HWND list = Item(ids_.list);
  const LRESULT count = SendMessageW(list, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return {};
  std::vector<int> lines(static_cast<std::size_t>(count));
  const LRESULT got = SendMessageW(list, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(lines.data()));
  lines.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return lines;
}

void MenuListPage::ShowEdits() {
  const MenuEdits& edits = editor_.edits();
  Quietly([&] {
    SetControlText(Item(ids_.name), edits.name);
    SetControlText(Item(ids_.path), edits.path);
    if (ids_.params != 0) SetControlText(Item(ids_.params), edits.params);
  });
}

void MenuListPage::ShowButtons() {
  Enable(Item(ids_.save), editor_.saveEnabled());
  Enable(Item(ids_.up), editor_.canMoveUp());
  Enable(Item(ids_.down), editor_.canMoveDown());
}

MenuEdits MenuListPage::TypedEdits() const {
  return {ControlText(Item(ids_.name)), ControlText(Item(ids_.path)),
          ids_.params != 0 ? ControlText(Item(ids_.params)) : std::string()};
}

bool MenuListPage::DrawItem(const DRAWITEMSTRUCT& item) {
  if (static_cast<int>(item.CtlID) != ids_.list) return false;
  DrawLine(item);
  return true;
}

// A line shows its entry's name; a separator is a dashed rule.
void MenuListPage::DrawLine(const DRAWITEMSTRUCT& item) const {
  const std::vector<std::string>& lines = editor_.lines();
  if (item.itemID >= lines.size()) {
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const std::string name = EditsOfLine(kind_, lines[item.itemID]).name;
  if (name == kSeparatorName) {
    UniqueGdi<HPEN> pen(CreatePen(PS_DOT, 1, text));
    SelectGuard select(item.hDC, pen.get());
    const int middle = (item.rcItem.top + item.rcItem.bottom) / 2;
    MoveToEx(item.hDC, item.rcItem.left + 2, middle, nullptr);
    LineTo(item.hDC, item.rcItem.right - 2, middle);
  } else {
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, text);
    RECT box = item.rcItem;
    box.left += 2;
    const std::wstring caption = Widen(name);
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &box,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace tikolvo
