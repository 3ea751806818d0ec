#pragma once

#include "platform/vb/Currency.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <variant>

namespace db {

// A field value as the old program's variants held it. Text conversion
// follows the Spanish system: Boolean -> "Verdadero"/"Falso", doubles with a
// decimal comma, Null -> "" (the way concatenation treated it).
class Value {
public:
    enum class Kind { Null, Integer, Double, Currency, Boolean, Text, Binary };

    Value() = default;
    Value(std::nullptr_t) {}
    Value(int v) : m_data(qint64(v)) {}
    Value(long v) : m_data(qint64(v)) {}
    Value(long long v) : m_data(qint64(v)) {}
    Value(unsigned int v) : m_data(qint64(v)) {}
    Value(double v) : m_data(v) {}
    Value(bool v) : m_data(v) {}
    Value(vb::Currency v) : m_data(v) {}
    Value(const QString& v) : m_data(v) {}
    Value(QString&& v) : m_data(std::move(v)) {}
    Value(const char* utf8) : m_data(QString::fromUtf8(utf8)) {}
    Value(const char16_t* v) : m_data(QString::fromUtf16(v)) {}
    Value(const QByteArray& v) : m_data(v) {}
    Value(QByteArray&& v) : m_data(std::move(v)) {}

    Kind type() const { return Kind(m_data.index()); }
    bool isNull() const { return type() == Kind::Null; }

    // VB conversion to text (CStr, but Null gives "").
    QString toString() const;
    // VB CLng-like conversions: halves to even; text read with the Spanish
    // regional rules; Null raises "Uso no válido de Null" (94), a text that is
    // not a number "No coinciden los tipos" (13).
    qint64 toInt64() const;
    double toDouble() const;
    vb::Currency toCurrency() const;
    // Non-zero numbers and "Verdadero"/"True"/"-1" are True.
    bool toBool() const;
    // Binary payload; empty for other kinds.
    QByteArray toBytes() const;

    // Exact comparison of kind and payload (not VB comparison semantics).
    bool operator==(const Value& other) const { return m_data == other.m_data; }

private:
    std::variant<std::monostate, qint64, double, vb::Currency, bool, QString, QByteArray> m_data;
};

} // namespace db
