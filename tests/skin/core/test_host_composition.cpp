// Putting a control's image back into its frame's composition image,
// copying that image onto controls, and the child clipping both rely on.
#include <gtest/gtest.h>

#include <windows.h>

#include "skin/core/child_clipping.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/window_properties.h"
#include "tests/skin/core/composed_frame.h"

namespace {

using quillora_test::ComposedFrameTest;
using quillora_test::Fill;
using quillora_test::MakeChild;
using quillora_test::Rgb;
using quillora_test::TestWindow;

constexpr std::uint32_t kOld = 0x111111;
constexpr std::uint32_t kImage = 0xABCDEF;

// Children are visible only inside a shown frame.
class ShownFrameTest : public ComposedFrameTest {
 protected:
  bool FrameShown() const override { return true; }

  void SetUp() override {
    ComposedFrameTest::SetUp();
    Fill(Record().compositionDc.get(), kWidth, kHeight, kOld);
  }

  // A registered memory DC holding one colour, released after the test.
  HDC MakeImage(int width, int height, std::uint32_t colour) {
    HDC dc = images_.emplace_back(skin::CreateDibDc({0, 0, width, height})).get();
    Fill(dc, width, height, colour);
    return dc;
  }

  void TearDown() override {
    images_.clear();
    ComposedFrameTest::TearDown();
  }

  std::uint32_t Composition(int x, int y) { return Rgb(Record().compositionDc.get(), x, y); }

 private:
  std::vector<skin::CachedDc> images_;
};

bool HasClip(HDC dc) {
  rt::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  return GetClipRgn(dc, region.get()) == 1;
}

TEST_F(ShownFrameTest, BlitControlToHostLeavesVisibleOpaqueChildrenUntouched) {
  TestWindow control = MakeChild(frame, 50, 60, 200, 100);
  TestWindow opaque = MakeChild(control, 10, 10, 30, 20);
  TestWindow see = MakeChild(control, 60, 10, 30, 20, "Static", WS_CHILD | WS_VISIBLE, WS_EX_TRANSPARENT);
  TestWindow hidden = MakeChild(control, 110, 10, 30, 20, "Static", WS_CHILD);
  TestWindow grandchild = MakeChild(opaque, 2, 2, 5, 5);
  skin::prop::Write(control, skin::prop::kHostIndex, windowIndex);

  skin::BlitControlToHost(control, MakeImage(200, 100, kImage));

  EXPECT_EQ(Composition(50, 60), kImage);
  EXPECT_EQ(Composition(249, 159), kImage);
  EXPECT_EQ(Composition(49, 60), kOld) << "left of the control";
  EXPECT_EQ(Composition(250, 159), kOld) << "right of the control";
  EXPECT_EQ(Composition(60, 70), kOld) << "opaque child";
  EXPECT_EQ(Composition(89, 89), kOld) << "opaque child's last pixel";
  EXPECT_EQ(Composition(90, 90), kImage) << "just past the opaque child";
  EXPECT_EQ(Composition(120, 80), kImage) << "transparent child";
  EXPECT_EQ(Composition(170, 80), kImage) << "hidden child";
  EXPECT_FALSE(HasClip(Record().compositionDc.get())) << "the clip must not outlive the copy";
}

TEST_F(ShownFrameTest, BlitControlToHostFindsItsHostOnlyThroughValidIndices) {
  TestWindow bordered = MakeChild(frame, 300, 200, 100, 50, "Static", WS_CHILD | WS_VISIBLE | WS_BORDER);
  TestWindow plain = MakeChild(frame, 300, 300, 40, 40);
  HDC image = MakeImage(100, 50, kImage);

  // Client area by default, the whole window rectangle when asked.
  skin::prop::Write(bordered, skin::prop::kHostIndex, windowIndex);
  skin::BlitControlToHost(bordered, image);
  EXPECT_EQ(Composition(300, 200), kOld) << "border";
  EXPECT_EQ(Composition(301, 201), kImage);
  skin::BlitControlToHost(bordered, image, false, true);
  EXPECT_EQ(Composition(300, 200), kImage);

  // The "Kj_" link reads "Kj_FuID" only.
  skin::prop::Write(plain, skin::prop::kControlHostIndex, windowIndex);
  skin::prop::Write(plain, skin::prop::kIndex, 1);
  skin::BlitControlToHost(plain, image, true);
  EXPECT_EQ(Composition(310, 310), kImage);

  // Indices that do not lead to this control's frame change nothing.
  const struct {
    const char* name;
    INT_PTR hostIndex, ownIndex;
  } invalid[] = {
      {"host index past the table", 7, 0},
      {"negative host index", -3, 0},
      {"a list index taken for a window index", 0, 1},
      {"no index at all", 0, 0},
  };
  for (const auto& c : invalid) {
    TestWindow control = MakeChild(frame, 10, 300, 40, 40);
    skin::prop::Write(control, skin::prop::kHostIndex, c.hostIndex);
    skin::prop::Write(control, skin::prop::kIndex, c.ownIndex);
    skin::BlitControlToHost(control, image);
    skin::PaintBackgroundFromForm(control);
    EXPECT_EQ(Composition(20, 310), kOld) << c.name;
  }

  // The frame itself is found through its own "Hw_lbID"; its children
  // stay untouched.
  Fill(Record().compositionDc.get(), kWidth, kHeight, kOld);
  skin::BlitControlToHost(frame, MakeImage(kWidth, kHeight, kImage));
  EXPECT_EQ(Composition(0, 0), kImage);
  EXPECT_EQ(Composition(320, 320), kOld);
}

TEST_F(ShownFrameTest, ChildClippingKeepsToVisibleChildrenInsideTheKnownSize) {
  TestWindow opaque = MakeChild(frame, 10, 10, 40, 20);
  TestWindow see = MakeChild(frame, 100, 10, 40, 20, "Static", WS_CHILD | WS_VISIBLE, WS_EX_TRANSPARENT);
  TestWindow hidden = MakeChild(frame, 200, 10, 40, 20, "Static", WS_CHILD);
  TestWindow reaching = MakeChild(frame, 280, 100, 80, 20);
  TestWindow skinned = MakeChild(frame, 10, 200, 40, 20);
  TestWindow skinnedEdit = MakeChild(frame, 100, 200, 40, 20, "Edit");
  skin::prop::Write(skinned, skin::prop::kHostIndex, windowIndex);
  skin::prop::Write(skinnedEdit, skin::prop::kHostIndex, windowIndex);
  Record().width = 300;  // the frame's size at its last composition

  const int savedMode = skin::TransparencyMode;
  for (int mode : {0, 1}) {
    skin::TransparencyMode = mode;
    rt::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    rt::UniqueBitmap surface = skin::CreateDib32(kWidth, kHeight);
    rt::ScopedSelection selected(dc.get(), surface.get());
    EXPECT_EQ(skin::GetDcWithoutChildren(frame, dc.get()), dc.get());
    EXPECT_FALSE(PtVisible(dc.get(), 20, 15)) << "opaque child";
    EXPECT_TRUE(PtVisible(dc.get(), 5, 5));
    EXPECT_EQ(PtVisible(dc.get(), 110, 15) != 0, mode == 0) << "transparent child, mode " << mode;
    EXPECT_TRUE(PtVisible(dc.get(), 210, 15)) << "hidden child";
    EXPECT_FALSE(PtVisible(dc.get(), 290, 105)) << "child inside the known width";
    EXPECT_TRUE(PtVisible(dc.get(), 320, 105)) << "the part past the known width";
    EXPECT_FALSE(PtVisible(dc.get(), 20, 205)) << "skinned child";
  }
  skin::TransparencyMode = savedMode;

  // Only children that paint themselves are kept from being painted over.
  rt::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  rt::UniqueBitmap surface = skin::CreateDib32(kWidth, kHeight);
  rt::ScopedSelection selected(dc.get(), surface.get());
  skin::GetDcWithoutSelfPaintingChildren(frame, dc.get());
  EXPECT_FALSE(PtVisible(dc.get(), 20, 15)) << "unskinned child";
  EXPECT_TRUE(PtVisible(dc.get(), 20, 205)) << "skinned child";
  EXPECT_FALSE(PtVisible(dc.get(), 110, 205)) << "skinned edit";
  EXPECT_TRUE(PtVisible(dc.get(), 110, 15)) << "transparent child";
  EXPECT_FALSE(PtVisible(dc.get(), 320, 105)) << "no size bound here";
}

TEST_F(ShownFrameTest, PaintBackgroundFromFormCopiesTheCompositionAndLeavesAGivenDcWithTheCaller) {
  TestWindow control = MakeChild(frame, 50, 60, 100, 40);
  TestWindow child = MakeChild(control, 10, 10, 20, 10);
  // A container: its recorded size bounds the children it clips out.
  skin::ContainerRecord& container = AddContainer(control, 0, 0);
  container.width = 100;
  container.height = 40;
  for (int y = 60; y < 100; ++y)
    for (int x = 50; x < 150; ++x) quillora_test::DibPixel(Record().compositionDc.get(), x, y) = kImage;
  const COLORREF imageColour = RGB(0xAB, 0xCD, 0xEF);
  const COLORREF grey = RGB(0x22, 0x22, 0x22);

  for (skin::ChildClip clip : {skin::ChildClip::All, skin::ChildClip::SelfPainting}) {
    for (bool given : {false, true}) {
      SCOPED_TRACE(testing::Message() << "self-painting clip " << (clip == skin::ChildClip::SelfPainting)
                                      << ", given DC " << given);
      rt::WindowDc paint(control);
      rt::UniqueBrush greyBrush(CreateSolidBrush(grey));
      RECT all{0, 0, 100, 40};
      FillRect(paint.get(), &all, greyBrush.get());

      skin::PaintBackgroundFromForm(control, skin::HostLink::Hw, clip, given ? paint.get() : nullptr);

      EXPECT_EQ(GetPixel(paint.get(), 5, 5), imageColour);
      EXPECT_EQ(GetPixel(paint.get(), 99, 39), imageColour);
      EXPECT_EQ(GetPixel(paint.get(), 15, 15), grey) << "the child is clipped out";
      EXPECT_TRUE(PtVisible(paint.get(), 15, 15)) << "the caller's DC gets its clip region back";
    }
  }
}

// The flags of PaintBackgroundFromForm are not integers: a DC (or a bool)
// in a flag's place does not compile, and (control, dc) paints onto dc.
template <class Flag>
concept TakenAsHostLink = requires(HWND control, Flag flag) {
  skin::PaintBackgroundFromForm(control, flag, skin::ChildClip::All);
};
static_assert(!TakenAsHostLink<HDC>);
static_assert(!TakenAsHostLink<bool>);
static_assert(TakenAsHostLink<skin::HostLink>);

TEST_F(ShownFrameTest, PaintBackgroundFromFormWithADcPaintsOntoItAndRestoresItsClip) {
  TestWindow control = MakeChild(frame, 50, 60, 100, 40);
  TestWindow child = MakeChild(control, 10, 10, 20, 10);
  skin::ContainerRecord& container = AddContainer(control, 0, 0);
  container.width = 100;
  container.height = 40;
  for (int y = 60; y < 100; ++y)
    for (int x = 50; x < 150; ++x) quillora_test::DibPixel(Record().compositionDc.get(), x, y) = kImage;

  rt::WindowDc paint(control);
  PatBlt(paint.get(), 0, 0, 100, 40, BLACKNESS);
  // The caller paints only the left 60 pixels.
  rt::UniqueRegion left(CreateRectRgn(0, 0, 60, 40));
  SelectClipRgn(paint.get(), left.get());

  skin::PaintBackgroundFromForm(control, paint.get());

  EXPECT_EQ(GetPixel(paint.get(), 5, 5), RGB(0xAB, 0xCD, 0xEF));
  EXPECT_EQ(GetPixel(paint.get(), 15, 15), RGB(0, 0, 0)) << "the child is clipped out";
  rt::UniqueRegion after(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetClipRgn(paint.get(), after.get()), 1);
  EXPECT_TRUE(EqualRgn(after.get(), left.get())) << "the caller's clip region comes back as it was";
  SelectClipRgn(paint.get(), nullptr);
  EXPECT_EQ(GetPixel(paint.get(), 80, 5), RGB(0, 0, 0)) << "nothing outside the caller's clip";
}

}  // namespace
