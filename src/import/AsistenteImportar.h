#pragma once

#include "import/ControlesImportar.h"
#include "platform/addins/TiposComplemento.h"
#include "platform/pvapi/ListaControl.h"

#include <QLabel>
#include <QProgressBar>
#include <QString>

#include <array>
#include <functional>
#include <memory>

namespace addins {
class cVodidazaz;
class cGestPar;
} // namespace addins

// What the import wizard works with, lent by its opener for its whole life.
struct ContextoImportar {
    db::Connection* conLocal = nullptr;
    PVAPI::cInfoConfiguracion* objInfoConfig = nullptr;
    // Null when the add-in is not installed.
    addins::cVodidazaz* objVodidazaz = nullptr;
    addins::cGestPar* objGestPar = nullptr;
    // The program folder ("Log/Trasvase" goes under it) and the help file.
    QString strAppPath;
    QString strHelpFile;
    // The Open dialog of the folder button: the file filter in, the chosen
    // file's full name out ("" when cancelled).
    std::function<QString(const QString& strFiltro)> elegirArchivo;
};

// The sacraments, in the order every list, page and argument group of the
// wizard takes them.
enum Sacramento { Bautismo = 0, Confirmacion = 1, Matrimonio = 2, Defuncion = 3 };

// The import wizard `frmImportar` without its window: the seventeen pages,
// the five wizard buttons, the controls of every page as plain state, the
// checks and messages of each page and the hand-over to the add-ins.
// `frmImportar` shows this state and forwards the user's actions; tests
// drive it directly. Control names are the form's; arrays of controls are
// arrays, and the four sacrament pages' controls (`chkDatosBautismo`,
// `txtDatosConfirmacion`, ...) are indexed by `Sacramento`.
//
// The focus is kept as the name of the control that holds it ("txtDatos(0)",
// "cboImportar"); a focus move to a disabled or hidden control does not
// happen, as in the form, and the handler goes on.
class AsistenteImportar {
public:
    explicit AsistenteImportar(ContextoImportar contexto);
    ~AsistenteImportar();
    AsistenteImportar(const AsistenteImportar&) = delete;
    AsistenteImportar& operator=(const AsistenteImportar&) = delete;

    // Life cycle of the form.
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    // True once the wizard has asked to be closed (Cancelar, the end of an
    // import, a failed check).
    bool Descargado() const { return m_descargado; }
    // False while an add-in call runs: "Cancelar" and the close box wait.
    bool PuedeCerrar() const { return !m_enLlamada; }
    // Called when the wizard closes itself (the window closes).
    std::function<void()> alDescargar;
    // Called whenever the add-in call in progress lets the window repaint
    // (the progress bar and labels it drives are the window's own).
    std::function<void()> alCambiarPagina;

    // The wizard buttons: 0 Ayuda, 1 Cancelar, 2 Anterior, 3 Siguiente,
    // 4 Finalizar. A disabled button does nothing.
    void cmdImportar_Click(int Index);
    void MostrarPaso(int intPaso);
    qint16 ModuloSeleccionado() const;

    // Page 0.
    void cboImportar_Click();
    void cmdPath_Click();
    // `haciaBoton`: the focus went to a command button.
    void txtPath_LostFocus(bool haciaBoton);

    // Pages 2, 7, 12 to 15.
    void fillInstituciones();
    void fillFormatoLibro(PVAPI::ListaControl& objLista);
    void fillDatosInstituciones();
    void CargarIncidencias(const QString& strArchivo, Texto& txt);

    // Page 7.
    void lstDatos_Click();
    void lstDatos_MouseUp();
    void txtDatos_Change(int Index);
    void txtDatos_KeyPress(int Index);
    void txtDatos_KeyDown(int Index, int Shift);
    void txtDatos_KeyUp(int Index, int Shift);
    void txtDatos_LostFocus(int Index);
    void cboDeduccion_Click();
    void cboDeduccion_KeyPress();
    void cboDeduccion_KeyDown(int Shift);
    void cboDeduccion_KeyUp(int Shift);
    void cboDeduccion_LostFocus();
    void cmdDato_Click(int Index);
    void cmdDato_GotFocus();
    void cmdDato_LostFocus();

    // Pages 12 to 15.
    void chkDatos_Click(Sacramento s);
    void cboDatos_Click(Sacramento s, int Index);
    void txtDatos_LostFocus(Sacramento s, int Index);

    // State of the form.
    int mintPaso = 0;
    bool mblnModuloMarcado = false;
    bool mblnFocoFueraDato = true;
    bool mblnShift = false;
    qint32 mlngIDInstitucion = 0;
    addins::ColeccionTrasvase mcol[9];
    addins::ColeccionInstituciones mcolInstituciones;
    addins::ColeccionTrasvase mcolOnce;
    QList<QLabel*> mcolEtiquetas;

    // The controls. `fraImportar`(i) is visible exactly when i is the page.
    QString foco;
    std::array<Boton, 5> cmdImportar;
    PVAPI::ListaControl cboImportar;
    Control fraUbicacion;
    std::array<Etiqueta, 27> lblImportar;
    Texto txtPath;
    std::array<PVAPI::ListaControl, 3> lstImportar;
    std::array<Opcion, 2> optSiglo;
    std::array<Opcion, 2> optOrdenNombres;
    Control picIncidencias;
    Texto txtIncidencias;
    PVAPI::ListaControl lstDatos;
    std::array<Texto, 4> txtDatos;
    std::array<Etiqueta, 5> lblDatos;
    PVAPI::ListaControl cboDeduccion;
    std::array<PVAPI::ListaControl, 4> cboFolio;
    std::array<Casilla, 4> chkDatos;
    std::array<Control, 4> fraDatos;
    std::array<std::array<Texto, 2>, 4> txtDatosS;
    std::array<std::array<PVAPI::ListaControl, 2>, 4> cboDatosS;
    std::array<std::array<Etiqueta, 4>, 4> lblDatosS;

    // The step labels and progress bars the add-ins drive: widgets of the
    // wizard, placed in the window by `frmImportar`.
    std::array<QProgressBar*, 4> prgTrasvase{};
    std::array<QLabel*, 9> lblVerificar{};
    std::array<QLabel*, 6> lblTrasvase{};
    std::array<QLabel*, 2> lblKaldex{};
    std::array<QLabel*, 4> lblSacra{};

    // The two regime texts of `cboDeduccion` and their descriptions.
    static const QString kRegimen[2];
    static const QString kDescripcionRegimen[2];

private:
    void Siguiente();
    void Anterior();
    void Finalizar();
    bool SalirPagina0();
    bool SalirPagina1();
    bool SalirPagina2();
    void PrerrellenarDatosParroquia(qint32 lngIDInstitucion);
    void ComprobacionDuzediv1();
    void SalirPagina6();
    bool SalirPagina7();
    void TrasvaseDuzediv1();
    void ImportacionKaldex();
    int PrimerSacramento(int desde, int pagina) const;
    int SacramentoAnterior(int antesDe) const;
    bool SacramentoMarcado(int s) const;
    void Avisar(const QString& texto);
    void PonerFoco(const QString& control);
    bool PuedeRecibirFoco(const QString& control) const;
    std::shared_ptr<PVAPI::cInstitucion> InstitucionSeleccionada() const;
    void Descargar();
    void AvisarFalloComplemento(const QString& texto, const QString& descripcion);

    ContextoImportar m_ctx;
    // Stands for a missing configuration: no add-in installed.
    std::unique_ptr<PVAPI::cInfoConfiguracion> m_sinConfiguracion;
    bool m_descargado = false;
    bool m_enLlamada = false;
    std::vector<std::unique_ptr<QWidget>> m_widgets;
};
