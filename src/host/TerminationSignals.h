#pragma once

#include <QObject>

class QSocketNotifier;

namespace tempiro::host {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface thread, so that a
// logout or a kill closes the program through its normal close path; the first signal asks
// once, any that follow change nothing. One instance at a time.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    void onReadable();
    QSocketNotifier* m_notifier = nullptr;
    bool m_requested = false;
};

} // namespace tempiro::host
