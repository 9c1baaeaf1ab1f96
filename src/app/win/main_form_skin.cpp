// The main window's side of skins: loading the remembered skin at start,
// applying what a skin decides about the window, and the skin's buttons.
#include <windowsx.h>

#include "app/win/layered.h"
#include "app/win/main_form.h"
#include "settings/skin_choice.h"

namespace tikolvo {
namespace {

constexpr ULONG_PTR kDropShadowClassStyle = 0x00020000;  // CS_DROPSHADOW, XP and later

}  // namespace

void MainForm::LoadCurrentSkin() {
  const SkinChoice choice = ReadCurrentSkinFile(store_.programFolder + "skin.cfg", store_.programFolder);
  LoadSkin(choice.path);
}

bool MainForm::LoadSkin(const std::string& path) {
  OwnHandColours own;
  const InterfaceSettings& inter = store_.settings.inter;
  if (inter.ownHandColours && inter.handColours) {
    own = OwnHandColours{true, inter.handColours->basic, inter.handColours->second, inter.handColours->timer};
  }
  hint_.Hide();
  SkinOutcome outcome = skin_.Load(path, store_.programFolder, clock_.Now(), own);
  ApplySkinOutcome(outcome);
  return outcome.loaded;
}

void MainForm::ApplySkinOutcome(SkinOutcome& outcome) {
  edges_ = outcome.edges;
  keyColour_ = outcome.keyColour;
  programMenuAlignment_ = ResolveMenuAlignment(outcome.programMenuAlignment, programMenuAlignment_);
  webMenuAlignment_ = ResolveMenuAlignment(outcome.webMenuAlignment, webMenuAlignment_);
  if (outcome.hintIcon) {
    hint_.SetIconBitmap(std::move(outcome.hintIcon), outcome.hintIconSize);
  } else {
    hint_.SetIconFromApplicationIcon(appIcon_, 32);
  }
  hint_.SetLayout(outcome.builtinFace ? 0 : outcome.hintLayout);
  SetWindowPos(hwnd(), nullptr, 0, 0, face_.width(), face_.height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The layered style goes off and on again, so the system takes the new
  // kind of face (per-pixel alpha or not) afresh.
  SetWindowLongW(hwnd(), GWL_EXSTYLE, GetWindowLongW(hwnd(), GWL_EXSTYLE) & ~WS_EX_LAYERED);
  SetWindowRgn(hwnd(), face_.layered() ? nullptr : outcome.region.release(), TRUE);
  SetDropShadow(outcome.dropShadow);
  ApplyDrawingOptions();
  face_.engine().SetAngles(angles_.At(clock_.Now()));
  face_.Redraw(face_.Everything(), true, labels_);
  trans(store_.settings.inter.opacity);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

// Only where layered windows exist; the class style shows from the next
// time the window is shown.
void MainForm::SetDropShadow(bool on) {
  if (!LayeredWindowsAvailable()) return;
  const ULONG_PTR style = GetClassLongPtrW(hwnd(), GCL_STYLE);
  const bool has = (style & kDropShadowClassStyle) != 0;
  if (has == on) return;
  SetClassLongPtrW(hwnd(), GCL_STYLE, on ? (style | kDropShadowClassStyle) : (style & ~kDropShadowClassStyle));
  if (IsWindowVisible(hwnd())) {
    ShowWindow(hwnd(), SW_HIDE);
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  }
}

void MainForm::StartCaptionDrag() {
  hint_.Hide();
  ReleaseCapture();
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void MainForm::HandleSkinMouse(const SkinMouseResult& r) {
  if (!r.dirty.Empty()) ShowFaceChanges(face_.Redraw(r.dirty, false, labels_));
  if (r.hideHint) hint_.Hide();
  if (r.showHint) {
    POINT cursor;
    GetCursorPos(&cursor);
    hint_.ShowAt(cursor, r.hint);
  }
  if (r.setCapture) SetCapture(hwnd());
  if (r.releaseCapture && GetCapture() == hwnd()) ReleaseCapture();
  if (r.captionDrag) StartCaptionDrag();
  if (r.clicked != SkinCommand::None) RunSkinCommand(r.clicked, r.menuOrigin);
}

void MainForm::RunSkinCommand(SkinCommand command, POINT menuOrigin) {
  ClientToScreen(hwnd(), &menuOrigin);
  switch (command) {
    case SkinCommand::Minimise: MinimizeApp(); break;
    case SkinCommand::Close: PostMessageW(hwnd(), WM_CLOSE, 0, 0); break;
    case SkinCommand::Settings: commands_.OpenSettings(); break;
    case SkinCommand::Power: btpower1Click(); break;
    case SkinCommand::WebMenu: PopupLauncher(LauncherKind::kWeb, menuOrigin); break;
    case SkinCommand::ProgramMenu: PopupLauncher(LauncherKind::kPrograms, menuOrigin); break;
    case SkinCommand::None: break;
  }
}

bool MainForm::OnSetCursor(LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return false;
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(hwnd(), &p);
  SetCursor(skin_.CursorAt(p.x, p.y));
  return true;
}

}  // namespace tikolvo
