#include "aboutbox/frmHelp.h"

#include "aboutbox/HelpText.h"
#include "core/Twips.h"
#include "widgets/DesignFonts.h"
#include "widgets/FittedLabel.h"
#include "widgets/WidgetHelpers.h"
#include "windowing/ScreenDpi.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace tempiro {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// The program's one help window.
QPointer<frmHelp>& theHelpWindow() {
    static QPointer<frmHelp> window;
    return window;
}

QString lines(int first, int last) {
    QString text;
    for (int number = first; number <= last; ++number)
        text += aboutbox::line(number) + kLineBreak;
    return text;
}

} // namespace

frmHelp::frmHelp(QWidget* owner)
    : widgets::DesignDialog(owner, QStringLiteral("frmHelp"), false) {
    setWindowTitle(QStringLiteral("Tempiro Timer Help"));
    const double dpi = windowing::screenDpi();
    widgets::fixSizeInTwips(*this, 6900, 6810, dpi);

    lblDescription = new QLabel(QStringLiteral("App Description"), this);
    lblDescription->setTextFormat(Qt::PlainText);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widgets::setTextColour(*lblDescription, Qt::black);
    widgets::placeInTwips(*lblDescription, 105, 120, 6705, 6240, dpi);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setToolTip(QStringLiteral("Press to exit screen."));
    widgets::placeInTwips(*cmdOK, 2832, 6408, 1260, 345, dpi);
    connect(cmdOK, &QPushButton::clicked, this, &frmHelp::cmdOK_Click);
}

frmHelp* frmHelp::instance() {
    frmHelp* window = theHelpWindow();
    return window && window->isVisible() ? window : nullptr;
}

frmHelp* frmHelp::Show(QWidget* owner) {
    QPointer<frmHelp>& window = theHelpWindow();
    if (!window || !window->isVisible())
        window = new frmHelp(owner);
    window->showLoaded();
    return window;
}

void frmHelp::Form_Load() {
    lblDescription->setText(lines(1, aboutbox::kFirstPartLines));
    lblDescription->setText(lblDescription->text() +
                            lines(aboutbox::kFirstPartLines + 1, aboutbox::kLineCount));
    // The label does not scroll: a smaller font where the whole text would not fit.
    widgets::fitWrappedText(*lblDescription);
}

void frmHelp::cmdOK_Click() {
    close();
}

} // namespace tempiro
