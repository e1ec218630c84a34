#pragma once

#include "platform/Services.h"
#include "widgets/DesignDialog.h"

#include <optional>

class QLabel;
class QPushButton;
class QFrame;

namespace tempiro {

// The About box: title, version, copyright, the maker's web site, and the Help and System Info
// buttons. Placed beside the main window; one at a time, modeless.
class frmAbout : public widgets::DesignDialog {
    Q_OBJECT
public:
    frmAbout(const platform::Services& services, QWidget* owner);

    QWidget* myForm = nullptr;
    QString SysInfoPath;

    // Loads the box the first time, then shows it or brings it forward.
    void Show();
    void Form_Load() override;
    void cmdOK_Click();
    void cmdHelp_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();
    bool GetSysInfoPath(QString& path);
    bool GetKeyValue(platform::RegistryRoot root, const QString& keyName, const QString& subKeyRef,
                     QString& keyValue);

    QLabel* picIcon = nullptr;
    QFrame* Picture1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblWeb = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdHelp = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblRights = nullptr;
    QFrame* Line1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdSysInfo = nullptr;

private:
    void createControls();

    platform::Services m_services;
    // The desktop entry of the system information program, when it has one.
    std::optional<platform::DesktopApp> m_sysInfoApp;
};

namespace aboutbox {
// System information programs looked for, in this order: through their desktop entries, else
// on the search path.
inline const QStringList kSystemInfoPrograms = {QStringLiteral("hardinfo"),
                                                QStringLiteral("kinfocenter"),
                                                QStringLiteral("gnome-system-monitor")};
QString versionText();
QPixmap icon(const QSize& size);
} // namespace aboutbox

} // namespace tempiro
