#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <optional>

// The regional settings the start-up check reads, and the Windows language
// identifier that names the per-user settings branch ("Administrador\3082").
namespace os {

struct LocaleSeparators {
    QString decimal;
    QString thousands;
    QString currencyDecimal;
    QString currencyThousands;

    bool operator==(const LocaleSeparators&) const = default;
};

// Separators of the session's locale (LC_ALL / LC_NUMERIC / LC_MONETARY /
// LANG, read through the C library; Qt's locale data when the C library does
// not have that locale installed), or the injected ones.
LocaleSeparators SystemLocaleSeparators();
// Injects the separators (tests; CI runs in the C locale); nullopt restores
// the real reading.
void SetLocaleSeparatorsOverride(std::optional<LocaleSeparators> separators);

// Windows LANGID of a locale (3082 for Spanish of Spain; 1033 for the C
// locale, as on an English system).
quint16 LangIDFromLocale(const QLocale& locale);

// Every identifier LangIDFromLocale gives, each once, Spanish of Spain first.
QList<quint16> KnownLangIDs();

// The user's and the system's language identifiers. Linux keeps no separate
// system locale for a session, so both come from the session's locale unless
// injected.
quint16 UserDefaultLangID();
quint16 SystemDefaultLangID();
void SetLangIDOverride(std::optional<quint16> langId);

} // namespace os
