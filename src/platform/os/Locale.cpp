#include "platform/os/Locale.h"

#include <array>
#include <clocale>
#include <langinfo.h>
#include <locale.h>

namespace os {
namespace {

std::optional<LocaleSeparators>& SeparatorsOverride()
{
    static std::optional<LocaleSeparators> value;
    return value;
}

std::optional<quint16>& LangOverride()
{
    static std::optional<quint16> value;
    return value;
}

bool NamesCLocale(const QByteArray& name)
{
    return name.isEmpty() || name == "C" || name == "POSIX" || name.startsWith("C.");
}

// What the environment asks for one category, by POSIX precedence.
QByteArray EnvironmentLocale(const char* category)
{
    for (const char* variable : {"LC_ALL", category, "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

std::optional<LocaleSeparators> FromCLibrary()
{
    const locale_t locale = ::newlocale(LC_NUMERIC_MASK | LC_MONETARY_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr))
        return std::nullopt;
    auto item = [locale](nl_item which) { return QString::fromUtf8(::nl_langinfo_l(which, locale)).trimmed(); };
    LocaleSeparators separators {item(RADIXCHAR), item(THOUSEP), item(MON_DECIMAL_POINT), item(MON_THOUSANDS_SEP)};
    ::freelocale(locale);
    return separators;
}

LocaleSeparators FromQtLocale()
{
    const QLocale numeric(QString::fromLatin1(EnvironmentLocale("LC_NUMERIC")));
    const QLocale monetary(QString::fromLatin1(EnvironmentLocale("LC_MONETARY")));
    auto group = [](const QLocale& l) {
        return l.numberOptions().testFlag(QLocale::OmitGroupSeparator) ? QString() : l.groupSeparator();
    };
    return {numeric.decimalPoint(), group(numeric), monetary.decimalPoint(), group(monetary)};
}

struct LangEntry {
    QLocale::Language language;
    QLocale::Territory territory; // AnyTerritory: the language's default
    quint16 id;
};

// Windows identifiers of the languages a parish office is likely to run in.
constexpr std::array<LangEntry, 20> LangIds = {{
    {QLocale::Spanish, QLocale::Spain, 0x0C0A},
    {QLocale::Spanish, QLocale::Mexico, 0x080A},
    {QLocale::Spanish, QLocale::Argentina, 0x2C0A},
    {QLocale::Spanish, QLocale::Colombia, 0x240A},
    {QLocale::Spanish, QLocale::Chile, 0x340A},
    {QLocale::Spanish, QLocale::Peru, 0x280A},
    {QLocale::Spanish, QLocale::Venezuela, 0x200A},
    {QLocale::Spanish, QLocale::UnitedStates, 0x540A},
    {QLocale::Spanish, QLocale::AnyTerritory, 0x0C0A},
    {QLocale::Catalan, QLocale::AnyTerritory, 0x0403},
    {QLocale::Galician, QLocale::AnyTerritory, 0x0456},
    {QLocale::Basque, QLocale::AnyTerritory, 0x042D},
    {QLocale::Portuguese, QLocale::Brazil, 0x0416},
    {QLocale::Portuguese, QLocale::AnyTerritory, 0x0816},
    {QLocale::English, QLocale::UnitedKingdom, 0x0809},
    {QLocale::English, QLocale::AnyTerritory, 0x0409},
    {QLocale::French, QLocale::AnyTerritory, 0x040C},
    {QLocale::German, QLocale::AnyTerritory, 0x0407},
    {QLocale::Italian, QLocale::AnyTerritory, 0x0410},
    {QLocale::C, QLocale::AnyTerritory, 0x0409},
}};

quint16 SessionLangID()
{
    const QByteArray name = EnvironmentLocale("LC_NUMERIC");
    if (NamesCLocale(name))
        return LangIDFromLocale(QLocale::c());
    return LangIDFromLocale(QLocale(QString::fromLatin1(name)));
}

} // namespace

LocaleSeparators SystemLocaleSeparators()
{
    if (SeparatorsOverride())
        return *SeparatorsOverride();
    if (const auto fromC = FromCLibrary())
        return *fromC;
    return FromQtLocale();
}

void SetLocaleSeparatorsOverride(std::optional<LocaleSeparators> separators)
{
    SeparatorsOverride() = std::move(separators);
}

quint16 LangIDFromLocale(const QLocale& locale)
{
    for (const LangEntry& entry : LangIds) {
        if (entry.language == locale.language()
            && (entry.territory == QLocale::AnyTerritory || entry.territory == locale.territory()))
            return entry.id;
    }
    return 0x0409;
}

QList<quint16> KnownLangIDs()
{
    QList<quint16> ids;
    for (const LangEntry& entry : LangIds) {
        if (!ids.contains(entry.id))
            ids.append(entry.id);
    }
    return ids;
}

quint16 UserDefaultLangID() { return LangOverride().value_or(SessionLangID()); }

quint16 SystemDefaultLangID() { return LangOverride().value_or(SessionLangID()); }

void SetLangIDOverride(std::optional<quint16> langId) { LangOverride() = langId; }

} // namespace os
