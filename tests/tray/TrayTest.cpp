#include "fakes/FakeTimer.h"
#include "tray/TrayIcon.h"
#include "tray/TrayItem.h"

#include <QAction>
#include <QPainter>
#include <gtest/gtest.h>

using namespace tempiro;

namespace {

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40 && a.alpha() > 200;
}

} // namespace

// Each state reads at every size a panel asks for: the share in the state's colour from twelve
// o'clock, the rest dark, the pause bars and the expiry's plus in white. With
// TEMPIRO_ICON_SHEET set, the pictures are also written there as one sheet to look at.
TEST(TrayIcon, EachStateReadsAtEverySize) {
    const QColor green(36, 168, 64), yellow(240, 184, 0), red(214, 36, 36);
    const struct {
        TimerStatus status;
        QColor upperRight, lowerLeft, centreLeft;
    } cases[] = {
        {{"", "", LineColour::Green, false, false, 15}, green, Qt::transparent, Qt::transparent},
        {{"", "", LineColour::Yellow, false, false, 45}, yellow, yellow, Qt::transparent},
        {{"", "", LineColour::Yellow, true, false, 15}, yellow, Qt::transparent, Qt::white},
        {{"", "", LineColour::Red, false, false, 60}, red, red, Qt::white},
        {{"", "", LineColour::Green, false, true, 15}, green, green, Qt::transparent}, // the ring
    };
    const int sizes[] = {16, 24, 32};
    QImage sheet(40 * 3, 40 * int(std::size(cases)), QImage::Format_ARGB32);
    sheet.fill(QColor(200, 200, 200));
    QPainter onSheet(&sheet);
    for (int row = 0; row < int(std::size(cases)); ++row) {
        const auto& c = cases[row];
        for (int column = 0; column < 3; ++column) {
            const int n = sizes[column];
            const QImage icon = tray::drawTrayIcon(c.status, n);
            onSheet.drawImage(column * 40 + 4, row * 40 + 4, icon);
            const auto at = [&](double x, double y) { return icon.pixelColor(x * n, y * n); };
            const auto expect = [&](QColor want, QColor got, const char* where) {
                if (want == Qt::transparent) // the dark track, or nothing drawn there
                    EXPECT_TRUE(got.alpha() < 200 || got.value() < 60) << where << " row " << row;
                else
                    EXPECT_TRUE(near(got, want)) << where << " row " << row << " at " << n;
            };
            expect(c.upperRight, at(0.78, 0.22), "upper right");
            expect(c.lowerLeft, at(0.22, 0.78), "lower left");
            if (c.centreLeft == Qt::white) {
                EXPECT_TRUE(near(at(0.36, 0.47), Qt::white)) << "mark, row " << row << " at " << n;
            }
        }
    }
    if (const QString path = qEnvironmentVariable("TEMPIRO_ICON_SHEET"); !path.isEmpty())
        sheet.save(path);
}

// The item's tooltip follows the timer; its picture is drawn again only when it changes; its
// menu pauses and resumes the timer.
TEST(TrayItem, FollowsTheTimerAndDrivesIt) {
    platform::FakeTimer started;
    Timer& timer = started.timer;
    timer.tick();
    tray::TrayItem item(timer);
    EXPECT_EQ(item.icon().toolTip(), "Tempiro Timer\n02:00:00 left, ends Tue 11:30 AM");
    const qint64 picture = item.icon().icon().cacheKey();
    started.fake.clock.advanceSeconds(1);
    timer.tick();
    EXPECT_EQ(item.icon().toolTip(), "Tempiro Timer\n01:59:59 left, ends Tue 11:30 AM");
    EXPECT_EQ(item.icon().icon().cacheKey(), picture) << "the same picture, not drawn again";

    QAction* pause = item.menu().actions().at(1);
    pause->trigger();
    EXPECT_TRUE(timer.state().bPaused);
    EXPECT_EQ(pause->text(), "Resume");
    EXPECT_EQ(item.icon().toolTip(), "Tempiro Timer\npaused");
    EXPECT_NE(item.icon().icon().cacheKey(), picture);
    pause->trigger();
    EXPECT_FALSE(timer.state().bPaused);
    EXPECT_EQ(pause->text(), "Pause");
}
