#include "widgets/DeferredIconStyle.h"
#include "widgets/DesignFonts.h"

#include <QFont>
#include <QImage>
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
