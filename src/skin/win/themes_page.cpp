#include "skin/win/themes_page.h"

#include "common/file_io.h"
#include "common/win/dialog_pages.h"
#include "common/win/gdi.h"
#include "common/win/message_dialogs.h"
#include "common/win/ress_pictures.h"
#include "common/win/tool_tips.h"
#include "common/win/wide_text.h"
#include "settings/skin_choice.h"
#include "settings/win/conf_ids.h"
#include "skin/program_pictures.h"
#include "skin/skin_files.h"
#include "skin/skin_search.h"
#include "skin/tks_archive.h"

namespace tikolvo {
namespace {

constexpr int kLinePicture = kSystemPictureSize;  // archive lines' text starts after their picture
constexpr const char* kInstallCaption = "Tikolvo: установка скина";

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ListLine(HWND list, int index) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return Narrow(text);
}

// The picture shrunk to fit the box (never enlarged), its proportions kept.
void DrawPictureIn(HDC dc, const RECT& box, const Picture& picture) {
  const int boxWidth = box.right - box.left;
  const int boxHeight = box.bottom - box.top;
  int width = picture.width;
  int height = picture.height;
  if (width > boxWidth || height > boxHeight) {
    const bool widthRules = static_cast<long long>(width) * boxHeight >= static_cast<long long>(height) * boxWidth;
    width = widthRules ? boxWidth : static_cast<int>(static_cast<long long>(width) * boxHeight / height);
    height = widthRules ? static_cast<int>(static_cast<long long>(height) * boxWidth / picture.width) : boxHeight;
  }
  StretchPicture(dc, box.left, box.top, width, height, picture);
}

}  // namespace

ThemesPage::ThemesPage(SettingsStore& store, SkinSwitch& clock)
    : TemplatePage(store, {"Темы", L"CONF_PAGE_THEMES"}),
      clock_(clock),
      search_([this](std::vector<std::string> entries) { ShowFound(entries); }) {}

void ThemesPage::Created() {
  SendMessageW(Item(IDC_LBSkins), LB_SETITEMHEIGHT, 0, kSystemPictureSize + 2);
  tips_ = CreateToolTips(hwnd());
  if (tips_) {
    AddControlTip(tips_, Item(IDC_LBSkins), L"Двойной клик - принять скин");
    AddControlTip(tips_, Item(IDC_IPrev), L"Предпросмотр");
  }
  const std::string folder = store().programFolder;
  const SkinChoice skin = ReadCurrentSkinFile(folder + "skin.cfg", folder);
  ShowCurrent(skin.name, skin.path);
}

void ThemesPage::Opening() {
  if (!searched_) StartSearch();
}

bool ThemesPage::Command(int id, int code) {
  switch (id) {
    case IDC_LBSkins:
      if (code == LBN_SELCHANGE) LBSkinsClick();
      if (code == LBN_DBLCLK) LBSkinsDblClick();
      return true;
    case IDC_BREF:
      if (code == BN_CLICKED) BREFClick();
      return true;
    case IDC_B_prin_skin:
      if (code == BN_CLICKED) B_prin_skinClick();
      return true;
    default:
      return false;
  }
}

bool ThemesPage::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID == IDC_LBSkins) LBSkinsDrawItem(item);
  else if (item.CtlID == IDC_IPrev) DrawPreview(item);
  else return false;
  return true;
}

// The list empties at once and fills when the search delivers.
void ThemesPage::BREFClick() {
  SendMessageW(Item(IDC_LBSkins), LB_RESETCONTENT, 0, 0);
  StartSearch();
}

void ThemesPage::StartSearch() {
  searched_ = true;
  search_.StartSearch(store().programFolder + "skins\\", settings().inter.oldSkins);
}

void ThemesPage::ShowFound(const std::vector<std::string>& entries) {
  if (!hwnd()) return;
  HWND list = Item(IDC_LBSkins);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : entries)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(line).c_str()));
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

std::optional<SkinListEntry> ThemesPage::SelectedEntry() const {
  const LRESULT index = SendMessageW(Item(IDC_LBSkins), LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return std::nullopt;
  return ParseSkinListEntry(ListLine(Item(IDC_LBSkins), static_cast<int>(index)));
}

void ThemesPage::LBSkinsClick() {
  const std::optional<SkinListEntry> entry = SelectedEntry();
  preview_ = entry ? ReadSkinPreview(*entry, store().programFolder, DiskSkinFiles()) : std::nullopt;
  InvalidateRect(Item(IDC_IPrev), nullptr, FALSE);
}

void ThemesPage::AcceptSelected(SkinAcceptedBy by) {
  if (const std::optional<SkinListEntry> entry = SelectedEntry()) Accept(*entry, by);
}

void ThemesPage::Accept(const SkinListEntry& entry, SkinAcceptedBy by) {
  const std::string folder = store().programFolder;
  const SkinAcceptance accepted = AcceptSkinEntry(entry, folder);
  const bool loaded = clock_.LoadSkin(accepted.loadPath);
  if (!RemembersAcceptedSkin(by, loaded)) return;
  ShowCurrent(accepted.shownName, accepted.shownPath);
  SaveCurrentSkinFile(folder + "skin.cfg", accepted.stored);
}

void ThemesPage::ShowCurrent(const std::string& name, const std::string& path) {
  SetControlText(Item(IDC_ENameS), name);
  SetControlText(Item(IDC_EPathS), path);
}

void ThemesPage::LBSkinsDrawItem(const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1)) return;
  const SkinListEntry entry = ParseSkinListEntry(ListLine(item.hwndItem, static_cast<int>(item.itemID)));
  RECT text = item.rcItem;
  if (entry.kind != SkinEntryKind::Folder) {
    const bool layered = entry.kind == SkinEntryKind::Layered;
    const int picture = layered ? system_picture::kLayeredSkin : system_picture::kSkinArchive;
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - kSystemPictureSize) / 2;
    SystemStrip().Draw(item.hDC, picture, item.rcItem.left, top, kSystemPictureSize);
    text.left += kLinePicture;
  }
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const std::wstring line = Widen(SkinListText(static_cast<int>(item.itemID), entry));
  DrawTextW(item.hDC, line.c_str(), static_cast<int>(line.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

void ThemesPage::DrawPreview(const DRAWITEMSTRUCT& item) {
  RECT box = item.rcItem;
  FillRect(item.hDC, &box, GetSysColorBrush(COLOR_WINDOW));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(COLOR_WINDOWTEXT));
  TextOutW(item.hDC, box.left + 2, box.top + 2, L"No picture", 10);
  if (preview_ && !preview_->empty()) DrawPictureIn(item.hDC, box, *preview_);
}

void ThemesPage::InstallDroppedSkin(HWND owner, const std::string& path) {
  const std::string name = FileNameOf(path);
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes || !IsInstallableSkinArchive(*bytes)) {
    ShowNotice(owner, kInstallCaption, "Файл \"" + name + "\" повреждён.\nТакой скин не может быть установлен.");
    return;
  }
  if (!AskConfirmation(owner, kInstallCaption, "Установить скин \"" + name + "\" и принять его?", "Отмена",
                       "Установить"))
    return;
  const std::optional<std::string> installed = CopyIntoSkins(name, *bytes);
  if (!installed) {
    ShowNotice(owner, kInstallCaption, "Не удалось скопировать скин в папку " + store().programFolder + "skins.");
    return;
  }
  const bool layered = TksArchive(*bytes).SkinTypeByte() == 3;
  Accept(ParseSkinListEntry(*installed + (layered ? "||+" : "||*")), SkinAcceptedBy::Button);
  // Before the settings window is first made, its first opening searches.
  if (hwnd()) BREFClick();
}

// The new file is created, never opened over one that exists: a name taken
// meanwhile fails the copy rather than overwrite a skin.
std::optional<std::string> ThemesPage::CopyIntoSkins(const std::string& name, const std::string& bytes) {
  const std::string skins = store().programFolder + "skins\\";
  MakeFolders(skins);
  const std::string target =
      skins + InstalledSkinName(name, [&skins](const std::string& candidate) { return FileExists(skins + candidate); });
  const std::wstring wide = Widen(target);
  HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  DWORD written = 0;
  const bool whole = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                     written == bytes.size() && FlushFileBuffers(file);
  CloseHandle(file);
  if (whole) return target;
  DeleteFileW(wide.c_str());
  return std::nullopt;
}

}  // namespace tikolvo
