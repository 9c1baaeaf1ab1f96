#pragma once
// Helpers of the dialog window tests: acting on a dialog from inside its own
// modal loop, reading what it shows, and saving its picture.
#include <windows.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/win/gdi.h"
#include "common/win/wide_text.h"

namespace tikolvo::test {

inline std::string TextOf(HWND window) {
  wchar_t buffer[1024] = {};
  GetWindowTextW(window, buffer, 1024);
  return Narrow(buffer);
}

inline std::string EnvVar(const wchar_t* name) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableW(name, buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? Narrow(buffer) : std::string();
}

// Lets the window's messages run for a while (a modal loop keeps running).
inline void Pump(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
}

// Runs action(window) once a visible window of className shows up. A thread
// timer of its own drives it, so the action runs inside the dialog's own
// message loop, and it keeps looking until it has run or goes out of scope:
// a dialog that is slow to appear is still answered instead of waiting for
// a click forever. A window that exists but stays hidden is closed after
// five seconds. Set TIKOLVO_DIALOG_PAUSE_MS to keep each dialog on screen
// for a look.
class WhenShown {
 public:
  WhenShown(const wchar_t* className, std::function<void(HWND)> action)
      : className_(className), action_(std::move(action)), started_(GetTickCount()) {
    timer_ = SetTimer(nullptr, 0, 20, &Tick);
    Waiting()[timer_] = this;
  }
  ~WhenShown() { Stop(); }
  WhenShown(const WhenShown&) = delete;
  WhenShown& operator=(const WhenShown&) = delete;
  bool ran() const { return ran_; }

 private:
  static std::map<UINT_PTR, WhenShown*>& Waiting() {
    static std::map<UINT_PTR, WhenShown*> waiting;
    return waiting;
  }
  // A tick already queued when its timer was killed finds nobody waiting.
  static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    const auto found = Waiting().find(timer);
    if (found != Waiting().end()) found->second->Look();
  }
  void Stop() {
    if (!timer_) return;
    KillTimer(nullptr, timer_);
    Waiting().erase(timer_);
    timer_ = 0;
  }
  void Look() {
    HWND window = FindWindowW(className_.c_str(), nullptr);
    if (window && IsWindowVisible(window)) {
      Stop();
      const std::string pause = EnvVar(L"TIKOLVO_DIALOG_PAUSE_MS");
      if (!pause.empty()) Pump(static_cast<DWORD>(std::stoul(pause)));
      ran_ = true;
      action_(window);
    } else if (window && GetTickCount() - started_ > 5000) {
      Stop();
      PostMessageW(window, WM_CLOSE, 0, 0);
    }
  }

  std::wstring className_;
  std::function<void(HWND)> action_;
  DWORD started_;
  UINT_PTR timer_ = 0;
  bool ran_ = false;
};

// Pixels of a window, top-down, 0x00RRGGBB.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF; }
};

// The frame's own drawing (bands, caption, icon), without the controls.
inline Picture CaptureFrame(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  Picture picture;
  picture.width = r.right;
  picture.height = r.bottom;
  DibSection dib = CreateDib32(picture.width, picture.height);
  MemDc dc;
  SelectGuard select(dc.get(), dib.bitmap.get());
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
  GdiFlush();
  const auto* bits = static_cast<const uint32_t*>(dib.bits);
  picture.pixels.assign(bits, bits + static_cast<size_t>(picture.width) * picture.height);
  return picture;
}

// The window as it stands on the screen, controls and all.
inline Picture CaptureScreen(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump(150);  // a compositing manager shows the new picture a moment later
  RECT r;
  GetWindowRect(window, &r);
  Picture picture;
  picture.width = r.right - r.left;
  picture.height = r.bottom - r.top;
  DibSection dib = CreateDib32(picture.width, picture.height);
  MemDc dc;
  SelectGuard select(dc.get(), dib.bitmap.get());
  WindowDc screen(nullptr);
  BitBlt(dc.get(), 0, 0, picture.width, picture.height, screen.get(), r.left, r.top, SRCCOPY);
  GdiFlush();
  const auto* bits = static_cast<const uint32_t*>(dib.bits);
  picture.pixels.assign(bits, bits + static_cast<size_t>(picture.width) * picture.height);
  return picture;
}

inline void PutBigEndian(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

inline void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  const std::string body = std::string(type, 4) + data;
  out += body;
  PutBigEndian(out, crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
}

inline std::string EncodePng(const Picture& p) {
  std::string raw;
  for (int y = 0; y < p.height; ++y) {
    raw += '\0';  // no row filter
    for (int x = 0; x < p.width; ++x) {
      const uint32_t c = p.At(x, y);
      raw += static_cast<char>(c >> 16), raw += static_cast<char>(c >> 8), raw += static_cast<char>(c);
    }
  }
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(size, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
            static_cast<uLong>(raw.size()), 9);
  packed.resize(size);
  std::string header;
  PutBigEndian(header, static_cast<uint32_t>(p.width));
  PutBigEndian(header, static_cast<uint32_t>(p.height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
  std::string png("\x89PNG\r\n\x1a\n", 8);
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", "");
  return png;
}

// Saves SCREENS_DIR/<name>.png when the end-to-end harness asks for pictures.
inline void SavePicture(HWND window, const std::string& name) {
  std::string folder = EnvVar(L"SCREENS_DIR");
  if (folder.empty()) return;
  if (folder[0] == '/') folder = "Z:" + folder;  // a Unix path, seen through Wine's root drive
  const std::string png = EncodePng(CaptureScreen(window));
  const std::wstring path = Widen(folder + "\\" + name + ".png");
  if (FILE* f = _wfopen(path.c_str(), L"wb")) {
    fwrite(png.data(), 1, png.size(), f);
    fclose(f);
  }
}

}  // namespace tikolvo::test
