#pragma once

#include <QObject>
#include <functional>
#include <initializer_list>

class QEvent;
class QWidget;

namespace tempiro::mainwindow {

// With the menu bar hidden the menus are the way to everything else, so it comes back the ways
// users look for it: a click on the window's margin (which also hides it), F10, or Alt pressed
// and released alone. F10 also opens the first menu, shown or hidden, as on the desktops' own
// programs.
class MenuBarRecall : public QObject {
public:
    // `margin` is the window's client area, whose own background is the margin; `keys` are the
    // window and those of its controls whose key presses Alt alone must see. `click` is the
    // margin's click; `hidden` tells whether the menu bar is hidden now; `enter` opens its
    // first menu.
    MenuBarRecall(QWidget& margin, std::initializer_list<QWidget*> keys,
                  std::function<void()> click, std::function<bool()> hidden,
                  std::function<void()> enter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_margin;
    std::function<void()> m_click;
    std::function<bool()> m_hidden;
    std::function<void()> m_enter;
    bool m_altAlone = false; // Alt is down and no other key came since
};

} // namespace tempiro::mainwindow
