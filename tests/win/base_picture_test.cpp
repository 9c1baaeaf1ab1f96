// The base picture as the wallpaper composer loads it from real files: a
// photo beyond the picture limits comes in at a reduced scale, a narrow
// bitmap is stretched to the screen, and what cannot be loaded says why.
#include "win_test.h"

#include <string>
#include <vector>

#include "common/file_io.h"
#include "program_folder.h"
#include "reminders/wallpaper_geometry.h"
#include "reminders/win/base_picture.h"
#include "skin/skin_bytes.h"
#include "skin/test_jpeg.h"

namespace tikolvo {
namespace {

bool Near(std::uint32_t colour, std::uint32_t expected) {
  for (int shift : {0, 8, 16}) {
    const int a = static_cast<int>((colour >> shift) & 0xFF), b = static_cast<int>((expected >> shift) & 0xFF);
    if (a - b > 24 || b - a > 24) return false;
  }
  return true;
}

// Left half red, right half blue (0x00RRGGBB, as the encoders take them).
std::vector<std::uint32_t> Halves(int width, int height) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(x < width / 2 ? 0xFF0000 : 0x0000FF);
  }
  return pixels;
}

TEST_CASE("A base picture loads at a scale that fits, or says why it cannot") {
  test::ProgramFolder folder;
  const std::string dir = folder.path();
  DibCanvas picture;

  // 20000 pixels wide is beyond the side limit; half of it is not.
  REQUIRE(SaveFileAtomically(dir + "wide.jpg", test::EncodeJpeg(20000, 16, Halves(20000, 16))));
  REQUIRE(LoadBasePicture(dir + "wide.jpg", 1024, 768, picture) == BasePictureResult::Loaded);
  CHECK(picture.Width() == 10000);
  CHECK(picture.Height() == 8);
  CHECK(Near(picture.PixelAt(100, 4), 0x0000FF));  // red, as 0x00BBGGRR
  CHECK(Near(picture.PixelAt(9900, 4), 0xFF0000));

  // A bitmap narrower than the screen fills the screen.
  REQUIRE(SaveFileAtomically(dir + "small.bmp", test::Bmp24(4, 2, Halves(4, 2))));
  REQUIRE(LoadBasePicture(dir + "small.bmp", 64, 48, picture) == BasePictureResult::Loaded);
  CHECK(picture.Width() == 64);
  CHECK(picture.Height() == 48);
  CHECK(Near(picture.PixelAt(5, 40), 0x0000FF));
  CHECK(Near(picture.PixelAt(60, 5), 0xFF0000));

  // A bitmap cannot be read smaller: over the limits it is refused as such,
  // and told apart from a damaged file and a missing one.
  std::string huge = test::Bmp24(4, 2, Halves(4, 2));
  test::PutU32(huge, 18, 20000);
  test::PutU32(huge, 22, 20000);
  REQUIRE(SaveFileAtomically(dir + "huge.bmp", huge));
  CHECK(LoadBasePicture(dir + "huge.bmp", 1024, 768, picture) == BasePictureResult::TooLarge);
  REQUIRE(SaveFileAtomically(dir + "broken.jpg", "\xFF\xD8\xFF\xE0 not a picture"));
  CHECK(LoadBasePicture(dir + "broken.jpg", 1024, 768, picture) == BasePictureResult::Unreadable);
  CHECK(LoadBasePicture(dir + "absent.jpg", 1024, 768, picture) == BasePictureResult::Missing);
  CHECK(picture.Width() == 64);  // the failures left the last picture alone

  // The marker check reads the file's own pixels; the extension's case does
  // not matter.
  std::vector<std::uint32_t> marked(16, 0x404040);
  marked[13] = ColourToPixel(kComposedMarkRed);
  marked[14] = ColourToPixel(kComposedMarkBlue);
  marked[15] = ColourToPixel(kComposedMarkGreen);
  REQUIRE(SaveFileAtomically(dir + "DeskTop.BMP", test::Bmp24(8, 2, marked)));
  CHECK(IsComposedPicture(dir + "DeskTop.BMP"));
  CHECK_FALSE(IsComposedPicture(dir + "small.bmp"));
  CHECK_FALSE(IsComposedPicture(dir + "absent.bmp"));
}

}  // namespace
}  // namespace tikolvo
