#pragma once
// What the skins page asks of the clock's window: wear another skin now.
// The main window carries it out; the page only knows this interface.
#include <string>

namespace tikolvo {

class SkinSwitch {
 public:
  virtual ~SkinSwitch() = default;
  // A ".tks" file or a folder ending with a separator; false when the
  // built-in skin had to stand in.
  virtual bool LoadSkin(const std::string& path) = 0;
};

}  // namespace tikolvo
