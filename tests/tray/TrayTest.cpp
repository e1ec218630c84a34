#include "fakes/FakeTimer.h"
#include "tray/TrayIcon.h"
#include "tray/TrayItem.h"

#include <QAction>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
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
    // On the sheet: a dark, a darker and a light panel, side by side.
    QImage sheet(40 * 9, 40 * int(std::size(cases)), QImage::Format_ARGB32);
    QPainter onSheet(&sheet);
    for (int panel = 0; panel < 3; ++panel)
        onSheet.fillRect(panel * 120, 0, 120, sheet.height(),
                         QColor(std::array<QRgb, 3>{0x353535, 0x2e3436, 0xf0f0f0}[panel]));
    for (int row = 0; row < int(std::size(cases)); ++row) {
        const auto& c = cases[row];
        for (int column = 0; column < 3; ++column) {
            const int n = sizes[column];
            const QImage icon = tray::drawTrayIcon(c.status, n);
            for (int panel = 0; panel < 3; ++panel)
                onSheet.drawImage(panel * 120 + column * 40 + 4, row * 40 + 4, icon);
            const auto at = [&](double x, double y) { return icon.pixelColor(x * n, y * n); };
            const auto expect = [&](QColor want, QColor got, const char* where) {
                if (want == Qt::transparent) // the dark track, or nothing drawn there
                    EXPECT_TRUE(got.alpha() < 200 || got.value() < 60) << where << " row " << row;
                else
                    EXPECT_TRUE(near(got, want)) << where << " row " << row << " at " << n;
            };
            expect(c.upperRight, at(0.75, 0.25), "upper right");
            expect(c.lowerLeft, at(0.25, 0.75), "lower left");
            if (c.centreLeft == Qt::white) {
                EXPECT_TRUE(near(at(0.36, 0.47), Qt::white)) << "mark, row " << row << " at " << n;
            }
        }
    }
    if (const QString path = qEnvironmentVariable("TEMPIRO_ICON_SHEET"); !path.isEmpty())
        sheet.save(path);
}

namespace {

double luminance(QColor c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

// The start of a long countdown (nothing filled yet) on dark and light panels at every size:
// the disc's outline stands out from the panel, and the unfilled disc from its outline, each
// by at least 3:1.
TEST(TrayIcon, TheEmptyDiscReadsOnDarkAndLightPanels) {
    const TimerStatus start{"", "", LineColour::Green, false, false, 0};
    for (const QColor panel : {QColor(0x353535), QColor(0x2e3436), QColor(0xf0f0f0)})
        for (const int n : {16, 22, 24, 32}) {
            QImage onPanel(n, n, QImage::Format_RGB32);
            onPanel.fill(panel);
            QPainter(&onPanel).drawImage(0, 0, tray::drawTrayIcon(start, n));
            // Down the middle from the top edge: the outline's two tones, then the disc.
            double edge = 1;
            for (int y = 0; y < n / 8 + 1; ++y)
                edge = std::max(edge, contrast(onPanel.pixelColor(n / 2, y), panel));
            const QColor disc = onPanel.pixelColor(n / 2, n / 2);
            EXPECT_GE(edge, 3) << panel.name().toStdString() << " at " << n;
            EXPECT_GE(std::max(contrast(disc, panel), contrast(disc, onPanel.pixelColor(n / 2, 0))),
                      3)
                << panel.name().toStdString() << " at " << n;
        }
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
