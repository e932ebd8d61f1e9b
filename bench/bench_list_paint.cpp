// List-control painting speed in TransparencyMode, in one run, each beside
// an unskinned twin's native paint:
//   - a 200 x 150 list box with 50 items, repainted through WM_PAINT
//     (ListControlSkinProc: the native items drawn over the tinted
//     background off screen, copied onto the list and into the host's
//     composition image);
//   - a tree view with 30 visible rows, painted by PaintTreeView.
// Goal: each skinned paint at most twice its twin's. Each side runs several
// rounds; the best round counts. DcCache's size, the process's GDI object
// count and the live GDI+ objects are printed over the leak check's paints
// of each (all must be unchanged).
#include <windows.h>
#include <commctrl.h>

#include "bench/api_profile.h"
#include "bench/bench_clock.h"
#include "bench/bench_leak_check.h"
#include "bench/bench_skin_window.h"

#include <cstdio>
#include <string>

#include "gdip/gdiplus_startup.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/lists/list_control_installer.h"
#include "tests/skin/lists/list_host.h"

namespace {

constexpr int kFrameWidth = 570, kFrameHeight = 450;
constexpr int kCallsPerRound = 100;
constexpr int kRounds = 3;
constexpr double kGoal = 2.0;
constexpr int kListItems = 50;
constexpr int kTreeRows = 30;

HWND Child(HWND parent, const char* cls, DWORD style, DWORD exStyle, int x, int y, int w, int h) {
  return CreateWindowExA(exStyle, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

void FillList(HWND list) {
  for (int i = 1; i <= kListItems; ++i) {
    const std::string text = "item " + std::to_string(i);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

// Five top-level items, each expanded with five children: 30 visible rows.
void FillTree(HWND tree) {
  TVINSERTSTRUCTA insert{};
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  for (int i = 1; i <= kTreeRows / 6; ++i) {
    std::string text = "folder " + std::to_string(i);
    insert.hParent = TVI_ROOT;
    insert.item.pszText = text.data();
    const auto parent = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    for (int j = 1; j <= 5; ++j) {
      std::string child = "file " + std::to_string(i) + "." + std::to_string(j);
      insert.hParent = parent;
      insert.item.pszText = child.data();
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
    }
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  }
}

// A skinned frame in TransparencyMode holding the list box and the tree,
// and a plain frame holding their unskinned twins.
struct Stage {
  HWND frame = nullptr;
  HWND plainFrame = nullptr;
  HWND list = nullptr;
  HWND tree = nullptr;
  HWND listTwin = nullptr;
  HWND treeTwin = nullptr;

  Stage() {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    skin::SkinChildControls = 1;
    skin::TransparencyMode = 1;
    skin::GlobalAlpha = 160;
    skin::AccentColour = 0xDDCA22;
    frame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, kFrameWidth, kFrameHeight, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    plainFrame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 600, 0, kFrameWidth, kFrameHeight,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    quillora_test::AnswerListColours(frame);
    const DWORD treeStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_VSCROLL;
    list = Child(frame, "ListBox", WS_VSCROLL, WS_EX_CLIENTEDGE, 20, 20, 200, 150);
    tree = Child(frame, WC_TREEVIEWA, treeStyle, WS_EX_CLIENTEDGE, 250, 20, 300, 420);
    listTwin = Child(plainFrame, "ListBox", WS_VSCROLL, WS_EX_CLIENTEDGE, 20, 20, 200, 150);
    treeTwin = Child(plainFrame, WC_TREEVIEWA, treeStyle, WS_EX_CLIENTEDGE, 250, 20, 300, 420);
    FillList(list);
    FillList(listTwin);
    FillTree(tree);
    FillTree(treeTwin);

    const int index = bench::AddWhiteSkinWindow(frame, kFrameWidth, kFrameHeight);
    skin::SkinListControls(index, frame);
  }

  ~Stage() {
    skin::SkinWindowRecord& record = skin::SkinWindowTable.At(1);
    record.backgroundDc.reset();
    record.compositionDc.reset();
    DestroyWindow(frame);
    DestroyWindow(plainFrame);
    skin::SkinWindowTable.Clear();
  }
};

// One client paint, through the window's own WM_PAINT.
void PaintOnce(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // figures appear as they come
  gdip::StartGdiplus();
  int status = 0;
  {
    Stage stage;
    PaintOnce(stage.list);  // warm up what the system allocates once
    PaintOnce(stage.tree);
    PaintOnce(stage.listTwin);
    PaintOnce(stage.treeTwin);
    const int visible = static_cast<int>(SendMessageA(stage.tree, TVM_GETVISIBLECOUNT, 0, 0));

    const double list = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { PaintOnce(stage.list); });
    const double listNative = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { PaintOnce(stage.listTwin); });
    const double tree = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { PaintOnce(stage.tree); });
    const double treeNative = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { PaintOnce(stage.treeTwin); });

    bench::PrintRatioRow("list box 200x150, 50 items, skinned paint", list, "unskinned twin", listNative);
    char label[96];
    std::snprintf(label, sizeof label, "tree, %d rows (%d whole in view), skinned", kTreeRows, visible);
    bench::PrintRatioRow(label, tree, "unskinned twin", treeNative);
    bench::PrintGoal("list box paint / unskinned twin", list / listNative, kGoal);
    bench::PrintGoal("tree paint / unskinned twin", tree / treeNative, kGoal);

    if (!bench::LeakCheck("list box paints:", [&] { PaintOnce(stage.list); })) status = 1;
    if (!bench::LeakCheck("tree paints:", [&] { PaintOnce(stage.tree); })) status = 1;
    bench::Profile("list box paint, skinned", 50, [&] { PaintOnce(stage.list); });
    bench::Profile("list box paint, unskinned twin", 50, [&] { PaintOnce(stage.listTwin); });
    bench::Profile("tree paint, skinned", 10, [&] { PaintOnce(stage.tree); });
    bench::Profile("tree paint, unskinned twin", 10, [&] { PaintOnce(stage.treeTwin); });
  }
  gdip::ShutdownGdiplus();
  return status;
}
