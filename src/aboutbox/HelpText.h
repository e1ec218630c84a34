#pragma once

#include <QString>

namespace tempiro::aboutbox {

// The maker's web site, shown in the About box and opened from the Help menu.
inline const QString kWebSite = QStringLiteral("https://www.example.com/marrowby/");

inline constexpr int kLineCount = 37;
inline constexpr int kFirstPartLines = 17;

// The help text's lines in the user's language, each to be followed by CR LF.
QString line(int number); // 1 to kLineCount

} // namespace tempiro::aboutbox
