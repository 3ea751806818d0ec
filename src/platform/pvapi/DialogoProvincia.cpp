#include "platform/pvapi/DialogoProvincia.h"

#include "platform/db/Connection.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroError.h"

namespace PVAPI {

using namespace widgets;

namespace {

// Inside the delete: a province that still has towns stays.
void ComprobarSinMunicipios(db::Connection& con, DialogoRegistroDatos& datos)
{
    const qint64 municipios =
        con.Query(QStringLiteral("SELECT COUNT(*) FROM Municipio WHERE CodProvincia = ?"), {datos.Id()}).value(0).toInt64();
    if (municipios == 0)
        return;
    throw DialogoRegistroError(QStringLiteral("¡La provincia «%1» no se puede eliminar: tiene %2 %3!")
                                   .arg(datos.Valor(QStringLiteral("Nombre")).toString())
                                   .arg(municipios)
                                   .arg(municipios == 1 ? QStringLiteral("municipio") : QStringLiteral("municipios")));
}

std::shared_ptr<const DefinicionRegistro> Construir()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = QStringLiteral("Nueva provincia");
    d->titulo = QStringLiteral("Provincia");
    d->nombre = QStringLiteral("la provincia");
    d->secciones = {SeccionPrincipal(QStringLiteral("Provincia"), QStringLiteral("IDProvincia"))};
    d->campos = {CampoTexto(QStringLiteral("Nombre"), QStringLiteral("Nombre"), 50).Obligatorio()};
    d->ganchos.antesDeEliminar = ComprobarSinMunicipios;
    return d;
}

} // namespace

std::shared_ptr<const DefinicionRegistro> DialogoProvincia::Definicion()
{
    static const std::shared_ptr<const DefinicionRegistro> definicion = Construir();
    return definicion;
}

void DialogoProvincia::Nueva(db::Connection& conLocal)
{
    DialogoRegistro::EditarRegistro(conLocal, Definicion(), 0);
}

void DialogoProvincia::Edita(db::Connection& conLocal, qint32 lngID)
{
    DialogoRegistro::EditarRegistro(conLocal, Definicion(), lngID);
}

void DialogoProvincia::Elimina(db::Connection& conLocal, qint32 lngID)
{
    DialogoRegistro::EliminarRegistro(conLocal, Definicion(), lngID,
                                      QStringLiteral("¿Desea eliminar la provincia seleccionada?"));
}

} // namespace PVAPI
