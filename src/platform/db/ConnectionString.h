#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace db {

// One "key=value" property of a connection string, as written.
struct ConnectionStringProperty {
    QString key;    // blanks around it removed
    QString value;  // a quoted value without its quotes (a doubled quote inside is one); any other value as it
                    // stands, blanks included
    QString text;   // the property as written, without the ";" that ends it
    bool hasValue = false;     // an "=" follows the key
    bool quotedValue = false;  // the value was written between quotes
};

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

    // Every part of `text` between the ";" that lie outside quoted values, in
    // order, empty parts included, so that joining the parts' texts with ";"
    // gives `text` back. A part without "=" has no value.
    static QList<ConnectionStringProperty> split(const QString& text);
    // `value` as a connection string must hold it to read it back whole:
    // between double quotes (a double quote inside doubled) when it holds a
    // ";", begins with a quote or has blanks at either end; otherwise as it is.
    static QString quoted(const QString& value);

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
