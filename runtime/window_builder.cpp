#include "runtime/window_builder.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "runtime/fatal_error.h"
#include "runtime/window_procedure.h"
#include "runtime/window_registry.h"
#include "runtime/window_runtime.h"

namespace rt {
namespace {

constexpr int kFirstControlId = 1000;  // clear of IDOK / IDCANCEL, which dialog keys send
constexpr UINT kFirstMenuItemId = 20000;

struct ClassAndStyle {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

const char* RichEditClass() {
  // The rich edit classes live in their DLL, loaded once for the process.
  static const HMODULE library = LoadLibraryA("riched20.dll");
  return library ? "RichEdit20A" : "EDIT";
}

ClassAndStyle ClassFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button:
      return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::CheckBox:
      return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::Label:
      return {"STATIC", SS_LEFT | SS_NOTIFY, 0};
    case ControlKind::Edit:
      return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::RichEdit:
      return {RichEditClass(), WS_TABSTOP, 0};
    case ControlKind::ProgressBar:
      return {PROGRESS_CLASSA, 0, 0};
    case ControlKind::GroupBox:
      return {"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT};
    default:
      return {nullptr, 0, 0};
  }
}

bool IsVisual(ControlKind kind) { return kind != ControlKind::MenuStyler && kind != ControlKind::Archive; }

void InitCommonControlsOnce() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)done;
}

UniqueFont MakeFont(const FontTemplate& font) {
  LOGFONTA face{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  if (!font.face.empty()) {
    lstrcpynA(face.lfFaceName, font.face.c_str(), LF_FACESIZE);
    face.lfCharSet = DEFAULT_CHARSET;
  }
  if (font.heightPixels > 0) {
    face.lfHeight = -font.heightPixels;
    face.lfWidth = 0;
  }
  face.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  face.lfItalic = font.italic ? TRUE : FALSE;
  face.lfUnderline = font.underline ? TRUE : FALSE;
  return UniqueFont(CreateFontIndirectA(&face));
}

HWND ParentHandle(WindowRecord& window, const ControlRecord& control) {
  if (control.definition.parent.empty()) return window.handle;
  const ControlRecord& box = ControlNamed(window, control.definition.parent);
  return box.handle;
}

void ApplyInitialState(ControlRecord& control) {
  HWND handle = control.handle;
  const HGDIOBJ font = control.font ? control.font.get() : GetStockObject(DEFAULT_GUI_FONT);
  SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  switch (control.definition.kind) {
    case ControlKind::CheckBox:
      SendMessageA(handle, BM_SETCHECK, control.definition.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlKind::ProgressBar:
      SendMessageA(handle, PBM_SETRANGE32, static_cast<WPARAM>(control.definition.rangeMin),
                   control.definition.rangeMax);
      SendMessageA(handle, PBM_SETPOS, static_cast<WPARAM>(control.definition.position), 0);
      break;
    default:
      break;
  }
}

bool CreateControl(WindowRecord& window, ControlRecord& control) {
  const ControlTemplate& definition = control.definition;
  const ClassAndStyle kind = ClassFor(definition.kind);
  if (!kind.className) return true;
  // Siblings clip each other, so where two share a place (a button hidden
  // behind another) the one made first, on top, is also the one drawn.
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style | definition.style;
  if (definition.visible) style |= WS_VISIBLE;
  if (!definition.enabled) style |= WS_DISABLED;
  control.handle = CreateWindowExA(
      kind.exStyle | definition.exStyle, kind.className, definition.caption.c_str(), style, definition.place.left,
      definition.place.top, definition.place.width, definition.place.height, ParentHandle(window, control),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), GetModuleHandleA(nullptr), nullptr);
  if (!control.handle) return false;
  if (definition.font) control.font = MakeFont(*definition.font);
  ApplyInitialState(control);
  if (definition.kind == ControlKind::GroupBox) RouteGroupBoxNotifications(control.handle);
  return true;
}

// Controls are made in template order, each once its group box exists, so
// a template may list a box after the controls it holds.
bool CreateControls(WindowRecord& window) {
  InitCommonControlsOnce();
  std::vector<ControlRecord>& controls = window.controls;
  for (std::size_t i = 0; i < window.definition.controls.size(); ++i) {
    ControlRecord& control = controls.emplace_back();
    control.definition = window.definition.controls[i];
    control.id = kFirstControlId + static_cast<int>(i);
    control.visible = control.definition.visible;
    control.enabled = control.definition.enabled;
    if (control.definition.kind == ControlKind::Archive) control.archive = std::make_shared<ArchiveState>();
  }
  std::vector<bool> made(controls.size(), false);
  for (bool progress = true; progress;) {
    progress = false;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      ControlRecord& control = controls[i];
      if (made[i] || !IsVisual(control.definition.kind)) continue;
      if (!control.definition.parent.empty() && !ControlNamed(window, control.definition.parent).handle) continue;
      if (!CreateControl(window, control)) return false;
      made[i] = progress = true;
    }
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (!made[i] && IsVisual(controls[i].definition.kind)) {
      const Text text =
          "控件 " + controls[i].definition.name + " 的容器 " + controls[i].definition.parent + " 不是分组框";
      ReportFatalError(text.c_str());
    }
  }
  return true;
}

// Popup menus for the top items; visible top items also go on a menu bar.
void BuildMenus(WindowRecord& window) {
  UINT nextId = kFirstMenuItemId;
  HMENU bar = nullptr;
  for (const MenuTemplate& top : window.definition.menu) {
    MenuRecord& menu = window.menus.emplace_back();
    menu.name = top.name;
    menu.caption = top.caption;
    menu.owner.reset(CreatePopupMenu());
    menu.popup = menu.owner.get();
    for (const MenuItemTemplate& itemDefinition : top.items) {
      MenuItemRecord& item = menu.items.emplace_back();
      item.definition = itemDefinition;
      if (itemDefinition.caption == "-") {
        AppendMenuA(menu.popup, MF_SEPARATOR, 0, nullptr);
        continue;
      }
      item.id = nextId++;
      AppendMenuA(menu.popup, MF_STRING | (itemDefinition.enabled ? 0u : MF_GRAYED), item.id,
                  itemDefinition.caption.c_str());
    }
    if (top.visible) {
      if (!bar) bar = CreateMenu();
      AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu.popup), top.caption.c_str());
      menu.owner.release();  // now destroyed with the bar, which the window destroys
    }
  }
  if (bar) SetMenu(window.handle, bar);
}

DWORD WindowStyle(const WindowTemplate& definition) {
  DWORD style = WS_SYSMENU | WS_CLIPSIBLINGS;
  switch (definition.frame) {
    case WindowFrame::None:
      style |= WS_POPUP;
      break;
    case WindowFrame::Fixed:
      style |= WS_OVERLAPPED | WS_CAPTION;
      break;
    case WindowFrame::Sizable:
      style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
      break;
  }
  if (definition.minimizeBox) style |= WS_MINIMIZEBOX;
  if (definition.maximizeBox) style |= WS_MAXIMIZEBOX;
  return style;
}

POINT WindowOrigin(const WindowTemplate& definition) {
  if (!definition.centred) return {definition.place.left, definition.place.top};
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left + (work.right - work.left - definition.place.width) / 2,
          work.top + (work.bottom - work.top - definition.place.height) / 2};
}

void BringToFront(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  if (!IsWindowVisible(window)) ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  BringWindowToTop(window);
}

// Runs messages until the modal window is gone, its owner disabled meanwhile.
void RunModal(const WindowPtr& window, HWND owner) {
  if (owner) EnableWindow(owner, FALSE);
  MSG message;
  while (window->handle) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the outer loop
      break;
    }
    DispatchOne(message);
  }
  if (owner && IsWindow(owner)) {
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
  }
}

}  // namespace

HWND LoadWindowFromTemplate(const WindowTemplate& definition, std::string_view parent, bool modal,
                            bool endsMessageLoop) {
  if (const WindowPtr open = FindWindowRecord(definition.name)) {
    BringToFront(open->handle);
    return open->handle;
  }
  const WindowPtr ownerRecord = parent.empty() ? nullptr : FindWindowRecord(parent);
  HWND owner = ownerRecord ? ownerRecord->handle : nullptr;

  auto window = std::make_shared<WindowRecord>();
  window->definition = definition;
  window->endsMessageLoop = endsMessageLoop;
  if (definition.background) window->background.reset(CreateSolidBrush(*definition.background));
  OpenWindows().push_back(window);

  const POINT origin = WindowOrigin(definition);
  const char* windowClass = RuntimeWindowClass();
  HWND handle = windowClass ? CreateWindowExA(0, windowClass, definition.caption.c_str(), WindowStyle(definition),
                                              origin.x, origin.y, definition.place.width, definition.place.height,
                                              owner, nullptr, GetModuleHandleA(nullptr), window.get())
                            : nullptr;
  if (!handle) {
    std::erase(OpenWindows(), window);
    return nullptr;
  }
  BuildMenus(*window);
  if (!CreateControls(*window)) {
    DestroyWindow(handle);
    return nullptr;
  }

  window->createdRaised = true;
  const WindowEvents& events = window->definition.events;
  if (events.created) events.created();
  if (window->handle && events.moved) events.moved();
  if (!window->handle) return nullptr;
  if (definition.visible) {
    ShowWindow(handle, SW_SHOW);
    UpdateWindow(handle);
  }
  if (modal) RunModal(window, owner);
  return window->handle;
}

HWND LoadWindow(const WindowTemplate& window, std::string_view parent, bool modal) {
  return LoadWindowFromTemplate(window, parent, modal, false);
}

}  // namespace rt
