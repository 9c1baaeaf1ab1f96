// The main window's side of the launchers: the skin's two menu buttons and
// files dropped on the clock.
#include "app/win/main_form.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "common/win/wide_text.h"
#include "menus/drop_entry.h"
#include "menus/win/drop_window.h"

namespace tikolvo {
namespace {

// How the skin places the menu against the button's point: its left edge,
// its right edge or its middle there.
UINT AlignmentFlags(MenuAlignment alignment) {
  switch (alignment) {
    case MenuAlignment::Left: return TPM_LEFTALIGN;
    case MenuAlignment::Centre: return TPM_CENTERALIGN;
    case MenuAlignment::Right: return TPM_RIGHTALIGN;
  }
  return TPM_LEFTALIGN;
}

std::vector<std::string> DroppedPaths(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(length);
    paths.push_back(Narrow(path));
  }
  return paths;
}

}  // namespace

void MainForm::PopupLauncher(LauncherKind kind, POINT origin) {
  const bool web = kind == LauncherKind::kWeb;
  PopupMenu(web ? MainMenuKind::Web : MainMenuKind::Programs, origin,
            AlignmentFlags(web ? webMenuAlignment_ : programMenuAlignment_));
}

// The drop is released before the first window opens, so the shell that
// dropped is not kept waiting; each path then gets its window in turn.
void MainForm::OnDropFiles(HDROP drop) {
  const std::vector<std::string> paths = DroppedPaths(drop);
  DragFinish(drop);
  if (!launchers_) return;
  for (const std::string& path : paths) ShowDropWindow(hwnd(), path, DropProposedMenu(path), *launchers_);
}

}  // namespace tikolvo
