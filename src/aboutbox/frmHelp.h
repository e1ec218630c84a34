#pragma once

#include "widgets/DesignDialog.h"

class QPlainTextEdit;
class QPushButton;

namespace tempiro {

// The help window: one fixed text, built when the window loads. One at a time, modeless.
class frmHelp : public widgets::DesignDialog {
    Q_OBJECT
public:
    // Shows the program's help window, loading it when it is not open; owner keeps it.
    static frmHelp* Show(QWidget* owner);
    // The open help window, if any.
    static frmHelp* instance();

    void Form_Load() override;
    void cmdOK_Click();

    // The help text as it was built, each line ended by CR LF, before the keys.
    const QString& text() const { return m_text; }

    QPlainTextEdit* lblDescription = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    explicit frmHelp(QWidget* owner);
    QString m_text;
};

} // namespace tempiro
