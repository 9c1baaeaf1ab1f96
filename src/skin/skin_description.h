#pragma once
// Everything a skin's "config.cfg" says, read once into plain values with the
// defaults a key-less file gets. The window layer applies these values; it
// never reads the file itself.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "render/bitmap.h"
#include "render/engine.h"
#include "render/hand_model.h"

namespace tikolvo {

// ---- Clock section and the enhanced hands.

struct ClockDescription {
  HandRect handRect{1, 1, 10, 10};
  int hourLength = 38;
  int minuteLength = 38;
  int secondLength = 38;
  int alarmLength = 38;
  bool shadow = false;
  bool transparentBackground = false;  // the face uses the key colour
  bool enhanced = false;
  int shadowPercent = 10;  // as written; the engine clamps it to 0..100
  bool handsEnabled = true;
  // Only read when `enhanced`; otherwise the records passed in stay as they were.
  std::array<HandRecord, kHandCount> hands{};  // indexed by HandId
  bool minuteSmooth = false;   // Clock_M
  bool secondBeneath = false;  // Clock_S: second hand under hour and minute

  const HandRecord& Hand(HandId id) const { return hands[static_cast<int>(id)]; }
};

struct SkinHandColours {
  Colour basic = 0;  // hour and minute hands
  Colour second = 128;
  Colour alarm = 0x00FFFF;
};

// ---- Labels.

// Of Bold, italic, underline and StrikeOut only the last one set counts,
// because each one replaced the style rather than adding to it.
enum class FontStyle { Regular, Bold, Italic, Underline, StrikeOut };

struct LabelFont {
  std::string name = "Arial";
  int size = 8;
  Colour colour = 0xFFFFFF;
  FontStyle style = FontStyle::Regular;
};

struct LabelHint {
  bool show = false;
  std::string text = " ";
};

// The date label LData: only its top is placed by the skin.
struct DateLabelDescription {
  bool show = false;
  int top = 329;
  std::string format = "d mmm yyyy";
  LabelFont font{"Arial", 13, 0xFFFFFF, FontStyle::Regular};
  LabelHint hint;
};

struct LabelPlacement {
  int top = 0;
  int left = 0;
  int height = 10;
  int width = 20;
};

// The digital time label PTimeDigit.
struct TimeLabelDescription {
  bool show = false;
  LabelPlacement placement;
  LabelFont font;
  LabelHint hint;
  bool showSeconds = true;  // "Zero"
};

// Format1..Format3: free date-time patterns.
struct FormatLabelDescription {
  bool show = false;
  LabelPlacement placement;
  LabelFont font;
  LabelHint hint;
  std::string format = "c";
  bool everySecond = false;
};

// ---- Window, menus, buttons.

struct WindowDescription {
  bool snapLeft = false;
  bool snapRight = false;
  bool snapTop = false;
  bool snapBottom = false;
  int hintLayout = 0;  // already mapped from Hint_all
  bool dropShadow = true;  // All/shadow
};

enum class MenuAlignment { Left = 1, Right = 2, Centre = 3 };

// The six skin buttons, in the order their description sections are kept.
enum class SkinButton { Minimise, Settings, Close, WebMenu, Power, ProgramMenu };
inline constexpr int kSkinButtonCount = 6;

struct ButtonDescription {
  int left = 0;
  int top = 0;
  int width = 1;   // folder skins only: archive buttons take the frame size
  int height = 1;
  std::string hint;
  int menuOffsetX = 10;  // menu buttons only
  int menuOffsetY = 8;
  bool transparent = true;  // colour-map skins only
};

struct SkinDescription {
  ClockDescription clock;
  SkinHandColours colours;
  WindowDescription window;
  DateLabelDescription date;
  TimeLabelDescription time;
  std::array<FormatLabelDescription, 3> formats{};
  // Nothing means "keep the menu's current alignment" (a value other than 1..3).
  std::optional<MenuAlignment> programMenuAlignment = MenuAlignment::Right;
  std::optional<MenuAlignment> webMenuAlignment = MenuAlignment::Right;
  std::array<ButtonDescription, kSkinButtonCount> buttons{};  // indexed by SkinButton

  const ButtonDescription& Button(SkinButton b) const { return buttons[static_cast<int>(b)]; }
};

// The hand records before this skin: a hand section leaves what it does not
// read as it was, and an unknown shape number keeps the hand's shape.
using HandRecords = std::array<HandRecord, kHandCount>;

// Windows-1251 bytes of "config.cfg". Never fails: a broken or empty file
// gives the defaults.
SkinDescription ParseSkinDescription(std::string_view cp1251Bytes, const HandRecords& previousHands);
// The same starting from fresh hand records (first form, no skin before).
SkinDescription ParseSkinDescription(std::string_view cp1251Bytes);

// Hint_all as written in the file to the window's hint layout number.
int HintLayoutFromFile(int hintAll);
// Without a hint icon in the skin the hint shows text only.
inline constexpr int kTextOnlyHintLayout = 4;
inline int HintLayoutFor(bool skinHasHintIcon, const WindowDescription& window) {
  return skinHasHintIcon ? window.hintLayout : kTextOnlyHintLayout;
}

// A menu alignment as read, applied over the menu's current one.
inline MenuAlignment ResolveMenuAlignment(std::optional<MenuAlignment> read, MenuAlignment current) {
  return read.value_or(current);
}

// The section name of a button, and the section name of a hand (HandId order).
std::string_view ButtonSectionName(SkinButton button);
std::string_view HandSectionName(HandId hand);

}  // namespace tikolvo
