#include "widgets/DesignDialog.h"

#include "widgets/DesignFonts.h"
#include "widgets/DialogPlacement.h"
#include "widgets/TextBoxAccessible.h"

#include <utility>

namespace tempiro::widgets {

DesignDialog::DesignDialog(QWidget* owner, const QString& name, bool fixedSize)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint |
                         (fixedSize ? Qt::MSWindowsFixedSizeDialogHint : Qt::WindowFlags())) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    installTextBoxAccessibility();
    // The layouts are measured for the design's dialog font of 8 points.
    widgets::applyWindowFont(*this);
}

bool DesignDialog::showLoaded(const QWidget* owner, platform::WindowControl* windows) {
    const bool loading = !std::exchange(m_loaded, true);
    if (loading)
        Form_Load();
    show();
    if (loading && owner && windows)
        placeAgainOnceFramed(*this, *owner, *windows);
    raise();
    activateWindow();
    return loading;
}

} // namespace tempiro::widgets
