#include "settings/win/about_page.h"

#include "common/mem_info.h"
#include "common/win/dialog_pages.h"
#include "common/win/system_folders.h"
#include "settings/settings_model.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

// The feature list of the about page.
constexpr const char* kFeatures =
    "Часы для рабочего стола со сменными скинами и плавным ходом стрелок.\r\n"
    "Планировщик заданий: запуск программ, сообщения, звуки, всплывающие подсказки "
    "с обратным отсчетом, сигналы, разрыв соединения, выключение и спящий режим.\r\n"
    "Напоминания и календарь на рисунке рабочего стола.\r\n"
    "Меню программ и ссылок, меню панели управления.\r\n"
    "Учет сетевых подключений: сеансы, трафик, тарифы, статистика, экспорт.\r\n"
    "Журнал работы компьютера, интервальный таймер.";

}  // namespace

AboutPage::AboutPage(SettingsStore& store) : TemplatePage(store, {"Об авторе...", L"CONF_PAGE_ABOUT"}) {}

void AboutPage::Created() {
  RECT area;
  GetWindowRect(Item(IDC_banner_area), &area);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&area), 2);
  banner_.Create(hwnd(), area.left, area.top);
  SetControlText(Item(IDC_L_date), std::string("Дата сборки: ") + kAboutDate);
  SetControlText(Item(IDC_L_version), std::string("Версия продукта: ") + kAboutVersion);
  SetControlText(Item(IDC_L_memory), PhysicalMemoryLine(ReadMemInfo()));
  SetControlText(Item(IDC_E_features), kFeatures);
}

bool AboutPage::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IDC_I_logo) return false;
  DrawAboutPicture(item);
  return true;
}

// The program picture is composed once on the button-face colour and only
// composed again after the system colours changed (the sum of the colour's
// red, green and blue is what is compared), not on every visit of the page.
void AboutPage::DrawAboutPicture(const DRAWITEMSTRUCT& item) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int faceSum = GetRValue(face) + GetGValue(face) + GetBValue(face);
  const int width = item.rcItem.right - item.rcItem.left;
  const int height = item.rcItem.bottom - item.rcItem.top;
  if (!aboutPicture_.bitmap || faceSum != aboutPictureFaceSum_) {
    aboutPicture_ = CreateDib32(width, height);
    if (!aboutPicture_.bitmap) return;
    MemDc dc;
    SelectGuard bitmap(dc.get(), aboutPicture_.bitmap.get());
    const RECT box{0, 0, width, height};
    FillRect(dc.get(), &box, GetSysColorBrush(COLOR_BTNFACE));
    DrawAboutLogo(dc.get(), box);
    aboutPictureFaceSum_ = faceSum;
  }
  MemDc dc;
  SelectGuard bitmap(dc.get(), aboutPicture_.bitmap.get());
  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc.get(), 0, 0, SRCCOPY);
}

}  // namespace tikolvo
