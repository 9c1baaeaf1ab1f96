// Any bytes as message.db: every read (records, list lines, drawing) works
// without crashing, each list line leads back to its record, and changing
// one record leaves the others' bytes alone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "reminders/canvas.h"
#include "reminders/reminder_drawing.h"
#include "reminders/reminder_list.h"
#include "reminders/reminder_period.h"
#include "reminders/reminder_record.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

class CountingCanvas : public tikolvo::Canvas {
 public:
  void SetFont(const tikolvo::CanvasFont&) override {}
  void SetTextColour(std::uint32_t) override {}
  tikolvo::TextExtent MeasureText(std::string_view utf8) override {
    return {static_cast<int>(utf8.size()) * 1000, 40};
  }
  void DrawText(int, int, std::string_view) override { ++drawn; }
  int drawn = 0;
};

void CheckListLines(const tikolvo::ReminderBase& base) {
  std::size_t active = 0;
  for (std::size_t index = 0; index < base.size(); ++index) active += base.IsActive(index) ? 1 : 0;
  const auto items = tikolvo::ReminderListItems(base);
  Check(items.size() == active);
  for (const std::string& item : items) {
    const long long index = tikolvo::ReminderIndexOfItem(item);
    Check(base.IsActive(static_cast<std::size_t>(index)));
    Check(tikolvo::ViewOfReminderItem(item).text == base.At(static_cast<std::size_t>(index)).text);
  }
}

void CheckDrawing(const tikolvo::ReminderBase& base, double today) {
  for (std::uint8_t corner = 0; corner < 4; ++corner) {
    tikolvo::TextPlacement placement;
    placement.horizontal = corner & 1 ? tikolvo::kAlignRight : tikolvo::kAlignLeft;
    placement.vertical = corner & 2 ? tikolvo::kAlignBottom : tikolvo::kAlignTop;
    placement.right = 2'000'000'000;
    placement.bottom = -2'000'000'000;
    CountingCanvas canvas;
    const int lines = tikolvo::DrawReminderBase(base, canvas, placement, {}, today);
    Check(lines == canvas.drawn && static_cast<std::size_t>(lines) <= base.size());
  }
}

void CheckChangesStayInTheirRecord(tikolvo::ReminderBase base) {
  if (base.size() == 0) return;
  const std::string before = base.bytes();
  const std::size_t last = base.size() - 1;
  base.Update(static_cast<long long>(last), "x", 1, 2);
  base.Delete(0);
  Check(base.bytes().size() == before.size());
  if (base.size() > 2)
    Check(base.bytes().compare(280, 280 * (base.size() - 2), before, 280, 280 * (base.size() - 2)) == 0);
  const std::size_t added = base.Add("y", 3, 4);
  Check(base.IsActive(added) && base.At(added).text == "y");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const tikolvo::ReminderBase base = tikolvo::ReminderBase::FromBytes(bytes);
  Check(base.size() == size / tikolvo::kReminderRecordSize);
  Check(base.bytes() == bytes.substr(0, base.bytes().size()));

  double today = 46000;
  for (std::size_t index = 0; index < base.size(); ++index) {
    const tikolvo::Reminder reminder = base.At(index);
    (void)tikolvo::IsInPeriod(today, reminder.start, reminder.end);
    (void)tikolvo::ReminderPeriodText(reminder.start, reminder.end);
    today = reminder.start;  // also draw on days the data chose, odd values included
  }
  CheckListLines(base);
  CheckDrawing(base, today);
  CheckChangesStayInTheirRecord(base);
  return 0;
}
