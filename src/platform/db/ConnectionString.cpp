#include "platform/db/ConnectionString.h"

namespace db {
namespace {

QString unquote(QString v)
{
    v = v.trimmed();
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

// Values holding ";" or quotes are written between double quotes.
QString quoteIfNeeded(const QString& v)
{
    if (v.contains(u';') || v.startsWith(u'"') || v.startsWith(u'\'') || v != v.trimmed())
        return u'"' + QString(v).replace(u'"', QLatin1String("\"\"")) + u'"';
    return v;
}

} // namespace

ConnectionString ConnectionString::parse(const QString& text)
{
    ConnectionString cs;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return cs;
    if (!trimmed.contains(u'=')) {
        cs.set(kDataSource, trimmed);
        return cs;
    }
    // Split at ";" outside quotes.
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype eq = text.indexOf(u'=', i);
        if (eq < 0)
            break;
        const QString key = text.mid(i, eq - i).trimmed();
        qsizetype j = eq + 1;
        while (j < text.size() && text.at(j) == u' ')
            ++j;
        QString value;
        if (j < text.size() && (text.at(j) == u'"' || text.at(j) == u'\'')) {
            const QChar q = text.at(j);
            qsizetype k = j + 1;
            while (k < text.size()) {
                if (text.at(k) == q) {
                    if (k + 1 < text.size() && text.at(k + 1) == q) {
                        value += q;
                        k += 2;
                        continue;
                    }
                    break;
                }
                value += text.at(k++);
            }
            const qsizetype semi = text.indexOf(u';', k);
            i = semi < 0 ? text.size() : semi + 1;
        } else {
            const qsizetype semi = text.indexOf(u';', eq + 1);
            value = unquote(text.mid(eq + 1, (semi < 0 ? text.size() : semi) - eq - 1));
            i = semi < 0 ? text.size() : semi + 1;
        }
        if (!key.isEmpty())
            cs.set(key, value);
    }
    return cs;
}

QString ConnectionString::forFile(const QString& path, const QString& password)
{
    ConnectionString cs;
    cs.set(kDataSource, path);
    cs.set(kPassword, password);
    return cs.toReportedString();
}

QString ConnectionString::value(const QString& key) const
{
    for (const auto& [k, v] : m_items)
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    return {};
}

bool ConnectionString::contains(const QString& key) const
{
    for (const auto& item : m_items)
        if (item.first.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void ConnectionString::set(const QString& key, const QString& value)
{
    for (auto& item : m_items)
        if (item.first.compare(key, Qt::CaseInsensitive) == 0) {
            item.second = value;
            return;
        }
    m_items.append({key, value});
}

QList<QString> ConnectionString::keys() const
{
    QList<QString> k;
    for (const auto& item : m_items)
        k << item.first;
    return k;
}

bool ConnectionString::readOnlyMode() const
{
    const QString mode = value(kMode).trimmed();
    return mode == QLatin1String("1") || mode.compare(QLatin1String("Read"), Qt::CaseInsensitive) == 0;
}

QString ConnectionString::toReportedString() const
{
    const QString provider = contains(kProvider) ? value(kProvider) : kDefaultProvider;
    const QString mode = readOnlyMode() ? QStringLiteral("Read") : QStringLiteral("Share Deny None");
    QString s = QStringLiteral("Provider=%1;User ID=Admin;Data Source=%2;Mode=%3;")
                    .arg(provider, quoteIfNeeded(value(kDataSource)), mode);
    for (const auto& [k, v] : m_items) {
        if (k.compare(kProvider, Qt::CaseInsensitive) == 0 || k.compare(kDataSource, Qt::CaseInsensitive) == 0
            || k.compare(kMode, Qt::CaseInsensitive) == 0 || k.compare(kPassword, Qt::CaseInsensitive) == 0
            || k.compare(QLatin1String("User ID"), Qt::CaseInsensitive) == 0)
            continue;
        s += k + u'=' + quoteIfNeeded(v) + u';';
    }
    s += kPassword + u'=' + quoteIfNeeded(value(kPassword));
    return s;
}

} // namespace db
