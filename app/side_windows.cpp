#include "app/side_windows.h"

#include <windows.h>

#include "app/installer_skinning.h"
#include "app/installer_variables.h"
#include "app/side_window_texts.h"
#include "app/window_names.h"
#include "runtime/rich_edit.h"
#include "runtime/window_runtime.h"

namespace app {
namespace {

rt::WindowTemplate MakeSideWindow(std::string_view name, const rt::Text& text, rt::ActionHandler created,
                                  rt::ActionHandler moved, rt::ActionHandler back) {
  rt::ControlTemplate backButton;
  backButton.name = kBackButton;
  backButton.kind = rt::ControlKind::Button;
  backButton.place = {244, 412, 82, 26};
  backButton.caption = "返回";
  backButton.events.main = std::move(back);

  rt::ControlTemplate textEdit;
  textEdit.name = kSideTextEdit;
  textEdit.kind = rt::ControlKind::RichEdit;
  textEdit.place = {22, 40, 525, 359};
  textEdit.caption = text;
  textEdit.style = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_READONLY;  // word wrap
  textEdit.exStyle = WS_EX_STATICEDGE;                                        // thin sunken border

  rt::WindowTemplate window;
  window.name = name;
  window.caption = "软件简介";
  window.place = {0, 0, 570, 450};
  window.centred = true;
  window.frame = rt::WindowFrame::None;  // the skin draws the frame
  window.minimizeBox = false;
  window.maximizeBox = false;
  window.controls = {backButton, textEdit};
  window.events.created = std::move(created);
  window.events.moved = std::move(moved);
  return window;
}

// Moves a window to a screen place in one move. A window already there is
// left alone, so two windows that follow each other stop at once.
void MoveWindowTo(std::string_view window, POINT place) {
  HWND handle = rt::WindowHandleOf(window);
  RECT rect;
  if (!handle || !GetWindowRect(handle, &rect)) return;
  if (rect.left == place.x && rect.top == place.y) return;
  SetWindowPos(handle, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

POINT PlaceOf(std::string_view window) {
  RECT rect{};
  if (HWND handle = rt::WindowHandleOf(window)) GetWindowRect(handle, &rect);
  return {rect.left, rect.top};
}

void SideWindowCreated(std::string_view window, rt::CharFormat& format) {
  SkinSideWindow(window);
  MoveWindowTo(window, PlaceOf(kInstallerWindow));
  format.offsetPoints = 5;
  rt::SetRichEditDefaultFormat(window, kSideTextEdit, format);
}

// The installer window follows a side window that moves.
void SideWindowMoved(std::string_view window) { MoveWindowTo(kInstallerWindow, PlaceOf(window)); }

}  // namespace

const rt::WindowTemplate& IntroWindowTemplate() {
  static const rt::WindowTemplate window =
      MakeSideWindow(kIntroWindow, IntroText(), IntroWindowCreated, IntroWindowMoved, IntroBackClick);
  return window;
}

const rt::WindowTemplate& LicenceWindowTemplate() {
  static const rt::WindowTemplate window =
      MakeSideWindow(kLicenceWindow, LicenceText(), LicenceWindowCreated, LicenceWindowMoved, LicenceBackClick);
  return window;
}

void OpenSideWindow(const rt::WindowTemplate& window) { rt::LoadWindow(window, kInstallerWindow, false); }

void LicenceLabelMouseDown() { OpenSideWindow(LicenceWindowTemplate()); }

void IntroWindowCreated() { SideWindowCreated(kIntroWindow, IntroCharFormat); }
void LicenceWindowCreated() { SideWindowCreated(kLicenceWindow, LicenceCharFormat); }
void IntroWindowMoved() { SideWindowMoved(kIntroWindow); }
void LicenceWindowMoved() { SideWindowMoved(kLicenceWindow); }
void IntroBackClick() { rt::DestroyWindowNow(kIntroWindow); }
void LicenceBackClick() { rt::DestroyWindowNow(kLicenceWindow); }

}  // namespace app
