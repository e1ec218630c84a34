#pragma once

#include <QAccessible>
#include <QString>

namespace tempiro::widgets {

// What a screen reader is told of the program's text boxes (line edits, the editable combo box's
// among them). Qt 6.4's own answer loops for ever when a reader asks for the word at the end of
// a box, which freezes the timer, and gives attribute runs of no length, so that the last
// character is never read. Installed once; every later text box is read through it.
void installTextBoxAccessibility();

// The piece of `text` at, before or after `offset` for a reader's boundary, with its start and
// end. At the end of the text the piece is empty; no question loops.
struct TextPiece {
    QString text;
    int start = 0;
    int end = 0;
};
enum class PieceWhere { Before, At, After };
TextPiece textPiece(const QString& text, int offset, QAccessible::TextBoundaryType boundary,
                    PieceWhere where);

} // namespace tempiro::widgets
