#include "aboutbox/frmHelp.h"

#include "aboutbox/HelpText.h"
#include "core/Twips.h"
#include "widgets/DesignFonts.h"
#include "widgets/WidgetHelpers.h"
#include "windowing/ScreenDpi.h"

#include <QPlainTextEdit>
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

// What the help text leaves out: the keys, and the ways to reach the timer from outside its
// window.
const char* const kMoreHelp = QT_TRANSLATE_NOOP(
    "tempiro::frmHelp",
    "\n=============Keys and More====================\n"
    "  F10, or Alt pressed alone -> opens the menus (showing a hidden menu bar first).\n"
    "  Pause or Ctrl+P -> pauses or resumes the timer.\n"
    "  Space or Enter on the time line -> pauses or resumes, as a click does.\n"
    "  Display Menu -> Notification Area Icon: the time left in the panel, with a menu to show\n"
    "    the timer, pause it, set the alarm or quit.\n"
    "  Tools Menu -> Keep Computer Awake Near the End: no sleep or screen-off from the first\n"
    "    warning until a minute after the end.\n"
    "  Command line: tempiro --in 10m --title Tea sets the timer, started or running;\n"
    "    tempiro --help lists every command.");

} // namespace

frmHelp::frmHelp(QWidget* owner)
    : widgets::DesignDialog(owner, QStringLiteral("frmHelp"), false) {
    setWindowTitle(tr("Tempiro Timer Help"));
    const double dpi = windowing::screenDpi();
    widgets::fixSizeInTwips(*this, 6900, 6810, dpi);

    // A read-only text with a caret rather than a label, so that a screen reader reads it line
    // by line; on the dialog's own background, as a label would be.
    lblDescription = new QPlainTextEdit(this);
    lblDescription->setReadOnly(true);
    lblDescription->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                            Qt::TextSelectableByMouse);
    lblDescription->setFrameShape(QFrame::NoFrame);
    lblDescription->setAccessibleName(windowTitle());
    QPalette palette = lblDescription->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    palette.setColor(QPalette::Text, Qt::black);
    lblDescription->setPalette(palette);
    widgets::placeInTwips(*lblDescription, 105, 120, 6705, 6240, dpi);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setToolTip(tr("Press to exit screen."));
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
    window->lblDescription->setFocus();
    return window;
}

void frmHelp::Form_Load() {
    m_text = lines(1, aboutbox::kFirstPartLines);
    m_text += lines(aboutbox::kFirstPartLines + 1, aboutbox::kLineCount);
    lblDescription->setPlainText(QString(m_text).replace(kLineBreak, QStringLiteral("\n")) +
                                 tr(kMoreHelp));
}

void frmHelp::cmdOK_Click() {
    close();
}

} // namespace tempiro
