#include "host/Translations.h"

#include "core/TimerFacts.h"

#include <gtest/gtest.h>

using namespace tempiro;

// The first of the user's languages the program speaks is loaded, English being one of them; and
// each language counts in its own forms, English in its singular without a translation.
TEST(Translations, TheFirstLanguageSpokenIsLoadedAndCountsInItsOwnForms) {
    const struct {
        QStringList uiLanguages;
        QString loaded;
        QString one, two, five;
    } cases[] = {
        {{"en-US", "de-DE"}, "", "1 minute", "2 minutes", "5 minutes"},
        {{"C"}, "", "1 minute", "2 minutes", "5 minutes"},
        {{"ja-JP", "de-DE", "de"}, "de", "1 Minute", "2 Minuten", "5 Minuten"},
        {{"fr-CA", "fr"}, "fr", "1 minute", "2 minutes", "5 minutes"},
        {{"pt-BR"}, "pt_BR", "1 minuto", "2 minutos", "5 minutos"},
        {{"pt-PT", "pl-PL"}, "pl", "1 minuta", "2 minuty", "5 minut"},
    };
    for (const auto& c : cases) {
        const host::Translations language(c.uiLanguages);
        EXPECT_EQ(language.language(), c.loaded) << c.uiLanguages.join(u',').toStdString();
        EXPECT_EQ((QStringList{unitCount(1, TimeUnit::Minute), unitCount(2, TimeUnit::Minute),
                               unitCount(5, TimeUnit::Minute)}),
                  (QStringList{c.one, c.two, c.five}))
            << c.uiLanguages.join(u',').toStdString();
    }
}
