// The control skins that the core calls do nothing until they are built:
// no record is taken and no window is subclassed.
#include <gtest/gtest.h>

#include "skin/containers/control_skin.h"
#include "skin/containers/range_installers.h"
#include "skin/lists/list_installers.h"
#include "tests/support/skin_test_windows.h"

namespace {

using quillora_test::MakeChild;
using quillora_test::MakePopup;

template <class Record>
bool Untouched(const skin::ControlList<Record>& list) {
  return list.Count() == 1 && list.At(1).hwnd == nullptr;
}

TEST(ControlSkinStubsTest, InstallersLeaveTheWindowAsItWas) {
  quillora_test::SkinTableGuard guard;
  auto frame = MakePopup(0, 0, 300, 200);
  auto label = MakeChild(frame, 0, 90, 80, 24);
  const int index = quillora_test::AddSkinWindow(frame);

  skin::SkinTrackbars(index, frame);
  skin::SkinToolbars(index, frame);

  const skin::SkinWindowRecord& record = skin::SkinWindowTable.At(index);
  EXPECT_TRUE(Untouched(record.controls));
  for (HWND child : {label.get()}) {
    EXPECT_EQ(skin::prop::Read(child, skin::prop::kOldProc), 0);
    EXPECT_EQ(skin::prop::Read(child, skin::prop::kHostIndex), 0);
  }
}

}  // namespace
