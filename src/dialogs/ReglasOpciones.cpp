#include "dialogs/ReglasOpciones.h"

#include "platform/pvapi/cCRegistry.h"
#include "platform/vb/Texto.h"
#include "platform/vb/Vb.h"

#include <QRegularExpression>

#include <cmath>

namespace ReglasOpciones {

namespace {

// A whole number written with digits only (a leading "-" when allowed);
// nothing for any other text or one beyond 32 bits.
std::optional<qint64> Entero(const QString& texto, bool signo)
{
    static const QRegularExpression digitos(QStringLiteral("^[0-9]{1,9}$"));
    static const QRegularExpression conSigno(QStringLiteral("^-?[0-9]{1,9}$"));
    const QString t = vb::Trim(texto);
    if (!(signo ? conSigno : digitos).match(t).hasMatch())
        return std::nullopt;
    return t.toLongLong();
}

} // namespace

bool TeclaNumerica(QChar caracter)
{
    return caracter == QChar(8) || (caracter >= QLatin1Char('0') && caracter <= QLatin1Char('9'));
}

QString AlSalir(int indice, const QString& texto)
{
    const bool vacio = vb::Trim(texto).isEmpty();
    switch (indice) {
    case kNRegMax:
        return vacio || vb::Val(texto) < 1 ? QStringLiteral("24") : texto;
    case kMargen:
        return vacio ? QStringLiteral("0") : texto;
    case kMaxPagLibro:
        return vacio || texto == QLatin1String("0000") ? QStringLiteral("1000") : texto;
    default:
        return texto;
    }
}

QString Porcentaje(const QString& texto)
{
    // Clamped while still a double: a pasted "1e99" must not overflow.
    const double valor = vb::Val(QStringLiteral("0") + texto);
    if (!(valor > 0))
        return QStringLiteral("0");
    return QString::number(valor >= 100 ? 100 : qint64(std::floor(valor)));
}

std::optional<int> PaginasLibro(const QString& texto)
{
    const auto valor = Entero(texto, false);
    if (!valor || *valor < 1 || *valor > 9999)
        return std::nullopt;
    return int(*valor);
}

std::optional<int> MargenCertificados(const QString& texto)
{
    const auto valor = Entero(texto, true);
    if (!valor || *valor > 99)
        return std::nullopt;
    return int(*valor);
}

int RegistrosPorPagina(const QString& texto)
{
    const auto valor = Entero(texto, false);
    if (!valor || *valor < 1 || *valor > 32767)
        return 24;
    return int(*valor);
}

QStringList Documentos(bool vodidazaz, bool gestionParroquial)
{
    QStringList documentos;
    if (vodidazaz)
        documentos << kCertificados << kEtiquetas;
    if (gestionParroquial)
        documentos << kLibros;
    documentos << kResto;
    return documentos;
}

std::optional<ParametrosMargenes> MargenesDocumento(const QString& documento)
{
    using PVAPI::cCRegistry;
    if (documento == kEtiquetas)
        return ParametrosMargenes {cCRegistry::DOCUMENTOS_ETIQUETAS_MARGEN_SUP(),
                                   cCRegistry::DOCUMENTOS_ETIQUETAS_MARGEN_IZQ(), 99, 0, 99, 0, 0, 0};
    if (documento == kLibros)
        return ParametrosMargenes {cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), cCRegistry::DOCUMENTOS_MARGENIZQUIERDO(),
                                   30, 20, 35, 25, 20, 25};
    if (documento == kResto)
        return ParametrosMargenes {cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP(),
                                   cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ(), 99, 0, 99, 0, 0, 0};
    return std::nullopt;
}

int OtraPestana(int actual, int cuenta, bool atras)
{
    if (cuenta <= 0)
        return -1;
    return atras ? (actual <= 0 ? cuenta - 1 : actual - 1) : (actual + 1 >= cuenta ? 0 : actual + 1);
}

} // namespace ReglasOpciones
