#include "comun/TablasRegistroDonativos.h"

#include "comun/RecibosDonativo.h"
#include "comun/TablasRegistroPersonas.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/DialogoInstitucionCuenta.h"
#include "platform/vb/Fechas.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroError.h"

#include <QDate>

namespace addins {

using namespace widgets;

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

qint64 Contar(db::Connection& con, const QString& sql, qint64 id)
{
    return con.Query(sql, {id}).value(0).toInt64();
}

// A record other rows still use is not deleted: the message says by what.
GanchosRegistro NoEliminarSiSeUsa(QList<QPair<QString, QString>> consultas)
{
    GanchosRegistro g;
    g.antesDeEliminar = [consultas](db::Connection& con, DialogoRegistroDatos& datos) {
        for (const auto& [consulta, mensaje] : consultas) {
            if (Contar(con, consulta, datos.Id()) > 0)
                throw DialogoRegistroError(mensaje);
        }
    };
    return g;
}

int AnioDe(const DialogoRegistroDatos& datos)
{
    const QDate fecha = vb::FechaTextoADate(datos.Valor(L("Fecha")).toString());
    return fecha.isValid() ? fecha.year() : QDate::currentDate().year();
}

void ValoresReciboNuevo(DialogoRegistroDatos& datos, bool pagoBanco)
{
    datos.EstablecerValor(L("Fecha"), vb::DateAFechaTexto(QDate::currentDate()));
    datos.EstablecerValor(L("PagoBanco"), qint64(pagoBanco ? -1 : 0));
    datos.EstablecerValor(L("NumCertificado"), L("0"));
    datos.EstablecerValor(L("GestionContable"), qint64(0));
    datos.EstablecerValor(L("CodRemesa"), qint64(0));
}

void NumerarSiEsNuevo(db::Connection& con, DialogoRegistroDatos& datos)
{
    if (datos.EsNuevo())
        datos.EstablecerValor(L("NumeroRecibo"), RecibosDonativo::SiguienteNumero(con, L("NumeroRecibo"), AnioDe(datos)));
}

ReferenciaCampo Presentadores()
{
    return {L("Presentador"), L("IDPresentador"),
            L("SELECT IDPresentador, PrimerApellido & IIf(IsNull(SegundoApellido) OR SegundoApellido = '', '', ' ' & "
              "SegundoApellido) & ', ' & Nombre FROM Presentador ORDER BY PrimerApellido, SegundoApellido, Nombre")};
}

ReferenciaCampo Donativos(const QString& condicion)
{
    return {L("Donativo"), L("IDDonativo"),
            L("SELECT Donativo.IDDonativo, Padron.PrimerApellido & ' ' & Padron.SegundoApellido & ', ' & Padron.Nombre "
              "& ' - ' & Tipo_Donativo.Descripcion & IIf(IsNull(Donativo.Descripcion) OR Donativo.Descripcion = '', '', "
              "' (' & Donativo.Descripcion & ')') FROM Donativo, Padron, Tipo_Donativo "
              "WHERE Donativo.CodPersonaDonativo = Padron.IDPadron AND Donativo.CodTipoDonativo = "
              "Tipo_Donativo.IDTipo_Donativo%1 ORDER BY Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre, "
              "Tipo_Donativo.Descripcion")
                .arg(condicion)};
}

std::shared_ptr<const DefinicionRegistro> ConstruirTipoDonativo()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo tipo de donativo");
    d->titulo = L("Tipo de donativo");
    d->nombre = L("el tipo de donativo");
    d->secciones = {SeccionPrincipal(L("Tipo_Donativo"), L("IDTipo_Donativo"))};
    d->campos = {CampoTexto(L("Descripción"), L("Descripcion"), 100).Obligatorio()};
    const QString enUso = L("¡El tipo de donativo no se puede eliminar: lo usan donativos o cuentas bancarias!");
    d->ganchos = NoEliminarSiSeUsa({
        {L("SELECT COUNT(*) FROM Donativo WHERE CodTipoDonativo = ?"), enUso},
        {L("SELECT COUNT(*) FROM PersonaDonativo_TipoDonativo_Cuenta WHERE CodTipoDonativo = ?"), enUso},
        {L("SELECT COUNT(*) FROM Institucion_TipoDonativo_Cuenta WHERE CodTipoDonativo = ?"), enUso},
    });
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirInstitucionPresentador()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nueva institución del presentador");
    d->titulo = L("Institución del presentador");
    d->nombre = L("la institución del presentador");
    d->secciones = {SeccionPrincipal(L("Presentador_Institucion"), L("IDPresentadorInstitucion"))};
    d->campos = {
        CampoReferencia(L("Institución"), L("CodInstitucion"), TablasRegistroPersonas::Instituciones()).Obligatorio()};
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirPresentador()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo presentador");
    d->titulo = L("Presentador");
    d->nombre = L("el presentador");
    d->secciones = {SeccionPrincipal(L("Presentador"), L("IDPresentador"))};
    d->campos = {
        CampoTexto(L("Nombre"), L("Nombre"), 40).Obligatorio(),
        CampoTexto(L("Primer apellido"), L("PrimerApellido"), 40).Obligatorio(),
        CampoTexto(L("Segundo apellido"), L("SegundoApellido"), 40),
        CampoTexto(L("NIF"), L("NIF"), 15),
        CampoTexto(L("Teléfono"), L("Telefono"), 20),
        CampoReferencia(L("Sucursal"), L("CodSucursal"), PVAPI::ReferenciaSucursal()).Obligatorio(),
        CampoTexto(L("Sufijo"), L("Sufijo"), 3).Obligatorio(),
    };
    d->detalles = {Detalle(L("Instituciones a las que presenta remesas"), TablasRegistroDonativos::InstitucionPresentador(),
                           L("CodPresentador"), {L("CodInstitucion")})};
    d->ganchos = NoEliminarSiSeUsa(
        {{L("SELECT COUNT(*) FROM Remesa WHERE CodPresentador = ?"),
          L("¡El presentador no se puede eliminar: tiene remesas! Elimine antes sus remesas.")}});
    d->ganchos.alCrear = [](DialogoRegistroDatos& datos) { datos.EstablecerValor(L("Sufijo"), L("000")); };
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirReciboRemesa()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo recibo de la remesa");
    d->titulo = L("Recibo de la remesa");
    d->nombre = L("el recibo");
    d->secciones = {SeccionPrincipal(L("Recibo"), L("IDRecibo"))};
    d->campos = {
        CampoTexto(L("Número"), L("NumeroRecibo"), 12).SoloLectura(),
        CampoReferencia(L("Donativo"), L("CodDonativo"), Donativos(L(" AND Donativo.PagoBanco = True")))
            .Obligatorio()
            .SoloAlCrear(),
        CampoFecha(L("Fecha"), L("Fecha")).Obligatorio(),
        CampoImporte(L("Importe"), L("Importe"), L("ImporteEur")).Obligatorio(),
    };
    d->ganchos.alCrear = [](DialogoRegistroDatos& datos) { ValoresReciboNuevo(datos, true); };
    d->ganchos.antesDeEscribir = NumerarSiEsNuevo;
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirRemesa()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nueva remesa");
    d->titulo = L("Remesa");
    d->nombre = L("la remesa");
    d->secciones = {SeccionPrincipal(L("Remesa"), L("IDRemesa"))};
    d->campos = {
        CampoFecha(L("Fecha"), L("Fecha")).Obligatorio(),
        CampoReferencia(L("Presentador"), L("CodPresentador"), Presentadores()).Obligatorio(),
        CampoImporte(L("Importe total"), L("ImporteTotal"), L("ImporteTotalEur")).SoloLectura(),
    };
    d->detalles = {Detalle(L("Recibos"), TablasRegistroDonativos::ReciboRemesa(), L("CodRemesa"),
                           {L("NumeroRecibo"), L("CodDonativo"), L("Fecha"), L("Importe")})};
    d->ganchos.despuesDeEscribir = [](db::Connection& con, DialogoRegistroDatos& datos) {
        if (Contar(con, L("SELECT COUNT(*) FROM Recibo WHERE CodRemesa = ?"), datos.Id()) == 0)
            throw DialogoRegistroError(
                L("¡Una remesa tiene al menos un recibo! Para quitarla entera, elimine la remesa."), {}, -1, 0);
        RecibosDonativo::RecalcularRemesas(con, {datos.Id()});
    };
    return d;
}

// Inside the write of a new remittance: its receipts, numbered, and its totals.
void GenerarRecibos(db::Connection& con, DialogoRegistroDatos& datos)
{
    const qint64 presentador = datos.Valor(L("CodPresentador")).toInt64();
    db::Recordset donativos = con.Query(
        L("SELECT IDDonativo, Importe, ImporteEur FROM Donativo WHERE PagoBanco = True AND "
          "(CodInstitucion IN (SELECT CodInstitucion FROM Presentador_Institucion WHERE CodPresentador = ?) OR "
          "NOT EXISTS (SELECT * FROM Presentador_Institucion WHERE CodPresentador = ?)) ORDER BY IDDonativo"),
        {presentador, presentador});
    if (donativos.isEOF())
        throw DialogoRegistroError(L("¡No hay donativos que se paguen por banco a las instituciones de este presentador!"),
                                   L("CodPresentador"));
    const QString fecha = datos.Valor(L("Fecha")).toString();
    for (; !donativos.isEOF(); donativos.MoveNext()) {
        con.Exec(L("INSERT INTO Recibo (CodDonativo, CodRemesa, NumeroRecibo, NumCertificado, Fecha, Importe, ImporteEur, "
                   "PagoBanco, GestionContable) VALUES (?, ?, ?, '0', ?, ?, ?, True, False)"),
                 {donativos.value(0), datos.Id(), RecibosDonativo::SiguienteNumero(con, L("NumeroRecibo"), AnioDe(datos)),
                  fecha, donativos.value(1), donativos.value(2)});
    }
    RecibosDonativo::RecalcularRemesas(con, {datos.Id()});
}

std::shared_ptr<const DefinicionRegistro> ConstruirGeneracionRemesa()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Generar remesa");
    d->titulo = L("Remesa");
    d->nombre = L("la remesa");
    d->secciones = {SeccionPrincipal(L("Remesa"), L("IDRemesa"))};
    d->campos = {
        CampoFecha(L("Fecha"), L("Fecha")).Obligatorio(),
        CampoReferencia(L("Presentador"), L("CodPresentador"), Presentadores()).Obligatorio(),
    };
    d->ganchos.alCrear = [](DialogoRegistroDatos& datos) {
        datos.EstablecerValor(L("Fecha"), vb::DateAFechaTexto(QDate::currentDate()));
        datos.EstablecerValor(L("ImporteTotal"), 0.0);
        datos.EstablecerValor(L("ImporteTotalEur"), 0.0);
    };
    d->ganchos.despuesDeEscribir = GenerarRecibos;
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirReciboCaja()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo recibo por caja");
    d->titulo = L("Recibo por caja");
    d->nombre = L("el recibo");
    d->secciones = {SeccionPrincipal(L("Recibo"), L("IDRecibo"))};
    d->campos = {
        CampoReferencia(L("Donativo"), L("CodDonativo"), Donativos(L(" AND Donativo.PagoBanco = False"))).Obligatorio(),
        CampoFecha(L("Fecha"), L("Fecha")).Obligatorio(),
        CampoImporte(L("Importe"), L("Importe"), L("ImporteEur")).Obligatorio(),
    };
    d->ganchos.alCrear = [](DialogoRegistroDatos& datos) { ValoresReciboNuevo(datos, false); };
    d->ganchos.antesDeEscribir = NumerarSiEsNuevo;
    return d;
}

} // namespace

std::shared_ptr<const DefinicionRegistro> TablasRegistroDonativos::TipoDonativo()
{
    static const auto definicion = ConstruirTipoDonativo();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroDonativos::Presentador()
{
    static const auto definicion = ConstruirPresentador();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroDonativos::InstitucionPresentador()
{
    static const auto definicion = ConstruirInstitucionPresentador();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroDonativos::Remesa()
{
    static const auto definicion = ConstruirRemesa();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroDonativos::ReciboRemesa()
{
    static const auto definicion = ConstruirReciboRemesa();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroDonativos::GeneracionRemesa()
{
    static const auto definicion = ConstruirGeneracionRemesa();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroDonativos::ReciboCaja()
{
    static const auto definicion = ConstruirReciboCaja();
    return definicion;
}

} // namespace addins
