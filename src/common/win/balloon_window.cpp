#include "common/win/tool_tips.h"
#include "common/win/balloon_window.h"

#include <commctrl.h>

#include <utility>

#include "common/balloon_countdown.h"
#include "common/balloon_layout.h"
#include "common/grid_layout.h"
#include "common/win/gdi.h"
#include "common/win/system_look.h"
#include "common/win/wide_text.h"
#include "common/win/window_base.h"
#include "common/dialog_layout.h"
#include "common/win/dialog_icon.h"
#include "skin/mask_region.h"
#include "skin/program_pictures.h"
#include "common/win/window_region.h"

namespace tikolvo {
namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT_PTR kCloseTool = 1;
// The tool record as every tooltip version from XP's own on accepts it.
constexpr int kMostBalloonsToClose = 16;  // never loop forever on a window that refuses to close

balloon::Box WorkArea() {
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

RECT ToRect(const balloon::Box& b) { return RECT{b.left, b.top, b.right, b.bottom}; }

// A font selected into a memory DC for measuring lines of text.
class FontMeasure {
 public:
  explicit FontMeasure(HFONT font) : select_(dc_.get(), font) {}
  balloon::TextFont AsTextFont() const {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_.get(), &metrics);
    HDC dc = dc_.get();
    auto width = [dc](std::string_view text) {
      const std::wstring wide = Widen(text);
      SIZE size{};
      GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
      return static_cast<int>(size.cx);
    };
    return {width, metrics.tmHeight > 0 ? static_cast<int>(metrics.tmHeight) : 13};
  }

 private:
  MemDc dc_;
  SelectGuard select_;
};

// The window's shape: a rounded rectangle drawn black on white and cut out
// along the white, so the shape holds exactly the pixels the border covers.
HRGN RoundedRegion(int width, int height) {
  DibSection mask = CreateDib32(width, height);
  if (!mask.bitmap) return CreateRoundRectRgn(0, 0, width + 1, height + 1, balloon::kCornerEllipse,
                                              balloon::kCornerEllipse);
  {
    MemDc dc;
    SelectGuard selectBitmap(dc.get(), mask.bitmap.get());
    RECT all{0, 0, width, height};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SelectGuard pen(dc.get(), GetStockObject(BLACK_PEN));
    SelectGuard brush(dc.get(), GetStockObject(BLACK_BRUSH));
    RoundRect(dc.get(), 0, 0, width, height, balloon::kCornerEllipse, balloon::kCornerEllipse);
    GdiFlush();
  }
  Picture picture;
  picture.width = width;
  picture.height = height;
  const auto* bits = static_cast<const std::uint32_t*>(mask.bits);
  picture.pixels.assign(bits, bits + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  return RegionFromRects(KeptRectangles(picture), width, height);
}

// The close picture's three looks: a cross, the cross on a light button when
// the mouse is over it, and on a darker one, pushed in, while it is pressed.
void DrawClosePicture(HDC dc, const balloon::Box& box, int picture) {
  const COLORREF background = GetSysColor(COLOR_INFOBK);
  const COLORREF ink = GetSysColor(COLOR_INFOTEXT);
  int shift = 0;
  COLORREF crossColour = grid::Blend(background, ink, 150);
  if (picture != ClosePicture::kNormal) {
    const bool pressed = picture == ClosePicture::kPressed;
    UniqueGdi<HBRUSH> face(CreateSolidBrush(grid::Blend(background, ink, pressed ? 70 : 30)));
    UniqueGdi<HPEN> edge(CreatePen(PS_SOLID, 1, grid::Blend(background, ink, 110)));
    SelectGuard selectFace(dc, face.get());
    SelectGuard selectEdge(dc, edge.get());
    RoundRect(dc, box.left, box.top, box.right, box.bottom, 5, 5);
    crossColour = ink;
    shift = pressed ? 1 : 0;
  }
  UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, crossColour));
  SelectGuard selectPen(dc, pen.get());
  const int x = box.left + 5 + shift, y = box.top + 5 + shift;
  for (int thick = 0; thick < 2; ++thick) {  // two pixels wide strokes
    MoveToEx(dc, x + thick, y, nullptr);
    LineTo(dc, x + thick + 8, y + 8);
    MoveToEx(dc, x + 7 + thick, y, nullptr);
    LineTo(dc, x + thick - 1, y + 8);
  }
}

bool RegisterBalloonClass() {
  static const bool registered = Window::RegisterWindowClass(
      kBalloonWindowClass, SystemHasDropShadow() ? CS_DROPSHADOW : 0, nullptr, LoadCursorW(nullptr, IDC_ARROW),
      nullptr);
  return registered;
}

}  // namespace

class BalloonWindow final : public Window {
 public:
  BalloonWindow(const BalloonRequest& request, const BalloonTasks& tasks)
      : target_(TakeTarget(request, tasks)),
        model_(request, [this](int) { return target_ ? std::optional<std::string>(target_->name) : std::nullopt; }),
        titleFont_(CreateMessageFont(true)),
        textFont_(CreateMessageFont(false)) {}

  bool Open();
  const BalloonModel& model() const { return model_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void LayOut(std::string_view text, bool keepSize);
  void AddCloseHint();
  void PBPaint(HDC dc);
  void SetItemTimer();
  void FormClick();
  void MouseMove(POINT at);
  void MouseLeave();
  void MouseDown(POINT at);
  void MouseUp(POINT at);
  bool OverClose(POINT at) const {
    const RECT r = ToRect(layout_.closeBox);
    return PtInRect(&r, at) != FALSE;
  }
  void RepaintClose() {
    const RECT r = ToRect(layout_.closeBox);
    InvalidateRect(hwnd(), &r, FALSE);
  }

  static std::optional<CountdownTask> TakeTarget(const BalloonRequest& request, const BalloonTasks& tasks) {
    if (request.targetTaskId < 0 || !tasks.take) return std::nullopt;
    return tasks.take(request.targetTaskId);
  }

  std::optional<CountdownTask> target_;  // before model_, which names it
  BalloonModel model_;
  UniqueGdi<HFONT> titleFont_;
  UniqueGdi<HFONT> textFont_;
  int lineHeight_ = 13;
  balloon::Layout layout_;
  ClosePicture close_;
  HWND closeHint_ = nullptr;
  bool overClose_ = false;
  bool pressed_ = false;
  bool trackingLeave_ = false;
};

bool BalloonWindow::Open() {
  if (!RegisterBalloonClass()) return false;
  // Topmost, out of the taskbar, and never taking the keyboard from the
  // window the user is typing in.
  if (!CreateWindowFor(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kBalloonWindowClass,
                       kBalloonWindowCaption, WS_POPUP, 0, 0, 1, 1, nullptr))
    return false;
  LayOut(model_.LayoutText(), false);
  AddCloseHint();
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  SetTimer(hwnd(), kTickTimer, kBalloonTickMs, nullptr);
  return true;
}

// Sizes and places the window for `text`; while the count runs the window
// only grows, so it does not jump about as the digits change.
void BalloonWindow::LayOut(std::string_view text, bool keepSize) {
  const balloon::Size before{layout_.window.Width(), layout_.window.Height()};
  const FontMeasure title(titleFont_.get());
  const FontMeasure body(textFont_.get());
  const balloon::TextFont bodyFont = body.AsTextFont();
  lineHeight_ = bodyFont.lineHeight;
  layout_ = balloon::LayOutBalloon(model_.title(), text, title.AsTextFont(), bodyFont, WorkArea(),
                                   keepSize ? before : balloon::Size{});
  const balloon::Box& w = layout_.window;
  if (keepSize && before == balloon::Size{w.Width(), w.Height()}) return;
  SetWindowPos(hwnd(), HWND_TOPMOST, w.left, w.top, w.Width(), w.Height(), SWP_NOACTIVATE);
  SetWindowRgn(hwnd(), RoundedRegion(w.Width(), w.Height()), TRUE);  // the window owns the region now
  MoveAreaTip(closeHint_, hwnd(), kCloseTool, ToRect(layout_.closeBox));
}

// "Закрыть" beside the close picture. The tip belongs to the balloon and
// goes with it.
void BalloonWindow::AddCloseHint() {
  closeHint_ = CreateToolTips(hwnd());
  AddAreaTip(closeHint_, hwnd(), kCloseTool, ToRect(layout_.closeBox), L"Закрыть");
}

void BalloonWindow::PBPaint(HDC target) {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) return;
  // Drawn off screen first, so the count changing every second never flickers.
  MemDc dc;
  UniqueGdi<HBITMAP> buffer(CreateCompatibleBitmap(target, width, height));
  SelectGuard selectBuffer(dc.get(), buffer.get());
  FillRect(dc.get(), &client, GetSysColorBrush(COLOR_INFOBK));
  {
    UniqueGdi<HPEN> border(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_INFOTEXT)));
    SelectGuard pen(dc.get(), border.get());
    SelectGuard brush(dc.get(), GetStockObject(NULL_BRUSH));
    RoundRect(dc.get(), 0, 0, width, height, balloon::kCornerEllipse, balloon::kCornerEllipse);
  }
  DrawBalloonIcon(dc.get(), balloon::kIconAt.x, balloon::kIconAt.y, balloon::kIconSize,
                  kBalloonPictures[model_.iconNumber()]);

  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), GetSysColor(COLOR_INFOTEXT));
  {
    SelectGuard font(dc.get(), titleFont_.get());
    const std::wstring title = Widen(layout_.title);
    TextOutW(dc.get(), layout_.titleBox.left, layout_.titleBox.top, title.c_str(), static_cast<int>(title.size()));
  }
  {
    SelectGuard font(dc.get(), textFont_.get());
    int y = layout_.textBox.top;
    for (const std::string& line : layout_.lines) {
      const std::wstring wide = Widen(line);
      TextOutW(dc.get(), layout_.textBox.left, y, wide.c_str(), static_cast<int>(wide.size()));
      y += lineHeight_;
    }
  }
  DrawClosePicture(dc.get(), layout_.closeBox, close_.picture());
  BitBlt(target, 0, 0, width, height, dc.get(), 0, 0, SRCCOPY);
}

void BalloonWindow::SetItemTimer() {
  const BalloonTick tick = model_.Tick();
  if (tick.close) {
    std::function<void()> run = tick.startTask && target_ ? target_->run : nullptr;
    DestroyWindow(hwnd());
    // The window is gone before the task runs, and nothing below touches
    // this object: the task may open a balloon of its own, which frees this one.
    if (run) run();
    return;
  }
  if (tick.textChanged) {
    LayOut(model_.text(), true);
    InvalidateRect(hwnd(), nullptr, FALSE);
  }
}

// A click anywhere on the balloon closes it; a countdown then starts nothing.
void BalloonWindow::FormClick() {
  model_.Dismiss();
  DestroyWindow(hwnd());
}

void BalloonWindow::MouseMove(POINT at) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  const bool over = OverClose(at);
  if (over == overClose_) return;
  overClose_ = over;
  if (over) {
    close_.MouseEnter();
  } else {
    close_.MouseLeave();
  }
  RepaintClose();
}

void BalloonWindow::MouseLeave() {
  trackingLeave_ = false;
  if (!overClose_) return;
  overClose_ = false;
  close_.MouseLeave();
  RepaintClose();
}

void BalloonWindow::MouseDown(POINT at) {
  pressed_ = true;
  SetCapture(hwnd());
  if (OverClose(at)) {
    close_.MouseDown();
    RepaintClose();
  }
}

// A click is a press and a release on the balloon, as with a button: a press
// dragged off the balloon and released elsewhere does not close it.
void BalloonWindow::MouseUp(POINT at) {
  if (!pressed_) return;
  pressed_ = false;
  ReleaseCapture();
  close_.MouseUp(OverClose(at));
  RepaintClose();
  RECT client;
  GetClientRect(hwnd(), &client);
  if (PtInRect(&client, at)) FormClick();
}

LRESULT BalloonWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  switch (message) {
    case WM_PAINT: {
      PaintDc paint(hwnd());
      PBPaint(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      PBPaint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_TIMER:
      if (wParam == kTickTimer) SetItemTimer();
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      MouseMove(at);
      return 0;
    case WM_MOUSELEAVE:
      MouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
      MouseDown(at);
      return 0;
    case WM_LBUTTONUP:
      MouseUp(at);
      return 0;
    case WM_CAPTURECHANGED:
      if (pressed_) {
        pressed_ = false;
        close_.MouseUp(false);
        RepaintClose();
      }
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != SC_CLOSE) break;
      [[fallthrough]];
    case WM_CLOSE:  // a newer balloon closes this one
      model_.Dismiss();
      DestroyWindow(hwnd());
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd(), kTickTimer);
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

BalloonHint::BalloonHint(BalloonTasks tasks) : tasks_(std::move(tasks)) {}

BalloonHint::~BalloonHint() = default;

bool BalloonHint::ShowBalloon(std::string_view title, std::string_view text, bool testMode, int targetTaskId,
                              int iconNumber, std::int32_t duration) {
  BalloonRequest request;
  request.title = std::string(title);
  request.text = std::string(text);
  request.testMode = testMode;
  request.targetTaskId = targetTaskId;
  request.iconNumber = iconNumber;
  request.duration = duration;
  return Show(request);
}

bool BalloonHint::Show(const BalloonRequest& request) {
  CloseBalloons();
  auto next = std::make_unique<BalloonWindow>(request, tasks_);
  const bool opened = next->Open();
  // When this runs inside the old balloon's own timer (its task opened this
  // balloon), the old object is freed here; its handler touches it no more.
  current_ = std::move(next);
  return opened;
}

HWND BalloonHint::Current() const {
  return current_ && current_->hwnd() && IsWindow(current_->hwnd()) ? current_->hwnd() : nullptr;
}

std::string BalloonHint::CurrentText() const { return Current() ? current_->model().text() : std::string(); }

void CloseBalloons() {
  for (int i = 0; i < kMostBalloonsToClose; ++i) {
    HWND old = FindWindowW(kBalloonWindowClass, kBalloonWindowCaption);
    if (!old) return;
    // A balloon of a hung process must not hang this one.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(old, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  }
}

}  // namespace tikolvo
