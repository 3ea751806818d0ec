#include "platform/db/ConnectionString.h"

namespace db {
namespace {

bool isQuote(QChar c) { return c == u'"' || c == u'\''; }

} // namespace

QList<ConnectionStringProperty> ConnectionString::split(const QString& text)
{
    QList<ConnectionStringProperty> parts;
    qsizetype start = 0;
    for (;;) {
        ConnectionStringProperty part;
        qsizetype end = start;
        while (end < text.size() && text.at(end) != u';' && text.at(end) != u'=')
            ++end;
        part.key = text.mid(start, end - start).trimmed();
        if (end < text.size() && text.at(end) == u'=') {
            part.hasValue = true;
            const qsizetype valueStart = end + 1;
            qsizetype at = valueStart;
            while (at < text.size() && text.at(at) == u' ')
                ++at;
            if (at < text.size() && isQuote(text.at(at))) {
                // Up to the closing quote; the same quote twice is one quote
                // of the value. Whatever follows it up to the ";" is not.
                part.quotedValue = true;
                const QChar quote = text.at(at++);
                while (at < text.size()) {
                    if (text.at(at) == quote) {
                        if (at + 1 < text.size() && text.at(at + 1) == quote) {
                            part.value += quote;
                            at += 2;
                            continue;
                        }
                        ++at;
                        break;
                    }
                    part.value += text.at(at++);
                }
                end = text.indexOf(u';', at);
                if (end < 0)
                    end = text.size();
            } else {
                end = text.indexOf(u';', valueStart);
                if (end < 0)
                    end = text.size();
                part.value = text.mid(valueStart, end - valueStart);
            }
        }
        part.text = text.mid(start, end - start);
        parts.append(part);
        if (end >= text.size())
            break;
        start = end + 1;
    }
    return parts;
}

QString ConnectionString::quoted(const QString& value)
{
    if (value.contains(u';') || (!value.isEmpty() && isQuote(value.front())) || value != value.trimmed())
        return u'"' + QString(value).replace(u'"', QLatin1String("\"\"")) + u'"';
    return value;
}

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
    for (const ConnectionStringProperty& part : split(text)) {
        if (part.key.isEmpty() || !part.hasValue)
            continue;
        cs.set(part.key, part.quotedValue ? part.value : part.value.trimmed());
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
                    .arg(provider, quoted(value(kDataSource)), mode);
    for (const auto& [k, v] : m_items) {
        if (k.compare(kProvider, Qt::CaseInsensitive) == 0 || k.compare(kDataSource, Qt::CaseInsensitive) == 0
            || k.compare(kMode, Qt::CaseInsensitive) == 0 || k.compare(kPassword, Qt::CaseInsensitive) == 0
            || k.compare(QLatin1String("User ID"), Qt::CaseInsensitive) == 0)
            continue;
        s += k + u'=' + quoted(v) + u';';
    }
    s += kPassword + u'=' + quoted(value(kPassword));
    return s;
}

} // namespace db
