#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

namespace tempiro::widgets {

// Says a short text through the screen reader without moving the focus or changing what is on
// the screen: an invisible child with the notification role that is shown with the text. Orca
// speaks a notification object that becomes showing, also while the focus stays in a text box;
// it drops name changes and alerts on plain labels.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    // The one announcer of a window, made when it is first needed.
    static Announcer& in(QWidget& window);
    void announce(const QString& text);
    const QString& text() const { return m_text; }
    // How long a text stays showing: long enough to be read, and then gone, so that a review
    // of the window later does not meet a spent message.
    static constexpr int kShownMilliseconds = 3000;

protected:
    void paintEvent(QPaintEvent*) override {}

private:
    QString m_text;
    QTimer m_spent;
};

} // namespace tempiro::widgets
