#include "recordlist/cListaPrincipal.h"

#include "core/CcNodos.h"
#include "core/EstadoPrincipal.h"
#include "core/RegistroComandos.h"
#include "core/denDuzediv.h"
#include "navigation/ClavesNodo.h"
#include "core/IntentarPaso.h"
#include "core/cNodo.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/ui/HourglassGuard.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/Texto.h"
#include "platform/vb/Vb.h"
#include "platform/widgets/NvList.h"
#include "recordlist/ConsultaPaginada.h"
#include "recordlist/FiltroLista.h"
#include "recordlist/GruposNodo.h"
#include "recordlist/MenuContextual.h"
#include "recordlist/PaginacionLista.h"

namespace {

const QString kContabilidad = QStringLiteral("Contabilidad");

// The node id of a tree key ("c12"), as the 16-bit number the old code held.
qint16 IdDeClave(const QString& clave)
{
    return vb::CInt(double(IdDeClaveArbol(clave)));
}

} // namespace

cListaPrincipal::cListaPrincipal(EstadoPrincipal& datos, IVentanaLista& ventana, RegistroComandos& comandos)
    : m_datos(datos), m_ventana(ventana), m_comandos(comandos), m_pagina(m_datos, ventana)
{
}

// --- Record list page ------------------------------------------------------

void cListaPrincipal::configGridPrincipal(widgets::NvList& msgPrincipal, const cNodo& objNodo)
{
    m_pagina.configGridPrincipal(msgPrincipal, objNodo);
}

void cListaPrincipal::fillGrid(widgets::NvList& msgPrincipal, qint32 lngLimInferior, qint32 lngTamano,
                               ConsultaPaginada& recRecordset, const cNodo& objNodo)
{
    m_pagina.fillGrid(msgPrincipal, lngLimInferior, lngTamano, recRecordset, objNodo);
}

// --- Node selection ----------------------------------------------------------

void cListaPrincipal::tvTreeView_NodeClick(const NodoArbol& node)
{
    ui::HourglassGuard espera;
    qint16 id = 0;
    IntentarPaso([&] { id = IdDeClave(node.clave); });
    AplicarPaneles(node.texto);

    std::shared_ptr<cNodo> nodo;
    IntentarPaso([&] { nodo = NodoPorId(id); });
    const auto conNodo = [&](const std::function<void(cNodo&)>& accion) {
        IntentarPaso([&] {
            if (!nodo)
                throw vb::VbError(91, QStringLiteral("Variable de tipo Object o de bloque With no establecida"));
            accion(*nodo);
        });
    };
    conNodo([&](cNodo& n) { m_datos.gStrSelItem = n.Descripcion(); });
    conNodo([&](cNodo& n) { m_datos.gcolRegistroDB.Item(n.Path())->SetPosInicial(1); });

    IntentarPaso([&] {
        if (m_ventana.PanelVisible(PanelPrincipal::msgPrincipal) && m_ventana.msgPrincipal().ColumnCount() > 0)
            GuardarAnchos(*NodoPorId(m_datos.mintNodoAnterior), true);
    });
    IntentarPaso([&] { m_ventana.MostrarTituloNodo(); });

    conNodo([&](cNodo& n) { m_datos.mstrNombreNodo = n.Nombre(); });
    conNodo([&](cNodo& n) { m_datos.mstrPathNodo = n.Path(); });
    m_datos.mlngIDNodo = id;
    conNodo([&](cNodo& n) { m_datos.mstrDescripcionNodo = n.Descripcion(); });
    m_datos.gStrTextItem = m_datos.mstrNombreNodo;

    ActualizarMenusArchivo(id);
    m_datos.mblnFiltrado = false;
    IntentarPaso([&] {
        if (!vb::Trim(m_datos.mstrPathNodo).isEmpty())
            m_datos.gcolRegistroDB.Item(m_datos.mstrPathNodo)->SetPosInicial(1);
    });
    IntentarPaso([&] { mnuVerActualizarLista_Click(); });

    IntentarPaso([&] { m_ventana.EnfocarArbol(); });
    IntentarPaso([&] { m_ventana.SetTextoPanel(1, m_ventana.NodoSeleccionado().texto); });
}

void cListaPrincipal::tvTreeView_Collapse(const NodoArbol& node)
{
    tvTreeView_NodeClick(node);
}

void cListaPrincipal::tvTreeView_KeyDown(int, int)
{
    const NodoArbol seleccionado = m_ventana.NodoSeleccionado();
    if (seleccionado.Valido())
        m_datos.mintNodoAnterior = IdDeClave(seleccionado.clave);
}

void cListaPrincipal::tvTreeView_MouseDown(int, int, int, int)
{
    tvTreeView_KeyDown(0, 0);
}

void cListaPrincipal::AplicarPaneles(const QString& caption)
{
    const PanelesNodo p = PanelesTrasClic(caption, m_datos.mlngCodEmpresaSeleccionada != 0);
    IntentarPaso([&] { m_ventana.SetPanelVisible(PanelPrincipal::msgPrincipal, p.msgPrincipal); });
    IntentarPaso([&] { m_ventana.SetPanelVisible(PanelPrincipal::trvConta, p.trvConta); });
    IntentarPaso([&] {
        m_ventana.ColocarPanelMensaje(p.picMensaje);
        if (p.picMensaje)
            for (int i = 0; i < 3; ++i)
                m_ventana.SetInfoMensaje(i, QString());
    });
    IntentarPaso([&] { m_ventana.SetPanelVisible(PanelPrincipal::picConta, p.picConta); });
    IntentarPaso([&] {
        if (p.ascrAgenda)
            m_ventana.MostrarAgenda();
        else
            m_ventana.SetPanelVisible(PanelPrincipal::ascrAgenda, false);
    });
}

// The widths the user gave the list's columns go into the node's columns,
// matched by column key. The node click passes over a column it cannot
// match; the mouse-up does not.
void cListaPrincipal::GuardarAnchos(cNodo& nodo, bool pasarFallos)
{
    if (nodo.colCampo().Count() == 0)
        return;
    widgets::NvList& lista = m_ventana.msgPrincipal();
    for (int k = 0; k < lista.ColumnCount(); ++k) {
        const auto guardar = [&] {
            nodo.colCampo().Item(ClaveColeccion(lista.ColumnKey(k).toLongLong()))->SetAncho(lista.ColumnWidth(k));
        };
        if (pasarFallos)
            IntentarPaso(guardar);
        else
            guardar();
    }
}

void cListaPrincipal::ActualizarMenusArchivo(qint16 idNodo)
{
    IntentarPaso([&] {
        if (GruposNodo::EsSinRegistros(m_datos.mstrNombreNodo)) {
            m_ventana.SetMenuEnabled(QStringLiteral("mnuArchivoEliminar"), false);
            m_ventana.SetMenuEnabled(QStringLiteral("mnuArchivoPropiedades"), false);
            m_ventana.SetTextoPanel(2, QStringLiteral(" "));
        } else {
            m_ventana.SetMenuEnabled(QStringLiteral("mnuArchivoEliminar"), true);
            // "Recibos por caja" has no properties dialog.
            m_ventana.SetMenuEnabled(QStringLiteral("mnuArchivoPropiedades"), idNodo != 13);
        }
    });
    IntentarPaso([&] {
        // "Tipos de Vodidazaz" prints instead.
        m_ventana.SetMenuVisible(QStringLiteral("mnuSecundarioImprimir"), idNodo == 9);
        m_ventana.SetMenuVisible(QStringLiteral("mnuSecundarioPropiedades"), idNodo != 9);
    });
}

void cListaPrincipal::MostrarInfoMensaje()
{
    widgets::NvList& lista = m_ventana.msgPrincipal();
    const QString clave = lista.RowKey(lista.CurrentRow());
    if (clave.isEmpty())
        return;
    db::Recordset rs = m_datos.den->conLocal.Query(QStringLiteral("SELECT Remitente, Destinatario, Descripcion "
                                                             "FROM Mensaje, TipoMensaje "
                                                             "WHERE IDMensaje=? AND CodTipoMensaje=IDTipoMensaje"),
                                              {db::Value(clave.toLongLong())});
    // A message deleted meanwhile shows as empty labels.
    const bool hay = !rs.isEOF();
    m_ventana.SetInfoMensaje(0, hay ? rs.value(QStringLiteral("Remitente")).toString() : QString());
    m_ventana.SetInfoMensaje(1, hay ? rs.value(QStringLiteral("Destinatario")).toString() : QString());
    m_ventana.SetInfoMensaje(2, hay ? rs.value(QStringLiteral("Descripcion")).toString() : QString());
    rs.Close();
}

// --- List reload -------------------------------------------------------------

void cListaPrincipal::mnuVerActualizarLista_Click()
{
    ui::HourglassGuard espera;
    if (m_datos.mblnFiltrado) {
        FiltrarNvList();
        return;
    }
    if (m_datos.mlngIDNodo == 0)
        return;
    const std::shared_ptr<cNodo> nodo = NodoPorId(m_datos.mlngIDNodo);
    if (m_ventana.PanelVisible(PanelPrincipal::msgPrincipal)) {
        MostrarPagina(m_ventana.msgPrincipal(), *nodo);
    } else if (m_ventana.PanelVisible(PanelPrincipal::trvConta)) {
        const int tipo = GruposNodo::TipoEstructura(m_ventana.NodoSeleccionado().texto);
        if (tipo != 0)
            m_ventana.CargarArbol(qint16(tipo));
    }
}

void cListaPrincipal::MostrarPagina(widgets::NvList& lista, const cNodo& nodo)
{
    configGridPrincipal(lista, nodo);
    if (vb::Trim(nodo.SQLSelect()).isEmpty())
        return;
    ConsultaPaginada consulta(ConexionDe(nodo), nodo.SQLSelect(), {}, &m_bordes);
    cPropiedadesNodo& registro = *m_datos.gcolRegistroDB.Item(m_datos.mstrPathNodo);
    // Rows deleted since the page was shown may leave its start past the
    // end: the last page is shown instead of an empty list. The page read
    // here is the one fillGrid shows, read once.
    const qint32 tamano = m_datos.gintNRegMax == 0 ? PaginaLista::kTamanoPorDefecto : m_datos.gintNRegMax;
    if (registro.PosInicial() > 1 && consulta.LeerPagina(registro.PosInicial(), tamano).RecordCount() == 0) {
        const long total = consulta.RecordCount();
        if (total > 0)
            registro.SetPosInicial(qMax<qint32>(1, qint32(total - tamano + 1)));
    }
    fillGrid(lista, registro.PosInicial(), m_datos.gintNRegMax, consulta, nodo);
}

// --- Events of the record list ----------------------------------------------

void cListaPrincipal::msgPrincipal_RowSelected()
{
    if (GruposNodo::EsBandeja(m_datos.mstrNombreNodo))
        MostrarInfoMensaje();
}

void cListaPrincipal::msgPrincipal_DblClick()
{
    const CcNodos n;
    if (m_datos.mstrNombreNodo == n.RECIBOS())
        m_comandos.Ejecutar(QStringLiteral("mnuSecundarioImprimir"));
    else if (m_datos.mstrNombreNodo == n.CUENTAS() || m_datos.mstrNombreNodo == n.SUBCUENTAS())
        m_comandos.Ejecutar(QStringLiteral("mnuEstructuraPropiedades"));
    else
        m_comandos.Ejecutar(QStringLiteral("mnuArchivoPropiedades"));
}

void cListaPrincipal::msgPrincipal_MouseUp(int button, int, int, int)
{
    static const QStringList sinMenu = {QStringLiteral("Gestión"), QStringLiteral("Duzediv"),
                                        QStringLiteral("Mantenimiento"), QStringLiteral("Contabilidad"), QString()};
    if (sinMenu.contains(m_datos.mstrNombreNodo))
        return;
    if (const std::shared_ptr<cNodo> nodo = NodoSeleccionadoArbol())
        GuardarAnchos(*nodo, false);
    m_ventana.SetMenuVisible(QStringLiteral("mnuSolicitudesImprimir"), true);
    m_ventana.SetMenuVisible(QStringLiteral("mnuSolicitudesMatrimonioImprimir"), false);
    if (button == 2)
        MostrarMenuContextual();
}

void cListaPrincipal::MostrarMenuContextual()
{
    const PlanMenu plan = MenuContextual::Plan(m_datos.mstrNombreNodo, m_datos.mstrDescripcionNodo);
    if (plan.menu.isEmpty())
        return;
    if (plan.anulada)
        m_ventana.SetMenuCaption(QStringLiteral("mnuPartidasAnular"),
                                 CaptionAnular(plan.anulada->tabla, plan.anulada->columnaId));
    for (const CambioMenu& c : plan.cambios) {
        switch (c.propiedad) {
        case CambioMenu::Propiedad::Visible: m_ventana.SetMenuVisible(c.nombre, c.activo); break;
        case CambioMenu::Propiedad::Habilitado: m_ventana.SetMenuEnabled(c.nombre, c.activo); break;
        case CambioMenu::Propiedad::Caption: m_ventana.SetMenuCaption(c.nombre, c.caption); break;
        }
    }
    m_ventana.PopupMenu(plan.menu);
    if (plan.restaurarNuevo)
        m_ventana.SetMenuCaption(QStringLiteral("mnuSecundarioNuevo"), QStringLiteral("&Nuevo"));
}

QString cListaPrincipal::CaptionAnular(const QString& tabla, const QString& columnaId)
{
    widgets::NvList& lista = m_ventana.msgPrincipal();
    const QString clave = lista.RowKey(lista.CurrentRow());
    if (clave.isEmpty())
        return MenuContextual::CaptionAnular(false, false);
    // `tabla` and `columnaId` are fixed names of the entry tables.
    db::Recordset rs = m_datos.den->conLocal.Query(QStringLiteral("SELECT Anulada FROM ") + tabla + QStringLiteral(" WHERE ")
                                                  + columnaId + QStringLiteral(" = ?"),
                                              {db::Value(clave.toLongLong())});
    // An entry deleted meanwhile has nothing to validate.
    const bool hay = !rs.isEOF();
    return MenuContextual::CaptionAnular(hay, hay && rs.value(QStringLiteral("Anulada")).toBool());
}

// --- Toolbar -----------------------------------------------------------------

void cListaPrincipal::tbPrincipal_ButtonClick(const QString& key)
{
    if (key == u"Nuevo")
        m_comandos.Ejecutar(QStringLiteral("mnuArchivoNuevo"));
    else if (key == u"Propiedades")
        m_comandos.Ejecutar(QStringLiteral("mnuArchivoPropiedades"));
    else if (key == u"Eliminar")
        m_comandos.Ejecutar(QStringLiteral("mnuArchivoEliminar"));
    else if (key == u"Filtro")
        FiltrarNvList();
    else if (PaginacionLista::EsClavePaginacion(key))
        Paginar(key);
}

// Paging always runs the node's own query, filtered or not.
void cListaPrincipal::Paginar(const QString& clave)
{
    const std::shared_ptr<cNodo> nodo = NodoSeleccionadoArbol();
    if (!nodo || vb::Trim(nodo->SQLSelect()).isEmpty())
        return;
    // A node without columns has no paging record: nothing to move.
    if (!m_datos.gcolRegistroDB.Contiene(nodo->Path()))
        return;
    ConsultaPaginada consulta(ConexionDe(*nodo), nodo->SQLSelect(), {}, &m_bordes);
    cPropiedadesNodo& registro = *m_datos.gcolRegistroDB.Item(nodo->Path());
    const qint32 n = m_datos.gintNRegMax;
    // The next page is read to learn whether it exists, and fillGrid shows
    // the rows read.
    const PaginacionLista::Resultado r = PaginacionLista::Mover(
        clave, registro.PosInicial(), n, [&] { return consulta.RecordCount(); },
        [&](qint64 posicion) { return consulta.HayFila(long(posicion), n); });
    registro.SetPosInicial(r.posInicial);
    if (!r.rellenar)
        return;
    widgets::NvList& lista = m_ventana.msgPrincipal();
    configGridPrincipal(lista, *nodo);
    fillGrid(lista, registro.PosInicial(), n, consulta, *nodo);
}

// --- Filter ------------------------------------------------------------------

void cListaPrincipal::FiltrarNvList()
{
    try {
        Filtrar();
    } catch (...) {
        vb::Err().SetFromException(std::current_exception());
        ui::ReportError(QStringLiteral("FiltrarNvList()"), QStringLiteral("frmPrincipal"), m_datos.appTitle);
    }
}

void cListaPrincipal::Filtrar()
{
    const std::shared_ptr<cNodo> nodo = NodoPorId(m_datos.mlngIDNodo);
    QString sql = vb::Trim(nodo->SQLSelect());
    widgets::NvList& lista = m_ventana.msgPrincipal();
    if (!m_ventana.PanelVisible(PanelPrincipal::msgPrincipal) || sql.isEmpty())
        return;
    lista.EndFill();

    // The typed texts, as typed, go back into the cells once the columns
    // are laid out again.
    QStringList textos;
    for (int i = 0; i < lista.ColumnCount(); ++i)
        textos << lista.FilterText(i);

    QString condiciones;
    QList<db::Value> params;
    for (int i = 0; i < textos.size(); ++i) {
        FiltroLista::Columna columna;
        columna.texto = vb::Trim(textos.at(i));
        if (columna.texto.isEmpty())
            continue;
        columna.caption = vb::Trim(lista.ColumnCaption(i));
        columna.fuente = vb::Trim(nodo->colCampo().Item(i + 1)->Descripcion());
        columna.tipo = ObtenerTipoCampo(columna.fuente);
        const FiltroLista::Condicion c =
            FiltroLista::CondicionColumna(columna, !m_datos.gobjInfoConfig->TrabajarConPesetas);
        if (c.clase == FiltroLista::Condicion::Clase::Rechazo) {
            ui::Beep();
            ui::MsgBox(c.mensaje, c.estilo, m_datos.appTitle);
            return;
        }
        condiciones += c.texto;
        params += c.params;
    }
    condiciones = vb::Trim(condiciones);
    const QString sentencia = TratarSentenciaSQL(sql, condiciones);
    ConsultaPaginada consulta(ConexionDe(*nodo), sentencia, params);
    // The whole result is one page, read once and before the list is
    // emptied. One row past what a page holds is all fillGrid needs to
    // report the overflow, so a result that long is never counted.
    const long filas = consulta.LeerPagina(1, PaginaLista::kMaxFilas + 1).RecordCount();

    configGridPrincipal(lista, *nodo);
    fillGrid(lista, 1, qint32(filas), consulta, *nodo);
    for (int k = 0; k < textos.size() && k < lista.ColumnCount(); ++k)
        lista.SetFilterText(k, textos.at(k));
    m_datos.mblnFiltrado = true;
}

qint16 cListaPrincipal::ObtenerTipoCampo(const QString& strCampo)
{
    db::Connection* con = nullptr;
    try {
        con = &ConexionDe(*NodoPorId(m_datos.mlngIDNodo));
    } catch (...) {
        return 0;
    }
    return FiltroLista::ObtenerTipoCampo(*con, strCampo);
}

QString cListaPrincipal::CondicionBooleana(const QString& strCampo, const QString& strTexto,
                                           const QString& strVerdadero, const QString& strFalso)
{
    return FiltroLista::CondicionBooleana(strCampo, strTexto, strVerdadero, strFalso);
}

QString cListaPrincipal::TratarSentenciaSQL(QString& strSQL, QString& strCondiciones)
{
    try {
        return FiltroLista::MezclarSentencia(strSQL, strCondiciones);
    } catch (const FiltroLista::ErrorSentencia& e) {
        ui::Beep();
        vb::Err().Set(vb::Err().Number, e.descripcion());
        ui::ReportError(QStringLiteral("TratarSentenciaSQL"), QStringLiteral("frmPrincipal"),
                        QStringLiteral("NorviaParvanta2000.exe"));
        return {};
    }
}

// --- Lookups -----------------------------------------------------------------

std::shared_ptr<cNodo> cListaPrincipal::NodoPorId(qint64 id) const
{
    return m_datos.gcolNodo.Item(ClaveColeccion(id));
}

std::shared_ptr<cNodo> cListaPrincipal::NodoSeleccionadoArbol() const
{
    const NodoArbol seleccionado = m_ventana.NodoSeleccionado();
    if (!seleccionado.Valido())
        return {};
    return NodoPorId(IdDeClave(seleccionado.clave));
}

db::Connection& cListaPrincipal::ConexionDe(const cNodo& nodo) const
{
    return nodo.PadreDeNivel2() == kContabilidad ? m_datos.den->conContabilidad : m_datos.den->conLocal;
}
