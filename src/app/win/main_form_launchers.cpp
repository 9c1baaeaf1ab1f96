// The main window's side of the launchers: the skin's two menu buttons and
// files dropped on the clock.
#include "app/win/main_form.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/win/wide_text.h"
#include "menus/drop_entry.h"
#include "menus/win/drop_window.h"
#include "skin/folder_skin.h"

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
  for (const std::string& path : paths) {
    // A skin archive is offered as a skin, not as a menu entry.
    if (HasArchiveExtension(path) && FileExists(path)) commands_.InstallSkin(path);
    else if (launchers_) ShowDropWindow(hwnd(), path, DropProposedMenu(path), *launchers_);
  }
}

// The block is copied into this process and dropped after the sender was
// answered, so a sender never waits for the drop window.
bool MainForm::DropCopiedFiles(const COPYDATASTRUCT& data) {
  if (data.dwData != kDropFilesCopyTag || data.cbData < sizeof(DROPFILES) || !data.lpData) return false;
  // The paths must lie inside the block that came.
  const DWORD first = static_cast<const DROPFILES*>(data.lpData)->pFiles;
  if (first < sizeof(DROPFILES) || first >= data.cbData) return false;
  // The zeroed tail ends a path list that was cut short.
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, data.cbData + 2 * sizeof(wchar_t));
  if (!block) return false;
  std::memcpy(GlobalLock(block), data.lpData, data.cbData);
  GlobalUnlock(block);
  if (PostMessageW(hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0)) return true;
  GlobalFree(block);
  return false;
}

}  // namespace tikolvo
