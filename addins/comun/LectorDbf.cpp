#include "comun/LectorDbf.h"

#include "platform/os/Paths.h"

#include <QDate>
#include <QFileInfo>

namespace {

// Code page 850 from 0x80 to 0xFF.
constexpr char16_t kTablaCp850[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

// Windows-1252 from 0x80 to 0x9F; the rest is Latin-1.
constexpr char16_t kCp1252Alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr int kCp850 = 0x02;
constexpr int kCp1252 = 0x03;

quint32 Entero32(const QByteArray& datos, int en)
{
    return quint32(quint8(datos[en])) | quint32(quint8(datos[en + 1])) << 8 | quint32(quint8(datos[en + 2])) << 16 |
           quint32(quint8(datos[en + 3])) << 24;
}

quint16 Entero16(const QByteArray& datos, int en)
{
    return quint16(quint8(datos[en]) | quint8(datos[en + 1]) << 8);
}

} // namespace

LectorDbf::LectorDbf(const QString& ruta) : m_nombre(QFileInfo(ruta).fileName()), m_archivo(ruta)
{
    if (!m_archivo.open(QIODevice::ReadOnly))
        throw ErrorDbf(QStringLiteral("No se puede abrir el archivo '%1'.").arg(m_nombre));
    const qint64 tamano = m_archivo.size();
    const QByteArray cabecera = m_archivo.read(32);
    auto truncado = [this] {
        return ErrorDbf(QStringLiteral("El archivo '%1' está truncado: le falta parte de la cabecera.").arg(m_nombre));
    };
    if (cabecera.size() < 32)
        throw truncado();
    const auto version = quint8(cabecera[0]);
    m_registros = Entero32(cabecera, 4);
    const int largoCabecera = Entero16(cabecera, 8);
    m_largoRegistro = Entero16(cabecera, 10);
    if (largoCabecera < 33 || largoCabecera > tamano || m_largoRegistro < 1)
        throw truncado();
    const QByteArray descriptores = m_archivo.read(largoCabecera - 32);
    if (descriptores.size() < largoCabecera - 32)
        throw truncado();

    int desplazamiento = 0;
    bool terminado = false;
    for (int en = 0; en + 1 <= descriptores.size(); en += 32) {
        if (descriptores[en] == '\r') {
            terminado = true;
            break;
        }
        if (en + 32 > descriptores.size())
            break;
        Campo campo;
        const QByteArray nombre = descriptores.mid(en, 11);
        campo.nombre = QString::fromLatin1(nombre.left(nombre.indexOf('\0') < 0 ? 11 : nombre.indexOf('\0')))
                           .trimmed()
                           .toUpper();
        campo.tipo = descriptores[en + 11];
        campo.longitud = quint8(descriptores[en + 16]);
        campo.decimales = quint8(descriptores[en + 17]);
        campo.desplazamiento = 1 + desplazamiento;
        if (!QByteArrayView("CNFDLM").contains(campo.tipo)) {
            throw ErrorDbf(QStringLiteral("El campo '%1' del archivo '%2' es de un tipo desconocido ('%3').")
                               .arg(campo.nombre, m_nombre, QString::fromLatin1(&campo.tipo, 1)));
        }
        desplazamiento += campo.longitud;
        m_hayMemo = m_hayMemo || campo.tipo == 'M';
        m_campos.append(campo);
    }
    if (!terminado || m_campos.isEmpty())
        throw truncado();
    if (desplazamiento + 1 != m_largoRegistro) {
        throw ErrorDbf(QStringLiteral("Los campos del archivo '%1' no ocupan la longitud de registro que anuncia su "
                                      "cabecera.")
                           .arg(m_nombre));
    }

    // The records must fill the file exactly, an end-of-file mark aside.
    const qint64 esperado = qint64(largoCabecera) + m_registros * m_largoRegistro;
    if (tamano < esperado || tamano > esperado + 1) {
        throw ErrorDbf(QStringLiteral("El archivo '%1' está dañado o truncado: su cabecera anuncia %2 registros y el "
                                      "tamaño del archivo no corresponde.")
                           .arg(m_nombre)
                           .arg(m_registros));
    }

    const int ldid = quint8(cabecera[29]);
    if (ldid == 0x00 || ldid == 0x02)
        m_codigoPagina = kCp850;
    else if (ldid == 0x03 || ldid == 0x57)
        m_codigoPagina = kCp1252;
    else
        throw ErrorDbf(QStringLiteral("El archivo '%1' usa un código de página que no se admite (%2).")
                           .arg(m_nombre)
                           .arg(ldid));

    if (m_hayMemo) {
        const QFileInfo info(ruta);
        const QString memo =
            os::FindFileCaseInsensitive(info.path(), info.completeBaseName() + QStringLiteral(".dbt"));
        m_memo.setFileName(memo);
        if (memo.isEmpty() || !m_memo.open(QIODevice::ReadOnly))
            throw ErrorDbf(QStringLiteral("No se encuentra el archivo de notas '%1' del archivo '%2'.")
                               .arg(info.completeBaseName() + QStringLiteral(".dbt"), m_nombre));
        m_memoDbase4 = version == 0x8B;
        if (m_memoDbase4) {
            const QByteArray cabeceraMemo = m_memo.read(32);
            if (cabeceraMemo.size() >= 22 && Entero16(cabeceraMemo, 20) > 0)
                m_tamanoBloque = Entero16(cabeceraMemo, 20);
        }
    }
    m_archivo.seek(largoCabecera);
}

int LectorDbf::IndiceCampo(const QString& nombre) const
{
    for (int i = 0; i < m_campos.size(); ++i) {
        if (m_campos[i].nombre.compare(nombre, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString LectorDbf::CodigoPagina() const
{
    return m_codigoPagina == kCp1252 ? QStringLiteral("Windows-1252") : QStringLiteral("CP850");
}

bool LectorDbf::Siguiente()
{
    m_incidencias.clear();
    if (m_leidos >= m_registros)
        return false;
    m_actual = m_archivo.read(m_largoRegistro);
    if (m_actual.size() < m_largoRegistro)
        throw ErrorDbf(QStringLiteral("El archivo '%1' está truncado en el registro %2.").arg(m_nombre).arg(m_leidos + 1));
    ++m_leidos;
    return true;
}

QString LectorDbf::Texto(const char* datos, qsizetype largo) const
{
    QString texto;
    texto.resize(largo);
    QChar* destino = texto.data();
    for (qsizetype i = 0; i < largo; ++i) {
        const auto b = quint8(datos[i]);
        if (b < 0x80)
            destino[i] = QChar(b);
        else if (m_codigoPagina == kCp850)
            destino[i] = QChar(kTablaCp850[b - 0x80]);
        else
            destino[i] = QChar(b < 0xA0 ? kCp1252Alto[b - 0x80] : char16_t(b));
    }
    return texto;
}

QString LectorDbf::Memo(qint64 bloque)
{
    const qint64 inicio = bloque * m_tamanoBloque;
    if (bloque <= 0 || inicio >= m_memo.size()) {
        m_incidencias << QStringLiteral("la nota del bloque %1 está fuera del archivo de notas").arg(bloque);
        return {};
    }
    m_memo.seek(inicio);
    QByteArray datos;
    if (m_memoDbase4) {
        const QByteArray cabecera = m_memo.read(8);
        const qint64 largo = cabecera.size() == 8 ? qint64(Entero32(cabecera, 4)) - 8 : -1;
        if (largo < 0 || inicio + 8 + largo > m_memo.size()) {
            m_incidencias << QStringLiteral("la nota del bloque %1 pasa del final del archivo de notas").arg(bloque);
            return {};
        }
        datos = m_memo.read(largo);
    } else {
        // dBase III: the text runs up to the end-of-file mark.
        while (!m_memo.atEnd()) {
            const QByteArray trozo = m_memo.read(m_tamanoBloque);
            const qsizetype fin = trozo.indexOf('\x1a');
            if (fin >= 0) {
                datos += trozo.left(fin);
                break;
            }
            datos += trozo;
        }
    }
    return Texto(datos.constData(), datos.size());
}

QVariant LectorDbf::Valor(int i)
{
    const Campo& campo = m_campos.at(i);
    const char* datos = m_actual.constData() + campo.desplazamiento;
    qsizetype largo = campo.longitud;
    while (largo > 0 && (datos[largo - 1] == ' ' || datos[largo - 1] == '\0'))
        --largo;
    auto incidencia = [&](const QString& motivo) {
        m_incidencias << QStringLiteral("%1: %2").arg(campo.nombre, motivo);
        return QVariant();
    };
    switch (campo.tipo) {
    case 'C':
        return Texto(datos, largo);
    case 'N':
    case 'F': {
        const QByteArray texto = QByteArray(datos, largo).trimmed();
        if (texto.isEmpty())
            return {};
        bool ok = false;
        const double numero = texto.toDouble(&ok);
        if (!ok)
            return incidencia(QStringLiteral("'%1' no es un número").arg(QString::fromLatin1(texto)));
        return numero;
    }
    case 'D': {
        const QByteArray texto = QByteArray(datos, largo).trimmed();
        if (texto.isEmpty())
            return {};
        bool ok = texto.size() == 8;
        for (char c : texto)
            ok = ok && c >= '0' && c <= '9';
        const int anio = ok ? texto.left(4).toInt() : 0;
        if (!ok || anio < 1 || !QDate::isValid(anio, texto.mid(4, 2).toInt(), texto.mid(6, 2).toInt()))
            return incidencia(QStringLiteral("'%1' no es una fecha").arg(QString::fromLatin1(texto)));
        return QString::fromLatin1(texto);
    }
    case 'L': {
        const char c = largo > 0 ? datos[0] : ' ';
        if (QByteArrayView("TtYySs").contains(c))
            return true;
        if (QByteArrayView("FfNn").contains(c))
            return false;
        return {};
    }
    case 'M': {
        const QByteArray texto = QByteArray(datos, largo).trimmed();
        if (texto.isEmpty())
            return {};
        bool ok = false;
        const qint64 bloque = texto.toLongLong(&ok);
        if (!ok)
            return incidencia(QStringLiteral("'%1' no es un bloque de notas").arg(QString::fromLatin1(texto)));
        const qsizetype antes = m_incidencias.size();
        QString memo = Memo(bloque);
        if (m_incidencias.size() > antes) {
            m_incidencias.last() = campo.nombre + QStringLiteral(": ") + m_incidencias.last();
            return {};
        }
        return memo;
    }
    default:
        return {};
    }
}
