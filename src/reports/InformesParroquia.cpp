// The parish-management reports: the parish lists (all records or a
// selection), the duplicate books and the blank templates and marriage-file
// forms.

#include "core/CcNodos.h"
#include "core/cConstante.h"
#include "platform/addins/cGestPar.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/pvapi/IControlInforme.h"
#include "platform/pvapi/cCAplicacion.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/report/GuardaImpresion.h"
#include "platform/report/SecuenciaImpresion.h"
#include "platform/ui/HourglassGuard.h"
#include "reports/BotoneraInformes.h"
#include "reports/InformesFamilias_p.h"
#include "reports/PasosInforme.h"

#include <QStringList>

using informes::Aviso;
using informes::DefinicionLista;
using PVAPI::cCAplicacion;
using PVAPI::cCRegistry;

namespace {

const Aviso kRecordset{QStringLiteral("¡Ocurrió un error al crear el recordset!")};
const Aviso kLecturaAgenda{
    QStringLiteral("¡Ocurrió un error mientras se listaba el informe de tareas de la agenda!")};

struct Duplicada {
    QString guarda;
    QString plantilla;
    QString titulo;
    QStringList vaciar;
};

// Template file and window title of a blank form.
struct Formulario {
    QString plantilla;
    QString titulo;
};

} // namespace

void informes_p::ListaParroquia(const EntornoInforme& e, const CcNodos& n, const QString& nodo, bool todos)
{
    using Seleccion = void (addins::cGestPar::*)(db::Connection&, db::Connection&);
    using Todos = void (addins::cGestPar::*)(db::Connection&, db::Connection&, QProgressBar*);
    DefinicionLista d;
    d.margenSup = cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP();
    d.margenIzq = cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ();
    d.avisoLectura = &kRecordset;
    Seleccion seleccion = nullptr;
    Todos llenarTodos = nullptr;
    QString vaciar = QStringLiteral("DELETE * FROM Informe_Colaboradores");

    if (nodo == n.INFAGENDA()) {
        d.consulta = QStringLiteral("SELECT * FROM Tareas_Agenda");
        d.plantilla = QStringLiteral("infGP_TareasAgenda.rpt");
        d.titulo = QStringLiteral("Informe de Tareas de la Agenda");
        vaciar = QStringLiteral("DELETE * FROM Tareas_Agenda");
        if (todos) {
            d.avisoVaciado.mensaje = QStringLiteral("¡Ocurrió un error mientras se borraban los informes de tareas!");
            llenarTodos = &addins::cGestPar::InformeAgenda;
        } else {
            d.avisoLectura = &kLecturaAgenda;
            d.avisoVaciado.mensaje = QStringLiteral("¡Ocurrió un error mientras se borraban las tareas del informe!");
            d.ajuste24 = true;
            seleccion = &addins::cGestPar::SelInfTareasAgenda;
        }
    } else if (nodo == n.INFACTIVIDADES()) {
        d.consulta = todos ? QStringLiteral("SELECT * FROM Informe_Colaboradores")
                           : QStringLiteral("SELECT * FROM  Informe_Colaboradores");
        d.plantilla = QStringLiteral("infGP_Actividad.rpt");
        d.titulo = QStringLiteral("Informe de Actividades");
        d.avisoVaciado.mensaje = QStringLiteral("¡Ocurrió un error mientras se borraban los Informes de colaboradores!");
        seleccion = &addins::cGestPar::SelInfActividad;
        llenarTodos = &addins::cGestPar::InformeActividad;
    } else if (nodo == n.INFCOLABORADORES()) {
        d.consulta = QStringLiteral("SELECT * FROM  Informe_Colaboradores");
        d.plantilla = QStringLiteral("infGP_Colabora.rpt");
        d.titulo = QStringLiteral("Informe de Colaboradores");
        d.avisoVaciado.mensaje =
            todos ? QStringLiteral("¡Ocurrió un error mientras se borraban los informes de colaboradores!")
                  : QStringLiteral("¡Ocurrió un error mientras se borraban los informes de de colaboradores!");
        seleccion = &addins::cGestPar::SelInfColaborador;
        llenarTodos = &addins::cGestPar::InformeColaborador;
    } else if (nodo == n.INFCOLABORADORESEXTENDIDO()) {
        d.consulta = QStringLiteral("SELECT * FROM  Informe_Colaboradores");
        d.plantilla = QStringLiteral("infGP_ColaboraExt.rpt");
        d.titulo = todos ? QStringLiteral("Informe de Colaboradores (extendido)")
                         : QStringLiteral("Informe de Colaboradores  (extendido)");
        d.avisoVaciado.mensaje =
            todos ? QStringLiteral("¡Ocurrió un error mientras se borraban los informes de colaboradores extendido!")
                  : QStringLiteral("¡Ocurrió un error mientras se borraban los informes de colaboradores!");
        seleccion = &addins::cGestPar::SelInfColaboradorExt;
        llenarTodos = &addins::cGestPar::InformeColaboradorExt;
    } else {
        return;
    }
    std::function<void()> llenar;
    if (todos)
        llenar = [&e, llenarTodos] { (e.gestPar().*llenarTodos)(e.conLocal(), e.conInformes(), e.nvbpInformes); };
    else
        llenar = [&e, seleccion] { (e.gestPar().*seleccion)(e.conLocal(), e.conInformes()); };
    informes::PasadaLista(e, d, todos, llenar, informes::VaciarCon(e, vaciar));
}

void informes_p::Duplicadas(const EntornoInforme& e, const CcNodos& n, const QString& nodo)
{
    Duplicada d;
    if (nodo == n.INFDUPLICADASBAUTISMO()) {
        d = {QStringLiteral("Select * from Documentos_Bautismo"), QStringLiteral("infGP_DuplicadasBautismo.rpt"),
             QStringLiteral("Duplicadas de Bautismo"), {QStringLiteral("Delete from Documentos_Bautismo")}};
    } else if (nodo == n.INFDUPLICADASCONFIRMACION()) {
        d = {QStringLiteral("Select * from Documentos_Confirmacion"),
             QStringLiteral("infGP_DuplicadasConfirmacion.rpt"), QStringLiteral("Duplicadas de Confirmación"),
             {QStringLiteral("Delete from Documentos_Confirmacion")}};
    } else if (nodo == n.INFDUPLICADASMATRIMONIO()) {
        d = {QStringLiteral("Select libro from Documentos_Matrimonio"),
             QStringLiteral("infGP_DuplicadasMatrimonio.rpt"), QStringLiteral("Duplicadas de Matrimonio"),
             {QStringLiteral("DELETE FROM Documentos_Matrimonio"), QStringLiteral("DELETE FROM Documentos_Matrimonio_Novios"),
              QStringLiteral("DELETE FROM Documentos_Matrimonio_Novias"),
              QStringLiteral("DELETE FROM Documentos_Matrimonio_Otros")}};
    } else if (nodo == n.INFDUPLICADASDEFUNCION()) {
        d = {QStringLiteral("Select * from Documentos_Defuncion"), QStringLiteral("infGP_DuplicadasDefuncion.rpt"),
             QStringLiteral("Duplicadas de Defunción"), {QStringLiteral("DELETE * FROM Documentos_Defuncion")}};
    } else {
        return;
    }
    PVAPI::IControlInforme& c = e.control();
    // Sort entries go back to "" and the tables are emptied on every path.
    report::GuardaImpresion guarda(c, &e.conInformes(), d.vaciar);
    try {
        QString orden;
        e.gestPar().imprimirduplicadas(e.conLocal(), e.conInformes(), e.nodoSeleccionado, orden);
        if (e.conInformes().Execute(d.guarda).RecordCount() != 0) {
            informes::PrepararFormulario(e, d.plantilla, d.titulo);
            if (!orden.isEmpty()) {
                const QStringList campos = orden.split(QLatin1Char(','));
                for (int i = 0; i < campos.size(); ++i)
                    guarda.PonerOrden(i, campos[i]);
            }
            c.PrintReport();
            report::InformarErrorMotor(c, e.obj.servicio);
            guarda.LimpiarControl();
        }
    } catch (...) {
        informes::InformarExcepcion(e, {});
    }
    try {
        guarda.VaciarTablas();
    } catch (...) {
        informes::InformarExcepcion(e, {});
    }
}

void informes_p::Plantilla(const EntornoInforme& e, const CcNodos& n, const QString& nodo)
{
    if (nodo == n.INFEXPEDIENTEMATRIMONIALFORMATO3()) {
        try {
            ImprimirPlantillaExpedienteFormato3(e);
        } catch (...) {
            informes::InformarExcepcion(e, {});
        }
        return;
    }
    const QString edicion = cConstante(e.ctx.edicion).Aplicacion();
    const bool valdena = edicion == cCAplicacion::Texto(cCAplicacion::APP_PARVANTA_VALDENA);
    const bool corbela = edicion == cCAplicacion::Texto(cCAplicacion::APP_PARVANTA_CORBELA);
    Formulario f;
    if (nodo == n.INFSOLICITUD_BAUTISMO()) {
        f = {QStringLiteral("infGP_SolicitudBautismoBlanco.rpt"), QStringLiteral("Solicitud de Bautismo")};
    } else if (nodo == n.INFNOTIFICACIONCONFIRMACION()) {
        f = {QStringLiteral("infGP_NotificacionConfirmacionPlantilla.rpt"),
             QStringLiteral("Notificación de confirmación a la parroquia de bautismo")};
    } else if (nodo == n.INFEXPEDIENTEMATRIMONIALVALDENA() || nodo == n.INFEXPEDIENTEMATRIMONIAL() ||
               nodo == n.INFEXPEDIENTEMATRIMONIALFORMATO1()) {
        if (valdena)
            f = {QStringLiteral("infGP_ExpedienteMatrimonioValdenaPlantilla.rpt"),
                 QStringLiteral("Expediente matrimonial en Valdena")};
        else if (corbela)
            f = {QStringLiteral("infGP_ExpedienteMatrimonioPlantilla.rpt"), QStringLiteral("Expediente matrimonial")};
        else
            f = {QStringLiteral("infGP_ExpedienteMatrimonioFormato1Plantilla.rpt"),
                 QStringLiteral("Expediente matrimonial (formato 1)")};
    } else if (nodo == n.INFEXPEDIENTEMATRIMONIALOTRASDIOCESIS() || nodo == n.INFEXPEDIENTEMATRIMONIALFORMATO2()) {
        if (valdena)
            f = {QStringLiteral("infGP_ExpedienteMatrimonioOtrasPlantilla.rpt"),
                 QStringLiteral("Expediente matrimonial en otras diócesis")};
        else
            f = {QStringLiteral("infGP_ExpedienteMatrimonioFormato2Plantilla.rpt"),
                 QStringLiteral("Expediente matrimonial (formato 2)")};
    } else if (nodo == n.INFATESTADO() || nodo == n.INFRESUMENMATRIMONIAL()) {
        if (corbela)
            f = {QStringLiteral("infGP_AtestadoPlantilla.rpt"), QStringLiteral("Atestado para otras Diócesis")};
        else
            f = {QStringLiteral("infGP_Allegato_V_1_Plantilla.rpt"),
                 QStringLiteral("Resumen Matrimonial (Allegato V) Página 1")};
    } else if (nodo == n.INFRESUMENMATRIMONIAL2()) {
        f = {QStringLiteral("infGP_Allegato_V_2_Plantilla.rpt"),
             QStringLiteral("Resumen Matrimonial (Allegato V) Página 2")};
    } else {
        return;
    }
    try {
        const ui::HourglassGuard reloj;
        informes::PrepararFormulario(e, f.plantilla, f.titulo);
        e.control().PrintReport();
        report::InformarErrorMotor(e.control(), e.obj.servicio);
    } catch (...) {
        informes::InformarExcepcion(e, {});
    }
}

void ImprimirPlantillaExpedienteFormato3(const EntornoInforme& e)
{
    bool tramitaParroquia = false;
    bool enviaCuria = false;
    bool enviaCuriaAntes = false;
    e.gestPar().InformeExpedienteFormato3Plantilla(tramitaParroquia, enviaCuria, enviaCuriaAntes);
    if (!tramitaParroquia && !enviaCuria && !enviaCuriaAntes)
        return;
    auto digito = [](bool valor) { return valor ? QStringLiteral("1") : QStringLiteral("0"); };
    PVAPI::IControlInforme& c = e.control();
    {
        const ui::HourglassGuard reloj;
        report::GuardaImpresion guarda(c);
        informes::PrepararFormulario(e, QStringLiteral("infGP_ExpedienteMatrimonioFormato3Plantilla.rpt"),
                                     QStringLiteral("Expediente matrimonial (formato 3)"));
        guarda.PonerFormula(0, QStringLiteral("TramitaParroquia=") + digito(tramitaParroquia));
        guarda.PonerFormula(1, QStringLiteral("EnviaCuria=") + digito(enviaCuria));
        guarda.PonerFormula(2, QStringLiteral("EnviaCuriaAntes=") + digito(enviaCuriaAntes));
        c.PrintReport();
    }
    report::InformarErrorMotor(c, e.obj.servicio);
}
