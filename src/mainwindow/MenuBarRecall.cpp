#include "mainwindow/MenuBarRecall.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QWidget>
#include <utility>

namespace tempiro::mainwindow {

MenuBarRecall::MenuBarRecall(QWidget& margin, std::initializer_list<QWidget*> keys,
                             std::function<void()> click, std::function<bool()> hidden,
                             std::function<void()> enter)
    : QObject(&margin)
    , m_margin(margin)
    , m_click(std::move(click))
    , m_hidden(std::move(hidden))
    , m_enter(std::move(enter)) {
    margin.installEventFilter(this);
    for (QWidget* widget : keys)
        widget->installEventFilter(this);
    connect(new QShortcut(QKeySequence(Qt::Key_F10), margin.window()), &QShortcut::activated, this,
            [this] {
                if (m_hidden())
                    m_click();
                m_enter();
            });
}

bool MenuBarRecall::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        m_altAlone = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt;
    } else if (event->type() == QEvent::KeyRelease &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
        // A key a control leaves unhandled reaches the window too: act on the first only.
        if (std::exchange(m_altAlone, false) && m_hidden())
            m_click();
    } else if (watched == &m_margin && event->type() == QEvent::MouseButtonPress) {
        // Only the window's own background: the margin around the frame.
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton && !m_margin.childAt(press->position().toPoint()))
            m_click();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tempiro::mainwindow
