#include "platform/os/Locale.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

namespace {

using testsupport::ScopedEnv;

const os::LocaleSeparators Spanish {QStringLiteral(","), QStringLiteral("."), QStringLiteral(","), QStringLiteral(".")};

class LocaleQueries : public ::testing::Test {
protected:
    // Real readings, whatever a shared test set-up injected.
    void SetUp() override
    {
        os::SetLocaleSeparatorsOverride(std::nullopt);
        os::SetLangIDOverride(std::nullopt);
    }
    void TearDown() override
    {
        os::SetLocaleSeparatorsOverride(std::nullopt);
        os::SetLangIDOverride(std::nullopt);
    }

    ScopedEnv m_numeric {"LC_NUMERIC", std::nullopt};
    ScopedEnv m_monetary {"LC_MONETARY", std::nullopt};
    ScopedEnv m_lang {"LANG", std::nullopt};
};

TEST_F(LocaleQueries, CLocaleHasNoSpanishSeparators)
{
    ScopedEnv all("LC_ALL", "C");
    const os::LocaleSeparators separators = os::SystemLocaleSeparators();
    EXPECT_EQ(separators.decimal, QStringLiteral("."));
    EXPECT_NE(separators, Spanish);
    EXPECT_EQ(os::UserDefaultLangID(), 1033);
}

TEST_F(LocaleQueries, SpanishSessionGivesSpanishSeparatorsAndLanguage)
{
    // Works whether or not the C library has es_ES installed.
    ScopedEnv all("LC_ALL", "es_ES.UTF-8");
    EXPECT_EQ(os::SystemLocaleSeparators(), Spanish);
    EXPECT_EQ(os::UserDefaultLangID(), 3082);
    EXPECT_EQ(os::SystemDefaultLangID(), 3082);
}

TEST_F(LocaleQueries, CategoryVariablesApplyWithoutLcAll)
{
    ScopedEnv all("LC_ALL", std::nullopt);
    ScopedEnv numeric("LC_NUMERIC", "es_ES.UTF-8");
    ScopedEnv lang("LANG", "C");
    EXPECT_EQ(os::UserDefaultLangID(), 3082);
    EXPECT_EQ(os::SystemLocaleSeparators().decimal, QStringLiteral(","));
}

TEST_F(LocaleQueries, InjectedValuesWinUntilCleared)
{
    ScopedEnv all("LC_ALL", "C");
    os::SetLocaleSeparatorsOverride(Spanish);
    os::SetLangIDOverride(3082);
    EXPECT_EQ(os::SystemLocaleSeparators(), Spanish);
    EXPECT_EQ(os::UserDefaultLangID(), 3082);
    EXPECT_EQ(os::SystemDefaultLangID(), 3082);
    os::SetLocaleSeparatorsOverride(std::nullopt);
    os::SetLangIDOverride(std::nullopt);
    EXPECT_NE(os::SystemLocaleSeparators(), Spanish);
    EXPECT_EQ(os::UserDefaultLangID(), 1033);
}

struct LangCase {
    const char* locale;
    int id;
};

class LangIdTable : public ::testing::TestWithParam<LangCase> {};

TEST_P(LangIdTable, MapsToTheWindowsIdentifier)
{
    EXPECT_EQ(os::LangIDFromLocale(QLocale(QString::fromLatin1(GetParam().locale))), GetParam().id)
        << GetParam().locale;
}

INSTANTIATE_TEST_SUITE_P(Locale, LangIdTable, ::testing::Values(
    LangCase{"es_ES", 3082}, LangCase{"es", 3082}, LangCase{"es_MX", 2058},
    LangCase{"ca_ES", 1027}, LangCase{"gl_ES", 1110}, LangCase{"eu_ES", 1069},
    LangCase{"en_US", 1033}, LangCase{"en_GB", 2057}, LangCase{"pt_BR", 1046},
    LangCase{"C", 1033}, LangCase{"ja_JP", 1033}));

} // namespace
