#pragma once
// What the settings pages change on the clock's window at once: its stacking,
// auto-hide, pinning, sticky edges, opacity and hand colours. The main window
// carries these out; the pages only know this interface.
#include <cstdint>

#include "app/stacking.h"
#include "settings/settings_model.h"

namespace tikolvo {

class ClockWindowOptions {
 public:
  virtual ~ClockWindowOptions() = default;
  virtual void ChooseStacking(StackingMode mode) = 0;
  // byUser: the change came from a click, so the Shift notice is shown.
  virtual void SetAutoHide(bool on, bool byUser) = 0;
  virtual void SetPinned(bool on, bool byUser) = 0;
  virtual void SetSticky(bool on) = 0;
  // Opacity 1..255 for the whole window.
  virtual void trans(int alpha) = 0;
  virtual void SetHandColours(std::uint32_t basic, std::uint32_t second, std::uint32_t alarm) = 0;
  // The colours the hands wear now, the user's or the skin's.
  virtual HandColours CurrentHandColours() const = 0;
};

}  // namespace tikolvo
