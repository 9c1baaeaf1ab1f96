#pragma once
// The fixed layout of a ".tks" skin archive: a 12-byte header, 24 directory
// entries of 56 bytes, then each member as its own zlib stream. Callers name
// members by the program's kind numbers, which map to the archive's slots.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tikolvo {

inline constexpr std::size_t kTksHeaderSize = 12;
inline constexpr std::size_t kTksSkinTypeOffset = 8;
inline constexpr std::size_t kTksEntrySize = 56;
inline constexpr int kTksSlotCount = 24;
inline constexpr std::size_t kTksDirectoryEnd = kTksHeaderSize + kTksEntrySize * kTksSlotCount;  // 1356
inline constexpr std::size_t kTksNameCapacity = 27;

// Skin types of the header's low byte; anything else is shown as shaped.
enum class SkinType : std::uint8_t { kShaped = 1, kColourMap = 2, kLayered = 3 };

// Member kinds as the skin loader asks for them.
namespace member_kind {
inline constexpr int kCloseButton = 1;
inline constexpr int kMinimiseButton = 2;
inline constexpr int kSettingsButton = 3;
inline constexpr int kCursors = 4;  // "cursors.cfg"
inline constexpr int kPowerButton = 5;
inline constexpr int kWebMenuButton = 7;
inline constexpr int kProgramMenuButton = 8;
inline constexpr int kDescription = 9;  // "config.cfg"
inline constexpr int kPreview = 10;
inline constexpr int kHintIcon = 11;
inline constexpr int kColourMap = 12;
inline constexpr int kFace = 13;
inline constexpr int kMask = 14;
inline constexpr int kNightPicture = 15;
inline constexpr int kDayPicture = 16;
inline constexpr int kFirstExtra = 17;
inline constexpr int kLastExtra = 23;
}  // namespace member_kind

// Slot of a kind; nothing for kinds that address no slot (0, 6, above 23).
std::optional<int> SlotOfKind(int kind);

// One directory entry. Defaults are what the program reports for a missing
// archive: no data, a picture kind flag and white as the transparent colour.
struct TksEntry {
  std::uint32_t marker = 0;
  std::uint32_t data_offset = 0;
  std::uint32_t kind_flag = 1;
  std::uint32_t transparent_colour = 0xFFFFFF;  // 0x00BBGGRR
  std::uint32_t stored_size = 0;
  std::string name;  // UTF-8; as stored, not yet made safe for the file system
  std::uint32_t colour_map_key = 0;  // 0x00BBGGRR
  bool is_jpeg = false;
  bool present = false;

  bool operator==(const TksEntry&) const = default;
};

}  // namespace tikolvo
