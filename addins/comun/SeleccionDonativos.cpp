#include "comun/SeleccionDonativos.h"

#include "comun/InformesDonativos.h"
#include "comun/SeleccionInformes.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Ui.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

namespace seleccion_donativos {

using seleccion_informes::Opciones;
using seleccion_informes::Seleccion;
namespace si = seleccion_informes;

namespace {

const QString kNombreDonante = QStringLiteral("Nombre del donante");
const QString kFechaRecibo = QStringLiteral("Fecha del recibo");

bool HayFilas(db::Connection& conInformes, const char* tabla)
{
    return conInformes.Execute(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(tabla))
               .value(0)
               .toInt64() > 0;
}

// Asks the selection; a cancel empties the work table and ends the report.
std::optional<Seleccion> Preguntar(db::Connection& conLocal, db::Connection& conInformes, const char* tabla,
                                   const Opciones& opciones)
{
    std::optional<Seleccion> s = si::Preguntar(conLocal, opciones);
    if (!s)
        informes_donativos::Vaciar(conInformes, tabla);
    return s;
}

void AvisarSiVacia(db::Connection& conInformes, const char* tabla)
{
    if (!HayFilas(conInformes, tabla))
        si::AvisarSinRegistros();
}

// A donor of an institution: registered there, or giving to it.
void DonanteDeInstitucion(FiltroInforme& f, qint64 institucion)
{
    if (institucion > 0)
        f.Y(QStringLiteral("Padron.CodInstitucionEmpadronado = ? OR Padron.IDPadron IN "
                           "(SELECT Donativo.CodPersonaDonativo FROM Donativo WHERE Donativo.CodInstitucion = ?)"),
            {institucion, institucion});
}

FiltroInforme FiltroDonantes(const Seleccion& s)
{
    FiltroInforme f;
    DonanteDeInstitucion(f, s.institucion);
    si::PorNombrePersona(f, QStringLiteral("Padron"), s.nombre);
    return f;
}

Opciones OpcionesDonantes(const QString& titulo)
{
    Opciones o;
    o.titulo = titulo;
    o.campos = si::Institucion | si::Nombre;
    o.etiquetaNombre = kNombreDonante;
    return o;
}

} // namespace

void Personas(db::Connection& conLocal, db::Connection& conInformes)
{
    const auto s = Preguntar(conLocal, conInformes, "Informe_Persona", OpcionesDonantes(QStringLiteral("Donantes")));
    if (!s)
        return;
    informes_donativos::LlenarPersonas(conLocal, conInformes, FiltroDonantes(*s));
    AvisarSiVacia(conInformes, "Informe_Persona");
}

void Etiquetas(db::Connection& conLocal, db::Connection& conInformes)
{
    const auto s = Preguntar(conLocal, conInformes, "Etiquetas", OpcionesDonantes(QStringLiteral("Etiquetas")));
    if (!s)
        return;
    informes_donativos::LlenarEtiquetas(conLocal, conInformes, FiltroDonantes(*s));
    AvisarSiVacia(conInformes, "Etiquetas");
}

void DonativosPorDonante(db::Connection& conLocal, db::Connection& conInformes, bool pesetas)
{
    Opciones o;
    o.titulo = QStringLiteral("Vodidazaz por donante");
    o.campos = si::Institucion | si::TipoDonativo | si::Fechas | si::Nombre;
    o.etiquetaFechas = kFechaRecibo;
    o.etiquetaNombre = kNombreDonante;
    const auto s = Preguntar(conLocal, conInformes, "Informe_Persona_Donativo", o);
    if (!s)
        return;
    FiltroInforme f;
    si::PorClave(f, QStringLiteral("Donativo.CodInstitucion"), s->institucion);
    si::PorClave(f, QStringLiteral("Donativo.CodTipoDonativo"), s->tipoDonativo);
    si::PorFechas(f, QStringLiteral("Recibo.Fecha"), *s);
    si::PorNombrePersona(f, QStringLiteral("Padron"), s->nombre);
    informes_donativos::LlenarDonativosPorDonante(conLocal, conInformes, pesetas, f);
    AvisarSiVacia(conInformes, "Informe_Persona_Donativo");
}

void DonantesConDonativo(db::Connection& conLocal, db::Connection& conInformes, bool pesetas,
                         const QString& titulo)
{
    Opciones o;
    o.titulo = titulo;
    o.campos = si::Institucion | si::TipoDonativo | si::Nombre;
    o.etiquetaNombre = kNombreDonante;
    const auto s = Preguntar(conLocal, conInformes, "Vodidazaz_Donantes", o);
    if (!s)
        return;
    FiltroInforme f;
    si::PorClave(f, QStringLiteral("Donativo.CodInstitucion"), s->institucion);
    si::PorClave(f, QStringLiteral("Donativo.CodTipoDonativo"), s->tipoDonativo);
    si::PorNombrePersona(f, QStringLiteral("Padron"), s->nombre);
    informes_donativos::LlenarDonantesConDonativo(conLocal, conInformes, pesetas, f);
    AvisarSiVacia(conInformes, "Vodidazaz_Donantes");
}

void Remesas(db::Connection& conLocal, db::Connection& conInformes, bool pesetas)
{
    Opciones o;
    o.titulo = QStringLiteral("Remesas");
    o.campos = si::Remesa | si::Institucion | si::Fechas;
    o.etiquetaFechas = QStringLiteral("Fecha de la remesa");
    const auto s = Preguntar(conLocal, conInformes, "Informe_Remesa", o);
    if (!s)
        return;
    FiltroInforme f;
    si::PorClave(f, QStringLiteral("Remesa.IDRemesa"), s->remesa);
    si::PorClave(f, QStringLiteral("Donativo.CodInstitucion"), s->institucion);
    si::PorFechas(f, QStringLiteral("Remesa.Fecha"), *s);
    informes_donativos::LlenarRemesas(conLocal, conInformes, pesetas, f);
    AvisarSiVacia(conInformes, "Informe_Remesa");
}

void Totales(db::Connection& conLocal, db::Connection& conInformes, bool pesetas)
{
    Opciones o;
    o.titulo = QStringLiteral("Totales de donativos");
    o.campos = si::Institucion | si::TipoDonativo;
    const auto s = Preguntar(conLocal, conInformes, "Informe_Totales_Vodidazaz", o);
    if (!s)
        return;
    FiltroInforme f;
    si::PorClave(f, QStringLiteral("Donativo.CodInstitucion"), s->institucion);
    si::PorClave(f, QStringLiteral("Donativo.CodTipoDonativo"), s->tipoDonativo);
    informes_donativos::LlenarTotales(conLocal, conInformes, pesetas, f);
    AvisarSiVacia(conInformes, "Informe_Totales_Vodidazaz");
}

void Certificados(db::Connection& conLocal, db::Connection& conInformes, bool pesetas, bool& cancelar,
                  QString& plantilla, bool& etiquetas)
{
    cancelar = true;
    etiquetas = false;
    Opciones o;
    o.titulo = QStringLiteral("Certificado-Recibos");
    o.campos = si::Institucion | si::Fechas | si::Nombre | si::Etiquetas;
    o.etiquetaFechas = kFechaRecibo;
    o.etiquetaNombre = kNombreDonante;
    const auto s = Preguntar(conLocal, conInformes, "Informe_Certificado_Recibo", o);
    if (!s)
        return;
    cancelar = false;
    plantilla = QStringLiteral("infDO_CertificadoRecibos.rpt");

    // A certificate is printed whole, with the total of all its receipts, as
    // soon as one of them meets the selection.
    FiltroInforme recibos;
    si::PorClave(recibos, QStringLiteral("D.CodInstitucion"), s->institucion);
    si::PorFechas(recibos, QStringLiteral("R.Fecha"), *s);
    si::PorNombrePersona(recibos, QStringLiteral("P"), s->nombre);
    const QString elegidos = QStringLiteral(
        "SELECT R.%1 FROM (Recibo AS R INNER JOIN Donativo AS D ON D.IDDonativo = R.CodDonativo) "
        "INNER JOIN Padron AS P ON P.IDPadron = D.CodPersonaDonativo WHERE R.NumCertificado <> ''") + recibos.Ademas();
    FiltroInforme certificados;
    certificados.Y(QStringLiteral("Recibo.NumCertificado IN (") + elegidos.arg(QStringLiteral("NumCertificado")) +
                       QLatin1Char(')'),
                   recibos.Valores());
    informes_donativos::LlenarCertificados(conLocal, conInformes, pesetas, certificados);
    if (!HayFilas(conInformes, "Informe_Certificado_Recibo")) {
        si::AvisarSinRegistros();
        return;
    }
    if (s->etiquetas) {
        FiltroInforme donantes;
        donantes.Y(QStringLiteral("Padron.IDPadron IN (SELECT D.CodPersonaDonativo FROM (Recibo AS R INNER JOIN "
                                  "Donativo AS D ON D.IDDonativo = R.CodDonativo) WHERE R.NumCertificado IN (") +
                       elegidos.arg(QStringLiteral("NumCertificado")) + QStringLiteral("))"),
                   recibos.Valores());
        informes_donativos::LlenarEtiquetas(conLocal, conInformes, donantes);
        etiquetas = true;
    }
}

void Impagados(db::Connection& conInformes)
{
    informes_donativos::Vaciar(conInformes, "Impagados");
    ui::Beep();
    widgets::DialogoRegistroEjecutor::Mensaje(
        QStringLiteral("¡No hay recibos devueltos que listar!\r\n\r\nEsta instalación no anota qué recibos "
                       "devuelve el banco, así que el informe de donativos impagados no tiene datos."),
        ui::vbOKOnly + ui::vbInformation);
}

} // namespace seleccion_donativos
