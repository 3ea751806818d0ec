#include "actions/DespacharAccion.h"
#include "actions/DigitosControlBanco.h"
#include "actions/EmpresaSeleccionada.h"
#include "actions/cIActionMenus.h"

#include "platform/pvapi/cCOrigen.h"

namespace {

using D = DuenoAccion;
using M = MarcoAccion;

// The bank dialog, told which branches it may not delete; when the bank's
// codes changed, the control digits of its accounts are computed again.
void EditarBanco(ArgumentosAccion& a)
{
    db::Recordset rsSucursales = a.Duzediv().ObtenerSucNoEliminables(a.conLocal(), a.lngID);
    bool blnCambiado = false;
    a.Bancos().EditaBanco(a.conLocal(), a.lngID, App::Title(), rsSucursales, blnCambiado);
    if (blnCambiado)
        RecalcularDigitosControl(a.conLocal(), a.Duzediv(), a.lngID);
}

void EditarEmpresa(ArgumentosAccion& a)
{
    const qint32 lngIDEmpresa = a.lngID;
    a.Contabilidad().EditaEmpresa(a.configContab(), a.conContabilidad(), a.lngID);
    EmpresaSeleccionada::Reetiquetar(a.ventana, a.conContabilidad(), lngIDEmpresa);
}

const TablaAcciones& TablaEditar()
{
    static const TablaAcciones tabla = {
        {&CcNodos::SOLICITUDES, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) {
             a.GestPar().PropiedadesSolicitudes(a.conLocal(), a.lngID, a.info(), a.strTextDescription);
         }},
        {&CcNodos::PARTIDAS, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) {
             a.GestPar().PropiedadesPartida(a.conLocal(), a.lngID, a.info(), a.strTextDescription);
         }},
        {&CcNodos::LIBROS, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) {
             a.GestPar().PropiedadesLibro(a.conLocal(), a.lngID, a.info(), a.strTextDescription);
         }},
        // The branches come from the service object, so both must be there.
        {&CcNodos::BANCO, D::Bancos, M::Predeterminado,
         [](ArgumentosAccion& a) {
             if (DuenoDisponible(a.app, D::Duzediv))
                 EditarBanco(a);
         }},
        {&CcNodos::CARITATIVO, D::Vodidazaz, M::Espera,
         [](ArgumentosAccion& a) {
             a.Vodidazaz().EditaDonante(a.conLocal(), a.conContabilidad(), PVAPI::cCOrigen::CARITATIVO, a.lngID,
                                        a.info());
         }},
        {&CcNodos::INSTITUCION, D::Duzediv, M::Espera,
         [](ArgumentosAccion& a) { a.Duzediv().EditaInstitucion(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::PRESENTADOR, D::Vodidazaz, M::Espera,
         [](ArgumentosAccion& a) { a.Vodidazaz().EditaPresentador(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::TIPODONATIVO, D::Vodidazaz, M::Espera,
         [](ArgumentosAccion& a) { a.Vodidazaz().EditaTipoDonativo(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::REMESA, D::Vodidazaz, M::Espera,
         [](ArgumentosAccion& a) {
             a.Vodidazaz().EditaRecibosRemesa(a.conLocal(), a.conContabilidad(), a.lngID, a.info());
         }},
        {&CcNodos::MUNICIPIO, D::Duzediv, M::Espera,
         [](ArgumentosAccion& a) { a.Duzediv().EditaMunicipio(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::PROVINCIA, D::Duzediv, M::Espera,
         [](ArgumentosAccion& a) { a.Duzediv().EditaProvincia(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::COLABORADOR, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) { a.GestPar().EditaColaborador(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::PADRON, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) { a.GestPar().EditaEmpadronado(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::CARGO, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) { a.GestPar().EditaCargo(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::ACTIVIDAD, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) { a.GestPar().EditaActividad(a.conLocal(), a.lngID, a.info()); }},
        {&CcNodos::BANDEJAENTRADA, D::Mensajeria, M::Espera,
         [](ArgumentosAccion& a) { a.Mensajeria().PropiedadesMensaje(a.lngID, a.conLocal(), a.info()); }},
        {&CcNodos::BANDEJASALIDA, D::Mensajeria, M::Espera,
         [](ArgumentosAccion& a) { a.Mensajeria().PropiedadesMensaje(a.lngID, a.conLocal(), a.info()); }},
        {&CcNodos::ELEMENTOSENVIADOS, D::Mensajeria, M::Espera,
         [](ArgumentosAccion& a) { a.Mensajeria().PropiedadesMensaje(a.lngID, a.conLocal(), a.info()); }},
        {&CcNodos::EMPRESAS, D::Contabilidad, M::Espera, EditarEmpresa},
        {&CcNodos::ASIENTOS, D::Contabilidad, M::Espera,
         [](ArgumentosAccion& a) { a.Contabilidad().EditarAsiento(a.configContab(), a.conContabilidad(), a.lngID); }},
        {&CcNodos::ASIENTOPREDEFINIDO, D::Contabilidad, M::Espera,
         [](ArgumentosAccion& a) {
             a.Contabilidad().EditarAsientoPredefinido(a.configContab(), a.conContabilidad(), a.lngID);
         }},
        {&CcNodos::PRESUPUESTO, D::Contabilidad, M::Espera,
         [](ArgumentosAccion& a) {
             a.Contabilidad().EditarPresupuesto(a.configContab(), a.conContabilidad(), a.lngID);
         }},
        {&CcNodos::GRUPOS, D::Contabilidad, M::Espera,
         [](ArgumentosAccion& a) { a.Contabilidad().EditarGrupo(a.configContab(), a.conContabilidad(), a.lngID); }},
    };
    return tabla;
}

} // namespace

void cIActionMenus::Editar(QString& strTextSelect, qint32& lngID, QString& strTextDescription)
{
    ArgumentosAccion argumentos{m_app, Ventana(), lngID, strTextDescription};
    DespacharAccion(TablaEditar(), strTextSelect, argumentos);
}
