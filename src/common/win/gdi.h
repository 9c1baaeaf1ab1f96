#pragma once
// Owners for GDI handles and device contexts, so no path through a handler
// can leak one.
#include <windows.h>

#include <utility>

namespace tikolvo {

template <typename Handle>
class UniqueGdi {
 public:
  UniqueGdi() = default;
  explicit UniqueGdi(Handle h) : handle_(h) {}
  ~UniqueGdi() { Reset(); }
  UniqueGdi(UniqueGdi&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueGdi& operator=(UniqueGdi&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueGdi(const UniqueGdi&) = delete;
  UniqueGdi& operator=(const UniqueGdi&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle h = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = h;
  }

 private:
  Handle handle_ = nullptr;
};

// Selects an object into a DC for the guard's lifetime.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectGuard() { SelectObject(dc_, old_); }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  ~PaintDc() { EndPaint(hwnd_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }
  const RECT& dirty() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDc() { ReleaseDC(hwnd_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// A memory DC compatible with the screen.
class MemDc {
 public:
  MemDc() : dc_(CreateCompatibleDC(nullptr)) {}
  ~MemDc() { DeleteDC(dc_); }
  MemDc(const MemDc&) = delete;
  MemDc& operator=(const MemDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A top-down 32-bit DIB section whose pixels the program can write directly.
struct DibSection {
  UniqueGdi<HBITMAP> bitmap;
  void* bits = nullptr;
  int width = 0;
  int height = 0;
};
DibSection CreateDib32(int width, int height);

}  // namespace tikolvo
