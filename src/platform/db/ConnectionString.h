#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace db {

// "Key=Value;Key=Value" as OLE DB writes it. Keys compare without regard to
// case; values may be wrapped in double or single quotes; a text without any
// "=" is taken as a bare file path (the Data Source).
class ConnectionString {
public:
    static inline const QString kDataSource = QStringLiteral("Data Source");
    static inline const QString kPassword = QStringLiteral("Jet OLEDB:Database Password");
    static inline const QString kProvider = QStringLiteral("Provider");
    static inline const QString kMode = QStringLiteral("Mode");
    static inline const QString kDefaultProvider = QStringLiteral("Microsoft.Jet.OLEDB.4.0");

    ConnectionString() = default;
    static ConnectionString parse(const QString& text);
    // The reported string of a file and its password, built item by item so
    // that a path or password holding ";" or quotes stays whole.
    static QString forFile(const QString& path, const QString& password);

    QString value(const QString& key) const;
    bool contains(const QString& key) const;
    void set(const QString& key, const QString& value);
    // Keys in the order first given.
    QList<QString> keys() const;

    // The string ADO reports for an open connection: provider, data source,
    // mode and password always present, the data source followed by ";".
    QString toReportedString() const;
    // Mode "Read" (or 1) asks for a read-only connection.
    bool readOnlyMode() const;

private:
    QList<QPair<QString, QString>> m_items;
};

} // namespace db
