#pragma once

#include <QAccessible>

class QWidget;

namespace tempiro::widgets {

// Shows a widget to a screen reader in another role than its class would give it: a frame that
// only groups lines or draws a line is no window to the user (Qt exposes every QFrame as one,
// and Orca then says "frame"), and a dialog's status line is a status bar rather than a loose
// label that Orca reads with the dialog's name. A label keeps its text as its name.
void setAccessibleRole(QWidget& widget, QAccessible::Role role);

} // namespace tempiro::widgets
