#pragma once
// Writing the reminders of today onto a picture (the composed wallpaper):
// one line per reminder, stacked from the chosen corner of a rectangle.
#include <cstdint>
#include <string>

#include "reminders/canvas.h"
#include "reminders/reminder_record.h"
#include "reminders/wallpaper_geometry.h"
#include "settings/settings_model.h"

namespace tikolvo {

inline constexpr std::uint8_t kAlignLeft = 0;
inline constexpr std::uint8_t kAlignRight = 2;
inline constexpr std::uint8_t kAlignTop = 0;
inline constexpr std::uint8_t kAlignBottom = 2;

// Where and how the lines go. Alignment values other than the ones above
// draw nothing (a horizontal one still counts its lines).
struct TextPlacement {
  std::uint32_t colour = 0xFFFFFF;  // 0x00BBGGRR
  std::uint32_t size = 8;           // points
  std::uint8_t horizontal = kAlignLeft;
  std::uint8_t vertical = kAlignTop;
  int left = 0;  // the target rectangle in picture pixels
  int top = 0;
  int right = 0;
  int bottom = 0;
  std::string fontName;

  bool operator==(const TextPlacement&) const = default;
};

// The placement the wallpaper composer builds from the "MESS" settings: the
// chosen corner, colour, size 4 + 2 × size index, the font name and the
// reminder marker's rectangle in picture pixels.
TextPlacement ReminderPlacement(const ReminderTextSettings& settings, const std::string& fontName,
                                const PixelRect& rect);
CanvasFont ReminderFont(const ReminderTextSettings& settings, const std::string& fontName);

// Draws the active records of the base that cover `today`: with top
// alignment in file order downward from the top, with bottom alignment in
// reverse file order upward from the bottom, so that the lines read in file
// order from top to bottom either way and every line lies inside the
// rectangle. Returns the number of lines counted.
int DrawReminderBase(const ReminderBase& base, Canvas& canvas, const TextPlacement& placement,
                     const CanvasFont& font, DateTime today);

// The same for a file; a file that cannot be read draws nothing.
int DrawReminderFile(const std::string& path, Canvas& canvas, const TextPlacement& placement,
                     const CanvasFont& font, DateTime today);

// Draws message.db and, when asked, message_all.db from the same folder,
// half a line apart: message.db comes first from the aligned edge with top
// alignment, message_all.db with bottom alignment. Returns all lines.
int DrawReminders(const std::string& reminderPath, Canvas& canvas, const TextPlacement& placement,
                  bool withExternalBase, const CanvasFont& font, DateTime today);

}  // namespace tikolvo
