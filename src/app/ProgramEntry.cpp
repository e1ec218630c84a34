#include "app/ProgramEntry.h"

#include "core/modMain.h"
#include "mainwindow/frmTempiro.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "widgets/DeferredIconStyle.h"

#include <QApplication>

namespace tempiro::app {

int Main(QApplication& app, const platform::Services& services) {
    // Trace lines are formed only when someone reads them (QT_LOGGING_RULES): otherwise every
    // tick would build text for nothing.
    modMain::bTrace = lcTrace().isDebugEnabled();
    modMain::bTraceErrors = modMain::bTrace;
    // One timer per user: two copies would each save over the other's alarm at their close.
    platform::SingleInstance instance;
    switch (instance.claim()) {
    case platform::SingleInstance::Outcome::AskedRunning:
        modMain::TraceLine(QStringLiteral("Already running: brought the running timer forward"));
        return 0;
    case platform::SingleInstance::Outcome::Unguarded:
        modMain::TraceLine(QStringLiteral("Running without the one-copy lock"));
        break;
    case platform::SingleInstance::Outcome::First:
        break;
    }
    // The style the user chose (or the desktop's), with the menu bar's overflow arrow loaded
    // only when it is drawn.
    QApplication::setStyle(new widgets::DeferredIconStyle(QApplication::style()));
    Timer timer(services);
    frmTempiro form(timer);
    QObject::connect(&instance, &platform::SingleInstance::showRequested, &form, [&] {
        modMain::TraceLine(QStringLiteral("Brought forward by a second start"));
        form.bringForward();
    });
    // A logout, a kill or the end of the desktop session closes the window as the user would,
    // so that the alarm is saved. A signal ends the run even while a message box waits for an
    // answer in its own event loop: leaving every loop lets the box return.
    platform::TerminationSignals termination;
    QObject::connect(&termination, &platform::TerminationSignals::terminationRequested, &form,
                     [&form] {
                         form.close();
                         QCoreApplication::exit(0);
                     });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, &QWidget::close);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form, &frmTempiro::Form_Unload);
    form.Form_Load();
    form.show();
    form.Form_Activate();
    return app.exec();
}

} // namespace tempiro::app
