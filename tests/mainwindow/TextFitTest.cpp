#include "aboutbox/frmAbout.h"
#include "aboutbox/frmHelp.h"
#include "core/DayCount.h"
#include "core/DisplayEngine.h"
#include "core/TimeValidation.h"
#include "core/WarningMinutes.h"
#include "fakes/FakePlatform.h"
#include "host/Translations.h"
#include "mainwindow/frmTempiro.h"
#include "timeentry/frmEnterTime.h"
#include "widgets/ClickableLabel.h"
#include "widgets/DesignFonts.h"
#include "widgets/FittedLabel.h"
#include "widgets/GapCheckBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tempiro;

namespace {

// The parts of a text that show: its words, each with where it starts and ends.
struct Word {
    QString text;
    double left, right;
};
std::vector<Word> words(const QString& text, const QFontMetricsF& metrics, double left) {
    std::vector<Word> found;
    static const QRegularExpression word(QStringLiteral("\\S+"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const double start = left + metrics.horizontalAdvance(text.left(m.capturedStart()));
        found.push_back({m.captured(), start, start + metrics.horizontalAdvance(m.captured())});
    }
    return found;
}

// What a control cuts off of its text, or covers with a control lying over it; empty when it
// shows the whole text.
QString cut(QWidget* control) {
    const QString name =
        QString::fromLatin1(control->metaObject()->className()) + u' ' + control->objectName();
    if (auto* fitted = qobject_cast<widgets::FittedLabel*>(control)) {
        const QFontMetricsF metrics(fitted->fittedFont());
        return metrics.horizontalAdvance(fitted->text()) <=
                       fitted->contentsRect().width() - fitted->reservedRight()
                   ? QString()
                   : name + ": " + fitted->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return {};
        const QFontMetricsF metrics(label->font());
        const double room =
            label->contentsRect().width() - 2 * label->margin() - widgets::effectiveIndent(*label);
        if (label->wordWrap()) {
            for (const Word& w : words(label->text(), metrics, 0))
                if (w.right - w.left > room)
                    return name + ": word " + w.text;
            return label->heightForWidth(label->width()) <= label->height()
                       ? QString()
                       : name + ": lines of " + label->text().left(40);
        }
        return metrics.horizontalAdvance(label->text()) <= room ? QString()
                                                                : name + ": " + label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QString text = button->text();
        text.remove(u'&');
        const QFontMetricsF metrics(button->font());
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        QRect area = button->rect();
        if (qobject_cast<QCheckBox*>(button))
            area = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
        else if (qobject_cast<QRadioButton*>(button))
            area = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        else
            area.adjust(3, 0, -3, 0);
        const bool centred =
            !qobject_cast<QCheckBox*>(button) && !qobject_cast<QRadioButton*>(button);
        const double start =
            centred ? area.center().x() - metrics.horizontalAdvance(text) / 2 : area.left() + 2;
        std::vector<Word> drawn = words(text, metrics, start);
        // A caption's run of blanks may be drawn wider, moving the words after it.
        if (auto* gapped = qobject_cast<widgets::GapCheckBox*>(button))
            for (Word& w : drawn)
                if (w.left > gapped->gapRect().left())
                    w.left += gapped->gapWidening(), w.right += gapped->gapWidening();
        for (const Word& w : drawn) {
            if (w.left < area.left() || w.right > area.right() + 1)
                return name + ": " + text;
            const QRect shown = QRectF(w.left, 0, w.right - w.left, button->height())
                                    .toAlignedRect()
                                    .translated(button->pos());
            // Only what lies above the button covers it, and an empty label shows nothing.
            const QObjectList siblings = button->parentWidget()->children();
            for (qsizetype i = siblings.indexOf(button) + 1; i < siblings.size(); ++i) {
                auto* other = qobject_cast<QWidget*>(siblings[i]);
                const auto* label = qobject_cast<QLabel*>(other);
                if (other && other->isVisible() && (!label || !label->text().isEmpty()) &&
                    other->geometry().intersects(shown))
                    return name + ": " + w.text + " under " + other->metaObject()->className();
            }
        }
    }
    return {};
}

std::string cutIn(QWidget* window) {
    QStringList found;
    for (QWidget* control : window->findChildren<QWidget*>())
        if (control->isVisible())
            if (const QString c = cut(control); !c.isEmpty())
                found << c;
    return found.join(QStringLiteral(" | ")).toStdString();
}

// English and each language the program ships, loaded before the windows are made.
class TextFitTest : public ::testing::TestWithParam<QString> {
protected:
    TextFitTest()
        : locale((QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)), 0))
        , language(QLocale(GetParam()).uiLanguages())
        , form(timer, fake.services()) {
        fake.clock.set(tempiro::toDayCount(QDate(2026, 12, 9), QTime(5, 48, 3)));
        form.Form_Load();
        form.txtURL->setText("https://example.org/");
        form.show();
        form.Form_Activate();
    }
    ~TextFitTest() override {
        delete frmHelp::instance();
        QLocale::setDefault(QLocale::c());
    }
    void checkEnterTime();
    int locale; // the longest dates and times are the United States' with AM and PM
    host::Translations language;
    platform::FakePlatform fake;
    Timer timer{fake.services().forTimer()};
    frmTempiro form;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Languages, TextFitTest,
    ::testing::ValuesIn((QStringLiteral("en ") + QStringLiteral(TEMPIRO_LANGUAGES))
                            .split(u' ', Qt::SkipEmptyParts)),
    [](const ::testing::TestParamInfo<QString>& info) { return info.param.toStdString(); });

TEST_P(TextFitTest, TheMainWindowShowsEveryCaptionWholeInEveryBand) {
    for (const auto& [width, height] : std::vector<std::pair<int, int>>{{170, 138},
                                                                        {200, 162},
                                                                        {260, 211},
                                                                        {352, 286},
                                                                        {420, 341},
                                                                        {600, 487},
                                                                        {850, 690},
                                                                        {1000, 812},
                                                                        {580, 300}}) {
        form.resize(width, height);
        QCoreApplication::processEvents();
        for (const auto& [lower, upper] : std::vector<std::pair<QString, QString>>{
                 {caption(Caption::TimeRemain), caption(Caption::AlarmTime)},
                 {caption(Caption::TimeExpired), caption(Caption::StartTime)},
                 {caption(Caption::TimeElapsed), caption(Caption::LocalTime)},
                 {caption(Caption::CurrentTime), caption(Caption::AlarmTime)}}) {
            form.lblSystem->setText(lower);
            form.lblAlarm->setText(upper);
            EXPECT_EQ(cutIn(&form), "") << "width " << width;
            // Each caption within its line's black box.
            for (const auto& [caption, line] :
                 {std::pair<QWidget*, QWidget*>{form.lblAlarm, form.lblAlarmTime},
                  std::pair<QWidget*, QWidget*>{form.lblSystem, form.lblSystemTime}})
                EXPECT_TRUE(caption->y() >= line->y() &&
                            caption->geometry().bottom() <= line->geometry().bottom())
                    << width << 'x' << height << ' ' << caption->objectName().toStdString();
            for (const widgets::FittedLabel* line :
                 std::vector<const widgets::FittedLabel*>{form.lblAlarmTime, form.lblSystemTime}) {
                const QFontMetricsF metrics(line->fittedFont());
                const double textRight = line->x() + (line->width() - line->reservedRight()) / 2.0 +
                                         metrics.horizontalAdvance(line->text()) / 2;
                for (QLabel* caption : {form.lblAlarm, form.lblSystem}) {
                    if (caption->geometry().intersects(line->geometry())) {
                        EXPECT_LT(textRight + 1, caption->x() + widgets::effectiveIndent(*caption))
                            << "width " << width;
                    }
                }
            }
        }
    }
}

TEST_P(TextFitTest, EnterTimeShowsEveryCaptionHintAndMessageWhole) {
    checkEnterTime();
}

TEST_P(TextFitTest, EnterTimeFitsTheDesktopsWiderFontToo) {
    // A desktop without Liberation Sans draws the design's font in DejaVu Sans.
    const QStringList nearer = QFont::substitutes(widgets::kSansSerif);
    QFont::removeSubstitutions(widgets::kSansSerif);
    checkEnterTime();
    QFont::insertSubstitutions(widgets::kSansSerif, nearer);
}

void TextFitTest::checkEnterTime() {
    form.mnuSetTime_Click();
    frmEnterTime* dialog = form.enterTime();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(cutIn(dialog), "");
    QStringList texts = {notAValidDate(), beyondThirtyYears(), inThePast(), intervalIsALength(),
                         warningOutOfRange()};
    for (QWidget* control : dialog->findChildren<QWidget*>())
        if (const QVariant hint = control->property("tempiroHint"); hint.isValid())
            texts << hint.toString();
    for (const QString& text : texts) {
        dialog->setStatus(text);
        EXPECT_EQ(cut(dialog->lblStatus).toStdString(), "") << text.toStdString();
    }
    // The warning minutes' longest number, whole in the box's line edit.
    const QLineEdit* minutes = dialog->cboWarnMn->lineEdit();
    EXPECT_LE(QFontMetricsF(minutes->font()).horizontalAdvance("-32768"),
              minutes->contentsRect().width() - 4)
        << "minutes box " << dialog->cboWarnMn->width();
    dialog->optTorI[2]->setChecked(true);
    EXPECT_EQ(cutIn(dialog), "") << "Start";
}

TEST_P(TextFitTest, AboutAndHelpShowEveryTextWhole) {
    form.mnuHelpAbout_Click();
    form.mnuHelpHelp_Click();
    EXPECT_EQ(cutIn(form.about()), "");
    EXPECT_EQ(cutIn(frmHelp::instance()), "");
}
