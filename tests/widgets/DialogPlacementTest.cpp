#include "widgets/DialogPlacement.h"

#include "fakes/FakePlatform.h"

#include <QDialog>
#include <QMainWindow>
#include <gtest/gtest.h>

using namespace tempiro;

using widgets::Place;

namespace {

// A 1024 x 768 screen at 96 dpi, in twips.
constexpr float kScreenWidth = 15360;
constexpr float kScreenHeight = 11520;
constexpr float kDialogWidth = 4050;
constexpr float kDialogHeight = 4400;

Place place(const TwipsRect& owner) {
    const Place right = widgets::rightOf(owner);
    const TwipsRect dialog{right.left, right.top, kDialogWidth, kDialogHeight};
    return widgets::besideOwner(dialog, owner, kScreenWidth, kScreenHeight, widgets::kGap);
}

} // namespace

TEST(DialogPlacement, ToTheRightWhenThereIsRoom) {
    EXPECT_EQ(place({1500, 1200, 5280, 4800}), (Place{1500 + 5280 + 20, 1200, false}));
}

TEST(DialogPlacement, ToTheLeftNearTheRightEdge) {
    EXPECT_EQ(place({9000, 1200, 5280, 4800}), (Place{9000 - kDialogWidth, 1300, false}));
}

TEST(DialogPlacement, BelowAWindowAsWideAsTheScreen) {
    EXPECT_EQ(place({0, 1200, kScreenWidth, 4800}), (Place{100, 6000, false}));
}

TEST(DialogPlacement, AboveWhenOnlyThatIsLeft) {
    EXPECT_EQ(place({0, 6000, kScreenWidth, 4800}), (Place{100, 6000 - kDialogHeight, false}));
}

TEST(DialogPlacement, TheCornerOutOfTheTopmostBandWhenNothingFits) {
    EXPECT_EQ(place({0, 0, kScreenWidth, kScreenHeight}), (Place{0, 0, true}));
}

TEST(DialogPlacement, ExactFitsCountAsFitting) {
    // The dialog's right edge exactly on the screen's right edge.
    const float ownerLeft = kScreenWidth - kDialogWidth - 20 - 5280;
    EXPECT_EQ(place({ownerLeft, 900, 5280, 4800}), (Place{ownerLeft + 5280 + 20, 900, false}));
    // One twip more runs off; the left side then fits with its left exactly at 0.
    EXPECT_EQ(place({kDialogWidth, 900, kScreenWidth - kDialogWidth, 4800}),
              (Place{0, 1000, false}));
    // Below: the dialog's bottom exactly on the screen's bottom.
    const float ownerTop = kScreenHeight - kDialogHeight - 4800;
    EXPECT_EQ(place({0, ownerTop, kScreenWidth, 4800}), (Place{100, ownerTop + 4800, false}));
    // Above: the dialog's top exactly at 0.
    EXPECT_EQ(place({0, kDialogHeight, kScreenWidth, kScreenHeight - kDialogHeight}),
              (Place{100, 0, false}));
}

TEST(DialogPlacement, OnlyTheTestedAxisIsChecked) {
    // Kept on the right although it runs past the bottom of the screen.
    EXPECT_EQ(place({100, 10000, 5280, 4800}), (Place{100 + 5280 + 20, 10000, false}));
}

TEST(DialogPlacement, MovesARealDialogBesideItsOwner) {
    platform::FakeWindowControl windows;
    QMainWindow owner;
    owner.setGeometry(100, 80, 352, 300);
    QDialog dialog(&owner);
    dialog.resize(262, 263);
    widgets::placeDialogBeside(dialog, owner, windows);
    const QRect outer = owner.frameGeometry();
    EXPECT_EQ(dialog.pos(), QPoint(outer.right() + 1 + 1, outer.top())) << "20 twips, rounded";
    EXPECT_TRUE(windows.bandChanges.empty());

    owner.setGeometry(0, 0, 800, 800); // the offscreen screen is 800 x 800
    widgets::placeDialogBeside(dialog, owner, windows);
    EXPECT_EQ(dialog.pos(), QPoint(0, 0));
    ASSERT_EQ(windows.bandChanges.size(), 1u);
    EXPECT_EQ(windows.bandChanges[0], (std::pair<const QWidget*, bool>{&dialog, false}));
}

TEST(DialogPlacement, AWindowNotFramedYetIsGivenTheOwnersFrame) {
    const QRect inner(100, 50, 262, 263);
    const QMargins owners(1, 21, 1, 1);
    EXPECT_EQ(widgets::outerRect(inner, inner, owners), QRect(100, 50, 264, 285));
    const QRect framed(99, 29, 264, 285);
    EXPECT_EQ(widgets::outerRect(inner, framed, owners), framed) << "its own frame, once known";
}
