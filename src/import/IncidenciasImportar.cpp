#include "import/IncidenciasImportar.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

// Windows-1252 from 0x80 to 0x9F; the five unassigned bytes keep their
// Latin-1 value. Every other byte is its Latin-1 character.
constexpr char16_t kCp1252Alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr qint64 kPresupuesto = 10000;

} // namespace

QString DecodificarTextoComplemento(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (texto.startsWith(QChar(0xFEFF)))
            texto.remove(0, 1);
        return texto;
    }
    texto.clear();
    texto.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        texto.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252Alto[b - 0x80]) : QChar(b));
    }
    return texto;
}

QString TextoIncidencias(const QString& contenido)
{
    static const QString kFinLinea = QStringLiteral("\r\n");
    QString lineasTexto = contenido;
    lineasTexto.replace(kFinLinea, QStringLiteral("\n"));
    lineasTexto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lineas = lineasTexto.split(QLatin1Char('\n'));
    // A final line end closes the last line; it does not open an empty one.
    if (!lineas.isEmpty() && lineas.last().isEmpty())
        lineas.removeLast();

    QString resultado;
    qint64 cuenta = 0;
    bool asterisco = false;
    for (const QString& linea : lineas) {
        const qint64 nueva = cuenta + linea.size();
        if (nueva < kPresupuesto)
            resultado += linea + kFinLinea;
        if (!asterisco && linea.startsWith(QLatin1Char('*'))) {
            asterisco = true;
            if (nueva > kPresupuesto)
                resultado += QStringLiteral("\r\n...\r\n...\r\n...\r\n\r\n");
        }
        if (asterisco && nueva >= kPresupuesto)
            resultado += linea + kFinLinea;
        cuenta = nueva;
    }
    return resultado;
}
