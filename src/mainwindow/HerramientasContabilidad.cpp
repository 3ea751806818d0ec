#include "mainwindow/HerramientasContabilidad.h"

#include "core/EstadoPrincipal.h"
#include "core/denDuzediv.h"
#include "platform/addins/HostComplementos.h"
#include "platform/addins/cContabilidad.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/db/Recordset.h"
#include "platform/pvapi/cCOrigen.h"
#include "platform/ui/AvisoNoDisponible.h"
#include "platform/ui/Ui.h"
#include "platform/vb/VbError.h"

namespace {

std::unique_ptr<addins::cContabilidad> NuevaContabilidad()
{
    return addins::CrearObjeto<addins::cContabilidad>(QStringLiteral("NvContabilidad.cContabilidad"));
}

} // namespace

db::Recordset HerramientasContabilidad::FilaEmpresa()
{
    db::Recordset rs = m_c.den.conContabilidad.Query(
        QStringLiteral("SELECT CodEmpresaAnterior, CodEmpresaSiguiente, EjercicioCerrado FROM Empresa WHERE IDEmpresa=?"),
        {m_c.estado.mlngCodEmpresaSeleccionada});
    if (rs.isEOF()) {
        if (m_c.quitarEmpresa)
            m_c.quitarEmpresa();
        m_c.actualizarLista();
        throw vb::VbError(3021, QStringLiteral("La empresa seleccionada ya no existe en la contabilidad. "
                                               "Seleccione otra empresa en la lista de empresas."));
    }
    return rs;
}

bool HerramientasContabilidad::HayEmpresa()
{
    if (m_c.estado.mlngCodEmpresaSeleccionada == 0)
        return false;
    FilaEmpresa();
    return true;
}

addins::cContabilidad* HerramientasContabilidad::Contabilidad() const
{
    if (!m_c.gobjContabilidad)
        ui::AvisoNoDisponible();
    return m_c.gobjContabilidad;
}

void HerramientasContabilidad::TraspasarEnlace(quint8 bytOrigen, qint32 lngEmpresa)
{
    if (!m_c.gobjVodidazaz) {
        ui::AvisoNoDisponible();
        return;
    }
    qint32& seleccionada = m_c.estado.mlngCodEmpresaSeleccionada;
    db::Recordset empresa = FilaEmpresa();
    if (empresa.value(QStringLiteral("EjercicioCerrado")).toBool()) {
        qint32 siguiente = qint32(empresa.value(QStringLiteral("CodEmpresaSiguiente")).toInt64());
        m_c.gobjVodidazaz->TraspasaEnlace(m_c.den.conLocal, m_c.den.conContabilidad, seleccionada, siguiente,
                                          bytOrigen, m_c.info);
    } else {
        m_c.gobjVodidazaz->TraspasaEnlace(m_c.den.conLocal, m_c.den.conContabilidad, lngEmpresa, seleccionada,
                                          bytOrigen, m_c.info);
    }
}

void HerramientasContabilidad::CambiarEnlace()
{
    if (HayEmpresa())
        TraspasarEnlace(PVAPI::cCOrigen::PRINCIPAL, 0);
}

bool HerramientasContabilidad::EnlazadaA(qint32 lngEmpresa) const
{
    return !m_c.den.conLocal
                .Query(QStringLiteral("SELECT CodEmpresa FROM Contab_Enlace_Institucion WHERE CodEmpresa=?"),
                       {lngEmpresa})
                .isEOF();
}

void HerramientasContabilidad::CerrarAbrirEjercicio()
{
    if (!HayEmpresa())
        return;
    const std::unique_ptr<addins::cContabilidad> contabilidad = NuevaContabilidad();
    if (m_c.estado.mblnEjercicioCerrado)
        Abrir(*contabilidad);
    else
        Cerrar(*contabilidad);
}

void HerramientasContabilidad::Abrir(addins::cContabilidad& contabilidad)
{
    qint32& empresa = m_c.estado.mlngCodEmpresaSeleccionada;
    const qint32 siguiente =
        qint32(FilaEmpresa().value(QStringLiteral("CodEmpresaSiguiente")).toInt64());
    if (!contabilidad.AbrirEjercicio(m_c.estado.mobjConfigContab, m_c.den.conContabilidad, empresa))
        return;
    m_c.actualizarLista();
    m_c.estado.mblnEjercicioCerrado = false;
    // The year is open again: the link the close handed to the next company
    // comes back, when that company holds it.
    if (siguiente != 0 && EnlazadaA(siguiente))
        TraspasarEnlace(PVAPI::cCOrigen::CIERRE_EJERCICIO, siguiente);
}

// The new company is the one the close chained to the closed company, not
// the highest id, which may be another workstation's. The add-in ends its
// own transactions: nothing left open is committed for it.
void HerramientasContabilidad::Cerrar(addins::cContabilidad& contabilidad)
{
    qint32& empresa = m_c.estado.mlngCodEmpresaSeleccionada;
    if (!contabilidad.CerrarEjercicio(m_c.estado.mobjConfigContab, m_c.den.conContabilidad, empresa))
        return;
    if (EnlazadaA(empresa))
        TraspasarEnlace(PVAPI::cCOrigen::CIERRE_EJERCICIO, 0);
    m_c.actualizarLista();
    m_c.estado.mblnEjercicioCerrado = true;
    const qint32 nueva =
        qint32(FilaEmpresa().value(QStringLiteral("CodEmpresaSiguiente")).toInt64());
    ui::Beep();
    if (nueva != 0
        && ui::MsgBox(QStringLiteral("¿Desea seleccionar la nueva empresa?"), ui::vbYesNo + ui::vbQuestion)
               == ui::vbYes) {
        empresa = nueva;
        m_c.actualizarNodosEmpresa();
    }
}

void HerramientasContabilidad::RecalcularTotales()
{
    if (!HayEmpresa())
        return;
    if (NuevaContabilidad()->RecalcularTotales(m_c.estado.mobjConfigContab, m_c.den.conContabilidad,
                                               m_c.estado.mlngCodEmpresaSeleccionada))
        m_c.actualizarLista();
}

void HerramientasContabilidad::Consolidar()
{
    bool blnCancelar = false;
    NuevaContabilidad()->ConsolidarEmpresas(m_c.estado.mobjConfigContab, m_c.den.conContabilidad, blnCancelar);
    if (!blnCancelar)
        m_c.actualizarLista();
}

void HerramientasContabilidad::CopiarDatos()
{
    addins::cContabilidad* contabilidad = Contabilidad();
    if (!contabilidad)
        return;
    bool blnCancelar = false;
    contabilidad->AsistenteCopiarDatos(m_c.estado.mobjConfigContab, m_c.den.conContabilidad, blnCancelar,
                                       m_c.estado.mlngCodEmpresaSeleccionada);
    if (!blnCancelar)
        m_c.actualizarLista();
}

void HerramientasContabilidad::Exportar()
{
    addins::cContabilidad* contabilidad = Contabilidad();
    if (!contabilidad)
        return;
    bool blnCancelar = false;
    contabilidad->AsistenteExportar(m_c.estado.mobjConfigContab, m_c.den.conContabilidad, blnCancelar);
    if (!blnCancelar)
        m_c.actualizarLista();
}

void HerramientasContabilidad::Importar()
{
    addins::cContabilidad* contabilidad = Contabilidad();
    if (!contabilidad)
        return;
    bool blnCancelar = false;
    contabilidad->AsistenteImportar(m_c.estado.mobjConfigContab, m_c.den.conContabilidad, blnCancelar);
    if (!blnCancelar)
        m_c.actualizarLista();
}

void HerramientasContabilidad::Renumerar()
{
    if (!HayEmpresa())
        return;
    NuevaContabilidad()->RenumerarAsientos(m_c.estado.mobjConfigContab, m_c.den.conContabilidad,
                                           m_c.estado.mlngCodEmpresaSeleccionada);
    m_c.actualizarLista();
}

void HerramientasContabilidad::SustituirSubcuenta()
{
    if (!HayEmpresa())
        return;
    NuevaContabilidad()->MoverSubctaDiario(m_c.estado.mobjConfigContab, m_c.den.conContabilidad,
                                           m_c.estado.mlngCodEmpresaSeleccionada);
}
