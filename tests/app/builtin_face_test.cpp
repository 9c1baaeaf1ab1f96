#include "app/builtin_face.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

int Brightness(std::uint32_t rgb) { return ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF); }

class BuiltinFace : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { face_ = new FacePicture(DrawBuiltinFace()); }
  static void TearDownTestSuite() { delete face_; }
  std::uint32_t Pixel(int x, int y) const { return face_->pixels[y * face_->width + x]; }
  static FacePicture* face_;
};
FacePicture* BuiltinFace::face_ = nullptr;

TEST_F(BuiltinFace, HasTheDesignSizeAndRoundedCornersOutsideTheShape) {
  ASSERT_EQ(face_->width, 241);
  ASSERT_EQ(face_->height, 343);
  for (auto [x, y] : {std::pair{0, 0}, {240, 0}, {0, 342}, {240, 342}, {4, 4}})
    EXPECT_FALSE(InsideShape(*face_, x, y)) << x << "," << y;
  for (auto [x, y] : {std::pair{120, 0}, {0, 170}, {240, 170}, {120, 342}, {30, 30}})
    EXPECT_TRUE(InsideShape(*face_, x, y)) << x << "," << y;
}

TEST_F(BuiltinFace, ShapeIsMirrorSymmetric) {
  for (int y = 0; y < face_->height; ++y)
    for (int x = 0; x < face_->width; ++x)
      ASSERT_EQ(InsideShape(*face_, x, y), InsideShape(*face_, face_->width - 1 - x, y)) << x << "," << y;
}

TEST_F(BuiltinFace, DialIsLightWithDarkMarksOnADarkPanel) {
  const int cx = 120, cy = 126;
  EXPECT_GT(Brightness(Pixel(cx, cy)), 700);                 // dial centre
  EXPECT_LT(Brightness(Pixel(cx + 80, cy)), 250);            // three o'clock mark
  EXPECT_GT(Brightness(Pixel(cx + 80, cy - 12)), 600);       // between marks
  EXPECT_LT(Brightness(Pixel(120, 300)), 100);               // display well
  EXPECT_LT(Brightness(Pixel(10, 250)), 300);                // panel
}

}  // namespace
}  // namespace tikolvo
