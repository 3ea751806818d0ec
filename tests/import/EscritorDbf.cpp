#include "EscritorDbf.h"

#include <QFile>
#include <QtEndian>

EscritorDbf::EscritorDbf(QList<Campo> campos, quint8 codigoPagina)
    : m_campos(std::move(campos)), m_codigoPagina(codigoPagina), m_dbt(512, '\0')
{
    qToLittleEndian<quint32>(1, m_dbt.data()); // next free block
}

void EscritorDbf::Registro(const QList<QByteArray>& valores, bool borrado)
{
    QByteArray registro(1, borrado ? '*' : ' ');
    for (int i = 0; i < m_campos.size(); ++i) {
        const Campo& campo = m_campos[i];
        QByteArray valor = valores.value(i).left(campo.longitud);
        const QByteArray relleno(campo.longitud - valor.size(), ' ');
        registro += (campo.tipo == 'N' || campo.tipo == 'M') ? relleno + valor : valor + relleno;
    }
    m_registros.append(registro);
}

QByteArray EscritorDbf::Memo(const QByteArray& texto)
{
    const qsizetype bloque = m_dbt.size() / 512;
    QByteArray datos = texto + "\x1a\x1a";
    datos.resize(((datos.size() + 511) / 512) * 512, '\0');
    m_dbt += datos;
    qToLittleEndian<quint32>(quint32(m_dbt.size() / 512), m_dbt.data());
    return QByteArray::number(bloque);
}

QByteArray EscritorDbf::Dbf() const
{
    const int largoCabecera = 32 + 32 * int(m_campos.size()) + 1;
    int largoRegistro = 1;
    bool memo = false;
    for (const Campo& campo : m_campos) {
        largoRegistro += campo.longitud;
        memo = memo || campo.tipo == 'M';
    }
    QByteArray dbf(32, '\0');
    dbf[0] = char(memo ? 0x83 : 0x03);
    dbf[1] = char(126);
    dbf[2] = 12;
    dbf[3] = 11;
    qToLittleEndian<quint32>(quint32(m_registros.size()), dbf.data() + 4);
    qToLittleEndian<quint16>(quint16(largoCabecera), dbf.data() + 8);
    qToLittleEndian<quint16>(quint16(largoRegistro), dbf.data() + 10);
    dbf[29] = char(m_codigoPagina);
    for (const Campo& campo : m_campos) {
        QByteArray descriptor(32, '\0');
        descriptor.replace(0, qMin<qsizetype>(campo.nombre.size(), 10), campo.nombre.left(10));
        descriptor[11] = campo.tipo;
        descriptor[16] = char(campo.longitud);
        descriptor[17] = char(campo.decimales);
        dbf += descriptor;
    }
    dbf += '\r';
    for (const QByteArray& registro : m_registros)
        dbf += registro;
    dbf += '\x1a';
    return dbf;
}

void EscritorDbf::Guardar(const QString& carpeta, const QString& base) const
{
    QFile dbf(carpeta + QLatin1Char('/') + base + QStringLiteral(".dbf"));
    if (dbf.open(QIODevice::WriteOnly))
        dbf.write(Dbf());
    if (m_dbt.size() > 512) {
        QFile dbt(carpeta + QLatin1Char('/') + base + QStringLiteral(".dbt"));
        if (dbt.open(QIODevice::WriteOnly))
            dbt.write(m_dbt);
    }
}

QByteArray Cp850(const QString& texto)
{
    static const QList<QPair<QChar, char>> tabla = {
        {u'Ç', '\x80'}, {u'ü', '\x81'}, {u'é', '\x82'}, {u'á', '\xa0'}, {u'í', '\xa1'}, {u'ó', '\xa2'},
        {u'ú', '\xa3'}, {u'ñ', '\xa4'}, {u'Ñ', '\xa5'}, {u'ª', '\xa6'}, {u'º', '\xa7'}, {u'Á', '\xb5'},
        {u'É', '\x90'}, {u'Í', '\xd6'}, {u'Ó', '\xe0'}, {u'Ú', '\xe9'}, {u'Ü', '\x9a'},
    };
    QByteArray bytes;
    for (QChar c : texto) {
        char b = c.toLatin1();
        for (const auto& [letra, codigo] : tabla) {
            if (letra == c)
                b = codigo;
        }
        bytes += b;
    }
    return bytes;
}
