// The floor the timer is measured against: the least a Qt Widgets program can do that shows a
// time refreshed every 945 ms.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("Floor Timer"));
    label.resize(352, 300);
    const auto show = [&] { label.setText(QDateTime::currentDateTime().toString()); };
    show();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &label, show);
    timer.start(945);
    label.show();
    return app.exec();
}
