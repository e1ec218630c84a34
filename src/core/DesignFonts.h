#pragma once

#include <QString>

class QWidget;

// The windows are designed in two Windows fonts. Where they are missing, as on Linux, Qt would
// take the desktop's sans serif (DejaVu Sans), a good deal wider: Liberation Sans, which has
// Arial's widths, comes closer, and the desktop's choice stands when it is not installed.
namespace tempiro::fonts {

inline const QString kSansSerif = QStringLiteral("MS Sans Serif");
inline const QString kSmallFonts = QStringLiteral("Small Fonts");

// Registers the nearer fonts as substitutes of the design's; once per process is enough, more
// is harmless. Every window calls it before it builds its controls.
void useDesignFonts();

// Gives a window the design's window font, MS Sans Serif 8 points or its substitute, which its
// controls inherit.
void applyWindowFont(QWidget& window);

} // namespace tempiro::fonts
