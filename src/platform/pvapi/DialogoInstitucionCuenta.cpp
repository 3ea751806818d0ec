#include "platform/pvapi/DialogoInstitucionCuenta.h"

#include "platform/db/Connection.h"
#include "platform/pvapi/CalculaCCC.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroError.h"

namespace PVAPI {

using namespace widgets;

namespace {

constexpr int kCuenta = 1;

bool SoloCifras(const QString& texto)
{
    for (const QChar c : texto) {
        if (!c.isDigit() || c.unicode() > 127)
            return false;
    }
    return !texto.isEmpty();
}

} // namespace

void CalcularDigitosCuenta(db::Connection& con, DialogoRegistroDatos& datos, int seccion)
{
    const QString numero = datos.Valor(QStringLiteral("NumCuenta"), seccion).toString();
    if (!SoloCifras(numero))
        throw DialogoRegistroError(QStringLiteral("¡«Número de cuenta» sólo admite cifras!"),
                                   QStringLiteral("NumCuenta"), seccion);
    db::Recordset codigos = con.Query(QStringLiteral("SELECT Banco.Codigo AS CodB, Sucursal.Codigo AS CodS "
                                                     "FROM Sucursal, Banco WHERE Sucursal.CodBanco = Banco.IDBanco "
                                                     "AND Sucursal.IDSucursal = ?"),
                                      {datos.Valor(QStringLiteral("CodSucursal"), seccion)});
    if (codigos.isEOF())
        return;
    const std::optional<QString> dc =
        CalculaCCC(codigos.value(QStringLiteral("CodB")).toString(), codigos.value(QStringLiteral("CodS")).toString(), numero);
    if (dc)
        datos.EstablecerValor(QStringLiteral("DC"), *dc, seccion);
}

ReferenciaCampo ReferenciaSucursal()
{
    return {QStringLiteral("Sucursal"), QStringLiteral("IDSucursal"),
            QStringLiteral("SELECT Sucursal.IDSucursal, Banco.Codigo & '-' & Sucursal.Codigo & '  ' & Banco.Nombre "
                           "FROM Sucursal, Banco WHERE Sucursal.CodBanco = Banco.IDBanco "
                           "ORDER BY Banco.Codigo, Sucursal.Codigo")};
}

std::shared_ptr<const DefinicionRegistro> DefinicionCuentaBancaria(const QString& tablaEnlace, const QString& claveEnlace,
                                                                  const QString& otraTablaEnlace)
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = QStringLiteral("Nueva cuenta bancaria");
    d->titulo = QStringLiteral("Cuenta bancaria");
    d->nombre = QStringLiteral("la cuenta bancaria");
    d->secciones = {
        SeccionPrincipal(tablaEnlace, claveEnlace),
        SeccionReferida(QStringLiteral("Cuenta"), QStringLiteral("IDCuenta"), 0, QStringLiteral("CodCuenta"), {},
                        QStringLiteral("la cuenta"))
            .ReferidaTambienPor(otraTablaEnlace, QStringLiteral("CodCuenta")),
    };
    const ReferenciaCampo tipos{QStringLiteral("Tipo_Donativo"), QStringLiteral("IDTipo_Donativo"),
                                QStringLiteral("SELECT IDTipo_Donativo, Descripcion FROM Tipo_Donativo ORDER BY Descripcion")};
    d->campos = {
        CampoReferencia(QStringLiteral("Tipo de donativo"), QStringLiteral("CodTipoDonativo"), tipos).Obligatorio(),
        CampoReferencia(QStringLiteral("Sucursal"), QStringLiteral("CodSucursal"), ReferenciaSucursal())
            .Obligatorio()
            .EnSeccion(kCuenta),
        CampoTexto(QStringLiteral("Número de cuenta"), QStringLiteral("NumCuenta"), 10).Obligatorio().EnSeccion(kCuenta),
        CampoTexto(QStringLiteral("Dígitos de control"), QStringLiteral("DC"), 2).SoloLectura().EnSeccion(kCuenta),
    };
    d->ganchos.antesDeEscribir = [](db::Connection& con, DialogoRegistroDatos& datos) {
        CalcularDigitosCuenta(con, datos, kCuenta);
    };
    return d;
}

} // namespace PVAPI
