#include "actions/DespacharAccion.h"
#include "actions/cIActionMenus.h"

#include "platform/pvapi/cCOrigen.h"

namespace {

using D = DuenoAccion;
using M = MarcoAccion;

// A new heading of the structure shown in the window's accounting tree.
std::function<void(ArgumentosAccion&)> NuevoEpigrafe(qint32 lngDocumento, qint32 lngNaturaleza)
{
    return [lngDocumento, lngNaturaleza](ArgumentosAccion& a) {
        bool blnCancelar = false;
        cIActionMenus(a.app, &a.ventana)
            .NuevoEpigrafe(a.configContab(), a.ventana.ArbolContabilidad(), a.empresaSeleccionada(), lngDocumento,
                           lngNaturaleza, blnCancelar);
    };
}

const TablaAcciones& TablaNuevo()
{
    static const TablaAcciones tabla = {
        {&CcNodos::SOLICITUDES, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) { a.GestPar().nuevasolicitud(a.conLocal(), a.info(), a.strTextDescription); }},
        {&CcNodos::LIBROS, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) { a.GestPar().nuevolibro(a.conLocal(), a.info(), a.strTextDescription); }},
        {&CcNodos::PARTIDAS, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) { a.GestPar().nuevapartida(a.conLocal(), a.info(), a.strTextDescription); }},
        {&CcNodos::BANCO, D::Bancos, M::Predeterminado,
         [](ArgumentosAccion& a) { a.Bancos().NuevoBanco(a.conLocal(), App::Title()); }},
        {&CcNodos::CARITATIVO, D::Vodidazaz, M::Espera,
         [](ArgumentosAccion& a) {
             a.Vodidazaz().NuevoDonante(a.conLocal(), a.conContabilidad(), PVAPI::cCOrigen::CARITATIVO, a.info());
         }},
        {&CcNodos::INSTITUCION, D::Duzediv, M::Espera,
         [](ArgumentosAccion& a) { a.Duzediv().NuevaInstitucion(a.conLocal(), a.info()); }},
        {&CcNodos::PRESENTADOR, D::Vodidazaz, M::Espera,
         [](ArgumentosAccion& a) { a.Vodidazaz().NuevoPresentador(a.conLocal(), a.info()); }},
        {&CcNodos::TIPODONATIVO, D::Vodidazaz, M::Espera,
         [](ArgumentosAccion& a) { a.Vodidazaz().NuevoTipoDonativo(a.conLocal(), a.info()); }},
        {&CcNodos::REMESA, D::Vodidazaz, M::Espera,
         [](ArgumentosAccion& a) { a.Vodidazaz().GenerarRemesa(a.conLocal(), a.conContabilidad(), a.info()); }},
        {&CcNodos::RECIBOS, D::Vodidazaz, M::Espera,
         [](ArgumentosAccion& a) {
             // The receipts just created go to the printer.
             const addins::ColeccionRecibos recibos =
                 a.Vodidazaz().GenerarReciboCaja(a.conLocal(), a.conContabilidad(), a.info());
             if (!recibos.isEmpty())
                 cIActionMenus(a.app, &a.ventana).ImprimirRecibos(recibos);
         }},
        {&CcNodos::MUNICIPIO, D::Duzediv, M::Espera,
         [](ArgumentosAccion& a) { a.Duzediv().NuevoMunicipio(a.conLocal(), a.info()); }},
        {&CcNodos::PROVINCIA, D::Duzediv, M::Espera,
         [](ArgumentosAccion& a) { a.Duzediv().NuevaProvincia(a.conLocal(), a.info()); }},
        {&CcNodos::PADRON, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) { a.GestPar().NuevoEmpadronado(a.conLocal(), a.info()); }},
        {&CcNodos::COLABORADOR, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) { a.GestPar().NuevoColaborador(a.conLocal(), a.info()); }},
        {&CcNodos::CARGO, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) { a.GestPar().NuevoCargo(a.conLocal(), a.info()); }},
        {&CcNodos::ACTIVIDAD, D::GestPar, M::Espera,
         [](ArgumentosAccion& a) { a.GestPar().NuevaActividad(a.conLocal(), a.info()); }},
        {&CcNodos::BANDEJAENTRADA, D::Mensajeria, M::Espera,
         [](ArgumentosAccion& a) { a.Mensajeria().NuevoMensaje(a.conLocal(), a.info()); }},
        {&CcNodos::BANDEJASALIDA, D::Mensajeria, M::Espera,
         [](ArgumentosAccion& a) { a.Mensajeria().NuevoMensaje(a.conLocal(), a.info()); }},
        {&CcNodos::ELEMENTOSENVIADOS, D::Mensajeria, M::Espera,
         [](ArgumentosAccion& a) { a.Mensajeria().NuevoMensaje(a.conLocal(), a.info()); }},
        {&CcNodos::ASIENTOS, D::Contabilidad, M::Espera,
         [](ArgumentosAccion& a) {
             a.Contabilidad().NuevoAsiento(a.configContab(), a.conContabilidad(), a.empresaSeleccionada());
         }},
        {&CcNodos::ASIENTOPREDEFINIDO, D::Contabilidad, M::Espera,
         [](ArgumentosAccion& a) {
             a.Contabilidad().NuevoAsientoPredefinido(a.configContab(), a.conContabilidad(), a.empresaSeleccionada());
         }},
        {&CcNodos::PRESUPUESTO, D::Contabilidad, M::Espera,
         [](ArgumentosAccion& a) {
             a.Contabilidad().NuevoPresupuesto(a.configContab(), a.conContabilidad(), a.empresaSeleccionada());
         }},
        {&CcNodos::CUENTAS, D::Contabilidad, M::Espera,
         [](ArgumentosAccion& a) {
             cIActionMenus(a.app, &a.ventana).NuevaCuenta(a.configContab(), a.empresaSeleccionada());
         }},
        {&CcNodos::SUBCUENTAS, D::Contabilidad, M::Espera,
         [](ArgumentosAccion& a) {
             cIActionMenus(a.app, &a.ventana).NuevaSubcuenta(a.configContab(), a.empresaSeleccionada());
         }},
        {&CcNodos::ACTIVO, D::Contabilidad, M::Espera, NuevoEpigrafe(1, 1)},
        {&CcNodos::PASIVO, D::Contabilidad, M::Espera, NuevoEpigrafe(1, 2)},
        {&CcNodos::DEBE, D::Contabilidad, M::Espera, NuevoEpigrafe(2, 3)},
        {&CcNodos::HABER, D::Contabilidad, M::Espera, NuevoEpigrafe(2, 4)},
        {&CcNodos::GRUPOS, D::Contabilidad, M::Espera,
         [](ArgumentosAccion& a) { a.Contabilidad().NuevoGrupo(a.configContab(), a.conContabilidad()); }},
    };
    return tabla;
}

} // namespace

void cIActionMenus::Nuevo(QString& strTextSelect, QString& strTextDescription)
{
    qint32 sinRegistro = 0;
    ArgumentosAccion argumentos{m_app, Ventana(), sinRegistro, strTextDescription};
    DespacharAccion(TablaNuevo(), strTextSelect, argumentos);
}
