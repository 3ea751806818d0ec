#pragma once

#include "platform/db/Recordset.h"

#include <QtGlobal>

#include <functional>

struct EstadoPrincipal;
struct denDuzediv;
namespace PVAPI {
struct cInfoConfiguracion;
}
namespace addins {
class cContabilidad;
class cVodidazaz;
}

// The accounting tools of the Tools menu and of the journal list's context
// menu, on the selected company: the change of link, closing and reopening
// the year, totals, consolidation, the three wizards, renumbering and the
// replacement of a sub-account. The year tools, totals, consolidation,
// renumbering and replacement each make a new accounting add-in object by
// class name for themselves; the wizards use the program's object; the
// link goes through the donations add-in. The commands that need a company
// do nothing without one.
class HerramientasContabilidad {
public:
    struct Contexto {
        EstadoPrincipal& estado;
        denDuzediv& den;
        PVAPI::cInfoConfiguracion& info;
        addins::cContabilidad* gobjContabilidad = nullptr;
        addins::cVodidazaz* gobjVodidazaz = nullptr;
        // `mnuVerActualizarLista_Click`.
        std::function<void()> actualizarLista;
        // `ActualizarNodosEmpresa`, once `mlngCodEmpresaSeleccionada` is set.
        std::function<void()> actualizarNodosEmpresa;
        // Clears the selected company (its node, lists and lock) once its
        // row is found gone.
        std::function<void()> quitarEmpresa;
    };

    explicit HerramientasContabilidad(Contexto contexto) : m_c(std::move(contexto)) {}

    void CambiarEnlace();
    void CerrarAbrirEjercicio();
    void RecalcularTotales();
    void Consolidar();
    void CopiarDatos();
    void Exportar();
    void Importar();
    void Renumerar();
    void SustituirSubcuenta();

    // Hands the institutions' accounting link over between the selected
    // company and another (`TraspasarEnlace`): to the next year's company
    // when the selected year is closed, from `lngEmpresa` otherwise.
    void TraspasarEnlace(quint8 bytOrigen, qint32 lngEmpresa);

private:
    // Whether a company is selected. One whose row is gone (deleted on
    // another workstation) is cleared and told, through error 3021.
    bool HayEmpresa();
    // The selected company's row, under the same rule.
    db::Recordset FilaEmpresa();
    // The program's accounting add-in, or the not-available answer.
    addins::cContabilidad* Contabilidad() const;
    // Whether institutions are linked to the company's accounting.
    bool EnlazadaA(qint32 lngEmpresa) const;
    void Cerrar(addins::cContabilidad& contabilidad);
    void Abrir(addins::cContabilidad& contabilidad);

    Contexto m_c;
};
