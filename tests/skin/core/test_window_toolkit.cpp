// The toolkit's window helpers: client-area estimates, style tests, texts,
// layered switches, cache invalidation and the custom-draw call.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstring>
#include <span>
#include <string>
#include <utility>

#include "skin/core/cache_invalidation.h"
#include "skin/core/client_area.h"
#include "skin/core/custom_draw.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/layered_window.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "tests/support/skin_test_windows.h"

namespace {

using quillora_test::AddSkinWindow;
using quillora_test::ListControl;
using quillora_test::MakeChild;
using quillora_test::MakePopup;
using quillora_test::TestWindow;

constexpr DWORD kHiddenPopup = WS_POPUP;

TestWindow MakeHidden(int width, int height, DWORD style, DWORD exStyle = 0, const char* className = "Static") {
  return TestWindow(CreateWindowExA(exStyle, className, "", style, 0, 0, width, height, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr));
}

bool Equal(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Show(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

TEST(ClientArea, BordersCountAsEqualOnBothSidesScrollBarsAsSeventeenOrTheirRealSize) {
  TestWindow plain = MakeHidden(100, 50, kHiddenPopup | WS_BORDER);
  EXPECT_TRUE(Equal(skin::GetClientRectInWindow(plain), {1, 1, 99, 49})) << Show(skin::GetClientRectInWindow(plain));
  EXPECT_TRUE(Equal(skin::GetBorderInsets(plain), {1, 1, 99, 49})) << Show(skin::GetBorderInsets(plain));

  TestWindow scrolled = MakeHidden(120, 90, kHiddenPopup | WS_BORDER | WS_VSCROLL | WS_HSCROLL);
  RECT client{};
  GetClientRect(scrolled, &client);
  // The real bars fill the inner area up to the border.
  EXPECT_TRUE(Equal(skin::GetBorderInsets(scrolled), {1, 1, 119, 89})) << Show(skin::GetBorderInsets(scrolled));
  // The estimate takes each bar as 17 pixels wide when centring the client area.
  const RECT estimate = skin::GetClientRectInWindow(scrolled);
  const int left = (120 - client.right - 17) >> 1;  // floor
  const int top = (90 - client.bottom - 17) >> 1;
  EXPECT_TRUE(Equal(estimate, {left, top, left + client.right, top + client.bottom})) << Show(estimate);
}

TEST(WindowQueries, StyleTestsAskForEveryBit) {
  TestWindow window = MakeHidden(50, 50, kHiddenPopup | WS_VSCROLL, WS_EX_LAYERED);
  EXPECT_TRUE(skin::HasVScrollStyle(window));
  EXPECT_FALSE(skin::HasHScrollStyle(window));
  EXPECT_FALSE(skin::IsVisibleStyle(window));
  EXPECT_TRUE(skin::IsLayeredWindow(window));
  EXPECT_FALSE(skin::IsTransparentExStyle(window));

  const struct {
    const char* className;
    DWORD style;
    bool ownerDraw;
  } lists[] = {
      {"ListBox", LBS_OWNERDRAWFIXED, true},
      {"ListBox", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, true},
      {"ListBox", LBS_STANDARD, false},
      {"Static", 0x10, false},  // the same bit means something else there
  };
  TestWindow parent = MakeHidden(200, 200, kHiddenPopup);
  for (const auto& c : lists) {
    TestWindow list = MakeChild(parent, 0, 0, 100, 100, c.className, WS_CHILD | c.style);
    EXPECT_EQ(skin::IsOwnerDrawListBox(list), c.ownerDraw) << c.className << " " << std::hex << c.style;
  }
}

TEST(WindowQueries, ClassNameAndTextComeBackWhole) {
  TestWindow window = MakeHidden(50, 50, kHiddenPopup);
  EXPECT_EQ(skin::GetWindowClassName(window), "Static");
  EXPECT_EQ(skin::GetWindowTextCopy(window), "");

  std::string longText(400, 'x');
  longText += "安装程序";
  SetWindowTextA(window, longText.c_str());
  EXPECT_EQ(skin::GetWindowTextCopy(window), longText);
}

TEST(WindowQueries, ClassesCompareAsTheSystemComparesThem) {
  TestWindow parent = MakeHidden(200, 200, kHiddenPopup);
  LoadLibraryA("riched20.dll");
  const struct {
    const char* created;  // the class the window is made of
    const char* asked;
    bool same, edit;
  } cases[] = {
      {"Button", "Button", true, false},     {"BUTTON", "button", true, false},
      {"Button", "Butto", false, false},     {"Button", "Buttons", false, false},
      {"Edit", "EDIT", true, true},          {"RichEdit20A", "richedit20a", true, true},
      {"ComboBox", "ComboLBox", false, false}, {"#32770", "#32770", true, false},
  };
  for (const auto& c : cases) {
    TestWindow window = MakeChild(parent, 0, 0, 50, 20, c.created, WS_CHILD);
    ASSERT_TRUE(window.get()) << c.created;
    EXPECT_EQ(skin::IsClass(window, c.asked), c.same) << c.created << " asked as " << c.asked;
    EXPECT_EQ(skin::IsClassName(skin::GetWindowClassName(window), c.asked), c.same) << c.created;
    EXPECT_EQ(skin::IsEditClass(window), c.edit) << c.created;
  }
  EXPECT_FALSE(skin::IsClass(nullptr, ""));
}

TEST(WindowQueries, MousePositionsAreSignedHalves) {
  const struct {
    int x, y;
  } cases[] = {{0, 0}, {12, 345}, {-1, -20}, {32767, -32768}};
  for (const auto& c : cases) {
    const LPARAM lParam = MAKELPARAM(static_cast<WORD>(c.x), static_cast<WORD>(c.y));
    EXPECT_EQ(skin::MouseX(lParam), c.x);
    EXPECT_EQ(skin::MouseY(lParam), c.y);
  }
}

TEST(LayeredWindow, MakeLayeredAddsOnlyWhatIsMissing) {
  const struct {
    DWORD before;
    bool transparent;
    DWORD after;
  } cases[] = {
      {0, false, WS_EX_LAYERED},
      {WS_EX_LAYERED, false, WS_EX_LAYERED},
      {WS_EX_TRANSPARENT, false, WS_EX_TRANSPARENT | WS_EX_LAYERED},
      {0, true, WS_EX_LAYERED | WS_EX_TRANSPARENT},
      {WS_EX_TRANSPARENT, true, WS_EX_TRANSPARENT},  // either present: nothing at all
      {WS_EX_LAYERED, true, WS_EX_LAYERED},
  };
  for (const auto& c : cases) {
    TestWindow window = MakeHidden(20, 20, kHiddenPopup, c.before);
    skin::MakeLayered(window, c.transparent);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    EXPECT_EQ(style & (WS_EX_LAYERED | WS_EX_TRANSPARENT), c.after)
        << std::hex << "before " << c.before << " transparent " << c.transparent;
  }

  TestWindow window = MakeHidden(20, 20, kHiddenPopup);
  skin::SetWindowAlpha(window, 200);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
  EXPECT_EQ(key, 0xFF00FFu);
  EXPECT_EQ(alpha, 200);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
  skin::SetWindowAlpha(window, 90, 0x123456);
  ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
  EXPECT_EQ(key, 0x123456u);
  EXPECT_EQ(alpha, 90);
}

TEST(LayeredWindow, UpdateFromBufferPlacesTheWindowAndNeedsASourceOrASkinRecord) {
  quillora_test::SkinTableGuard guard;
  TestWindow window(CreateWindowExA(WS_EX_LAYERED, "Static", "", kHiddenPopup, 10, 20, 60, 40, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr));
  RECT r{};

  // No source and no skin record of its own: nothing happens.
  skin::prop::Write(window, skin::prop::kIndex, 1);  // a stale index
  skin::UpdateLayeredFromBuffer(window, std::nullopt, 255, 100, 100, 30, 30);
  GetWindowRect(window, &r);
  EXPECT_TRUE(Equal(r, {10, 20, 70, 60})) << Show(r);

  skin::CachedDc source = skin::CreateDibDc({0, 0, 80, 80});
  skin::UpdateLayeredFromBuffer(window, source.get(), 255, 100, 110, 80, 70);
  GetWindowRect(window, &r);
  EXPECT_TRUE(Equal(r, {100, 110, 180, 180})) << Show(r);

  // With its skin record the frame's composed picture is the source, and
  // position and size stay as they are.
  ASSERT_EQ(AddSkinWindow(window), 1);
  skin::SkinWindowTable.At(1).backgroundDc = std::move(source);
  skin::UpdateLayeredFromBuffer(window);
  GetWindowRect(window, &r);
  EXPECT_TRUE(Equal(r, {100, 110, 180, 180})) << Show(r);
  skin::SkinWindowTable.At(1).backgroundDc.reset();
}

class InvalidationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = MakePopup(0, 0, 300, 200, nullptr, kHiddenPopup);
    container = MakeChild(frame, 10, 10, 100, 100);
    child = MakeChild(container, 5, 5, 20, 20);
    loose = MakeChild(frame, 150, 10, 50, 50);
    looseChild = MakeChild(loose, 1, 1, 10, 10);
    label = MakeChild(frame, 150, 100, 50, 20);
    ASSERT_EQ(AddSkinWindow(frame), 1);
    ASSERT_EQ(ListControl(Record().containers, container, 1), 1);
    ASSERT_EQ(ListControl(Record().labels, label, 1), 1);
  }
  void TearDown() override { skin::CustomDrawTable.clear(); }

  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(1); }

  quillora_test::SkinTableGuard guard;
  TestWindow frame, container, child, loose, looseChild, label;
};

TEST_F(InvalidationTest, MarkContainerDirtyReachesOnlyARegisteredParentContainer) {
  skin::MarkContainerDirty(looseChild);  // parent not registered
  skin::MarkContainerDirty(frame);       // no parent
  EXPECT_EQ(Record().containers.At(1).childChanged, 0);

  skin::prop::Write(container, skin::prop::kHostIndex, 5);  // index past the table
  skin::MarkContainerDirty(child);
  EXPECT_EQ(Record().containers.At(1).childChanged, 0);

  skin::prop::Write(container, skin::prop::kHostIndex, 1);
  skin::prop::Write(container, skin::prop::kCustomDrawIndex, 1);  // painted by an application routine
  skin::MarkContainerDirty(child);
  EXPECT_EQ(Record().containers.At(1).childChanged, 0);

  skin::prop::Write(container, skin::prop::kCustomDrawIndex, 0);
  skin::MarkContainerDirty(child);
  EXPECT_EQ(Record().containers.At(1).childChanged, 1);
  EXPECT_EQ(Record().containers.At(1).redraw, 0);
}

TEST_F(InvalidationTest, InvalidateWindowCachesMarksContainersAndUnlessToldOtherwiseEveryCachedImage) {
  skin::InvalidateWindowCaches(label);  // a control's "Hw_lbID" is no window index
  EXPECT_EQ(Record().containers.At(1).redraw, 0);

  skin::InvalidateWindowCaches(frame, true);
  EXPECT_EQ(Record().containers.At(1).redraw, 1);
  EXPECT_EQ(Record().containers.At(1).childChanged, 1);
  EXPECT_EQ(Record().labels.At(1).needsRepaint, 0);

  skin::InvalidateWindowCaches(frame);
  EXPECT_EQ(Record().labels.At(1).needsRepaint, 1);
  EXPECT_EQ(Record().controls.At(1).redraw, 1);
  EXPECT_EQ(Record().listControls.At(1).dirty, 1);
}

// A routine an application could leave in CustomDrawTable.
INT_PTR calls = 0;
INT_PTR __stdcall Routine(INT_PTR a, INT_PTR b, INT_PTR c) {
  ++calls;
  return a + 10 * b + 100 * c;
}

void AddCustomDrawRecord(HWND hwnd) {
  skin::CustomDrawRecord record;
  record.hwnd = hwnd;
  auto routine = &Routine;
  record.routine.resize(sizeof routine);
  std::memcpy(record.routine.data(), &routine, sizeof routine);
  skin::CustomDrawTable.push_back(std::move(record));
}

TEST_F(InvalidationTest, CustomDrawRoutinesAreCalledOnlyInsideTheTable) {
  EXPECT_EQ(skin::CallCustomDrawRoutine(1, 1, 2, 3), 0) << "the table is empty";
  AddCustomDrawRecord(loose);
  skin::CustomDrawTable.emplace_back();  // a record without a routine
  EXPECT_EQ(skin::CallCustomDrawRoutine(1, 1, 2, 3), 321);
  for (int outside : {0, -1, 3}) EXPECT_EQ(skin::CallCustomDrawRoutine(outside, 1, 2, 3), 0) << outside;
  EXPECT_EQ(skin::CallCustomDrawRoutine(2, 1, 2, 3), 0);

  // Cache invalidation tells the routines of the window's own controls.
  calls = 0;
  skin::InvalidateWindowCaches(frame);
  EXPECT_EQ(calls, 0) << "the routine's window has no host index";
  skin::prop::Write(loose, skin::prop::kHostIndex, 1);
  skin::InvalidateWindowCaches(frame);
  EXPECT_EQ(calls, 1);
}

// The same routine in both conventions, for any number of integers: the
// first integer counts ones, the second tens, and so on.
template <class... Args>
INT_PTR __stdcall StdcallDigits(Args... args) {
  INT_PTR result = 0, weight = 1;
  ((result += args * weight, weight *= 10), ...);
  return result;
}
template <class... Args>
INT_PTR __cdecl CdeclDigits(Args... args) {
  return StdcallDigits(args...);
}

template <std::size_t>
using IntArg = INT_PTR;

template <std::size_t... I>
std::pair<FARPROC, FARPROC> DigitRoutines(std::index_sequence<I...>) {
  return {reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&StdcallDigits<IntArg<I>...>)),
          reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&CdeclDigits<IntArg<I>...>))};
}

template <std::size_t... N>
std::array<std::pair<FARPROC, FARPROC>, sizeof...(N)> DigitRoutineTable(std::index_sequence<N...>) {
  return {DigitRoutines(std::make_index_sequence<N>{})...};
}

// On 32-bit a stdcall routine removes its arguments itself and a cdecl one
// leaves them to the caller; calling either the other way leaves the stack
// off by the arguments, which ends the program within a few calls.
TEST(RoutineArrayCall, CallsStdcallAndCdeclRoutinesEachByItsOwnRule) {
  const std::array<INT_PTR, 8> integers{1, 2, 3, 4, 5, 6, 7, 8};
  const auto routines = DigitRoutineTable(std::make_index_sequence<integers.size() + 1>{});
  for (int round = 0; round < 3; ++round) {
    INT_PTR expected = 0, weight = 1;
    for (std::size_t count = 0; count <= integers.size(); ++count) {
      if (count > 0) expected += integers[count - 1] * weight, weight *= 10;
      const std::span<const INT_PTR> args(integers.data(), count);
      EXPECT_EQ(skin::CallWithArgArray(routines[count].first, args, false), expected) << count << " as stdcall";
      EXPECT_EQ(skin::CallWithArgArray(routines[count].second, args, true), expected) << count << " as cdecl";
    }
  }
}

}  // namespace
