#include "skin/skin_cursors.h"

#include "common/ini_document.h"
#include "skin/member_name.h"

namespace tikolvo {
namespace {

struct CursorKey {
  std::string_view key;
  int slot;
};
// SkinButton order.
constexpr std::array<CursorKey, kSkinButtonCount> kCursorKeys{{
    {"Min", 1}, {"Config", 3}, {"Close", 2}, {"WWW", 5}, {"Power", 4}, {"Menu", 6}}};

}  // namespace

std::string_view CursorKeyOf(SkinButton button) { return kCursorKeys[static_cast<std::size_t>(button)].key; }
int CursorSlotOf(SkinButton button) { return kCursorKeys[static_cast<std::size_t>(button)].slot; }

SkinCursorFiles ParseSkinCursors(std::string_view cp1251Bytes) {
  const IniDocument ini = IniDocument::Parse(cp1251Bytes);
  SkinCursorFiles files;
  for (int i = 0; i < kSkinButtonCount; ++i) {
    files.buttons[static_cast<std::size_t>(i)] = ini.ReadString("CUR", CursorKeyOf(static_cast<SkinButton>(i)), "");
  }
  files.background = ini.ReadString("CUR", "Background", "");
  return files;
}

std::string ResolveCursorPath(const std::string& folder, std::string_view value, CursorSource source) {
  const std::string name = source == CursorSource::Archive ? SafeMemberName(value) : std::string(value);
  // Without a name the path would be the folder itself, which is no cursor.
  if (name.empty()) return {};
  return folder + name;
}

CursorPlan PlanSkinCursors(const SkinCursorFiles& files, const std::string& folder, CursorSource source,
                           const FileExistsFn& fileExists) {
  CursorPlan plan;
  auto existing = [&](std::string_view value) {
    std::string path = ResolveCursorPath(folder, value, source);
    return !path.empty() && fileExists(path) ? path : std::string();
  };
  for (int i = 0; i < kSkinButtonCount; ++i) {
    const auto button = static_cast<SkinButton>(i);
    const std::string path = existing(files.buttons[static_cast<std::size_t>(i)]);
    if (path.empty()) continue;  // keeps the hand pointer
    plan.loads.push_back({CursorSlotOf(button), path});
    plan.buttons[static_cast<std::size_t>(i)].hover = CursorSlotOf(button);
  }
  const std::string background = existing(files.background);
  if (!background.empty()) {
    plan.loads.push_back({kBackgroundCursorSlot, background});
    plan.face = kBackgroundCursorSlot;
  }
  for (ButtonCursors& b : plan.buttons) b.idle = plan.face;
  return plan;
}

}  // namespace tikolvo
