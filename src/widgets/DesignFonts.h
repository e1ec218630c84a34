#pragma once

#include <QString>

class QFont;
class QWidget;

// The windows are designed in two Windows fonts. Where they are missing, as on Linux, Qt would
// take the desktop's sans serif (DejaVu Sans), a good deal wider: Liberation Sans, which has
// Arial's widths, comes closer, and the desktop's choice stands when it is not installed.
namespace tempiro::widgets {

inline const QString kSansSerif = QStringLiteral("MS Sans Serif");
inline const QString kSmallFonts = QStringLiteral("Small Fonts");

// Registers the nearer fonts as substitutes of the design's; once per process is enough, more
// is harmless. Every window calls it before it builds its controls.
void useDesignFonts();

// The installed family that stands for a design family: the family itself where it is
// installed, else its first installed substitute, else the family (Qt's own fallback then). Fonts
// made with it skip Qt's search for a family that is not there.
QString installed(const QString& family);

// A font of a design family at the given size.
QFont designFont(const QString& family, double points, bool bold = false);

// Gives a window the design's window font, MS Sans Serif 8 points or its substitute, which its
// controls inherit.
void applyWindowFont(QWidget& window);

} // namespace tempiro::widgets
