// Values written into a connection string read back whole, whatever they
// hold: ";" and quotes are what a path or a password may carry.

#include "platform/db/ConnectionString.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using db::ConnectionString;

TEST(ConnectionStringTest, AQuotedValueReadsBackWhole)
{
    const QString values[] = {
        QStringLiteral("/srv/datos/Duzediv.mdb"),
        QStringLiteral("/srv/a;b/Duzediv.mdb"),
        QStringLiteral("/srv/O'Brien/Duzediv.mdb"),
        QStringLiteral("'/empieza con comilla/Duzediv.mdb"),
        QStringLiteral("\"/dobles\"/Duzediv.mdb"),
        QStringLiteral("/srv/dijo \"sí\"; y 'no'/Duzediv.mdb"),
        QStringLiteral(" /con blancos/Duzediv.mdb "),
        QStringLiteral("clave;con=todo\"'"),
        QString(),
    };
    for (const QString& value : values) {
        const QString text = QStringLiteral("Provider=P;Data Source=") + ConnectionString::quoted(value)
                             + QStringLiteral(";Jet OLEDB:Database Password=") + ConnectionString::quoted(value)
                             + QStringLiteral(";Persist Security Info=False");
        SCOPED_TRACE(text.toStdString());
        const ConnectionString parsed = ConnectionString::parse(text);
        EXPECT_EQ(parsed.value(ConnectionString::kDataSource), value);
        EXPECT_EQ(parsed.value(ConnectionString::kPassword), value);
        EXPECT_EQ(parsed.value(QStringLiteral("persist security info")), QStringLiteral("False"));

        const QList<db::ConnectionStringProperty> parts = ConnectionString::split(text);
        ASSERT_EQ(parts.size(), 4);
        EXPECT_EQ(parts.at(1).value, value);
        QStringList written;
        for (const db::ConnectionStringProperty& part : parts)
            written << part.text;
        EXPECT_EQ(written.join(u';'), text);
    }
}

TEST(ConnectionStringTest, PlainValuesAreWrittenAsTheyAre)
{
    for (const char* value : {"/srv/datos/Duzediv.mdb", "C:\\Datos\\Año\\Duzediv.mdb", "a=b", "O'Brien"})
        EXPECT_EQ(ConnectionString::quoted(QString::fromUtf8(value)), QString::fromUtf8(value));
}

TEST(ConnectionStringTest, SplitKeepsEveryPartAsWritten)
{
    const QString text = QStringLiteral("Provider=P;;data source = 'x;y' ;Sin valor;Mode=Read;");
    const QList<db::ConnectionStringProperty> parts = ConnectionString::split(text);
    ASSERT_EQ(parts.size(), 6);
    EXPECT_EQ(parts.at(1).text, QString());
    EXPECT_EQ(parts.at(2).key, QStringLiteral("data source"));
    EXPECT_EQ(parts.at(2).value, QStringLiteral("x;y"));
    EXPECT_TRUE(parts.at(2).quotedValue);
    EXPECT_EQ(parts.at(2).text, QStringLiteral("data source = 'x;y' "));
    EXPECT_EQ(parts.at(3).key, QStringLiteral("Sin valor"));
    EXPECT_FALSE(parts.at(3).hasValue);
    EXPECT_EQ(parts.at(4).value, QStringLiteral("Read"));
    EXPECT_EQ(parts.at(5).text, QString());
}

} // namespace
