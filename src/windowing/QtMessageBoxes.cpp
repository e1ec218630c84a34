#include "windowing/QtMessageBoxes.h"

#include <QMessageBox>

namespace tempiro::windowing {

void QtMessageBoxes::show(const QString& text, const QString& caption, Icon icon) {
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, caption,
                    text, QMessageBox::Ok);
    box.exec();
}

} // namespace tempiro::windowing
