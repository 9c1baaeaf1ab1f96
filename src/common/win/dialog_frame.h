#pragma once
// The frame shared by the notice, question and input windows: a popup without
// title bar or border, a one-pixel etched edge, gradient bands at the top
// (with the caption), left (with the icon) and bottom (with the buttons), a
// drop shadow where the system has one, and dragging from any band or label.
// The caption stays the window's own text for the taskbar, screen readers and
// automation. While moving, the window is kept inside the work area.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/win/gdi.h"
#include "common/win/window_base.h"
#include "common/dialog_layout.h"
#include "common/win/dialog_icon.h"

namespace tikolvo {

// Control identifiers: the ok button (BOK) and the cancel button (BNO) take
// the ids the dialog keyboard rules send for Enter and Esc.
inline constexpr int kIdOk = IDOK;
inline constexpr int kIdCancel = IDCANCEL;
inline constexpr int kIdFirstEdit = 101;

class DialogFrame : public Window {
 public:
  ~DialogFrame() override;

  // How the window was closed: true only by its ok button (or Enter on it).
  bool accepted() const { return accepted_; }

  // Shows the window and runs its own message loop until it is closed; the
  // owner's top-level window is disabled meanwhile. Returns accepted().
  bool RunModal(HWND owner, HWND focus);
  // Shows the window topmost without activating it and returns at once.
  void ShowWithoutActivating();

 protected:
  DialogFrame(int iconIndex, DialogGlyph glyph);

  const dialog::FrameMetrics& metrics() const { return metrics_; }
  // Single-line width of a text in the window's font (or the caption's).
  int TextWidth(std::string_view text, bool captionFont = false) const;
  // Wrapped size of a text at most maxWidth wide, as a label shows it.
  dialog::Extent WrappedExtent(std::string_view text, int maxWidth) const;

  // Creates the hidden window centred in the work area. Registers the class
  // on first use, with the drop shadow when the system supports it.
  bool CreateFrame(const wchar_t* className, std::string_view caption, dialog::Extent size, HWND owner,
                   DWORD extraExStyle);
  void SetCaptionBox(const dialog::Box& caption) { captionBox_ = caption; }
  void SetIconBox(const dialog::Box& icon) { iconBox_ = icon; }
  // The default button is the one Enter presses when the focus is on no
  // other button.
  HWND AddButton(int id, std::string_view text, const dialog::Box& box, bool isDefault);
  HWND AddLabel(std::string_view text, const dialog::Box& box);
  // A label of several lines, wrapped with room for the drawing to spare.
  HWND AddTextBlock(std::string_view text, const dialog::Box& box);
  HWND AddEdit(int id, std::string_view text, const dialog::Box& box);
  // A radio button; the first of a group starts the group.
  HWND AddRadio(int id, std::string_view text, const dialog::Box& box, bool firstOfGroup);

  // Ends the dialog; the modal loop notices, a modeless window is destroyed.
  void Finish(bool accepted);
  // The ok button was pressed; an input window collects its texts first.
  virtual void B_OKClick() { Finish(true); }
  void B_NOClick() { Finish(false); }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) const;
  void PaintBands(HDC dc, const RECT& client) const;
  void DrawTextBlock(const DRAWITEMSTRUCT& item) const;
  void KeepInsideWorkArea(WINDOWPOS& pos) const;

  int iconIndex_;
  DialogGlyph glyph_;
  dialog::FrameMetrics metrics_;
  UniqueGdi<HFONT> font_;
  UniqueGdi<HFONT> captionFont_;
  std::wstring caption_;
  dialog::Box captionBox_;
  dialog::Box iconBox_;
  int defaultId_ = kIdOk;
  HWND lastFocus_ = nullptr;
  bool modal_ = false;
  bool finished_ = false;
  bool accepted_ = false;
};

// The system's dpi for the frame's pixel sizes.
int ScreenDpi();

// The primary monitor's work area, where the windows appear centred.
dialog::Box PrimaryWorkArea();

}  // namespace tikolvo
