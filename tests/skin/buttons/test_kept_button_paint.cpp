// What the buttons keep between paints (caption fonts and formats, their
// finished images, their pictures decoded) changes no pixel: every paint
// through the record is compared, exactly, with the plain paint that makes
// everything afresh, over each look and after each change a look follows.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "skin/buttons/check_box_painter.h"
#include "skin/buttons/check_button_painter.h"
#include "skin/buttons/image_button_painters.h"
#include "skin/buttons/push_button_painter.h"
#include "skin/core/control_background.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "tests/skin/buttons/button_fixture.h"
#include "tests/skin/buttons/solid_png.h"

namespace {

using quillora_test::DibPixels;
using quillora_test::SolidPng;
using Pixels = std::vector<std::uint32_t>;

class KeptPaintTest : public quillora_test::SkinnedButtonTest {
 protected:
  void TearDown() override {
    skin::AccentColour = quillora_test::kDefaultAccent;
    SkinnedButtonTest::TearDown();
  }

  static RECT ClientOf(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    return client;
  }

  // The control's area of the composition image, where each paint leaves
  // its finished image.
  Pixels Composition(HWND control) {
    const RECT client = ClientOf(control);
    POINT origin{0, 0};
    MapWindowPoints(control, frame, &origin, 1);
    DibPixels pixels(Record().compositionDc.get());
    Pixels all;
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x) all.push_back(pixels.at(origin.x + x, origin.y + y) & 0xFFFFFF);
    return all;
  }

  // The plain paint: the control's background composed, then `draw` on it
  // with a graphics of its own, as every painter did before it kept
  // anything.
  Pixels Plain(HWND control, const std::function<void(gdip::GdipGraphics&, const RECT&)>& draw) {
    const RECT client = ClientOf(control);
    skin::CachedDc image = skin::ComposeControlBackground(control, client);
    EXPECT_TRUE(image);
    {
      gdip::GdipGraphics graphics;
      graphics.CreateFromHdc(image.get());
      draw(graphics, client);
    }
    DibPixels pixels(image.get());
    Pixels all;
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x) all.push_back(pixels.at(x, y) & 0xFFFFFF);
    return all;
  }

  // A caption made afresh for every drawing: no kit.
  static skin::ButtonCaption FreshCaption(HWND window, const skin::ButtonRecord& record) {
    skin::ButtonCaption caption = skin::CaptionOf(window, record);
    caption.kit = nullptr;
    return caption;
  }

  Pixels KeptPush(int state) {
    const RECT client = ClientOf(push);
    skin::CachedDc screen = skin::CreateDibDc(client);
    skin::PaintPushButton(push, screen.get(), state, &client);
    skin::StopAllFades();
    return Composition(push);
  }

  Pixels PlainPush(int state) {
    return Plain(push, [&](gdip::GdipGraphics& graphics, const RECT& client) {
      const skin::PushButtonLook look{FreshCaption(push, Button(1)),
                                      static_cast<COLORREF>(skin::prop::Read(push, skin::prop::kDisabledTextColour)),
                                      nullptr};
      skin::DrawPushButton(graphics, client, state, look);
    });
  }

  static skin::CheckButtonState StateOf(HWND window, int itemState) {
    skin::CheckButtonState state;
    state.checked = SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    state.disabled = (itemState & ODS_DISABLED) != 0;
    state.hover = (itemState & ODS_HOTLIGHT) != 0 && !state.disabled;
    state.pressed = state.hover && (itemState & ODS_SELECTED) != 0;
    return state;
  }

  Pixels KeptCheck(int itemState) {
    skin::PaintCheckBox(check, itemState);
    return Composition(check);
  }

  Pixels PlainCheck(int itemState) {
    const skin::CheckButtonState state = StateOf(check, itemState);
    return Plain(check, [&](gdip::GdipGraphics& graphics, const RECT& client) {
      skin::CheckButtonLook look = skin::CheckButtonLookOf(check, Button(2));
      look.caption.kit = nullptr;
      look.images.decoded = nullptr;
      if (skin::prop::Read(check, skin::prop::kClickAnimation) != 0) {
        skin::DrawCheckBoxFrames(graphics, client, state, look);
        return;
      }
      gdip::GdipImage mark;
      mark.LoadFromStream(skin::MakeTintedCheckMark());
      skin::DrawCheckBox(graphics, client, state, look, &mark);
    });
  }

  // A change of what a control shows, named for the trace.
  struct Change {
    const char* what;
    std::function<void()> apply;
  };

  // Applies each change in turn to a hovered control: its kept paint must
  // show the change, equal the plain paint and stay so on repeat.
  template <class Kept, class PlainPaint>
  void ExpectEachChangeShowsAsThePlainPaint(std::initializer_list<Change> changes, Kept kept, PlainPaint plain) {
    for (const Change& change : changes) {
      SCOPED_TRACE(change.what);
      const int state = ODS_HOTLIGHT;  // hover changes the face; the accent shows only there
      const Pixels before = kept(state);
      change.apply();
      const Pixels after = kept(state);
      EXPECT_NE(after, before) << "the change does not show";
      EXPECT_EQ(after, plain(state));
      EXPECT_EQ(kept(state), after);
    }
  }

  // Changes the frame's picture under `control`.
  void RepaintPictureUnder(HWND control, std::uint32_t colour) {
    POINT origin{0, 0};
    MapWindowPoints(control, frame, &origin, 1);
    const RECT client = ClientOf(control);
    DibPixels pixels(Record().backgroundDc.get());
    for (int y = 0; y < client.bottom; y += 2)
      for (int x = 0; x < client.right; ++x) pixels.at(origin.x + x, origin.y + y) = colour;
  }
};

constexpr int kPushStates[] = {0,           ODS_SELECTED, ODS_FOCUS, ODS_FOCUS | ODS_SELECTED,
                               ODS_DISABLED, ODS_HOTLIGHT, 0};

TEST_F(KeptPaintTest, PushButtonPaintsMatchThePlainPaintInEveryLookAndOnRepeat) {
  for (const int state : kPushStates) {
    const Pixels plain = PlainPush(state);
    EXPECT_EQ(KeptPush(state), plain) << "first paint of state " << state;
    EXPECT_EQ(KeptPush(state), plain) << "repeated paint of state " << state;
  }
}

TEST_F(KeptPaintTest, PushButtonPaintsFollowEveryChangeOfWhatTheyShow) {
  ExpectEachChangeShowsAsThePlainPaint(
      {
        {"caption", [this] { Button(1).caption = "Cancel"; }},
        {"font size", [this] { Button(1).font.size = 17; }},
        {"font style", [this] { Button(1).font.style = 1; }},
        {"text colour", [this] { skin::prop::Write(push, skin::prop::kTextColour, 0x0000FF); }},
        {"accent", [] { skin::AccentColour = 0x00FF00; }},
        {"picture under it", [this] { RepaintPictureUnder(push, 0x00336699); }},
        {"halo", [this] { Button(1).textEffect = 0xFFFFFF; }},
      },
      [this](int state) { return KeptPush(state); }, [this](int state) { return PlainPush(state); });
}

TEST_F(KeptPaintTest, CheckBoxPaintsMatchThePlainPaintInEveryLookBothAnimatedAndDrawn) {
  const int states[] = {0, ODS_HOTLIGHT, ODS_HOTLIGHT | ODS_SELECTED, ODS_DISABLED};
  for (const int animated : {1, 0}) {
    skin::prop::Write(check, skin::prop::kClickAnimation, animated);
    for (const WPARAM checked : {BST_UNCHECKED, BST_CHECKED}) {
      SendMessageA(check, BM_SETCHECK, checked, 0);
      for (const int state : states) {
        SCOPED_TRACE(testing::Message() << "animated " << animated << ", checked " << checked << ", state " << state);
        const Pixels plain = PlainCheck(state);
        EXPECT_EQ(KeptCheck(state), plain);
        EXPECT_EQ(KeptCheck(state), plain) << "repeated";
      }
    }
  }
  // A frame of the click animation is a look of its own.
  skin::prop::Write(check, skin::prop::kClickAnimation, 1);
  skin::PaintCheckBox(check, 0);
  const Pixels resting = Composition(check);
  skin::PaintCheckBox(check, 0, 4);
  EXPECT_NE(Composition(check), resting);
}

TEST_F(KeptPaintTest, CheckBoxPaintsFollowEveryChangeOfWhatTheyShow) {
  ExpectEachChangeShowsAsThePlainPaint(
      {
        {"checked", [this] { SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0); }},
        {"caption", [this] { Button(2).caption = "Other"; }},
        {"font size", [this] { Button(2).font.size = 15; }},
        {"text colour", [this] { skin::prop::Write(check, skin::prop::kTextColour, 0x0000FF); }},
        {"picture under it", [this] { RepaintPictureUnder(check, 0x00996633); }},
        {"drawn box", [this] { skin::prop::Write(check, skin::prop::kClickAnimation, 0); }},
        {"accent", [] { skin::AccentColour = 0x00FF00; }},
        {"state images", [this] {
           skin::ButtonRecord& b = Button(2);
           b.useStateImages = 1;
           b.checkedHoverImage = SolidPng(10, 10, RGB(255, 0, 0));
         }},
        {"a state image's bytes", [this] {
           Button(2).checkedHoverImage = SolidPng(10, 10, RGB(0, 0, 255));
         }},
      },
      [this](int state) { return KeptCheck(state); }, [this](int state) { return PlainCheck(state); });
}

// The image button's picture and the image check box's two are kept
// decoded; new bytes show at once.
TEST_F(KeptPaintTest, ImageButtonPicturesKeptDecodedMatchThoseDecodedForThePaintAndFollowNewBytes) {
  skin::ButtonRecord& image = Button(1);
  image.kind = skin::ButtonKind::ImageButton;
  image.imageBesideCaption = 1;
  const auto kept = [&] {
    const RECT client = ClientOf(push);
    skin::CachedDc screen = skin::CreateDibDc(client);
    skin::PaintImageButton(push, screen.get(), ODS_FOCUS, &client);
    return Composition(push);
  };
  const auto plain = [&] {
    return Plain(push, [&](gdip::GdipGraphics& graphics, const RECT& client) {
      const skin::ImageButtonLook look{FreshCaption(push, Button(1)), nullptr, false, true, &Button(1).normalImage,
                                       client, nullptr};
      skin::DrawImageButton(graphics, client, ODS_FOCUS, look);
    });
  };
  for (const COLORREF colour : {RGB(255, 0, 0), RGB(0, 0, 255)}) {
    image.normalImage = SolidPng(14, 14, colour);
    const Pixels first = kept();
    EXPECT_EQ(first, plain());
    EXPECT_EQ(kept(), first);
  }

  skin::ButtonRecord& box = Button(2);
  box.kind = skin::ButtonKind::ImageCheckBox;
  for (const COLORREF colour : {RGB(0, 200, 0), RGB(200, 0, 200)}) {
    box.normalImage = SolidPng(12, 12, colour);
    box.pressedImage = SolidPng(12, 12, ~colour & 0xFFFFFF);
    for (const WPARAM checked : {BST_UNCHECKED, BST_CHECKED}) {
      SendMessageA(check, BM_SETCHECK, checked, 0);
      skin::PaintImageCheckBox(check, 0);
      const COLORREF shown = checked == BST_CHECKED ? (~colour & 0xFFFFFF) : colour;
      const quillora_test::Rgb3 pixel = Composed(check, 5, 5);
      EXPECT_EQ(pixel, (quillora_test::Rgb3{GetRValue(shown), GetGValue(shown), GetBValue(shown)}))
          << std::hex << colour << " checked " << checked;
    }
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

}  // namespace
