// The floor the timer is measured against: the least a Qt Widgets program can do that shows a
// time refreshed every 945 ms in a main window.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor Timer"));
    auto* label = new QLabel(&window);
    window.setCentralWidget(label);
    window.resize(352, 300);
    const auto show = [label] { label->setText(QDateTime::currentDateTime().toString()); };
    show();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, label, show);
    timer.start(945);
    window.show();
    return app.exec();
}
