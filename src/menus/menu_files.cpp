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

// The valid records among the whole ones, each read by `fields`.
template <typename Record, typename Fields>
std::vector<Record> DecodeRecords(std::string_view bytes, std::size_t recordSize, Fields fields) {
  std::vector<Record> records;
  for (std::size_t index = 0; index < WholeRecords(bytes, recordSize); ++index) {
    const std::string_view record = RecordAt(bytes, index, recordSize);
    if (!IsValid(record)) continue;
    ByteReader reader(record);
    Record entry;
    entry.index = index;
    fields(reader, entry);
    records.push_back(std::move(entry));
  }
  return records;
}

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
  return DecodeRecords<ProgramRecord>(bytes, kProgramMenuRecordSize, [](ByteReader& reader, ProgramRecord& entry) {
    entry.path = reader.ShortString(kMenuTextCapacity);
    entry.name = reader.ShortString(kMenuTextCapacity);
    entry.params = reader.ShortString(kMenuTextCapacity);
  });
}

std::vector<WebRecord> DecodeWebMenu(std::string_view bytes) {
  return DecodeRecords<WebRecord>(bytes, kWebMenuRecordSize, [](ByteReader& reader, WebRecord& entry) {
    entry.target = reader.ShortString(kMenuTextCapacity);
    entry.name = reader.ShortString(kMenuTextCapacity);
  });
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
