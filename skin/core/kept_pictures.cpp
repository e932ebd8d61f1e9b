#include "skin/core/kept_pictures.h"

#include "skin/core/engine_globals.h"

namespace skin {

namespace {

void ForgetWindowPictures(SkinWindowRecord& record) {
  for (const DecodedPicture& picture : record.keptPictures) picture.Forget();
  for (const CaptionButtonRecord& button : record.captionButtons) button.decoded.Forget();
  record.faceImage.ForgetDecodedPieces();
  for (const ButtonRecord& button : record.buttons) {
    button.face.ForgetDecodedPieces();
    for (const DecodedPicture& picture : button.statePictures) picture.Forget();
    button.captionKit.Forget();
  }
  for (const ContainerRecord& container : record.containers) container.titleKit.Forget();
  for (const TrackbarRecord& trackbar : record.trackbars) {
    trackbar.thumbImage.ForgetDecodedPieces();
    trackbar.channelImage.ForgetDecodedPieces();
    trackbar.fillImage.ForgetDecodedPieces();
  }
  for (ProgressRecord& bar : record.progressBars) {
    bar.shinePicture.Forget();
    bar.shineSurface.reset();  // a GDI+ bitmap and graphics
  }
  for (ControlRecord& control : record.controls) control.toolbarKit.reset();  // GDI+ font, format, brushes
  record.backgroundPicture.Forget();
  record.shadowPicture.Forget();
  for (const BottomBarItem& item : record.bottomItems) item.decoded.Forget();
}

}  // namespace

void ForgetKeptPictures() {
  for (const std::unique_ptr<SkinWindowRecord>& record : SkinWindowTable) {
    if (record) ForgetWindowPictures(*record);
  }
  GlyphStrip.ForgetDecodedPieces();
  for (TreeIconSet& set : TreeIconSets) set.icons.ForgetDecodedPieces();
  for (const std::unique_ptr<MenuRecord>& menu : MenuTable) {
    if (menu) menu->checkMark.Forget();
  }
}

}  // namespace skin
