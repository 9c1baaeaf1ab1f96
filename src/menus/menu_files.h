#pragma once
// The two launcher list files. Each is a signed 32-bit entry count followed
// by fixed records:
//   prog_menu.db, 769 bytes: Path, Name, Params (short strings of 255 bytes
//                            of CP1251 each), then a validity byte;
//   www_menu.db,  513 bytes: Target, Name, then a validity byte.
// Free records (validity 0) are skipped on reading. The files are always
// written whole from the editing list: count = lines, every record valid.
//
// The count is not trusted: one that disagrees with the file's size (a
// truncated file, a count written by something else, a negative one) gives
// way to the whole records that are actually there.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tikolvo {

inline constexpr const char* kProgramMenuFileName = "prog_menu.db";
inline constexpr const char* kWebMenuFileName = "www_menu.db";

inline constexpr std::size_t kMenuCountSize = 4;
inline constexpr std::size_t kMenuTextCapacity = 255;
inline constexpr std::size_t kProgramMenuRecordSize = 769;
inline constexpr std::size_t kWebMenuRecordSize = 513;

enum class LauncherKind { kPrograms, kWeb };

// One valid record; `index` is its position in the file (free records
// count), which names the programs menu's items.
struct ProgramRecord {
  std::size_t index = 0;
  std::string path;
  std::string name;
  std::string params;

  bool operator==(const ProgramRecord&) const = default;
};

struct WebRecord {
  std::size_t index = 0;
  std::string target;
  std::string name;

  bool operator==(const WebRecord&) const = default;
};

std::vector<ProgramRecord> DecodeProgramMenu(std::string_view bytes);
std::vector<WebRecord> DecodeWebMenu(std::string_view bytes);

// The file for an editing list: each line split as an entry line of its kind.
std::string EncodeMenuFile(LauncherKind kind, const std::vector<std::string>& lines);

// What a missing file is created with: count 1 and one record of zeros.
std::string EmptyMenuFile(LauncherKind kind);

// The editing list's lines of the records, in file order.
std::vector<std::string> MenuLines(const std::vector<ProgramRecord>& records);
std::vector<std::string> MenuLines(const std::vector<WebRecord>& records);

// ---- On the files ----

// nullopt when the file cannot be read.
std::optional<std::vector<ProgramRecord>> LoadProgramMenu(const std::string& path);
std::optional<std::vector<WebRecord>> LoadWebMenu(const std::string& path);

// Rewrites the file whole, atomically; false leaves the old file as it was.
bool SaveMenuFile(const std::string& path, LauncherKind kind, const std::vector<std::string>& lines);

// Creates the empty file when there is none (start-up).
bool EnsureMenuFile(const std::string& path, LauncherKind kind);

}  // namespace tikolvo
