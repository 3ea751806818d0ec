#include "printing/cInformes.h"

#include "core/cCurrency.h"
#include "platform/addins/HostComplementos.h"
#include "platform/addins/cGestPar.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/pvapi/IControlInforme.h"
#include "platform/pvapi/cCPassword.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/pvapi/cIListas.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/pvapi/cinformes.h"
#include "platform/report/GuardaImpresion.h"
#include "platform/report/SecuenciaImpresion.h"
#include "platform/ui/HourglassGuard.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/Fechas.h"
#include "platform/vb/Format.h"
#include "platform/vb/Texto.h"
#include "platform/vb/VbError.h"
#include "printing/MargenesDocumento.h"
#include "printing/SecuenciaDocumento.h"

#include <QRegularExpression>

#include <cmath>
#include <exception>

using PVAPI::cCRegistry;

namespace {

const QString kProyecto = QStringLiteral("NorviaParvanta2000.vbp");
const QString kVaciarRecibos = QStringLiteral("DELETE * FROM Recibos");

// The receipts with their donation, donor and institution. Towns and
// provinces are outer-joined, so a receipt whose donor or institution has
// no town still prints (with those fields empty).
QString ConsultaRecibos(bool blnPesetas, const QString& condicion)
{
    return QStringLiteral("SELECT Recibo.NumeroRecibo AS NumeroRecibo, ") +
           (blnPesetas ? QStringLiteral("Recibo.Importe") : QStringLiteral("Recibo.ImporteEur")) +
           QStringLiteral(
               " AS Importe_Recibo, Recibo.Fecha AS Fecha_Recibo, Donativo.Descripcion AS Donativo, "
               "Padron.Nombre AS Persona_Nombre, Padron.PrimerApellido AS Persona_PrimerApellido, "
               "Padron.SegundoApellido AS Persona_SegundoApellido, Padron.Direccion AS Persona_Domicilio, "
               "Padron.DNI AS Persona_NIF, Padron.CPostal AS Persona_CP, "
               "MunicipioPersona.Nombre AS Persona_Poblacion, ProvinciaPersona.Nombre AS Persona_Provincia, "
               "Institucion.InstitucionTipo AS InstitucionTipo, Institucion.InstitucionNombre AS InstitucionNombre, "
               "Institucion.Domicilio AS Institucion_Domicilio, Institucion.CIF AS Institucion_CIF, "
               "Municipio.Nombre AS Institucion_Poblacion, Provincia.Nombre AS Institucion_Provincia, "
               "Institucion.CP AS Institucion_CP "
               "FROM Recibo INNER JOIN Donativo ON Recibo.CodDonativo = Donativo.IDDonativo "
               "INNER JOIN Institucion ON Donativo.CodInstitucion = Institucion.IDInstitucion "
               "INNER JOIN Padron ON Donativo.CodPersonaDonativo = Padron.IDPadron "
               "LEFT JOIN Municipio ON Institucion.CodMunicipio = Municipio.IDMunicipio "
               "LEFT JOIN Provincia ON Municipio.CodProvincia = Provincia.IDProvincia "
               "LEFT JOIN Municipio AS MunicipioPersona ON Padron.CodMunicipio = MunicipioPersona.IDMunicipio "
               "LEFT JOIN Provincia AS ProvinciaPersona ON MunicipioPersona.CodProvincia = ProvinciaPersona.IDProvincia "
               "WHERE Recibo.PagoBanco = False ") +
           condicion +
           QStringLiteral(" ORDER BY Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre, Recibo.NumeroRecibo");
}

QString Texto(const db::Recordset& rs, const char* campo)
{
    const db::Value v = rs.value(QString::fromLatin1(campo));
    return v.isNull() ? QString() : v.toString();
}

// "yyyymmdd" in the short date form; a text that is no date is an error,
// as a receipt without a valid date must not be printed.
QString FechaRecibo(const QString& fecha)
{
    const QString corta = vb::FechaTextoAFecha(fecha);
    if (corta.isEmpty())
        throw vb::VbError(13, QStringLiteral("La fecha «%1» de un recibo no es válida.").arg(fecha));
    return corta;
}

QString Redactar(QString texto)
{
    texto = vb::Trim(texto);
    texto.replace(QRegularExpression(QStringLiteral(" {2,}")), QStringLiteral(" "));
    if (!texto.isEmpty())
        texto[0] = texto[0].toUpper();
    return texto;
}

} // namespace

QString cInformes::ImporteEnLetras(double importe, bool blnPesetas)
{
    const PVAPI::cinformes letras;
    if (blnPesetas) {
        const double pesetas = std::round(importe);
        const QString w = letras.NumerosALetrasfemenino(pesetas);
        if (w == QStringLiteral("una"))
            return Redactar(QStringLiteral("una peseta."));
        if (w == QStringLiteral("cero"))
            return Redactar(QStringLiteral("cero pesetas."));
        return Redactar(PVAPI::cinformes::FormaAntesDeNombre(w) + QStringLiteral(" pesetas."));
    }
    // Cents as the amount's decimal text gives them (15 significant digits),
    // so 2,675 is 268 cents as it is shown, not 267 of its binary value.
    const long long centimos = std::llround(QString::number(importe * 100.0, 'g', 15).toDouble());
    const long long enteros = centimos / 100;
    const long long resto = std::llabs(centimos % 100);
    if (centimos == 0)
        return QStringLiteral("Cero euros.");
    const QString e = letras.NumerosALetrasMasculino(double(enteros));
    const QString c = letras.NumerosALetrasMasculino(double(resto));
    QString texto;
    if (e == QStringLiteral("uno"))
        texto = QStringLiteral("un euro");
    else if (e != QStringLiteral("cero"))
        texto = PVAPI::cinformes::FormaAntesDeNombre(e) + QStringLiteral(" euros");
    if (c == QStringLiteral("cero")) {
        texto += QLatin1Char('.');
    } else {
        if (!texto.isEmpty())
            texto += QStringLiteral(" con ");
        texto += c == QStringLiteral("uno")
                     ? QStringLiteral("un centimo de euro.")
                     : PVAPI::cinformes::FormaAntesDeNombre(c) + QStringLiteral(" centimos de euro.");
    }
    return Redactar(texto);
}

QString cInformes::CondicionRecibos(const addins::ColeccionRecibos& colRecibos) const
{
    return PVAPI::cIListas::SQLArray(colRecibos, QStringLiteral("Recibo.IDRecibo"));
}

void cInformes::Informar(const char* procedimiento) const
{
    vb::Err().SetFromException(std::current_exception());
    m_ctx.duzediv->VerError(QString::fromLatin1(procedimiento), QStringLiteral("cInformes"), kProyecto);
}

void cInformes::ImprimirRecibos(const addins::ColeccionRecibos& colRecibos)
{
    const ui::HourglassGuard puntero;
    const impresion::ImpresionEnCurso enCurso(m_ctx.appTitle);
    if (!enCurso.Libre())
        return;
    PVAPI::IControlInforme& c = *m_ctx.control;
    db::Connection& conInformes = *m_ctx.conInformes;
    // Formulas set here go on every path; `Recibos` is emptied at the end
    // on every path, and before writing, so no earlier failed print's rows
    // are printed again.
    report::GuardaImpresion guarda(c, &conInformes, {kVaciarRecibos});
    try {
        const PVAPI::cDuzediv servicio(m_ctx.appTitle);
        const cCurrency moneda;
        const bool blnPesetas = m_ctx.config->TrabajarConPesetas;
        conInformes.Execute(kVaciarRecibos);

        db::Recordset rs = m_ctx.conLocal->Execute(ConsultaRecibos(blnPesetas, CondicionRecibos(colRecibos)));
        {
            db::Transaction transaccion(conInformes);
            for (; !rs.isEOF(); rs.MoveNext()) {
                const db::Value valor = rs.value(QStringLiteral("Importe_Recibo"));
                const double importe = valor.isNull() ? 0.0 : valor.toDouble();
                const QString nombre = (Texto(rs, "Persona_PrimerApellido") + QLatin1Char(' ') +
                                        Texto(rs, "Persona_SegundoApellido") + QStringLiteral(", ") +
                                        Texto(rs, "Persona_Nombre"))
                                           .left(122);
                const QString importeTexto =
                    moneda.FormatearCurrency(vb::CStrDouble(blnPesetas ? std::round(importe) : importe), !blnPesetas);
                const QString letras = ImporteEnLetras(importe, blnPesetas).left(255).trimmed();
                conInformes.Exec(
                    QStringLiteral("INSERT INTO Recibos(NumeroRecibo, Importe_Recibo, Fecha_Recibo, Donativo, "
                                   "Persona_Nombre, Persona_Domicilio, Persona_NIF, Persona_Provincia, "
                                   "Persona_Poblacion, Persona_CP, InstitucionTipo, InstitucionNombre, "
                                   "Institucion_Domicilio, Institucion_CIF, Institucion_Poblacion, "
                                   "Institucion_Provincia, Institucion_CP, Importe_Recibo_Texto) "
                                   "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    {Texto(rs, "NumeroRecibo"), importeTexto, FechaRecibo(Texto(rs, "Fecha_Recibo")),
                     Texto(rs, "Donativo"), nombre, Texto(rs, "Persona_Domicilio"), Texto(rs, "Persona_NIF"),
                     Texto(rs, "Persona_Provincia"), Texto(rs, "Persona_Poblacion"), Texto(rs, "Persona_CP"),
                     Texto(rs, "InstitucionTipo"), Texto(rs, "InstitucionNombre"), Texto(rs, "Institucion_Domicilio"),
                     Texto(rs, "Institucion_CIF"), Texto(rs, "Institucion_Poblacion"),
                     Texto(rs, "Institucion_Provincia"), Texto(rs, "Institucion_CP"), letras});
            }
            transaccion.Commit();
        }

        if (conInformes.Execute(QStringLiteral("SELECT * FROM  Recibos")).isEOF()) {
            ui::Beep();
            ui::MsgBox(QStringLiteral("¡No se ha encontrado ningún registro!"), ui::vbOKOnly + ui::vbInformation,
                       m_ctx.appTitle);
        } else {
            c.setReportFileName(m_ctx.Archivo(QStringLiteral("\\infDO_Recibo.rpt")));
            c.setDataFiles(0, m_ctx.Archivo(QStringLiteral("Informes.mdb")));
            c.setPassword(QLatin1Char('\n') + PVAPI::cCPassword::PASSWORD_INFORMES());
            c.setWindowTitle(QStringLiteral("Recibos por caja"));
            c.setEngineSetting67(2);
            c.setMarginLeft(margenes::Margen(m_ctx, cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ(), QStringLiteral("0")));
            c.setMarginRight(0);
            c.setMarginBottom(0);
            c.setMarginTop(margenes::Margen(m_ctx, cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP(), QStringLiteral("0")));
            guarda.AnadirFormula(blnPesetas ? QStringLiteral("PtsEur=0") : QStringLiteral("PtsEur=2"));
            c.PrintReport();
            report::InformarErrorMotor(c, servicio);
            guarda.LimpiarControl();
            report::VaciarFormulasDesdeUno(c);
        }
    } catch (...) {
        Informar("ImprimirRecibos");
    }
    try {
        guarda.VaciarTablas();
    } catch (...) {
        Informar("ImprimirRecibos");
    }
}

void cInformes::ImprimirExhortoAmonestacionesMatrimonio(qint32& lngID)
{
    const ui::HourglassGuard puntero;
    try {
        std::unique_ptr<addins::cGestPar> gestPar =
            addins::CrearObjeto<addins::cGestPar>(QString::fromLatin1(addins::cGestPar::NombreClase));
        ui::DoEvents();
        impresion::Documento d;
        d.titulo = QStringLiteral("Exhorto de amonestaciones");
        d.claveMargenSup = cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP();
        d.claveMargenIzq = cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ();
        d.defectoMargenSup = QStringLiteral("0");
        d.defectoMargenIzq = QStringLiteral("0");
        d.guarda = impresion::Guarda::FilaTrasLlenar;
        d.consultaGuarda = QStringLiteral("SELECT ParroquiaResidenciaNovio FROM Documentos_Matrimonio ");
        d.deshabilitar = impresion::Deshabilitar::TrasGuarda;
        d.vaciar = {QStringLiteral("DELETE FROM Documentos_Matrimonio"),
                    QStringLiteral("DELETE FROM Documentos_Matrimonio_Novios"),
                    QStringLiteral("DELETE FROM Documentos_Matrimonio_Novias"),
                    QStringLiteral("DELETE FROM Documentos_Matrimonio_Otros")};
        d.elegirPlantilla = [this, &d] {
            const db::Recordset rs = m_ctx.conInformes->Execute(d.consultaGuarda);
            const db::Value parroquia = rs.value(0);
            const bool sinDatos = !parroquia.isNull() && vb::Trim(parroquia.toString()) == QStringLiteral("---");
            return sinDatos ? QStringLiteral("\\infGP_ExhortoAmonestacionesMatrimonio.rpt")
                            : QStringLiteral("\\infGP_ExhortoAmonestacionesMatrimonioDatos.rpt");
        };
        impresion::ImprimirDocumento(m_ctx, d, [&] {
            gestPar->InformeExhortoMatrimonio(*m_ctx.conLocal, *m_ctx.conInformes, lngID);
        });
    } catch (...) {
        Informar("ImprimirExhortoAmonestacionesMatrimonio");
    }
}

void cInformes::ImprimirPartidaSinLibro()
{
    try {
        std::unique_ptr<addins::cGestPar> gestPar =
            addins::CrearObjeto<addins::cGestPar>(QString::fromLatin1(addins::cGestPar::NombreClase));
        ui::DoEvents();
        impresion::Documento d;
        d.plantilla = QStringLiteral("\\infGP_NotificacionConfirmacion.rpt");
        d.titulo = QStringLiteral("Notificación de confirmación");
        d.claveMargenSup = cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP();
        d.claveMargenIzq = cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ();
        d.defectoMargenSup = QStringLiteral("0");
        d.defectoMargenIzq = QStringLiteral("0");
        d.guarda = impresion::Guarda::FilaTrasLlenar;
        d.consultaGuarda = QStringLiteral("SELECT InstitucionNombre FROM Documentos_Confirmacion");
        d.deshabilitar = impresion::Deshabilitar::Nunca;
        d.vaciar = {QStringLiteral("Delete from Documentos_Confirmacion")};
        impresion::ImprimirDocumento(m_ctx, d, [&] {
            gestPar->ImprimirPartidaSinLibro(*m_ctx.conLocal, *m_ctx.conInformes, *m_ctx.config);
        });
    } catch (...) {
        Informar("ImprimirPartidaSinLibro");
    }
}
