#include "menus/menu_files.h"

#include "common/byte_io.h"
#include "common/file_io.h"
#include "menus/entry_line.h"

namespace tikolvo {
namespace {

std::size_t RecordSize(LauncherKind kind) {
  return kind == LauncherKind::kPrograms ? kProgramMenuRecordSize : kWebMenuRecordSize;
}

// The whole records after the count, whatever the count says.
std::size_t WholeRecords(std::string_view bytes, std::size_t recordSize) {
  return bytes.size() < kMenuCountSize ? 0 : (bytes.size() - kMenuCountSize) / recordSize;
}

std::string_view RecordAt(std::string_view bytes, std::size_t index, std::size_t recordSize) {
  return bytes.substr(kMenuCountSize + index * recordSize, recordSize);
}

bool IsValid(std::string_view record) { return record.back() != 0; }

void WriteProgramRecord(ByteWriter& writer, std::string_view line) {
  const ProgramEntry entry = SplitProgramLine(line);
  writer.ShortString(entry.path, kMenuTextCapacity);
  writer.ShortString(entry.name, kMenuTextCapacity);
  writer.ShortString(entry.params, kMenuTextCapacity);
  writer.U8(1);
}

void WriteWebRecord(ByteWriter& writer, std::string_view line) {
  const WebEntry entry = SplitWebLine(line);
  writer.ShortString(entry.target, kMenuTextCapacity);
  writer.ShortString(entry.name, kMenuTextCapacity);
  writer.U8(1);
}

}  // namespace

std::vector<ProgramRecord> DecodeProgramMenu(std::string_view bytes) {
  std::vector<ProgramRecord> records;
  for (std::size_t index = 0; index < WholeRecords(bytes, kProgramMenuRecordSize); ++index) {
    const std::string_view record = RecordAt(bytes, index, kProgramMenuRecordSize);
    if (!IsValid(record)) continue;
    ByteReader reader(record);
    ProgramRecord entry;
    entry.index = index;
    entry.path = reader.ShortString(kMenuTextCapacity);
    entry.name = reader.ShortString(kMenuTextCapacity);
    entry.params = reader.ShortString(kMenuTextCapacity);
    records.push_back(std::move(entry));
  }
  return records;
}

std::vector<WebRecord> DecodeWebMenu(std::string_view bytes) {
  std::vector<WebRecord> records;
  for (std::size_t index = 0; index < WholeRecords(bytes, kWebMenuRecordSize); ++index) {
    const std::string_view record = RecordAt(bytes, index, kWebMenuRecordSize);
    if (!IsValid(record)) continue;
    ByteReader reader(record);
    WebRecord entry;
    entry.index = index;
    entry.target = reader.ShortString(kMenuTextCapacity);
    entry.name = reader.ShortString(kMenuTextCapacity);
    records.push_back(std::move(entry));
  }
  return records;
}

std::string EncodeMenuFile(LauncherKind kind, const std::vector<std::string>& lines) {
  ByteWriter writer;
  writer.I32(static_cast<std::int32_t>(lines.size()));
  for (const std::string& line : lines) {
    if (kind == LauncherKind::kPrograms)
      WriteProgramRecord(writer, line);
    else
      WriteWebRecord(writer, line);
  }
  return writer.Take();
}

std::string EmptyMenuFile(LauncherKind kind) {
  ByteWriter writer;
  writer.I32(1);
  writer.Zeros(RecordSize(kind));
  return writer.Take();
}

std::vector<std::string> MenuLines(const std::vector<ProgramRecord>& records) {
  std::vector<std::string> lines;
  for (const ProgramRecord& record : records) lines.push_back(ProgramLine(record.name, record.path, record.params));
  return lines;
}

std::vector<std::string> MenuLines(const std::vector<WebRecord>& records) {
  std::vector<std::string> lines;
  for (const WebRecord& record : records) lines.push_back(WebLine(record.name, record.target));
  return lines;
}

std::optional<std::vector<ProgramRecord>> LoadProgramMenu(const std::string& path) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return DecodeProgramMenu(*bytes);
}

std::optional<std::vector<WebRecord>> LoadWebMenu(const std::string& path) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return DecodeWebMenu(*bytes);
}

bool SaveMenuFile(const std::string& path, LauncherKind kind, const std::vector<std::string>& lines) {
  return SaveFileAtomically(path, EncodeMenuFile(kind, lines));
}

bool EnsureMenuFile(const std::string& path, LauncherKind kind) {
  return FileExists(path) || SaveFileAtomically(path, EmptyMenuFile(kind));
}

}  // namespace tikolvo
