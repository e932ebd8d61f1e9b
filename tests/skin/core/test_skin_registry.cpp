// The window registry: lookups through parents, owners and containers,
// the slot rule of the per-control lists, renumbering when a window goes,
// and the checks on indices read from window properties.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/skin_window_table.h"
#include "skin/core/window_properties.h"
#include "tests/support/skin_test_windows.h"

namespace {

using quillora_test::AddSkinWindow;
using quillora_test::ListControl;
using quillora_test::MakeChild;
using quillora_test::MakePopup;
using quillora_test::TestWindow;

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

#define EXPECT_RECT(actual, l, t, r, b)                                             \
  do {                                                                               \
    const RECT got = (actual);                                                       \
    EXPECT_TRUE(SameRect(got, RECT{l, t, r, b}))                                     \
        << #actual << " = " << got.left << ", " << got.top << ", " << got.right << ", " \
        << got.bottom;                                                               \
  } while (0)

// A skinned frame at (100, 100) holding a bordered container with one
// control, a direct control, and an owned popup with a child; beside it an
// unskinned window with a child.
class SkinRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = MakePopup(100, 100, 400, 300);
    container = MakeChild(frame, 20, 30, 200, 150, "Static", WS_CHILD | WS_VISIBLE | WS_BORDER);
    inner = MakeChild(container, 5, 7, 50, 20);
    direct = MakeChild(frame, 250, 40, 60, 20);
    popup = MakePopup(600, 100, 100, 100, frame);
    popupChild = MakeChild(popup, 10, 10, 20, 20);
    stranger = MakePopup(50, 50, 100, 100);
    strangerChild = MakeChild(stranger, 1, 1, 10, 10);

    ASSERT_EQ(AddSkinWindow(frame), 1);
    skin::SkinWindowRecord& record = skin::SkinWindowTable.At(1);
    ASSERT_EQ(ListControl(record.containers, container, 1), 1);
    record.containers.At(1).paintMode = 1;
  }

  quillora_test::SkinTableGuard guard;
  TestWindow frame, container, inner, direct, popup, popupChild, stranger, strangerChild;
};

TEST(SkinRegistryEmptyTest, LookupsFindNothing) {
  quillora_test::SkinTableGuard guard;
  TestWindow window = MakePopup(0, 0, 50, 50);
  TestWindow child = MakeChild(window, 1, 1, 10, 10);
  EXPECT_EQ(skin::FindSkinWindow(window), 0);
  EXPECT_EQ(skin::FindSkinWindowOfAncestor(child), 0);
  EXPECT_EQ(skin::FindSkinWindowOfAncestor(window), 0);
  EXPECT_EQ(skin::FindContainerRecord(1, child), 0);
  EXPECT_RECT(skin::GetRectInSkinWindow(child), 0, 0, 0, 0);
  EXPECT_RECT(skin::GetClientRectInSkinWindow(child), 0, 0, 0, 0);
  EXPECT_RECT(skin::GetRectInHost(child), 0, 0, 0, 0);
}

TEST_F(SkinRegistryTest, AncestorSearchFollowsParentsAndOwners) {
  EXPECT_EQ(skin::FindSkinWindow(frame), 1);
  EXPECT_EQ(skin::FindSkinWindow(container), 0);
  for (HWND hwnd : {frame.get(), container.get(), inner.get(), direct.get(), popup.get(),
                    popupChild.get()}) {
    EXPECT_EQ(skin::FindSkinWindowOfAncestor(hwnd), 1);
  }
  EXPECT_EQ(skin::FindSkinWindowOfAncestor(stranger), 0);
  EXPECT_EQ(skin::FindSkinWindowOfAncestor(strangerChild), 0);
  EXPECT_EQ(skin::FindSkinWindowOfAncestor(nullptr), 0);
}

TEST_F(SkinRegistryTest, ContainerSearchChecksTheWindowIndex) {
  EXPECT_EQ(skin::FindContainerRecord(1, container), 1);
  EXPECT_EQ(skin::FindContainerRecord(1, inner), 0);
  for (int outside : {0, -1, 2, 1000}) EXPECT_EQ(skin::FindContainerRecord(outside, container), 0);
}

TEST_F(SkinRegistryTest, ControlHostIsTheNearestFrameOrContainer) {
  struct Case {
    const char* name;
    HWND control;
    int result, windowIndex, containerIndex;
  } cases[] = {
      {"control in a container", inner, 0, 1, 1},
      {"control in the frame", direct, 1, 1, -7},
      {"the frame itself", frame, 1, 1, -7},
      {"the container", container, 1, 1, -7},
      {"no host at all", strangerChild, 0, -7, -7},
  };
  for (const Case& c : cases) {
    int windowIndex = -7, containerIndex = -7;
    HWND panel = reinterpret_cast<HWND>(-7);
    EXPECT_EQ(skin::FindControlHost(c.control, windowIndex, containerIndex, panel, true), c.result)
        << c.name;
    EXPECT_EQ(windowIndex, c.windowIndex) << c.name;
    EXPECT_EQ(containerIndex, c.containerIndex) << c.name;
    EXPECT_EQ(panel, reinterpret_cast<HWND>(-7)) << c.name;
  }
}

TEST_F(SkinRegistryTest, APanelEndsTheHostSearchOnlyWhenAskedTo) {
  skin::prop::Write(container, skin::prop::kPanelMark, 1);
  int windowIndex = 0, containerIndex = 0;
  HWND panel = nullptr;
  EXPECT_EQ(skin::FindControlHost(inner, windowIndex, containerIndex, panel, true), 0);
  EXPECT_EQ(panel, container.get());
  EXPECT_EQ(windowIndex, 0);

  panel = nullptr;
  EXPECT_EQ(skin::FindControlHost(inner, windowIndex, containerIndex, panel, false), 0);
  EXPECT_EQ(panel, nullptr);
  EXPECT_EQ(windowIndex, 1);
  EXPECT_EQ(containerIndex, 1);
}

TEST_F(SkinRegistryTest, FlaggedContainerSearchStopsBeforeTheStopWindow) {
  EXPECT_EQ(skin::FindFlaggedContainer(1, inner, nullptr), 1);
  EXPECT_EQ(skin::FindFlaggedContainer(1, inner, container), 0);  // the stop window is not tested
  EXPECT_EQ(skin::FindFlaggedContainer(1, direct, nullptr), 0);
  EXPECT_EQ(skin::FindFlaggedContainer(2, inner, nullptr), 0);
  EXPECT_EQ(skin::FindFlaggedContainer(0, inner, nullptr), 0);
  skin::SkinWindowTable.At(1).containers.At(1).paintMode = 0;
  EXPECT_EQ(skin::FindFlaggedContainer(1, inner, nullptr), 0);
}

TEST_F(SkinRegistryTest, RectanglesAreMeasuredFromTheirReference) {
  // The container's one-pixel border lies between its window and client.
  EXPECT_RECT(skin::GetRectInParentWindow(inner), 6, 8, 56, 28);
  EXPECT_RECT(skin::GetRectInParentClient(inner), 5, 7, 55, 27);
  EXPECT_RECT(skin::GetRectInHost(inner), 6, 8, 56, 28);
  EXPECT_RECT(skin::GetRectInHost(direct), 250, 40, 310, 60);
  EXPECT_RECT(skin::GetRectInSkinWindow(inner), 26, 38, 76, 58);
  EXPECT_RECT(skin::GetRectInSkinWindow(popupChild), 510, 10, 530, 30);
  EXPECT_RECT(skin::GetRectRelativeTo(container, direct), 230, 10, 290, 30);
  EXPECT_RECT(skin::GetClientRectInSkinWindow(container), 21, 31, 219, 179);
  EXPECT_RECT(skin::GetRectInSkinWindow(strangerChild), 0, 0, 0, 0);
}

TEST_F(SkinRegistryTest, ASkinnedFrameHasNoRectangleInAParent) {
  EXPECT_RECT(skin::GetRectInParentWindow(frame), 0, 0, 0, 0);
  EXPECT_RECT(skin::GetRectInParentClient(frame), 0, 0, 0, 0);
  EXPECT_RECT(skin::GetRectInHost(frame), 0, 0, 0, 0);
}

TEST(ControlListTest, FirstControlTakesTheFreeSlotLaterOnesAppend) {
  skin::ControlList<skin::ButtonRecord> list;
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.At(1).hwnd, nullptr);
  const HWND a = reinterpret_cast<HWND>(0x10), b = reinterpret_cast<HWND>(0x20),
             c = reinterpret_cast<HWND>(0x30);
  EXPECT_EQ(list.Take(a), 1);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Take(b), 2);
  EXPECT_EQ(list.Take(c), 3);
  EXPECT_EQ(list.Find(b), 2);
  EXPECT_EQ(list.Find(nullptr), 0);
  // New records are zero records with an empty tooltip and face.
  EXPECT_EQ(list.At(3).tooltip.GetWindow(), nullptr);
  EXPECT_TRUE(list.At(3).caption.empty());
}

TEST(ControlListTest, ASingleFreeSlotIsReusedOnlyWhileItIsAlone) {
  skin::ControlList<skin::ContainerRecord> list;
  const HWND a = reinterpret_cast<HWND>(0x10), b = reinterpret_cast<HWND>(0x20);
  list.Take(a);
  list.Take(b);
  list.At(1).hwnd = nullptr;  // a free slot among others is not reused
  EXPECT_EQ(list.Take(a), 3);
  list.RemoveAt(1);
  EXPECT_EQ(list.Find(a), 2);
  EXPECT_EQ(list.Find(b), 1);
}

TEST(ControlListTest, IndexFromAPropertyMustNameThatWindowsRecord) {
  skin::ControlList<skin::EditRecord> list;
  const HWND a = reinterpret_cast<HWND>(0x10), b = reinterpret_cast<HWND>(0x20);
  list.Take(a);
  list.Take(b);
  EXPECT_EQ(list.Listed(2, b), &list.At(2));
  EXPECT_EQ(list.Listed(1, b), nullptr);  // in range, but another control's record
  for (INT_PTR outside : {INT_PTR{0}, INT_PTR{-1}, INT_PTR{3}}) {
    EXPECT_EQ(list.Listed(outside, b), nullptr);
  }
  EXPECT_EQ(list.Listed(1, nullptr), nullptr);
}

// The shape of a nested container install: the outer install takes its
// record and, before it has finished writing it, skins the container's
// children, one of which (a toolbar with a child) installs a container of
// its own in the same list.
int InstallNested(skin::ControlList<skin::ContainerRecord>& containers, HWND outer, int depth,
                  INT_PTR& nextWindow) {
  const int index = containers.Take(outer);
  skin::ContainerRecord& record = containers.At(index);
  record.font.face = "outer";
  if (depth > 0) {
    for (int child = 1; child <= 40; ++child) {  // enough appends to outgrow any reserve
      InstallNested(containers, reinterpret_cast<HWND>(++nextWindow), depth - 1, nextWindow);
    }
  }
  record.tintColour = 0x123456;  // the outer install writes on after the inner ones
  record.font.size = depth;
  EXPECT_EQ(&containers.At(index), &record);
  return index;
}

TEST(ControlListTest, RecordsKeepTheirAddressWhileTheListGrowsAndShrinks) {
  skin::ControlList<skin::ContainerRecord> containers;
  const HWND outer = reinterpret_cast<HWND>(0x10);
  INT_PTR nextWindow = 0x100;
  const int index = InstallNested(containers, outer, 2, nextWindow);
  ASSERT_EQ(index, 1);
  EXPECT_EQ(containers.Count(), 1 + 40 + 40 * 40);
  const skin::ContainerRecord& written = containers.At(index);
  EXPECT_EQ(written.hwnd, outer);
  EXPECT_EQ(written.tintColour, 0x123456u);
  EXPECT_EQ(written.font.face, "outer");
  EXPECT_EQ(written.font.size, 2);

  // A removal renumbers the records behind it but leaves them in place.
  skin::ContainerRecord* last = &containers.At(containers.Count());
  const HWND lastWindow = last->hwnd;
  const int before = containers.Count();
  containers.RemoveAt(2);
  EXPECT_EQ(&containers.At(before - 1), last);
  EXPECT_EQ(containers.Find(lastWindow), before - 1);
}

TEST(ControlListTest, ALoopSeesTheRecordsThatWereThereWhenItBegan) {
  skin::ControlList<skin::LabelRecord> labels;
  labels.Take(reinterpret_cast<HWND>(0x10));
  labels.Take(reinterpret_cast<HWND>(0x20));
  int visited = 0;
  for (skin::LabelRecord& label : labels) {
    ++visited;
    if (label.hwnd == reinterpret_cast<HWND>(0x10)) labels.Take(reinterpret_cast<HWND>(0x30));
  }
  EXPECT_EQ(visited, 2);
  EXPECT_EQ(labels.Count(), 3);
}

TEST(SkinWindowTableTest, IndexFromAPropertyIsCheckedAgainstTheTable) {
  quillora_test::SkinTableGuard guard;
  EXPECT_EQ(skin::SkinWindowTable.Find(1), nullptr);
  skin::SkinWindowTable.Append(skin::MakeSkinWindowRecord(nullptr));
  EXPECT_NE(skin::SkinWindowTable.Find(1), nullptr);
  EXPECT_EQ(skin::SkinWindowTable.Find(0), nullptr);
  EXPECT_EQ(skin::SkinWindowTable.Find(2), nullptr);
}

void PrintAndExit(const char* text) {
  std::fprintf(stderr, "fatal: %s\n", text);
  std::fflush(stderr);
  std::_Exit(3);
}

TEST(SkinWindowTableDeathTest, ListAccessOutsideTheListIsAFatalReport) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        rt::SetFatalErrorHandler(PrintAndExit);
        skin::SkinWindowTable.Append(skin::MakeSkinWindowRecord(nullptr));
        skin::SkinWindowTable.At(2);
      },
      testing::ExitedWithCode(3), "SkinWindowTable");
  EXPECT_EXIT(
      {
        rt::SetFatalErrorHandler(PrintAndExit);
        skin::ControlList<skin::LabelRecord> labels;
        labels.At(0);
      },
      testing::ExitedWithCode(3), "control list");
}

TEST(SkinWindowRecordTest, EveryListStartsWithOneZeroRecord) {
  auto record = skin::MakeSkinWindowRecord(nullptr);
  EXPECT_EQ(record->buttons.Count(), 1);
  EXPECT_EQ(record->edits.Count(), 1);
  EXPECT_EQ(record->listControls.Count(), 1);
  EXPECT_EQ(record->trackbars.Count(), 1);
  EXPECT_EQ(record->progressBars.Count(), 1);
  EXPECT_EQ(record->combos.Count(), 1);
  EXPECT_EQ(record->upDowns.Count(), 1);
  EXPECT_EQ(record->headers.Count(), 1);
  EXPECT_EQ(record->controls.Count(), 1);
  EXPECT_EQ(record->statics.Count(), 1);
  EXPECT_EQ(record->labels.Count(), 1);
  EXPECT_EQ(record->containers.Count(), 1);
  EXPECT_EQ(record->captionButtons.size(), 1u);
  EXPECT_EQ(record->bottomItems.size(), 1u);
  EXPECT_EQ(record->bottomItemRects.size(), 1u);
  EXPECT_EQ(record->anchors.size(), 1u);
  EXPECT_EQ(record->companions.size(), 1u);
  EXPECT_EQ(record->containers.At(1).anchors.size(), 1u);
  EXPECT_EQ(record->edits.At(1).vScrollParts[2].right, 0);
}

// Two skinned frames with listed controls; the first goes.
class RenumberTest : public ::testing::Test {
 protected:
  void SetUp() override {
    first = MakePopup(0, 0, 200, 200);
    second = MakePopup(300, 0, 200, 200);
    firstButton = MakeChild(first, 0, 0, 10, 10);
    button = MakeChild(second, 0, 0, 10, 10);
    edit = MakeChild(second, 20, 0, 10, 10);
    overlay = MakeChild(second, 30, 0, 10, 10);
    common = MakeChild(second, 40, 0, 10, 10);
    group = MakeChild(second, 50, 0, 10, 10);
    label = MakeChild(group, 0, 0, 5, 5);
    list = MakeChild(second, 60, 0, 10, 10);

    AddSkinWindow(first);
    AddSkinWindow(second);
    skin::SkinWindowRecord& one = skin::SkinWindowTable.At(1);
    ListControl(one.buttons, firstButton, 1);
    skin::SkinWindowRecord& two = skin::SkinWindowTable.At(2);
    ListControl(two.buttons, button, 2);
    ListControl(two.edits, edit, 2);
    two.edits.At(1).vScrollOverlay = overlay;
    skin::prop::Write(overlay, skin::prop::kHostIndex, 2);
    ListControl(two.controls, common, 2, true);
    ListControl(two.containers, group, 2);
    ListControl(two.labels, label, 2);
    ListControl(two.listControls, list, 2);
  }

  quillora_test::SkinTableGuard guard;
  TestWindow first, second, firstButton, button, edit, overlay, common, group, label, list;
};

TEST_F(RenumberTest, LaterWindowsAndTheirControlsMoveDown) {
  skin::RemoveSkinWindow(1);
  ASSERT_EQ(skin::SkinWindowTable.Count(), 1);
  EXPECT_EQ(skin::SkinWindowTable.At(1).hwnd, second.get());
  EXPECT_EQ(skin::prop::Read(second, skin::prop::kIndex), 1);
  for (HWND hwnd : {button.get(), edit.get(), overlay.get(), group.get(), label.get(),
                    list.get()}) {
    EXPECT_EQ(skin::prop::Read(hwnd, skin::prop::kHostIndex), 1);
  }
  EXPECT_EQ(skin::prop::Read(common, skin::prop::kControlHostIndex), 1);
  EXPECT_EQ(skin::prop::Read(common, skin::prop::kHostIndex), 0);
  // List indices stay what they were.
  EXPECT_EQ(skin::prop::Read(button, skin::prop::kIndex), 1);
  EXPECT_EQ(skin::prop::Read(edit, skin::prop::kIndex), 1);
  EXPECT_EQ(skin::prop::Read(common, skin::prop::kControlIndex), 1);
  // The released window's own properties are left as they were.
  EXPECT_EQ(skin::prop::Read(firstButton, skin::prop::kHostIndex), 1);
  EXPECT_EQ(skin::FindSkinWindow(first), 0);
}

TEST_F(RenumberTest, AnIndexOutsideTheTableRemovesNothing) {
  for (int outside : {0, -1, 3}) skin::RemoveSkinWindow(outside);
  EXPECT_EQ(skin::SkinWindowTable.Count(), 2);
  EXPECT_EQ(skin::prop::Read(second, skin::prop::kIndex), 2);
  EXPECT_EQ(skin::prop::Read(button, skin::prop::kHostIndex), 2);
}

}  // namespace
