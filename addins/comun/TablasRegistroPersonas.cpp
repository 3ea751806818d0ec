#include "comun/TablasRegistroPersonas.h"

#include "comun/RecibosDonativo.h"
#include "comun/RolesPersona.h"
#include "platform/pvapi/DialogoInstitucionCuenta.h"
#include "platform/widgets/DialogoRegistroDatos.h"

namespace addins {

using namespace widgets;

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

// The fields of `Padron` every role shows, in their order on the form.
QList<CampoRegistro> CamposPersona()
{
    return {
        CampoTexto(L("Nombre"), L("Nombre"), 40).Obligatorio(),
        CampoTexto(L("Primer apellido"), L("PrimerApellido"), 40).Obligatorio(),
        CampoTexto(L("Segundo apellido"), L("SegundoApellido"), 40),
        CampoTexto(L("DNI/NIF"), L("DNI"), 15),
        CampoTexto(L("Dirección"), L("Direccion"), 100),
        CampoTexto(L("Código postal"), L("CPostal"), 5),
        CampoReferencia(L("Municipio"), L("CodMunicipio"), TablasRegistroPersonas::Municipios()),
        CampoTexto(L("Teléfono"), L("Telefono"), 20),
    };
}

std::shared_ptr<DefinicionRegistro> Persona(const char* tituloNuevo, const char* titulo, const char* nombre, int rol)
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L(tituloNuevo);
    d->titulo = L(titulo);
    d->nombre = L(nombre);
    d->secciones = {SeccionPrincipal(L("Padron"), L("IDPadron"))};
    d->campos = CamposPersona();
    d->ganchos.despuesDeEscribir = [rol](db::Connection& con, DialogoRegistroDatos& datos) {
        RolesPersona::Anadir(con, datos.Id(), rol);
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirDonativo()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo donativo");
    d->titulo = L("Donativo");
    d->nombre = L("el donativo");
    d->secciones = {SeccionPrincipal(L("Donativo"), L("IDDonativo"))};
    d->campos = {
        CampoReferencia(L("Institución"), L("CodInstitucion"), TablasRegistroPersonas::Instituciones()).Obligatorio(),
        CampoReferencia(L("Tipo de donativo"), L("CodTipoDonativo"), TablasRegistroPersonas::TiposDonativo()).Obligatorio(),
        CampoTexto(L("Descripción"), L("Descripcion"), 100),
        CampoImporte(L("Importe"), L("Importe"), L("ImporteEur")).Obligatorio(),
        CampoSiNo(L("Se paga por banco"), L("PagoBanco")),
    };
    // The receipts of a donation go with it; remittances keep their sums.
    d->ganchos.antesDeEliminar = [](db::Connection& con, DialogoRegistroDatos& datos) {
        RecibosDonativo::EliminarDeDonativos(con, L("IDDonativo = ?"), {datos.Id()});
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirDonante()
{
    auto d = Persona("Nuevo donante", "Donante", "el donante", RolesPersona::Donante);
    const ReferenciaCampo tiposPersona{L("TipoPersonaModelo182"), L("IdTipoPersonaModelo182"),
                                       L("SELECT IdTipoPersonaModelo182, TipoPersonaModelo182 FROM TipoPersonaModelo182 "
                                         "ORDER BY IdTipoPersonaModelo182")};
    d->campos << CampoReferencia(L("Tipo de persona"), L("codTipoPersonaModelo182"), tiposPersona).Obligatorio()
              << CampoMemo(L("Comentarios"), L("Comentarios"));
    d->ganchos.alCrear = [](DialogoRegistroDatos& datos) {
        datos.EstablecerValor(L("codTipoPersonaModelo182"), qint64(1));
    };
    d->detalles = {
        Detalle(L("Donativos"), TablasRegistroPersonas::Donativo(), L("CodPersonaDonativo"),
                {L("CodInstitucion"), L("CodTipoDonativo"), L("Descripcion"), L("Importe"), L("PagoBanco")}),
        Detalle(L("Cuentas bancarias"),
                PVAPI::DefinicionCuentaBancaria(L("PersonaDonativo_TipoDonativo_Cuenta"), L("IDPTC"),
                                                L("Institucion_TipoDonativo_Cuenta")),
                L("CodPersonaDonativo"), {L("CodTipoDonativo"), L("CodSucursal"), L("NumCuenta"), L("DC")}),
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirEmpadronado()
{
    auto d = Persona("Nueva persona empadronada", "Persona empadronada", "la persona empadronada",
                     RolesPersona::Empadronado);
    d->secciones << SeccionUnoAUno(L("Padron_Nacimiento"), L("CodPadron"), 0, L("Nacimiento"), L("los datos de nacimiento"));
    d->campos << CampoReferencia(L("Institución"), L("CodInstitucionEmpadronado"), TablasRegistroPersonas::Instituciones())
                     .Obligatorio()
              << CampoFecha(L("Fecha"), L("FechaNacimiento")).EnSeccion(1)
              << CampoTexto(L("Lugar"), L("LugarNacimiento"), 100).EnSeccion(1)
              << CampoTexto(L("Padre"), L("NombrePadre"), 120).EnSeccion(1)
              << CampoTexto(L("Madre"), L("NombreMadre"), 120).EnSeccion(1)
              << CampoMemo(L("Comentarios"), L("Comentarios"));
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirActividadColaborador()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nueva participación en un grupo");
    d->titulo = L("Participación en un grupo");
    d->nombre = L("la participación");
    d->secciones = {SeccionPrincipal(L("Padron_Actividad"), L("IDActividadesPadron"))};
    const ReferenciaCampo grupos{L("Grupo"), L("IDGrupo"),
                                 L("SELECT Grupo.IDGrupo, Actividad.Nombre & ' - ' & Grupo.Nombre FROM Grupo, Actividad "
                                   "WHERE Grupo.CodActividad = Actividad.IDActividad ORDER BY Actividad.Nombre, Grupo.Nombre")};
    const ReferenciaCampo cargos{L("Cargo"), L("IDCargo"), L("SELECT IDCargo, Nombre FROM Cargo ORDER BY Nombre")};
    d->campos = {
        CampoReferencia(L("Actividad y grupo"), L("CodGrupo"), grupos).Obligatorio(),
        CampoReferencia(L("Cargo"), L("CodCargo"), cargos),
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirColaborador()
{
    auto d = Persona("Nuevo colaborador", "Colaborador", "el colaborador", RolesPersona::Colaborador);
    d->campos << CampoMemo(L("Comentarios"), L("Comentarios"));
    d->detalles = {Detalle(L("Grupos"), TablasRegistroPersonas::ActividadColaborador(), L("CodPadron"),
                           {L("CodGrupo"), L("CodCargo")})};
    return d;
}

} // namespace

ReferenciaCampo TablasRegistroPersonas::Instituciones()
{
    return {L("Institucion"), L("IDInstitucion"), L("SELECT IDInstitucion, Nombre FROM Institucion ORDER BY Nombre")};
}

ReferenciaCampo TablasRegistroPersonas::Municipios()
{
    return {L("Municipio"), L("IDMunicipio"),
            L("SELECT Municipio.IDMunicipio, Municipio.Nombre & IIf(IsNull(Provincia.Nombre), '', ' (' & "
              "Provincia.Nombre & ')') FROM Municipio LEFT JOIN Provincia ON Municipio.CodProvincia = "
              "Provincia.IDProvincia ORDER BY Municipio.Nombre")};
}

ReferenciaCampo TablasRegistroPersonas::TiposDonativo()
{
    return {L("Tipo_Donativo"), L("IDTipo_Donativo"),
            L("SELECT IDTipo_Donativo, Descripcion FROM Tipo_Donativo ORDER BY Descripcion")};
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroPersonas::Donante()
{
    static const auto definicion = ConstruirDonante();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroPersonas::Donativo()
{
    static const auto definicion = ConstruirDonativo();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroPersonas::Empadronado()
{
    static const auto definicion = ConstruirEmpadronado();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroPersonas::Colaborador()
{
    static const auto definicion = ConstruirColaborador();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroPersonas::ActividadColaborador()
{
    static const auto definicion = ConstruirActividadColaborador();
    return definicion;
}

} // namespace addins
