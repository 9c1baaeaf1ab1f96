#include "menus/win/launcher_host.h"

#include <map>

#include "common/win/flat_menu.h"
#include "common/win/message_dialogs.h"
#include "common/win/wide_text.h"
#include "menus/launch_decision.h"
#include "menus/launcher_menus.h"
#include "menus/tray_copies.h"
#include "menus/win/launch_actions.h"
#include "menus/win/win_folder_source.h"

namespace tikolvo {

struct LauncherHost::Impl {
  struct Clickable {
    MenuClick click;
    std::string hint;
  };

  Impl(LauncherHost& host, SettingsStore& store) : host(host), store(store) {}
  ~Impl() {
    if (verdana) DeleteObject(verdana);
  }

  const LauncherMenu& Menu(LauncherKind kind) const { return kind == LauncherKind::kPrograms ? programs : web; }
  std::string ListPath(LauncherKind kind) const;
  FolderScanContext ScanContext(LauncherKind kind);
  std::vector<MenuItem> WithFolderItems(LauncherKind kind);
  void ForgetItems();
  void Append(HMENU menu, const MenuItem& item);
  HMENU MakeSubmenu(const std::vector<MenuItem>& items);
  LaunchOptions Options() const;
  void CarryOut(const LaunchDecision& decision, HWND owner);
  int TextWidth(std::string_view utf8);
  tikolvo::TextWidth Width() {
    return [this](std::string_view text) { return TextWidth(text); };
  }

  LauncherHost& host;
  SettingsStore& store;
  WinMenuFolderSource files;
  WinLaunchFacts facts;
  LauncherMenu programs;
  LauncherMenu web;
  std::vector<Clickable> clickables;
  std::map<UINT, int> commandPictures;
  std::map<HMENU, int> submenuPictures;
  HFONT verdana = nullptr;
};

LauncherHost::LauncherHost(SettingsStore& store) : impl_(std::make_unique<Impl>(*this, store)) {}
LauncherHost::~LauncherHost() = default;

const std::vector<std::string>& LauncherHost::Lines(LauncherKind kind) const { return impl_->Menu(kind).lines; }
std::string LauncherHost::Impl::ListPath(LauncherKind kind) const {
  return store.programFolder + (kind == LauncherKind::kPrograms ? kProgramMenuFileName : kWebMenuFileName);
}

// Captions are cut to the menu's width as the font "verdana" measures them.
int LauncherHost::Impl::TextWidth(std::string_view utf8) {
  HDC dc = GetDC(nullptr);
  if (!verdana)
    verdana = CreateFontW(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, L"verdana");
  HGDIOBJ old = SelectObject(dc, verdana);
  const std::wstring text = Widen(utf8);
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size.cx;
}

FolderScanContext LauncherHost::Impl::ScanContext(LauncherKind kind) {
  const InterfaceSettings& inter = store.settings.inter;
  const bool programsMenu = kind == LauncherKind::kPrograms;
  FolderScanOptions options;
  options.shortcutFolders = programsMenu ? inter.programsMenuRecursive : inter.wwwMenuRecursive;
  options.foldersFirst = programsMenu ? inter.programsMenuSortFolders : inter.wwwMenuSortFolders;
  return FolderScanContext{files, Width(), options};
}

std::vector<MenuItem> LauncherHost::Impl::WithFolderItems(LauncherKind kind) {
  std::vector<MenuItem> items = Menu(kind).items;
  const FolderScanContext context = ScanContext(kind);
  if (kind == LauncherKind::kPrograms) AddProgramFolderItems(items, store.programFolder, context);
  else AddWebFolderItems(items, store.programFolder, context);
  return items;
}

void LauncherHost::Impl::ForgetItems() {
  clickables.clear();
  commandPictures.clear();
  submenuPictures.clear();
}

HMENU LauncherHost::Impl::MakeSubmenu(const std::vector<MenuItem>& items) {
  HMENU menu = CreatePopupMenu();
  for (const MenuItem& item : items) Append(menu, item);
  return menu;
}

void LauncherHost::Impl::Append(HMENU menu, const MenuItem& item) {
  const std::wstring caption = Widen(item.caption);
  if (item.kind == MenuItemKind::kSeparator) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  } else if (item.kind == MenuItemKind::kSubmenu) {
    HMENU submenu = MakeSubmenu(item.children);
    submenuPictures[submenu] = item.picture;
    AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
  } else {
    const UINT command = kFirstLauncherCommand + static_cast<UINT>(clickables.size());
    if (command > kLastLauncherCommand) return;  // a tree too big for the menu's numbers
    clickables.push_back({item.click, item.hint});
    commandPictures[command] = item.picture;
    AppendMenuW(menu, MF_STRING, command, caption.c_str());
  }
}

LaunchOptions LauncherHost::Impl::Options() const {
  const InterfaceSettings& inter = store.settings.inter;
  LaunchOptions options;
  options.warnWhenMissing = inter.warnWhenTargetMissing;
  options.rightClickOpensFolder = inter.programsRightClickOpensFolder;
  options.foldersFullScreen = inter.foldersFullScreen;
  options.rightClickCopiesLink = inter.wwwRightClickCopiesLink;
  options.linksFullScreen = inter.wwwFullScreen;
  options.registeredBrowserOnly = store.settings.ieOnly;
  return options;
}

void LauncherHost::Impl::CarryOut(const LaunchDecision& decision, HWND owner) {
  switch (decision.kind) {
    case LaunchKind::kPlanCommand:
      if (host.planCommand) host.planCommand(decision.planCode);
      break;
    case LaunchKind::kNotice: ShowNotice(owner, decision.notice.caption, decision.notice.text); break;
    case LaunchKind::kShellOpen: ShellOpen(owner, decision); break;
    case LaunchKind::kCopyText: CopyTextToClipboard(owner, decision.text); break;
    case LaunchKind::kNothing: break;
  }
}

void LauncherHost::Start() {
  for (LauncherKind kind : {LauncherKind::kPrograms, LauncherKind::kWeb}) {
    EnsureMenuFile(impl_->ListPath(kind), kind);
    Rebuild(kind);
  }
}

// A list file that cannot be read shows an empty menu; the next save
// writes it again.
void LauncherHost::Rebuild(LauncherKind kind) {
  Impl& m = *impl_;
  const std::string path = m.ListPath(kind);
  if (kind == LauncherKind::kPrograms) {
    m.programs = BuildProgramMenu(LoadProgramMenu(path).value_or(std::vector<ProgramRecord>{}), m.Width());
  } else {
    const FolderScanContext context = m.ScanContext(LauncherKind::kWeb);
    const FavouritesFolder favourites{FavouritesFolderPath(), &context};
    m.web = BuildWebMenu(LoadWebMenu(path).value_or(std::vector<WebRecord>{}),
                         m.store.settings.inter.favouritesMenu ? &favourites : nullptr);
  }
  if (rebuilt) rebuilt(kind);
}

bool LauncherHost::SaveList(LauncherKind kind, const std::vector<std::string>& lines) {
  const bool saved = SaveMenuFile(impl_->ListPath(kind), kind, lines);
  Rebuild(kind);
  return saved;
}

bool LauncherHost::AddEntry(LauncherKind kind, const std::string& line) {
  std::vector<std::string> lines = Lines(kind);
  lines.push_back(line);
  return SaveList(kind, lines);
}

HMENU LauncherHost::MakePopup(LauncherKind kind) {
  impl_->ForgetItems();
  return impl_->MakeSubmenu(impl_->WithFolderItems(kind));
}

namespace {

// Moves every item of `from`, submenus with them, to the top of `to` in order.
void MoveToTop(HMENU from, HMENU to) {
  for (int i = GetMenuItemCount(from); i-- > 0;) {
    MenuItemRead item;
    if (!ReadMenuItem(from, i, item)) continue;
    RemoveMenu(from, static_cast<UINT>(i), MF_BYPOSITION);  // a submenu is kept, not destroyed
    InsertMenuItemW(to, 0, TRUE, &item.info);
  }
}

}  // namespace

// The copies are made afresh with the tray menu, so they follow every
// rebuild, and they carry the folder entries as their menus do.
void LauncherHost::InsertTrayCopies(HMENU tray) {
  Impl& m = *impl_;
  m.ForgetItems();
  const InterfaceSettings& inter = m.store.settings.inter;
  std::vector<MenuItem> top =
      TrayLauncherItems(m.programs.items, m.web.items, inter.programsMenuInSystemMenu, inter.wwwMenuInSystemMenu);
  for (MenuItem& parent : top) {
    if (parent.kind != MenuItemKind::kSubmenu) continue;
    const LauncherKind kind = parent.hint == kTrayProgramsHint ? LauncherKind::kPrograms : LauncherKind::kWeb;
    if (kind == LauncherKind::kPrograms) AddProgramFolderItems(parent.children, m.store.programFolder, m.ScanContext(kind));
    else AddWebFolderItems(parent.children, m.store.programFolder, m.ScanContext(kind));
  }
  HMENU copies = m.MakeSubmenu(top);
  MoveToTop(copies, tray);
  DestroyMenu(copies);
}

std::optional<int> LauncherHost::PictureOf(UINT command, HMENU submenu) const {
  if (submenu) {
    const auto found = impl_->submenuPictures.find(submenu);
    if (found == impl_->submenuPictures.end()) return std::nullopt;
    return found->second;
  }
  const auto found = impl_->commandPictures.find(command);
  if (found == impl_->commandPictures.end()) return std::nullopt;
  return found->second;
}

void LauncherHost::Run(UINT command, bool rightButton, HWND owner) {
  Impl& m = *impl_;
  if (!Owns(command) || command - kFirstLauncherCommand >= m.clickables.size()) return;
  const Impl::Clickable entry = m.clickables[command - kFirstLauncherCommand];
  const LaunchOptions options = m.Options();
  switch (entry.click) {
    case MenuClick::kProgramEntry: m.CarryOut(LaunchProgramEntry(entry.hint, rightButton, options, m.facts), owner); break;
    case MenuClick::kWebEntry: m.CarryOut(LaunchWebEntry(entry.hint, rightButton, options, m.facts), owner); break;
    case MenuClick::kLinkEntry: m.CarryOut(LaunchLinkEntry(entry.hint, rightButton, options, m.facts), owner); break;
    case MenuClick::kNone: break;
  }
}

}  // namespace tikolvo
