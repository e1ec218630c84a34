#include "widgets/DeferredIconStyle.h"
#include "widgets/DesignFonts.h"
#include "widgets/FittedLabel.h"

#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QStyleFactory>
#include <gtest/gtest.h>

using namespace tempiro;

TEST(DeferredIconStyle, TheOverflowArrowsAreTheUnderlyingStylesOwn) {
    widgets::DeferredIconStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_DialogOkButton}) {
        const QIcon icon = style.standardIcon(which);
        EXPECT_FALSE(icon.isNull()) << which;
        EXPECT_EQ(icon.pixmap(16).toImage(),
                  style.baseStyle()->standardIcon(which).pixmap(16).toImage())
            << which;
    }
}

TEST(DesignFonts, TheInstalledFamilyFollowsTheSubstitutesInForce) {
    widgets::useDesignFonts();
    const QStringList nearer = QFont::substitutes(widgets::kSansSerif);
    // Font families compare without regard to case; the substitutes come back in lower case.
    ASSERT_EQ(widgets::installed(widgets::kSansSerif).toLower(), "liberation sans");
    QFont::removeSubstitutions(widgets::kSansSerif);
    EXPECT_EQ(widgets::installed(widgets::kSansSerif), widgets::kSansSerif)
        << "a family without substitutes is left to Qt's own fallback";
    QFont::insertSubstitutions(widgets::kSansSerif, nearer);
    EXPECT_EQ(widgets::installed(widgets::kSansSerif).toLower(), "liberation sans");
}

// A caption shrinks to stay in its box, but a box with no room (the window's first layout,
// before it has a size) keeps the font: no size would show there, and stepping through them
// all would load a font for each.
TEST(FittedLabel, ACaptionShrinksToItsBoxUnlessTheBoxHasNoRoom) {
    QLabel caption;
    for (const auto& [height, shrinks] : {std::pair{200, false}, {6, true}, {0, false}}) {
        caption.setFont(widgets::designFont(widgets::kSmallFonts, 6.75));
        caption.setGeometry(0, 0, 40, height);
        widgets::fitCaptionBox(caption,
                               {QStringLiteral("Time Remain"), QStringLiteral("Time Expired")});
        EXPECT_EQ(caption.font().pointSizeF() < 6.75, shrinks) << height;
    }
}
