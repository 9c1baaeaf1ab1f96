#include "skin/tks_archive.h"

#include <gtest/gtest.h>

#include "skin/inflate.h"
#include "skin_bytes.h"
#include "test_jpeg.h"

namespace tikolvo {
namespace {

using test::ArchiveBytes;
using test::PutBytes;
using test::PutU32;
using test::PutU8;

TEST(TksArchive, ReadsEveryEntryFieldFromItsDocumentedOffset) {
  std::string bytes(1356 + 20, '\0');
  const std::size_t e = 12 + 56 * 10;  // face picture, kind 13
  PutU32(bytes, e + 0, 0xDEADBEEF);
  PutU32(bytes, e + 4, 1356);
  PutU32(bytes, e + 8, 7);
  PutU32(bytes, e + 12, 0x00FF00FF);
  PutU32(bytes, e + 16, 20);
  PutU8(bytes, e + 20, 8);
  PutBytes(bytes, e + 21, "main.bmp");
  PutU32(bytes, e + 48, 0x00123456);
  PutU8(bytes, e + 52, 1);
  PutU8(bytes, e + 53, 1);

  const TksEntry entry = TksArchive(bytes).Entry(member_kind::kFace);
  EXPECT_EQ(entry.marker, 0xDEADBEEFu);
  EXPECT_EQ(entry.data_offset, 1356u);
  EXPECT_EQ(entry.kind_flag, 7u);
  EXPECT_EQ(entry.transparent_colour, 0x00FF00FFu);
  EXPECT_EQ(entry.stored_size, 20u);
  EXPECT_EQ(entry.name, "main.bmp");
  EXPECT_EQ(entry.colour_map_key, 0x00123456u);
  EXPECT_TRUE(entry.is_jpeg);
  EXPECT_TRUE(entry.present);
}

TEST(TksArchive, SkinTypeIsTheLowByteAndTheMagicIsNotChecked) {
  ArchiveBytes archive(0x00000302);
  PutBytes(archive.bytes, 0, "\x09XXXXjnk");
  EXPECT_EQ(TksArchive(archive.bytes).SkinTypeByte(), 2);
  EXPECT_EQ(TksArchive(ArchiveBytes(0).bytes).SkinTypeByte(), 0);
  EXPECT_EQ(TksArchive(ArchiveBytes(0xFFFFFF03).bytes).SkinTypeByte(), 3);
}

TEST(TksArchive, KindsMapToTheirSlots) {
  ArchiveBytes archive;
  for (int slot = 0; slot < 24; ++slot) {
    archive.SetEntry(slot, {.name = "slot" + std::to_string(slot)});
  }
  const TksArchive reader(archive.bytes);
  const std::pair<int, int> kind_to_slot[] = {{1, 0},  {2, 1},   {5, 2},   {7, 4},   {8, 5},   {9, 6},
                                              {10, 7}, {11, 8},  {12, 9},  {13, 10}, {14, 11}, {15, 12},
                                              {16, 13}, {3, 14}, {4, 15},  {17, 16}, {23, 22}};
  for (const auto& [kind, slot] : kind_to_slot) {
    EXPECT_EQ(reader.Entry(kind).name, "slot" + std::to_string(slot)) << "kind " << kind;
  }
  // Slots 3 and 23 are never addressed; kinds without a slot read as absent.
  for (int kind : {0, 6, 24, -1}) {
    EXPECT_FALSE(reader.IsPresent(kind)) << "kind " << kind;
    EXPECT_EQ(reader.Entry(kind), TksEntry{});
  }
}

TEST(TksArchive, NameOfTwentySevenCharactersIsKeptWholeBesideTheColourMapKey) {
  const std::string name = "abcdefghijklmnopqrstuvw.bmp";
  ASSERT_EQ(name.size(), 27u);
  ArchiveBytes archive;
  archive.SetEntry(0, {.name = name, .map_key = 0x00ABCDEF});
  const TksEntry entry = TksArchive(archive.bytes).Entry(member_kind::kCloseButton);
  EXPECT_EQ(entry.name, name);
  EXPECT_EQ(entry.colour_map_key, 0x00ABCDEFu);
}

TEST(TksArchive, EmptySlotIgnoresItsLeftoverFields) {
  ArchiveBytes archive;
  archive.AddMember(7, "shot.bmp", "leftover", {.present = false});
  const TksArchive reader(archive.bytes);
  EXPECT_FALSE(reader.IsPresent(member_kind::kPreview));
  EXPECT_FALSE(reader.Member(member_kind::kPreview).has_value());
  EXPECT_FALSE(reader.LoadPicture(member_kind::kPreview).has_value());
  // Leftover data ranges are not checked either: the slot is not read.
  ArchiveBytes wild;
  wild.SetEntry(7, {.offset = 0xFFFFFFF0, .size = 999, .name = "x", .present = false});
  EXPECT_FALSE(TksArchive(wild.bytes).Member(member_kind::kPreview).has_value());
}

TEST(TksArchive, MembersOutOfSlotOrderAndSharingOneRange) {
  ArchiveBytes archive;
  archive.bytes.resize(1828, '\x5A');  // a writer's private block after the directory
  archive.AddMember(10, "main.bmp", "face first");
  archive.AddMember(0, "close.bmp2", "close second");
  // Mask reuses the face's bytes.
  const TksEntry face = TksArchive(archive.bytes).Entry(member_kind::kFace);
  EXPECT_EQ(face.data_offset, 1828u);
  archive.SetEntry(11, {.offset = face.data_offset, .size = face.stored_size, .name = "mask.bmp"});

  const TksArchive reader(archive.bytes);
  EXPECT_EQ(reader.Member(member_kind::kFace), "face first");
  EXPECT_EQ(reader.Member(member_kind::kCloseButton), "close second");
  EXPECT_EQ(reader.Member(member_kind::kMask), "face first");
}

TEST(TksArchive, DamagedArchivesRaiseInsteadOfReadingOutside) {
  ArchiveBytes good;
  good.AddMember(6, "config.cfg", "[Clock]\r\n");
  const TksEntry entry = TksArchive(good.bytes).Entry(member_kind::kDescription);

  EXPECT_THROW(TksArchive(good.bytes.substr(0, 11)).SkinTypeByte(), SkinArchiveError);
  // Directory cut inside slot 6's entry.
  EXPECT_THROW(TksArchive(good.bytes.substr(0, 12 + 56 * 6 + 50)).Entry(member_kind::kDescription),
               SkinArchiveError);
  EXPECT_NO_THROW(TksArchive(good.bytes.substr(0, 12 + 56 * 6 + 56)).Entry(member_kind::kDescription));
  // Data one byte short of the stored size.
  EXPECT_THROW(TksArchive(good.bytes.substr(0, good.bytes.size() - 1)).Member(member_kind::kDescription),
               SkinArchiveError);

  // A range one byte past the end is refused even though the zlib stream
  // inside it is whole.
  ArchiveBytes past_end = good;
  past_end.SetEntry(6, {.offset = entry.data_offset, .size = entry.stored_size + 1, .name = "config.cfg"});
  EXPECT_THROW(TksArchive(past_end.bytes).Member(member_kind::kDescription), SkinArchiveError);

  ArchiveBytes wrap = good;  // offset + size overflows 32 bits
  wrap.SetEntry(6, {.offset = 0xFFFFFFFF, .size = 2, .name = "config.cfg"});
  EXPECT_THROW(TksArchive(wrap.bytes).Member(member_kind::kDescription), SkinArchiveError);

  ArchiveBytes not_zlib = good;
  not_zlib.bytes[entry.data_offset] = 'X';
  EXPECT_THROW(TksArchive(not_zlib.bytes).Member(member_kind::kDescription), SkinArchiveError);

  ArchiveBytes empty_member = good;
  empty_member.SetEntry(6, {.offset = entry.data_offset, .size = 0, .name = "config.cfg"});
  EXPECT_THROW(TksArchive(empty_member.bytes).Member(member_kind::kDescription), SkinArchiveError);
}

TEST(TksArchive, MemberThatWouldInflateBeyondTheCapIsRejected) {
  ArchiveBytes bomb;
  bomb.AddMember(10, "main.bmp", std::string(kMaxInflatedSize + 1, '\0'));
  EXPECT_LT(bomb.bytes.size(), 200u * 1024);
  EXPECT_THROW(TksArchive(bomb.bytes).Member(member_kind::kFace), SkinArchiveError);
}

TEST(TksArchive, LoadsBmpAndJpegPicturesWithTheEntryTransparentColour) {
  const std::vector<std::uint32_t> red_blue = {0xFF0000, 0x0000FF, 0x0000FF, 0xFF0000};
  ArchiveBytes archive;
  archive.AddMember(10, "main.bmp", test::Bmp24(2, 2, red_blue), {.transparent = 0x00FF00FF});
  archive.AddMember(12, "NGT.jpg", test::EncodeJpeg(8, 8, std::vector<std::uint32_t>(64, 0x00FF00)),
                    {.jpeg = true});
  const TksArchive reader(archive.bytes);

  const auto face = reader.LoadPicture(member_kind::kFace);
  ASSERT_TRUE(face.has_value());
  EXPECT_EQ(face->pixels, red_blue);
  EXPECT_EQ(face->transparent_colour, 0x00FF00FFu);

  const auto night = reader.LoadPicture(member_kind::kNightPicture);
  ASSERT_TRUE(night.has_value());
  EXPECT_EQ(night->width, 8);
  EXPECT_EQ(night->transparent_colour, 0xFFFFFFu);
  EXPECT_GT((night->At(3, 3) >> 8) & 0xFF, 240u);
}

TEST(TksArchive, PictureMemberThatDoesNotDecodeRaises) {
  ArchiveBytes archive;
  archive.AddMember(10, "main.bmp", "BM but nothing else");
  // A valid BMP under the JPEG flag is a damaged member too.
  archive.AddMember(11, "mask.bmp", test::Bmp24(1, 1, {0}), {.jpeg = true});
  EXPECT_THROW(TksArchive(archive.bytes).LoadPicture(member_kind::kFace), SkinArchiveError);
  EXPECT_THROW(TksArchive(archive.bytes).LoadPicture(member_kind::kMask), SkinArchiveError);
}

}  // namespace
}  // namespace tikolvo
