#pragma once

#include "actions/IVentanaAcciones.h"
#include "core/AjustesUsuario.h"
#include "core/EstadoPrincipal.h"
#include "core/IEmpresaPrincipal.h"
#include "core/IVentanaPrincipal.h"
#include "core/RegistroComandos.h"
#include "mainwindow/ComandosMantenimiento.h"
#include "mainwindow/ComandosRegistro.h"
#include "mainwindow/ContextoPrincipal.h"
#include "mainwindow/DisposicionPrincipal.h"
#include "mainwindow/RegistroMenus.h"
#include "navigation/ListaImagenes.h"

#include <QList>
#include <QMainWindow>
#include <QPair>
#include <functional>
#include <memory>

class ArbolNodos;
class BandaSeparador;
class BarraBotones;
class QFrame;
class QLabel;
class QScrollArea;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;
class VentanaListaPrincipal;
class PanelAgenda;
namespace PVAPI {
class IControlInforme;
}
class cIPrincipal;
class cListaPrincipal;
namespace PVAPI {
class cProcesarBloqueos;
}
namespace widgets {
class NvList;
}

// The main window: menus, toolbar, status bar, the navigation tree built
// from the node model, and the right-hand panes laid out from the splitter
// position. Loading (Form_Load) builds the node model and the tree, trims
// the branches and menus of absent add-ins and restores the saved placement;
// unloading saves the state back. The record list is driven by its
// controller (cListaPrincipal), which reaches the window through
// IVentanaLista; the agenda is a placeholder here.
//
// Every menu item, toolbar button and context entry runs its command through
// the window's command registry, by control name; until a feature registers
// its handler, a command says that it is not available. The window's state
// (node model, selected node, company) is one value it owns (Estado()); the
// controls are its own, reached by the rest of the program only through the
// narrow interfaces (IVentanaLista, IEmpresaPrincipal, IVentanaPrincipal).
class frmPrincipal : public QMainWindow,
                     public IVentanaPrincipal,
                     public IEmpresaPrincipal,
                     public IVentanaAcciones,
                     public IVentanaComandosRegistro,
                     public IVentanaMantenimiento {
    Q_OBJECT

public:
    explicit frmPrincipal(ContextoPrincipal contexto, QWidget* parent = nullptr);
    ~frmPrincipal() override;

    // IVentanaPrincipal: loads the window when needed.
    void Mostrar() override;
    IEmpresaPrincipal* Empresa() override;

    // IEmpresaPrincipal and IVentanaAcciones: the tree's nodes in index
    // order (loads the window).
    int ContarNodos() override;
    QString TextoNodo(int indice) override;
    void CambiarTextoNodo(int indice, const QString& texto) override;
    void EstablecerEmpresaSeleccionada(qint32 codEmpresa, bool ejercicioCerrado) override;

    // Runs Form_Load the first time only.
    void Cargar();
    bool Cargado() const { return m_cargado; }

    // Life cycle. Each passes over failures statement by statement.
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload();
    void Form_Unload();
    void Form_Resize();

    // Lays every pane out from splitter position `x` (twips); the clamped
    // position comes back in `x`.
    void AjustarControles(double& x);
    // The splitter position (imgSplitter.Left), twips.
    double SplitterLeft() const { return m_splitterLeft; }

    // Title strip: the node's caption ("Libros de Bautismo" for the book,
    // entry and request nodes) and, with `blnImagen`, its title picture.
    void MostrarTituloNodo(QTreeWidgetItem* nodo, bool blnImagen);

    // Releases the locks held and takes the record lock of the selected
    // accounting company again (nothing without the accounting add-in).
    void BloquearEmpresa() override;
    // Points the accounting lists, the company node and the closed-year
    // flag at `mlngCodEmpresaSeleccionada`, and locks it.
    void ActualizarNodosEmpresa() override;

    // The window's state, lent by reference to the record list and the
    // features.
    EstadoPrincipal& Estado() override { return m_estado; }
    const EstadoPrincipal& Estado() const { return m_estado; }

    // IVentanaAcciones.
    void Habilitar(bool blnHabilitada) override;
    void TraerAlFrente() override;
    void LiberarBloqueoEmpresa() override;
    QTreeWidget& ArbolContabilidad() override { return *trvConta; }

    // IVentanaComandosRegistro: the record commands' view of the panes, the
    // record list and the action object.
    bool ListaVisible() const override;
    bool EstructuraVisible() const override;
    int FilaActual() const override;
    QString ClaveFila(int fila) const override;
    int NumeroFilas() const override;
    void ActualizarLista() override;
    bool HayNodoEstructura() const override;
    QString ClaveNodoEstructura() const override;
    QString TextoNodoNavegacion() const override;
    bool ExisteEmpresa(qint32 lngID) const override;
    IAccionesRegistro& Acciones() override;

    // The program's help (F1 on the window).
    void MostrarAyuda();

    // IVentanaMantenimiento: backup, restore, repair and the town merge.
    denDuzediv& Datos() override { return *m_ctx.den; }
    QString CarpetaPrograma() const override { return m_ctx.appPath; }
    PVAPI::cInfoConfiguracion& InfoConfig() override { return *m_ctx.gobjInfoConfig; }
    std::shared_ptr<compresor::ZlibTool>& zltCompresor() override { return m_zltCompresor; }
    IServicioMantenimiento& ServicioMantenimiento() override;
    // After a restore: the node model, the tree, the selected company and
    // its lock and the agenda read the restored data again.
    void RecargarTrasRestaurar() override;

    // Every command of the window by control name. Features replace the
    // entries they carry out.
    RegistroComandos& Comandos() { return m_comandos; }

    // The menu entries by control name.
    const RegistroMenus& Menus() const { return m_menus; }
    QAction* Menu(const QString& nombre) const { return m_menus.Accion(nombre); }

    // Status bar panel 1 or 2.
    QString TextoPanel(int panel) const;
    void SetTextoPanel(int panel, const QString& texto);

    cIPrincipal& mobjPrincipal();
    PVAPI::cProcesarBloqueos* mobjBloqueos() const { return m_bloqueos.get(); }

    // The agenda pane inside `ascrAgenda`; null until the load has the
    // parish connection.
    PanelAgenda* Agenda() const { return m_agenda; }
    // The one report control every print of the program drives.
    PVAPI::IControlInforme& crptInformes() override;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* objeto, QEvent* event) override;

private:
    // The record list's view of the window reaches its panes.
    friend class VentanaListaPrincipal;

    void CrearControles();
    void CrearAgenda();
    void CrearBarraHerramientas();
    void CrearPanelMensaje();
    void CrearPanelConta();
    // The structure tree's right click and double-click.
    void trvConta_MouseUp();
    void trvConta_DblClick();
    // The accounting tools of the Tools and context menus.
    void RegistrarHerramientasContabilidad();
    void AplicarDisposicion(const Disposicion& d);

    // Every event handler of the window runs through this, which reports
    // what it raises with the window's module and project names.
    void Manejar(const char* procedimiento, const std::function<void()>& cuerpo);
    void RegistrarComandos();
    void ConectarComandos();
    void EjecutarComando(const char* procedimiento, const QString& nombre);

    void mnuVerBarraEstado_Click();
    void mnuVerBarraHerramientas_Click();
    void mnuArchivoSalir_Click();

    void PuntoControlCarga();
    // The node model from `Nodo`, its company and currency lists made this
    // workstation's own.
    void CargarModelo();
    void AjustarConsultasAlPuesto();
    void RestaurarColocacion();
    void LlenarArbol();
    void LlenarNodosArbol();
    void QuitarComplementosAusentes();
    void GuardarEstadoVentana();
    // Widths of the record list's columns (twips) by column key.
    QList<QPair<QString, int>> AnchosColumnasLista() const;
    void CrearLista();
    void ConectarLista();
    void ConectarArbol();

    void imgSplitter_MouseDown(int x);
    void imgSplitter_MouseMove(int x);
    void imgSplitter_MouseUp(int x);

    ContextoPrincipal m_ctx;
    EstadoPrincipal m_estado;
    AjustesUsuario m_ajustes;
    RegistroMenus m_menus;
    RegistroComandos m_comandos;
    std::unique_ptr<cIPrincipal> m_principal;
    // What the record commands call: the context's, or the action object.
    std::shared_ptr<IAccionesRegistro> m_acciones;
    std::unique_ptr<PVAPI::cProcesarBloqueos> m_bloqueos;
    std::shared_ptr<compresor::ZlibTool> m_zltCompresor;
    std::shared_ptr<IServicioMantenimiento> m_mantenimiento;
    std::unique_ptr<VentanaListaPrincipal> m_ventanaLista;
    std::unique_ptr<cListaPrincipal> m_lista;

    // Controls.
    ArbolNodos* tvTreeView = nullptr;
    ListaImagenes imlTvTreeView;
    ListaImagenes imlTitle;
    ListaImagenes imlBotonera;
    ListaImagenes imlConta;
    QWidget* cbPrincipal = nullptr;
    BarraBotones* tbPrincipal = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    QFrame* picTitles = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* imgTitle = nullptr;
    BandaSeparador* imgSplitter = nullptr;
    QFrame* picSplitter = nullptr;
    widgets::NvList* msgPrincipal = nullptr;
    QFrame* picMensaje = nullptr;
    QLabel* lblInfoMsg[3] = {};
    QLabel* imgCorreo = nullptr;
    QScrollArea* ascrAgenda = nullptr;
    PanelAgenda* m_agenda = nullptr;
    std::unique_ptr<PVAPI::IControlInforme> m_crptInformes;
    QFrame* picConta = nullptr;
    QTreeWidget* trvConta = nullptr;

    // A key press on the tree is being handled: the selection it moves is a
    // node click.
    bool m_teclaEnArbol = false;
    QWidget* m_cliente = nullptr;
    QLabel* m_panel1 = nullptr;
    QLabel* m_panel2 = nullptr;
    double m_splitterLeft = 1965;
    bool mblnCargado = false;
    bool mblnMoviendo = false;
    bool m_cargado = false;
    bool m_descargado = false;
};
