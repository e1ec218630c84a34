#include "core/modMain.h"

#include "core/frmTempiro.h"

#include <QApplication>

Q_LOGGING_CATEGORY(lcTrace, "tempiro.trace", QtWarningMsg)

namespace modMain {

bool bTrace = false;
bool bTraceErrors = false;

void TraceLine(const QString& line) {
    qCDebug(lcTrace).noquote() << line;
}

int Main(QApplication& app, const platform::Services& services) {
    bTrace = true;
    bTraceErrors = true;
    frmTempiro form(services);
    form.Form_Load();
    form.show();
    form.Form_Activate();
    return app.exec();
}

} // namespace modMain
