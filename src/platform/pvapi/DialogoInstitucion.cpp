#include "platform/pvapi/DialogoInstitucion.h"

#include "platform/pvapi/DialogoInstitucionCuenta.h"
#include "platform/vb/Texto.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroDatos.h"

namespace PVAPI {

using namespace widgets;

namespace {

const QString kResponsable = QStringLiteral("Responsable de donativos");
const QString kParroquiales = QStringLiteral("Datos parroquiales");

// The type word and the name give the full name the lists sort by; both
// parts fit its 50 characters (16 + 1 + 33).
void ComponerNombre(db::Connection&, DialogoRegistroDatos& datos)
{
    const QString tipo = vb::Trim(datos.Valor(QStringLiteral("InstitucionTipo")).toString());
    const QString nombre = vb::Trim(datos.Valor(QStringLiteral("InstitucionNombre")).toString());
    datos.EstablecerValor(QStringLiteral("Nombre"), vb::Trim(tipo + QLatin1Char(' ') + nombre));
}

std::shared_ptr<const DefinicionRegistro> Construir()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = QStringLiteral("Nueva institución");
    d->titulo = QStringLiteral("Institución");
    d->nombre = QStringLiteral("la institución");
    d->secciones = {
        SeccionPrincipal(QStringLiteral("Institucion"), QStringLiteral("IDInstitucion")),
    };
    const ReferenciaCampo municipios{
        QStringLiteral("Municipio"), QStringLiteral("IDMunicipio"),
        QStringLiteral("SELECT Municipio.IDMunicipio, Municipio.Nombre & IIf(IsNull(Provincia.Nombre), '', "
                       "' (' & Provincia.Nombre & ')') FROM Municipio LEFT JOIN Provincia ON "
                       "Municipio.CodProvincia = Provincia.IDProvincia ORDER BY Municipio.Nombre")};
    d->campos = {
        CampoTexto(QStringLiteral("Tipo"), QStringLiteral("InstitucionTipo"), 16),
        CampoTexto(QStringLiteral("Nombre"), QStringLiteral("InstitucionNombre"), 33).Obligatorio(),
        CampoTexto(QStringLiteral("Domicilio"), QStringLiteral("Domicilio"), 100),
        CampoTexto(QStringLiteral("Código postal"), QStringLiteral("CP"), 5),
        CampoReferencia(QStringLiteral("Municipio"), QStringLiteral("CodMunicipio"), municipios),
        CampoTexto(QStringLiteral("Teléfono"), QStringLiteral("Telefono"), 20),
        CampoTexto(QStringLiteral("CIF"), QStringLiteral("CIF"), 15),
        CampoTexto(QStringLiteral("Delegación"), QStringLiteral("Delegacion"), 50),
        CampoTexto(QStringLiteral("Código identificativo"), QStringLiteral("CodigoIdentificativo"), 15),
        CampoTexto(QStringLiteral("Sufijo"), QStringLiteral("Sufijo"), 3),
        CampoTexto(QStringLiteral("Diócesis"), QStringLiteral("Diocesis"), 50).EnGrupo(kParroquiales),
        CampoTexto(QStringLiteral("Vicaría"), QStringLiteral("Vicaria"), 50).EnGrupo(kParroquiales),
        CampoTexto(QStringLiteral("Párroco"), QStringLiteral("Parroco"), 120).EnGrupo(kParroquiales),
        CampoTexto(QStringLiteral("Encargado del archivo"), QStringLiteral("EncargadoArchivo"), 120).EnGrupo(kParroquiales),
        CampoTexto(QStringLiteral("Nombre"), QStringLiteral("ResponsableNombre"), 40).EnGrupo(kResponsable),
        CampoTexto(QStringLiteral("Primer apellido"), QStringLiteral("ResponsablePrimerApellido"), 40).EnGrupo(kResponsable),
        CampoTexto(QStringLiteral("Segundo apellido"), QStringLiteral("ResponsableSegundoApellido"), 40).EnGrupo(kResponsable),
        CampoTexto(QStringLiteral("Cargo"), QStringLiteral("ResponsableCargo"), 50).EnGrupo(kResponsable),
        CampoTexto(QStringLiteral("NIF"), QStringLiteral("ResponsableNIF"), 15).EnGrupo(kResponsable),
        CampoTexto(QStringLiteral("Teléfono"), QStringLiteral("ResponsableTelefono"), 20).EnGrupo(kResponsable),
        CampoEntero(QStringLiteral("Día de cobro"), QStringLiteral("DiaCobro"), 0, 31).EnGrupo(kResponsable),
    };
    d->ganchos.alCrear = [](DialogoRegistroDatos& datos) {
        datos.EstablecerValor(QStringLiteral("Sufijo"), QStringLiteral("000"));
        datos.EstablecerValor(QStringLiteral("DiaCobro"), qint64(0));
    };
    d->ganchos.antesDeEscribir = ComponerNombre;
    d->detalles = {Detalle(QStringLiteral("Cuentas bancarias"),
                           DefinicionCuentaBancaria(QStringLiteral("Institucion_TipoDonativo_Cuenta"), QStringLiteral("IDITC"),
                                                    QStringLiteral("PersonaDonativo_TipoDonativo_Cuenta")),
                           QStringLiteral("CodInstitucion"),
                           {QStringLiteral("CodTipoDonativo"), QStringLiteral("CodSucursal"), QStringLiteral("NumCuenta"),
                            QStringLiteral("DC")})};
    return d;
}

} // namespace

std::shared_ptr<const DefinicionRegistro> DialogoInstitucion::Definicion()
{
    static const std::shared_ptr<const DefinicionRegistro> definicion = Construir();
    return definicion;
}

void DialogoInstitucion::Nueva(db::Connection& conLocal)
{
    DialogoRegistro::EditarRegistro(conLocal, Definicion(), 0);
}

void DialogoInstitucion::Edita(db::Connection& conLocal, qint32 lngID)
{
    DialogoRegistro::EditarRegistro(conLocal, Definicion(), lngID);
}

} // namespace PVAPI
