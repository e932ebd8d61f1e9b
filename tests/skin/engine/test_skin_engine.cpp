// Engine start-up: defaults, the engine's window classes, the glyph strip;
// the process-wide options; the working-set trim.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "gdip/gdiplus_startup.h"
#include "skin/core/engine_globals.h"
#include "skin/core/working_set.h"
#include "skin/engine/skin_engine.h"

namespace {

class SkinEngineTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { skin::InitSkinEngine(); }
  static void TearDownTestSuite() { gdip::ShutdownGdiplus(); }
};

TEST_F(SkinEngineTest, StartUpSetsTheDefaults) {
  EXPECT_NE(skin::GdiplusTokenCopy, 0u);
  EXPECT_EQ(skin::GdiplusTokenCopy, gdip::GdiplusToken);
  EXPECT_NE(skin::AppIcon, nullptr);
  EXPECT_EQ(skin::WorkingSetTrimOff, 1);
  EXPECT_EQ(skin::FirstSizePending, 1);
  EXPECT_EQ(skin::SkinChildControls, 1);
  EXPECT_EQ(skin::GlobalAlpha, 160);
  EXPECT_EQ(skin::AccentColour, 0xDDCA22u);
  EXPECT_EQ(skin::TrackbarPanel, 1);
  EXPECT_EQ(skin::ListHoverTracking, 0);
  EXPECT_EQ(skin::TransparencyMode, 0);
  EXPECT_EQ(skin::ThemeColour, 0u);
  EXPECT_EQ(skin::ThemeMode, 0);
  EXPECT_TRUE(skin::ThemeBackground.empty());
  EXPECT_EQ(skin::SkinWindowTable.Count(), 0);
  EXPECT_TRUE(skin::CustomDrawTable.empty());
  EXPECT_TRUE(skin::BrushOwners.empty());
  EXPECT_TRUE(skin::FadeList.empty());
  EXPECT_TRUE(skin::MenuTable.empty());
  EXPECT_NE(skin::HandCursor, nullptr);
  EXPECT_NE(skin::IBeamCursor, nullptr);
  EXPECT_NE(skin::SizeWeCursor, nullptr);
}

TEST_F(SkinEngineTest, GlyphStripHoldsSixCheckBoxGlyphs) {
  ASSERT_EQ(skin::GlyphStrip.GetCount(), 6);
  EXPECT_EQ(skin::GlyphStrip.GetTotalWidth(), 131);
  EXPECT_EQ(skin::GlyphStrip.GetTotalHeight(), 16);
  for (int piece = 1; piece <= 6; ++piece) {
    EXPECT_EQ(skin::GlyphStrip.GetPieceWidth(piece), 21) << piece;
    EXPECT_EQ(skin::GlyphStrip.GetPieceHeight(piece), 16) << piece;
    EXPECT_FALSE(skin::GlyphStrip.GetPiece(piece).empty()) << piece;
  }
}

TEST_F(SkinEngineTest, EngineClassesHaveTheEngineLook) {
  for (const char* name : {"yinyWindow", "hbfcWindow"}) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), name, &info)) << name;
    EXPECT_EQ(info.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS)) << name;
    EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)) << name;
    EXPECT_EQ(info.lpszMenuName, nullptr) << name;
    EXPECT_EQ(info.cbClsExtra, 0) << name;
    EXPECT_EQ(info.cbWndExtra, 0) << name;
    EXPECT_EQ(info.hIcon, skin::AppIcon) << name;
    EXPECT_EQ(info.hCursor, LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))) << name;
  }
  // The canvas class only passes messages on: a window of it works as a
  // plain window.
  HWND canvas = CreateWindowExA(0, "hbfcWindow", "canvas", WS_POPUP, 0, 0, 10, 10, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(canvas, nullptr);
  char text[16] = {};
  GetWindowTextA(canvas, text, sizeof text);
  EXPECT_STREQ(text, "canvas");
  DestroyWindow(canvas);
}

TEST_F(SkinEngineTest, RegisteringAClassTwiceReportsFailure) {
  EXPECT_TRUE(skin::RegisterSkinWindowClass("quilloraTestClass", DefWindowProcA));
  EXPECT_FALSE(skin::RegisterSkinWindowClass("quilloraTestClass", DefWindowProcA));
  UnregisterClassA("quilloraTestClass", GetModuleHandleA(nullptr));
}

TEST(SkinOptionsTest, OptionsSetTheProcessWideSwitches) {
  struct Case {
    const char* name;
    int skinChildControls;
    std::optional<int> alpha, trackbarPanel;
    int globalAlpha, transparencyMode, trackbarPanelAfter;
  } cases[] = {
      {"nothing given", 1, std::nullopt, std::nullopt, 160, 0, 1},
      {"alpha given", 1, 100, std::nullopt, 100, 1, 1},
      {"alpha 0 still turns translucency on", 1, 0, std::nullopt, 0, 1, 1},
      {"panel off", 1, std::nullopt, 0, 160, 0, 0},
      {"everything given", 0, 255, 7, 255, 1, 7},
      {"child controls off only", 0, std::nullopt, std::nullopt, 160, 0, 1},
  };
  for (const Case& c : cases) {
    // Start from values no case leaves behind.
    skin::SkinChildControls = 9;
    skin::GlobalAlpha = 9;
    skin::TransparencyMode = 9;
    skin::TrackbarPanel = 9;
    skin::SetSkinOptions(c.skinChildControls, c.alpha, c.trackbarPanel);
    EXPECT_EQ(skin::SkinChildControls, c.skinChildControls) << c.name;
    EXPECT_EQ(skin::GlobalAlpha, c.globalAlpha) << c.name;
    EXPECT_EQ(skin::TransparencyMode, c.transparencyMode) << c.name;
    EXPECT_EQ(skin::TrackbarPanel, c.trackbarPanelAfter) << c.name;
  }
}

std::string HelperPathInWindowsFolder() {
  char windir[MAX_PATH] = {};
  GetEnvironmentVariableA("windir", windir, MAX_PATH);
  return std::string(windir) + "\\empty.exe";
}

// Counts this program's calls of the working-set trim, by pointing its
// import-table entries for it at a counting stand-in while the object lives.
class TrimCalls {
 public:
  TrimCalls() {
    calls_ = 0;
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return;
    for (auto* module = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         module->Name != 0; ++module) {
      if (module->OriginalFirstThunk == 0) continue;
      auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
      auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
      for (; names->u1.AddressOfData != 0; ++names, ++slots) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
        const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
        const std::string name = reinterpret_cast<const char*>(byName->Name);
        if (name != "EmptyWorkingSet" && name != "K32EmptyWorkingSet") continue;
        original_ = reinterpret_cast<Trim>(slots->u1.Function);
        Point(slots, reinterpret_cast<ULONG_PTR>(&Counted));
        patched_.push_back(slots);
      }
    }
  }
  ~TrimCalls() {
    for (IMAGE_THUNK_DATA* slot : patched_) Point(slot, reinterpret_cast<ULONG_PTR>(original_));
  }
  TrimCalls(const TrimCalls&) = delete;
  TrimCalls& operator=(const TrimCalls&) = delete;

  bool watching() const { return !patched_.empty(); }
  int made() const { return calls_; }

 private:
  using Trim = BOOL(WINAPI*)(HANDLE);

  static BOOL WINAPI Counted(HANDLE process) {
    ++calls_;
    return original_(process);
  }

  static void Point(IMAGE_THUNK_DATA* slot, ULONG_PTR to) {
    DWORD was = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &was);
    slot->u1.Function = to;
    VirtualProtect(slot, sizeof *slot, was, &was);
  }

  static inline int calls_ = 0;
  static inline Trim original_ = nullptr;
  std::vector<IMAGE_THUNK_DATA*> patched_;
};

TEST(TrimWorkingSetTest, TrimsInPlaceOnlyWhileSwitchedOnAndNeverWritesAProgram) {
  const std::string helper = HelperPathInWindowsFolder();
  ASSERT_EQ(GetFileAttributesA(helper.c_str()), INVALID_FILE_ATTRIBUTES);

  const TrimCalls trims;
  ASSERT_TRUE(trims.watching()) << "the program imports no working-set trim";
  skin::WorkingSetTrimOff = 1;
  skin::TrimWorkingSet();
  EXPECT_EQ(trims.made(), 0) << "switched off";
  skin::WorkingSetTrimOff = 0;
  skin::TrimWorkingSet();
  EXPECT_EQ(trims.made(), 1) << "switched on";
  skin::WorkingSetTrimOff = 1;

  EXPECT_EQ(GetFileAttributesA(helper.c_str()), INVALID_FILE_ATTRIBUTES);
}

// Last in this program: GDI+ goes down once, with the start-up token.
TEST_F(SkinEngineTest, ShutdownStopsGdiplusOnce) {
  ASSERT_NE(skin::GdiplusTokenCopy, 0u);
  skin::ShutdownSkinEngine();
  EXPECT_EQ(skin::GdiplusTokenCopy, 0u);
  EXPECT_EQ(gdip::GdiplusToken, 0u);
  skin::ShutdownSkinEngine();  // nothing left to stop
  EXPECT_EQ(gdip::GdiplusToken, 0u);
}

}  // namespace
