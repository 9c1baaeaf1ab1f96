// Any bytes as prog_menu.db and as www_menu.db: reading, both menus, the
// tray copies and the editing list work without crashing, and what they
// promise holds: only whole records are read, texts stay within their 255
// bytes, every record gives one list line, the list is written back whole
// with every record valid, and each entry lands in exactly one place of the
// menu.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/cp1251.h"
#include "menus/entry_line.h"
#include "menus/launch_decision.h"
#include "menus/launcher_menus.h"
#include "menus/menu_editor.h"
#include "menus/tray_copies.h"

namespace {

using namespace tikolvo;

void Check(bool condition) {
  if (!condition) std::abort();
}

const TextWidth kWidth = [](std::string_view text) { return static_cast<int>(text.size()) * 7; };

class NoFacts : public LaunchFacts {
 public:
  bool FileExists(const std::string&) override { return false; }
  bool FolderExists(const std::string& path) override { return path.size() % 2 == 0; }
  std::optional<std::string> BrowserOpenCommand() override { return "\"b.exe"; }
};

class Counter : public RandomSource {
 public:
  int Below(int n) override { return n <= 0 ? 0 : 1023 % n; }
};

bool FitsField(const std::string& utf8) { return Utf8ToCp1251(utf8).size() <= kMenuTextCapacity; }

void CheckWrittenBack(LauncherKind kind, const std::vector<std::string>& lines, std::size_t recordSize) {
  const std::string file = EncodeMenuFile(kind, lines);
  Check(file.size() == kMenuCountSize + lines.size() * recordSize);
  const std::size_t again = kind == LauncherKind::kPrograms ? DecodeProgramMenu(file).size() : DecodeWebMenu(file).size();
  Check(again == lines.size());
}

void CheckLaunches(const std::vector<MenuItem>& items, NoFacts& facts) {
  LaunchOptions all{true, true, true, true, true, true};
  for (const MenuItem& item : items) {
    for (const bool right : {false, true}) {
      (void)LaunchProgramEntry(item.hint, right, all, facts);
      (void)LaunchWebEntry(item.hint, right, LaunchOptions{}, facts);
      (void)LaunchLinkEntry(item.hint, right, all, facts);
    }
    CheckLaunches(item.children, facts);
  }
}

void CheckEditor(LauncherKind kind, const std::vector<std::string>& lines) {
  MenuEditor editor(kind);
  editor.Reload(lines);
  Counter random;
  for (int i = 0; i < static_cast<int>(lines.size()) && i < 8; ++i) {
    editor.Select(i);
    editor.MoveDown();
    (void)editor.DeleteQuestion(i, true);
  }
  editor.AddLink("-", "", random);
  editor.Type({"x", "y", "z"});
  Check(editor.Accept().size() == lines.size() + 1);
  Check(editor.Delete(0).size() == lines.size());
}

void CheckPrograms(std::string_view bytes, NoFacts& facts) {
  const std::vector<ProgramRecord> records = DecodeProgramMenu(bytes);
  Check(records.size() <= (bytes.size() < 4 ? 0 : (bytes.size() - 4) / kProgramMenuRecordSize));
  for (const ProgramRecord& record : records)
    Check(FitsField(record.path) && FitsField(record.name) && FitsField(record.params));
  const LauncherMenu menu = BuildProgramMenu(records, kWidth);
  Check(menu.lines.size() == records.size() && menu.items.size() == records.size());
  CheckWrittenBack(LauncherKind::kPrograms, menu.lines, kProgramMenuRecordSize);
  CheckLaunches(menu.items, facts);
  CheckEditor(LauncherKind::kPrograms, menu.lines);
  (void)TrayLauncherItems(menu.items, {}, true, true);
}

void CheckWeb(std::string_view bytes, NoFacts& facts) {
  const std::vector<WebRecord> records = DecodeWebMenu(bytes);
  for (const WebRecord& record : records) Check(FitsField(record.target) && FitsField(record.name));
  const LauncherMenu menu = BuildWebMenu(records, nullptr);
  Check(menu.lines.size() == records.size());
  std::size_t placed = 0;
  for (const MenuItem& item : menu.items) placed += item.tag == menu_tag::kWebGroup ? item.children.size() : 1;
  Check(placed == records.size() + 1);  // and the separator below the groups
  CheckWrittenBack(LauncherKind::kWeb, menu.lines, kWebMenuRecordSize);
  CheckLaunches(menu.items, facts);
  CheckEditor(LauncherKind::kWeb, menu.lines);
  (void)TrayLauncherItems({}, menu.items, true, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  NoFacts facts;
  CheckPrograms(bytes, facts);
  CheckWeb(bytes, facts);
  return 0;
}
