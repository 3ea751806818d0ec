#include "actions/DespacharAccion.h"
#include "actions/EmpresaSeleccionada.h"
#include "actions/VentanaDeshabilitada.h"
#include "actions/cIActionMenus.h"

#include "dialogs/frmEliminaInstitucion.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

#include <QApplication>

namespace {

using D = DuenoAccion;
using M = MarcoAccion;

// The institution removal dialog is the whole command: it asks, removes
// and closes; the window stays enabled, the dialog being modal.
void MostrarEliminaInstitucion(ArgumentosAccion& a)
{
    frmEliminaInstitucion forma(a.conLocal(), a.conContabilidad(), QApplication::activeWindow());
    forma.mlngID = a.lngID;
    forma.Form_Load();
    widgets::DialogoRegistroEjecutor::Ejecutar(forma);
}

// The window is enabled again before the tree and the node model change.
void EliminarEmpresa(ArgumentosAccion& a)
{
    const qint32 lngIDEmpresa = a.lngID;
    bool blnEliminada = false;
    {
        VentanaDeshabilitada deshabilitada(a.ventana);
        a.Contabilidad().EliminaEmpresa(a.configContab(), a.conContabilidad(), a.lngID, blnEliminada);
    }
    if (blnEliminada)
        EmpresaSeleccionada::Quitar(a.ventana, a.conLocal(), lngIDEmpresa);
}

} // namespace

const TablaAcciones& cIActionMenus::TablaEliminar()
{
    static const TablaAcciones tabla = {
        {&CcNodos::SOLICITUDES, D::GestPar, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) {
             a.GestPar().EliminarSolicitud(a.conLocal(), a.lngID, a.info(), a.strTextDescription);
         }},
        {&CcNodos::PARTIDAS, D::GestPar, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) {
             a.GestPar().EliminarPartida(a.conLocal(), a.lngID, a.info(), a.strTextDescription);
         }},
        {&CcNodos::LIBROS, D::GestPar, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) {
             a.GestPar().EliminarLibro(a.conLocal(), a.lngID, a.info(), a.strTextDescription);
         }},
        {&CcNodos::BANCO, D::Bancos, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) {
             qint32 lngIDBanco = a.lngID;
             cIActionMenus(a.app, &a.ventana).DeleteBanco(lngIDBanco);
         }},
        {&CcNodos::CARITATIVO, D::Vodidazaz, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) { a.Vodidazaz().EliminaDonante(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::INSTITUCION, D::Programa, M::Espera, MostrarEliminaInstitucion},
        {&CcNodos::PRESENTADOR, D::Vodidazaz, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) { a.Vodidazaz().EliminaPresentador(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::TIPODONATIVO, D::Vodidazaz, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) { a.Vodidazaz().EliminaTipoDonativo(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::REMESA, D::Vodidazaz, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) {
             a.Vodidazaz().EliminaRemesa(a.conLocal(), a.conContabilidad(), a.lngID, a.info());
         }},
        {&CcNodos::RECIBOS, D::Vodidazaz, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) {
             a.Vodidazaz().EliminaRecibosCaja(a.conLocal(), a.conContabilidad(), a.lngID, a.info());
         }},
        {&CcNodos::MUNICIPIO, D::Duzediv, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) { a.Duzediv().EliminaMunicipio(a.conLocal(), a.lngID); }},
        {&CcNodos::PROVINCIA, D::Duzediv, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) { a.Duzediv().EliminaProvincia(a.conLocal(), a.lngID); }},
        {&CcNodos::PADRON, D::GestPar, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) { a.GestPar().EliminaEmpadronado(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::COLABORADOR, D::GestPar, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) { a.GestPar().EliminaColaborador(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::CARGO, D::GestPar, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) { a.GestPar().EliminaCargo(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::ACTIVIDAD, D::GestPar, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) { a.GestPar().EliminaActividad(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::BANDEJAENTRADA, D::Mensajeria, M::Espera,
         [](ArgumentosAccion& a) { a.Mensajeria().EliminarMensaje(a.conLocal(), a.lngID); }},
        {&CcNodos::BANDEJASALIDA, D::Mensajeria, M::Espera,
         [](ArgumentosAccion& a) { a.Mensajeria().EliminarMensaje(a.conLocal(), a.lngID); }},
        {&CcNodos::ELEMENTOSENVIADOS, D::Mensajeria, M::Espera,
         [](ArgumentosAccion& a) { a.Mensajeria().EliminarMensaje(a.conLocal(), a.lngID); }},
        {&CcNodos::EMPRESAS, D::Contabilidad, M::Espera, EliminarEmpresa},
        {&CcNodos::ASIENTOS, D::Contabilidad, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) {
             a.Contabilidad().EliminarAsiento(a.configContab(), a.conContabilidad(), a.lngID);
         }},
        {&CcNodos::ASIENTOPREDEFINIDO, D::Contabilidad, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) {
             a.Contabilidad().EliminarAsientoPredefinido(a.configContab(), a.conContabilidad(), a.lngID);
         }},
        {&CcNodos::PRESUPUESTO, D::Contabilidad, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) {
             a.Contabilidad().EliminarPresupuesto(a.configContab(), a.conContabilidad(), a.lngID);
         }},
        {&CcNodos::CUENTAS, D::Contabilidad, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) {
             qint32 lngEmpresa = a.empresaSeleccionada();
             a.Contabilidad().EliminarCuenta(a.configContab(), a.conContabilidad(), lngEmpresa, a.lngID, nullptr);
         }},
        {&CcNodos::SUBCUENTAS, D::Contabilidad, M::EsperaDeshabilitada,
         [](ArgumentosAccion& a) {
             a.Contabilidad().EliminarSubcuenta(a.configContab(), a.conContabilidad(), a.empresaSeleccionada(),
                                                a.lngID);
         }},
        {&CcNodos::GRUPOS, D::Contabilidad, M::Espera,
         [](ArgumentosAccion& a) { a.Contabilidad().EliminarGrupo(a.configContab(), a.conContabilidad(), a.lngID); }},
    };
    return tabla;
}

void cIActionMenus::Eliminar(QString& strTextSelect, qint32& lngID, QString& strTextDescription)
{
    ArgumentosAccion argumentos{m_app, Ventana(), lngID, strTextDescription};
    DespacharAccion(TablaEliminar(), strTextSelect, argumentos);
}
