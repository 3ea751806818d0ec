#pragma once

#include "recordlist/ConsultaPaginada.h"
#include "recordlist/IVentanaLista.h"
#include "recordlist/PaginaLista.h"

#include <QString>
#include <QtGlobal>
#include <memory>

class ConsultaPaginada;
class RegistroComandos;
class cNodo;
struct EstadoPrincipal;
namespace db {
class Connection;
}
namespace widgets {
class NvList;
}

// The record list of the main window: what a node click shows, the list
// reload after every record command, the list's events and pop-up menus,
// the toolbar's paging and the filter. The window owns one, hands it its
// state, itself as IVentanaLista and its command registry, and forwards its
// events here. The window's commands (properties, new, print...) are run
// through the registry by control name.
//
// Handlers named after a window event raise to their caller unless stated;
// the window runs them through its error wrapper.
class cListaPrincipal {
public:
    cListaPrincipal(EstadoPrincipal& datos, IVentanaLista& ventana, RegistroComandos& comandos);

    // Record list page.
    void configGridPrincipal(widgets::NvList& msgPrincipal, const cNodo& objNodo);
    void fillGrid(widgets::NvList& msgPrincipal, qint32 lngLimInferior, qint32 lngTamano,
                  ConsultaPaginada& recRecordset, const cNodo& objNodo);

    // Node selection. The click passes over every failure and never raises.
    void tvTreeView_NodeClick(const NodoArbol& node);
    void tvTreeView_Collapse(const NodoArbol& node);
    void tvTreeView_KeyDown(int keyCode, int shift);
    void tvTreeView_MouseDown(int button, int shift, int x, int y);
    void MostrarInfoMensaje();

    // List reload: the filter again while one is active, else the current
    // node's page (or the accounting structure).
    void mnuVerActualizarLista_Click();

    // Events of the record list.
    void msgPrincipal_RowSelected();
    void msgPrincipal_DblClick();
    void msgPrincipal_MouseUp(int button, int shift, int x, int y);

    // Toolbar: the record commands, the filter and the four paging buttons,
    // by the button's key; any other key does nothing.
    void tbPrincipal_ButtonClick(const QString& key);

    // Filter. Reports its own failures and never raises.
    void FiltrarNvList();
    qint16 ObtenerTipoCampo(const QString& strCampo);
    static QString CondicionBooleana(const QString& strCampo, const QString& strTexto, const QString& strVerdadero,
                                     const QString& strFalso);
    // The merge of the filter's conditions into a query; on a malformed
    // query or conditions it reports the failure and gives "".
    static QString TratarSentenciaSQL(QString& strSQL, QString& strCondiciones);

private:
    std::shared_ptr<cNodo> NodoPorId(qint64 id) const;
    std::shared_ptr<cNodo> NodoSeleccionadoArbol() const;
    db::Connection& ConexionDe(const cNodo& nodo) const;
    void AplicarPaneles(const QString& caption);
    void GuardarAnchos(cNodo& nodo, bool pasarFallos);
    void ActualizarMenusArchivo(qint16 idNodo);
    void MostrarPagina(widgets::NvList& lista, const cNodo& nodo);
    void Paginar(const QString& clave);
    void MostrarMenuContextual();
    QString CaptionAnular(const QString& tabla, const QString& columnaId);
    void Filtrar();

    EstadoPrincipal& m_datos;
    IVentanaLista& m_ventana;
    RegistroComandos& m_comandos;
    PaginaLista m_pagina;
    // The edges of the last page shown, from which the next and the
    // previous one are read.
    BordesPagina m_bordes;
};
