#include "aboutbox/frmAbout.h"

#include "aboutbox/HelpText.h"
#include "aboutbox/frmHelp.h"
#include "core/TimerState.h"
#include "core/Twips.h"
#include "core/Version.h"
#include "widgets/AccessibleRole.h"
#include "widgets/DesignFonts.h"
#include "widgets/DialogPlacement.h"
#include "widgets/FittedLabel.h"
#include "widgets/WidgetHelpers.h"
#include "windowing/ScreenDpi.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace tempiro {

namespace aboutbox {

QString versionText() {
    return frmAbout::tr("Version %1.%2.%3")
        .arg(version::kMajor)
        .arg(version::kMinor)
        .arg(version::kRevision);
}

QPixmap icon(const QSize& size) {
    // A clock face with its hands near the end of the hour: the program at a glance.
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(size.width(), size.height()) - 2;
    const QRectF face((size.width() - side) / 2, (size.height() - side) / 2, side, side);
    painter.setPen(QPen(QColor(192, 0, 192), side / 12));
    painter.setBrush(Qt::black);
    painter.drawEllipse(face);
    const QPointF centre = face.center();
    painter.setPen(QPen(QColor(0, 255, 0), side / 14, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(0, -side * 0.36));
    painter.setPen(QPen(QColor(255, 255, 0), side / 14, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-side * 0.22, -side * 0.12));
    return picture;
}

} // namespace aboutbox

namespace {

const QString kMsInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");

QFont sized(QFont font, double points, bool bold) {
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

frmAbout::frmAbout(const platform::Services& services, QWidget* owner)
    : widgets::DesignDialog(owner, QStringLiteral("frmAbout"))
    , m_services(services) {
    createControls();
}

void frmAbout::createControls() {
    const double dpi = windowing::screenDpi();
    auto place = [dpi](QWidget* widget, double left, double top, double width, double height) {
        widgets::placeInTwips(*widget, left, top, width, height, dpi);
    };
    widgets::fixSizeInTwips(*this, 5730, 3510, dpi);

    picIcon = new QLabel(this);
    place(picIcon, -15, -15, 660, 765);
    picIcon->setPixmap(aboutbox::icon(QSize(44, 51)));
    picIcon->setAlignment(Qt::AlignCenter);

    Picture1 = new QFrame(this);
    // The title band is read as one text, title, version and address, when the box opens:
    // Orca reads a dialog's loose texts of three words or more, which the version and the
    // address alone are not. The title labels the band, so that it is not read twice.
    widgets::setAccessibleRole(*Picture1, QAccessible::StaticText);
    place(Picture1, 645, -15, 5085, 765);
    lblTitle = new QLabel(Picture1);
    lblTitle->setFont(sized(font(), 12, true));
    place(lblTitle, 15, 75, 4890, 390);
    lblVersion = new QLabel(Picture1);
    lblVersion->setFont(sized(font(), 9.75, false));
    place(lblVersion, 15, 450, 2250, 225);
    lblWeb = new QLabel(aboutbox::kWebSite, Picture1);
    lblTitle->setBuddy(Picture1);
    lblWeb->setFont(sized(font(), 9.75, false));
    place(lblWeb, 2640, 450, 2250, 270);

    lblDescription = new QLabel(this);
    lblDescription->setWordWrap(true);
    widgets::setTextColour(*lblDescription, Qt::black);
    place(lblDescription, 240, 930, 5295, 975);

    cmdHelp = new QPushButton(tr("&Help"), this);
    cmdHelp->setToolTip(tr("Press to exit screen."));
    place(cmdHelp, 4290, 1200, 1260, 345);

    lblCopyright = new QLabel(this);
    lblCopyright->setFont(sized(font(), 8.25, true));
    place(lblCopyright, 240, 2055, 2985, 225);
    lblRights = new QLabel(this);
    place(lblRights, 3315, 2070, 2160, 225);

    Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    place(Line1, 240, 2408, 5325, 15);
    widgets::setAccessibleRole(*Line1, QAccessible::Separator);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setToolTip(tr("Press to exit screen."));
    place(cmdOK, 4290, 2550, 1260, 345);

    Label1 = new QLabel(QString(), this);
    Label1->setFont(widgets::designFont(widgets::kSmallFonts, 7));
    Label1->setWordWrap(true);
    place(Label1, 225, 2580, 3975, 780);

    lblDisclaimer = new QLabel(tr("Warning: ..."), this);
    lblDisclaimer->setWordWrap(true);
    widgets::setTextColour(*lblDisclaimer, Qt::black);
    place(lblDisclaimer, 255, 2745, 3870, 525);

    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setToolTip(tr("Show Microsoft System information."));
    place(cmdSysInfo, 4290, 3000, 1245, 345);

    for (QPushButton* button : {cmdHelp, cmdOK, cmdSysInfo})
        button->setAutoDefault(false);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmAbout::cmdHelp_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Show() {
    showLoaded(myForm, &m_services.windows);
}

void frmAbout::Form_Load() {
    setWindowTitle(tr("About %1").arg(kProgramTitle));
    lblVersion->setText(aboutbox::versionText());
    lblTitle->setText(tr("Marrowby Software %1").arg(kProgramTitle));
    lblDescription->clear();
    lblCopyright->setText(tr("Copyright © 2026 Marrowby Software"));
    lblRights->setText(tr("Free to use and share."));
    Picture1->setAccessibleName(
        QStringList{lblTitle->text(), lblVersion->text(), lblWeb->text()}.join(
            QStringLiteral(", ")));
    for (QLabel* label : {lblTitle, lblVersion, lblWeb, lblCopyright, lblRights})
        widgets::fitCaptionWidth(*label, label->width());
    cmdSysInfo->setVisible(GetSysInfoPath(SysInfoPath));
    if (myForm)
        widgets::placeDialogBeside(*this, *myForm, m_services.windows);
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdHelp_Click() {
    frmHelp::Show(myForm ? myForm : parentWidget());
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    const bool started = m_sysInfoApp && m_sysInfoApp->executable == SysInfoPath
                             ? m_services.desktop.launch(*m_sysInfoApp, {}).started
                             : m_services.programs.start(SysInfoPath, {}).started;
    if (!started)
        m_services.messages.show(tr("System Information Is Unavailable At This Time") +
                                     QStringLiteral("\r\n") +
                                     tr("It can be installed as a Windows 95 Accessory"),
                                 kProgramTitle, platform::MessageBoxes::Icon::None);
}

bool frmAbout::GetKeyValue(platform::RegistryRoot root, const QString& keyName,
                           const QString& subKeyRef, QString& keyValue) {
    const std::optional<platform::RegistryKey> key = m_services.registry.openKey(root, keyName);
    if (!key) {
        keyValue.clear();
        return false;
    }
    const std::optional<platform::RegistryValue> value =
        m_services.registry.queryValue(*key, subKeyRef);
    m_services.registry.closeKey(*key);
    if (!value || value->type != platform::kRegSz) {
        keyValue.clear();
        return false;
    }
    keyValue = value->text;
    return true;
}

bool frmAbout::GetSysInfoPath(QString& path) {
    const auto machine = platform::RegistryRoot::LocalMachine;
    if (GetKeyValue(machine, kMsInfoKey, QStringLiteral("PATH"), path))
        return true;
    // Where there is no such registry, an installed system information program of the desktop.
    m_sysInfoApp.reset();
    for (const QString& name : aboutbox::kSystemInfoPrograms) {
        if (const auto app = m_services.desktop.forProgram(name);
            app && !app->executable.isEmpty()) {
            m_sysInfoApp = app;
            path = app->executable;
            return true;
        }
        const QString program = m_services.programs.findProgram(name);
        if (!program.isEmpty()) {
            path = program;
            return true;
        }
    }
    path.clear();
    return false;
}

} // namespace tempiro
