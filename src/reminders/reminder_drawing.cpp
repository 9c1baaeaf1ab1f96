#include "reminders/reminder_drawing.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "reminders/reminder_file.h"
#include "reminders/reminder_period.h"

namespace tikolvo {
namespace {

struct Alignment {
  std::uint8_t horizontal;
  std::uint8_t vertical;
};

// Radio buttons "Слева сверху", "Справа сверху", "Слева снизу", "Справа снизу".
constexpr Alignment kCornerAlignments[4] = {
    {kAlignLeft, kAlignTop}, {kAlignRight, kAlignTop}, {kAlignLeft, kAlignBottom}, {kAlignRight, kAlignBottom}};

int ClampToInt(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

int LineHeight(Canvas& canvas) { return canvas.MeasureText("A").height; }

void PrepareCanvas(Canvas& canvas, const TextPlacement& placement, const CanvasFont& font) {
  CanvasFont sized = font;
  sized.size = static_cast<int>(std::min<std::uint32_t>(placement.size, INT_MAX));
  canvas.SetFont(sized);
  canvas.SetTextColour(placement.colour);
}

void DrawLine(Canvas& canvas, const TextPlacement& placement, long long y, const std::string& text) {
  if (placement.horizontal == kAlignLeft) {
    canvas.DrawText(placement.left, ClampToInt(y), text);
  } else if (placement.horizontal == kAlignRight) {
    const long long x = static_cast<long long>(placement.right) - canvas.MeasureText(text).width;
    canvas.DrawText(ClampToInt(x), ClampToInt(y), text);
  }
}

// The top of line k: downward from the top, or upward so that line 0 ends
// at the bottom.
long long LineTop(const TextPlacement& placement, long long line, int height) {
  if (placement.vertical == kAlignTop) return placement.top + line * height;
  return placement.bottom - (line + 1) * height;
}

int DrawRecordsInOrder(const ReminderBase& base, Canvas& canvas, const TextPlacement& placement, DateTime today,
                       int height) {
  const bool upward = placement.vertical == kAlignBottom;
  const std::size_t count = base.size();
  int lines = 0;
  for (std::size_t step = 0; step < count; ++step) {
    const std::size_t index = upward ? count - 1 - step : step;
    if (!base.IsActive(index)) continue;
    const Reminder reminder = base.At(index);
    if (!IsInPeriod(today, reminder.start, reminder.end)) continue;
    DrawLine(canvas, placement, LineTop(placement, lines, height), reminder.text);
    ++lines;
  }
  return lines;
}

bool DrawsAnything(const TextPlacement& placement) {
  return placement.vertical == kAlignTop || placement.vertical == kAlignBottom;
}

}  // namespace

TextPlacement ReminderPlacement(const ReminderTextSettings& settings, const std::string& fontName,
                                const PixelRect& rect) {
  TextPlacement placement;
  const auto chosen = std::find(settings.corners.begin(), settings.corners.end(), true);
  const Alignment alignment =
      chosen == settings.corners.end() ? kCornerAlignments[0] : kCornerAlignments[chosen - settings.corners.begin()];
  placement.colour = settings.colour;
  placement.size = static_cast<std::uint32_t>(4 + 2 * std::max(settings.sizeIndex, 0));
  placement.horizontal = alignment.horizontal;
  placement.vertical = alignment.vertical;
  placement.left = rect.left;
  placement.top = rect.top;
  placement.right = rect.right;
  placement.bottom = rect.bottom;
  placement.fontName = fontName;
  return placement;
}

CanvasFont ReminderFont(const ReminderTextSettings& settings, const std::string& fontName) {
  return CanvasFont{fontName, 4 + 2 * std::max(settings.sizeIndex, 0), settings.bold, settings.italic,
                    settings.underline};
}

int DrawReminderBase(const ReminderBase& base, Canvas& canvas, const TextPlacement& placement,
                     const CanvasFont& font, DateTime today) {
  PrepareCanvas(canvas, placement, font);
  if (!DrawsAnything(placement)) return 0;
  return DrawRecordsInOrder(base, canvas, placement, today, LineHeight(canvas));
}

int DrawReminderFile(const std::string& path, Canvas& canvas, const TextPlacement& placement,
                     const CanvasFont& font, DateTime today) {
  const std::optional<ReminderBase> base = LoadReminderBase(path);
  if (!base) return 0;
  return DrawReminderBase(*base, canvas, placement, font, today);
}

int DrawReminders(const std::string& reminderPath, Canvas& canvas, const TextPlacement& placement,
                  bool withExternalBase, const CanvasFont& font, DateTime today) {
  if (!DrawsAnything(placement)) return 0;
  PrepareCanvas(canvas, placement, font);
  const int height = LineHeight(canvas);
  const auto gapAfter = [height](int lines) { return static_cast<long long>(lines) * height + height / 2; };
  const std::string externalPath = ExternalReminderPath(reminderPath);
  TextPlacement rest = placement;
  if (placement.vertical == kAlignTop) {
    const int own = DrawReminderFile(reminderPath, canvas, placement, font, today);
    if (!withExternalBase) return own;
    rest.top = ClampToInt(placement.top + gapAfter(own));
    return own + DrawReminderFile(externalPath, canvas, rest, font, today);
  }
  int external = 0;
  if (withExternalBase) {
    external = DrawReminderFile(externalPath, canvas, placement, font, today);
    rest.bottom = ClampToInt(placement.bottom - gapAfter(external));
  }
  return external + DrawReminderFile(reminderPath, canvas, rest, font, today);
}

}  // namespace tikolvo
