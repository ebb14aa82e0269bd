#include "skin/layered_presenter_win32.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/filled_bitmap.h"

namespace {

// Makes real sections until told that GDI is short, and remembers each one's pixels.
struct ShortOfGdi {
  struct Made {
    uint32_t* bits;
    int width, height;
  };
  bool refuse = false;
  std::vector<Made> made;

  LayeredPresenter::SectionMaker Maker() {
    return [this](HDC dc, int w, int h, uint32_t*& bits) {
      bits = nullptr;
      if (refuse) return BitmapHandle();
      BitmapHandle section = CreateTopDownDib(dc, w, h, bits);
      made.push_back({bits, w, h});
      return section;
    };
  }
};

const BLENDFUNCTION kBlend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};

}  // namespace

// A switch to a larger skin while GDI is short: the larger frame must not be copied into
// the smaller section the presenter still holds.
TEST(LayeredPresenter, AFrameLargerThanTheSectionGDIWouldMakeIsNotCopied) {
  ShortOfGdi gdi;
  LayeredPresenter presenter(gdi.Maker());
  presenter.Present(nullptr, POINT{0, 0}, Filled(16, 16, 0xFF112233u), kBlend);
  ASSERT_EQ(gdi.made.size(), 1u);
  const ShortOfGdi::Made small = gdi.made[0];
  EXPECT_EQ(small.bits[16 * 16 - 1], 0xFF112233u);

  gdi.refuse = true;
  EXPECT_FALSE(presenter.Reserve(64, 64));
  EXPECT_FALSE(presenter.Present(nullptr, POINT{0, 0}, Filled(64, 64, 0xFFAABBCCu), kBlend));
  EXPECT_EQ(small.bits[0], 0xFF112233u) << "the larger frame was copied into the small section";
  EXPECT_EQ(small.bits[16 * 16 - 1], 0xFF112233u);

  // The section it kept still presents frames of its own size.
  EXPECT_TRUE(presenter.Reserve(16, 16));
  presenter.Present(nullptr, POINT{0, 0}, Filled(16, 16, 0xFF445566u), kBlend);
  EXPECT_EQ(small.bits[0], 0xFF445566u);
  EXPECT_EQ(gdi.made.size(), 1u);

  gdi.refuse = false;
  EXPECT_TRUE(presenter.Reserve(64, 64));
  ASSERT_EQ(gdi.made.size(), 2u);
  EXPECT_EQ(gdi.made[1].width, 64);
}

TEST(LayeredPresenter, AnEmptyFrameIsNeverPresented) {
  ShortOfGdi gdi;
  LayeredPresenter presenter(gdi.Maker());
  EXPECT_FALSE(presenter.Present(nullptr, POINT{0, 0}, TBitmap32(), kBlend));
  EXPECT_TRUE(gdi.made.empty());
}
