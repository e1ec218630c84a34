#pragma once

#include "core/Twips.h"
#include "platform/WindowControl.h"

#include <QMargins>
#include <QRect>
#include <QtGlobal>

class QWidget;

namespace tempiro::widgets {

// Dialogs open beside the main window, never over it: to its right when that fits on the
// screen, else to its left, below or above it, and as a last resort in the screen's top-left
// corner.
inline constexpr double kRightGap = 20; // twips between the main window and a dialog on its right
inline constexpr qint16 kGap = 100;     // twips a dialog is shifted along the other sides

struct Place {
    float left = 0;
    float top = 0;
    bool leaveTopmost = false; // the corner: out of the topmost band
    bool operator==(const Place&) const = default;
};

// Where the dialog goes; its left must already hold the place right of the owner. Each side is
// tested on its own axis only, with sums rounded to single precision.
Place besideOwner(const TwipsRect& dialog, const TwipsRect& owner, float screenWidth,
                  float screenHeight, qint16 gap);

// The dialog's first place, to the right of the owner with the tops level.
Place rightOf(const TwipsRect& owner);

// A window's outer rectangle in pixels. A window not shown yet has no frame of its own: it is
// given `expectedFrame`, the frame the window manager put round the owner.
QRect outerRect(const QRect& geometry, const QRect& frameGeometry, const QMargins& expectedFrame);

// Moves a dialog beside its owner on the owner's screen, as besideOwner decides; the dialog's
// current left must already be the place right of the owner.
void PlaceBesideOwner(QWidget& dialog, const QWidget& owner, qint16 gap,
                      platform::WindowControl& windows);

// The first two steps of a dialog's placement: right of the owner, then PlaceBesideOwner.
void placeDialogBeside(QWidget& dialog, const QWidget& owner, platform::WindowControl& windows);

// Places a dialog just shown once more when its own frame turns out other than the owner's:
// the window manager tells it only after the window is shown.
void placeAgainOnceFramed(QWidget& dialog, const QWidget& owner, platform::WindowControl& windows);

} // namespace tempiro::widgets
