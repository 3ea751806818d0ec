#include "comun/TablasRegistroBancos.h"

#include "platform/db/Connection.h"
#include "platform/pvapi/DialogoInstitucionCuenta.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroError.h"

namespace addins {

using namespace widgets;

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

// Bank and branch codes are the digits of the account code (CCC).
void SoloCifras(const DialogoRegistroDatos& datos, const QString& columna, const QString& etiqueta)
{
    const QString codigo = datos.Valor(columna).toString();
    for (const QChar c : codigo) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw DialogoRegistroError(QStringLiteral("¡«%1» sólo admite cifras!").arg(etiqueta), columna, 0);
    }
}

qint64 Contar(db::Connection& con, const QString& sql, qint64 id)
{
    return con.Query(sql, {id}).value(0).toInt64();
}

std::shared_ptr<const DefinicionRegistro> ConstruirCuenta()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nueva cuenta");
    d->titulo = L("Cuenta");
    d->nombre = L("la cuenta");
    d->secciones = {SeccionPrincipal(L("Cuenta"), L("IDCuenta"))};
    d->campos = {
        CampoTexto(L("Número de cuenta"), L("NumCuenta"), 10).Obligatorio(),
        CampoTexto(L("Dígitos de control"), L("DC"), 2).SoloLectura(),
    };
    d->ganchos.antesDeEscribir = [](db::Connection& con, DialogoRegistroDatos& datos) {
        PVAPI::CalcularDigitosCuenta(con, datos, 0);
    };
    d->ganchos.antesDeEliminar = [](db::Connection& con, DialogoRegistroDatos& datos) {
        if (Contar(con, L("SELECT COUNT(*) FROM PersonaDonativo_TipoDonativo_Cuenta WHERE CodCuenta = ?"), datos.Id())
                + Contar(con, L("SELECT COUNT(*) FROM Institucion_TipoDonativo_Cuenta WHERE CodCuenta = ?"), datos.Id())
            > 0)
            throw DialogoRegistroError(QStringLiteral("¡La cuenta %1 no se puede eliminar: es la cuenta de un donante o "
                                                      "de una institución!")
                                           .arg(datos.Valor(L("NumCuenta")).toString()));
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirSucursal()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nueva sucursal");
    d->titulo = L("Sucursal");
    d->nombre = L("la sucursal");
    d->secciones = {SeccionPrincipal(L("Sucursal"), L("IDSucursal"))};
    d->campos = {CampoTexto(L("Código"), L("Codigo"), 4).Obligatorio()};
    d->detalles = {Detalle(L("Cuentas"), TablasRegistroBancos::Cuenta(), L("CodSucursal"), {L("NumCuenta"), L("DC")})};
    d->ganchos.antesDeEscribir = [](db::Connection&, DialogoRegistroDatos& datos) {
        SoloCifras(datos, L("Codigo"), L("Código"));
    };
    d->ganchos.antesDeEliminar = [](db::Connection& con, DialogoRegistroDatos& datos) {
        if (Contar(con, L("SELECT COUNT(*) FROM Presentador WHERE CodSucursal = ?"), datos.Id()) > 0)
            throw DialogoRegistroError(QStringLiteral("¡La sucursal %1 no se puede eliminar: la tiene un presentador!")
                                           .arg(datos.Valor(L("Codigo")).toString()));
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirBanco()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo banco");
    d->titulo = L("Banco");
    d->nombre = L("el banco");
    d->secciones = {SeccionPrincipal(L("Banco"), L("IDBanco"))};
    d->campos = {
        CampoTexto(L("Código"), L("Codigo"), 4).Obligatorio(),
        CampoTexto(L("Nombre"), L("Nombre"), 100).Obligatorio(),
    };
    d->detalles = {Detalle(L("Sucursales"), TablasRegistroBancos::Sucursal(), L("CodBanco"), {L("Codigo")},
                           L("¡Esta sucursal no se puede eliminar: tiene cuentas o la usa un presentador!"))};
    d->ganchos.antesDeEscribir = [](db::Connection&, DialogoRegistroDatos& datos) {
        SoloCifras(datos, L("Codigo"), L("Código"));
    };
    return d;
}

} // namespace

std::shared_ptr<const DefinicionRegistro> TablasRegistroBancos::Banco()
{
    static const auto definicion = ConstruirBanco();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroBancos::Sucursal()
{
    static const auto definicion = ConstruirSucursal();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroBancos::Cuenta()
{
    static const auto definicion = ConstruirCuenta();
    return definicion;
}

} // namespace addins
