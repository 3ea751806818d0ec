#include "platform/pvapi/DialogoMunicipio.h"

#include "platform/db/Connection.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroError.h"

namespace PVAPI {

using namespace widgets;

namespace {

qint64 Usos(db::Connection& con, const QString& consulta, qint64 id)
{
    return con.Query(consulta, {id}).value(0).toInt64();
}

QString Cuantos(qint64 n, const QString& singular, const QString& plural)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? singular : plural);
}

// Inside the delete: the addresses that still name the town stop it.
void ComprobarSinUso(db::Connection& con, DialogoRegistroDatos& datos)
{
    const qint64 instituciones =
        Usos(con, QStringLiteral("SELECT COUNT(*) FROM Institucion WHERE CodMunicipio = ?"), datos.Id());
    const qint64 personas = Usos(con, QStringLiteral("SELECT COUNT(*) FROM Padron WHERE CodMunicipio = ?"), datos.Id());
    if (instituciones == 0 && personas == 0)
        return;
    QStringList quien;
    if (instituciones > 0)
        quien << Cuantos(instituciones, QStringLiteral("institución"), QStringLiteral("instituciones"));
    if (personas > 0)
        quien << Cuantos(personas, QStringLiteral("persona"), QStringLiteral("personas"));
    throw DialogoRegistroError(QStringLiteral("¡El municipio «%1» no se puede eliminar: lo tienen en su dirección %2!")
                                   .arg(datos.Valor(QStringLiteral("Nombre")).toString(),
                                        quien.join(QStringLiteral(" y "))));
}

std::shared_ptr<const DefinicionRegistro> Construir()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = QStringLiteral("Nuevo municipio");
    d->titulo = QStringLiteral("Municipio");
    d->nombre = QStringLiteral("el municipio");
    d->secciones = {SeccionPrincipal(QStringLiteral("Municipio"), QStringLiteral("IDMunicipio"))};
    const ReferenciaCampo provincias{QStringLiteral("Provincia"), QStringLiteral("IDProvincia"),
                                     QStringLiteral("SELECT IDProvincia, Nombre FROM Provincia ORDER BY Nombre")};
    d->campos = {
        CampoTexto(QStringLiteral("Nombre"), QStringLiteral("Nombre"), 50).Obligatorio(),
        CampoReferencia(QStringLiteral("Provincia"), QStringLiteral("CodProvincia"), provincias).Obligatorio(),
    };
    d->ganchos.antesDeEliminar = ComprobarSinUso;
    return d;
}

} // namespace

std::shared_ptr<const DefinicionRegistro> DialogoMunicipio::Definicion()
{
    static const std::shared_ptr<const DefinicionRegistro> definicion = Construir();
    return definicion;
}

void DialogoMunicipio::Nuevo(db::Connection& conLocal)
{
    DialogoRegistro::EditarRegistro(conLocal, Definicion(), 0);
}

void DialogoMunicipio::Edita(db::Connection& conLocal, qint32 lngID)
{
    DialogoRegistro::EditarRegistro(conLocal, Definicion(), lngID);
}

void DialogoMunicipio::Elimina(db::Connection& conLocal, qint32 lngID)
{
    DialogoRegistro::EliminarRegistro(conLocal, Definicion(), lngID,
                                      QStringLiteral("¿Desea eliminar el municipio seleccionado?"));
}

} // namespace PVAPI
