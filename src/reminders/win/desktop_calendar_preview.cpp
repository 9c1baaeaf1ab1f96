// The calendar page's preview and its templates.
#include <algorithm>

#include "common/file_io.h"
#include "common/win/gdi.h"
#include "common/win/message_dialogs.h"
#include "common/win/wide_text.h"
#include "reminders/desktop_calendar.h"
#include "reminders/win/desktop_calendar_page.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

constexpr int kPreviewWidth = 241;
constexpr int kPreviewHeight = 200;

std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW(Widen(folder + "*.*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(Narrow(found.cFileName));
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return names;
}

}  // namespace

// The page colour and a black frame round the right part of the desktop
// preview, and the calendar over it, always as one month.
void DesktopCalendarPage::B_cal_prevClick() {
  if (!preview_.Resize(kPreviewWidth, kPreviewHeight)) return;
  preview_.FillRect({0, 0, kPreviewWidth, kPreviewHeight}, GetSysColor(COLOR_BTNFACE));
  const DibCanvas& desktop = wallpaper_.Picture();
  if (desktop.Width() > 0)
    BitBlt(preview_.dc(), 0, 0, kPreviewWidth, kPreviewHeight, desktop.dc(),
           std::max(desktop.Width() - kPreviewWidth, 0), 0, SRCCOPY);
  DesktopCalendarLook look = MakeCalendarLook(settings().calendar, store().context.locale, clock_.Now());
  look.layout = CalendarLayout::Month;
  DrawCalendar(preview_, {kPreviewWidth, kPreviewHeight}, look, {10, 10, kPreviewWidth - 10, kPreviewHeight - 40});
  // Last, so that the composition marker the calendar leaves in the corner
  // does not break the frame.
  preview_.FrameRect({0, 0, kPreviewWidth, kPreviewHeight}, 1, 0x000000);
  if (hwnd()) InvalidateRect(Item(IDC_I_prev_calendar), nullptr, FALSE);
}

// Stretched into the control with its proportions kept.
void DesktopCalendarPage::DrawPreview(const DRAWITEMSTRUCT& item) const {
  const RECT& r = item.rcItem;
  const int width = r.right - r.left, height = r.bottom - r.top;
  SetBkColor(item.hDC, GetSysColor(COLOR_BTNFACE));
  ExtTextOutW(item.hDC, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  if (preview_.Width() <= 0 || width <= 0 || height <= 0) return;
  int shownWidth = width, shownHeight = MulDiv(width, kPreviewHeight, kPreviewWidth);
  if (shownHeight > height) shownHeight = height, shownWidth = MulDiv(height, kPreviewWidth, kPreviewHeight);
  SetStretchBltMode(item.hDC, HALFTONE);
  SetBrushOrgEx(item.hDC, 0, 0, nullptr);
  StretchBlt(item.hDC, r.left + (width - shownWidth) / 2, r.top + (height - shownHeight) / 2, shownWidth, shownHeight,
             preview_.dc(), 0, 0, kPreviewWidth, kPreviewHeight, SRCCOPY);
}

// SB_reapClick: the templates in the skins folder, again.
void DesktopCalendarPage::SB_reapClick() {
  templates_ = ListTemplates(SkinsFolder(), FileNamesIn(SkinsFolder()));
  HWND combo = Item(IDC_CB_shablon);
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const CalendarTemplateItem& item : templates_)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item.ListLine()).c_str()));
}

void DesktopCalendarPage::CB_shablonClick() {
  const LRESULT index = SendMessageW(Item(IDC_CB_shablon), CB_GETCURSEL, 0, 0);
  if (index < 0 || static_cast<std::size_t>(index) >= templates_.size()) return;
  const std::string path = SkinsFolder() + templates_[static_cast<std::size_t>(index)].fileName;
  if (!LoadTemplate(path, settings().calendar)) {
    ShowNotice(GetAncestor(hwnd(), GA_ROOT), "Tikolvo", "Шаблон календаря не удалось прочитать:\n" + path);
    return;
  }
  // The marker's new size and place reach the placement page when it is
  // entered.
  Load();
}

void DesktopCalendarPage::B_saveshablon_calClick() {
  InputQuestion question;
  question.caption = "Сохранения шаблона календаря";
  question.fields = {{"Название шаблона", ""}, {"Название файла", ""}};
  question.okText = "Сохранить";
  HWND owner = GetAncestor(hwnd(), GA_ROOT);
  const auto answer = AskTexts(owner, question);
  if (!answer || answer->size() < 2 || (*answer)[0].empty()) return;
  const std::optional<std::string> file = TemplateFileName((*answer)[1]);
  if (!file) {
    ShowNotice(owner, "Tikolvo", "Укажите название файла шаблона.");
    return;
  }
  MakeFolders(SkinsFolder());
  if (!SaveTemplate(SkinsFolder() + *file, settings().calendar, (*answer)[0]))
    ShowNotice(owner, "Tikolvo", "Шаблон календаря не удалось сохранить:\n" + SkinsFolder() + *file);
}

}  // namespace tikolvo
