#pragma once
// Reading a ".tks" skin archive held in memory. Every offset and size in the
// file is checked against its length, members inflate under a size cap, and
// a damaged archive raises SkinArchiveError, which the skin loader turns
// into the built-in skin. An empty slot is not an error: its member is
// simply absent.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "skin/picture.h"
#include "skin/tks_layout.h"

namespace tikolvo {

class SkinArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TksArchive {
 public:
  // Only views the bytes: they must outlive the archive object.
  explicit TksArchive(std::string_view bytes) : bytes_(bytes) {}

  // Low byte of the header's skin-type field (0 when the field is zero).
  std::uint8_t SkinTypeByte() const;

  // The directory entry of a kind; a default, absent entry for a kind that
  // has no slot.
  TksEntry Entry(int kind) const;
  bool IsPresent(int kind) const { return Entry(kind).present; }

  // The member's inflated bytes; nothing for an empty slot.
  std::optional<std::string> Member(int kind) const;

  // The member decoded as a BMP or, with the entry's JPEG flag, a JPEG,
  // carrying the entry's transparent colour; nothing for an empty slot.
  // A member that does not decode is a damaged archive.
  std::optional<Picture> LoadPicture(int kind) const;

 private:
  std::string_view bytes_;
};

// Parses one 56-byte directory entry (the bytes must hold all of it).
TksEntry ParseTksEntry(std::string_view entry_bytes);

}  // namespace tikolvo
