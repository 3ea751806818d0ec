#include "import/AsistenteImportar.h"

#include "import/IncidenciasImportar.h"
#include "platform/addins/cGestPar.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/os/Paths.h"
#include "platform/pvapi/cIListas.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/pvapi/cInstitucion.h"
#include "platform/ui/AvisoNoDisponible.h"
#include "platform/ui/Ui.h"
#include "platform/vb/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kCR = QStringLiteral("\r");

const char* const kSacramentos[4] = {"Bautismo", "Confirmación", "Matrimonio", "Defunción"};
const char* const kTablasSacramento[4] = {"Baut.dbf", "Conf.dbf", "Matr.dbf", "Defu.dbf"};

// Description of whatever an add-in threw.
QString DescripcionError(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const vb::VbError& e) {
        return e.description();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Error desconocido");
    }
}

// The add-in call in progress: the wizard may not be closed under it.
class LlamadaEnCurso {
public:
    explicit LlamadaEnCurso(bool& enLlamada) : m_enLlamada(enLlamada) { m_enLlamada = true; }
    ~LlamadaEnCurso() { m_enLlamada = false; }
    LlamadaEnCurso(const LlamadaEnCurso&) = delete;
    LlamadaEnCurso& operator=(const LlamadaEnCurso&) = delete;

private:
    bool& m_enLlamada;
};

void PunteroPredeterminado()
{
    ui::Current().setMousePointer(ui::vbDefault);
}

// A file of the source folder, its name matched in any letter case.
bool ExisteEnCarpeta(const QString& carpeta, const QString& nombre)
{
    return !carpeta.isEmpty() && !os::FindFileCaseInsensitive(os::NormalizeSeparators(carpeta), nombre).isEmpty();
}

} // namespace

const QString AsistenteImportar::kRegimen[2] = {
    QStringLiteral("Entidad acogida al régimen de deducciones establecido por la Ley 30/1994, de 24 de noviembre, "
                   "de Fundaciones y de Incentivos Fiscales a la Participación Privada en Actividades de Interés "
                   "General."),
    QStringLiteral("Fundación legalmente reconocida que rinde cuentas al órgano del protectorado correspondiente o "
                   "Asociación declarada de utilidad pública, no comprendidas en el apartado anterior."),
};

const QString AsistenteImportar::kDescripcionRegimen[2] = {
    QStringLiteral("Régimen de deducciones establecido por la Ley 30/1994, de 24/11, de Fundaciones e Incentivos "
                   "Fiscales a la Participación Privada en Actividades de Interés General."),
    QStringLiteral("Rinde cuentas al órgano del protectorado correspondiente o Asociación declarada de utilidad "
                   "pública, no comprendidas en el apartado anterior."),
};

AsistenteImportar::AsistenteImportar(ContextoImportar contexto) : m_ctx(std::move(contexto))
{
    if (!m_ctx.objInfoConfig) {
        m_sinConfiguracion = std::make_unique<PVAPI::cInfoConfiguracion>();
        m_ctx.objInfoConfig = m_sinConfiguracion.get();
    }
    const char* const botones[5] = {"A&yuda", "&Cancelar", "< &Anterior", "&Siguiente >", "&Finalizar"};
    for (int i = 0; i < 5; ++i)
        cmdImportar[i].Caption = QString::fromUtf8(botones[i]);

    cboImportar.AddItem(QStringLiteral("KALDEX31"));
    cboImportar.setItemData(0, 0);
    cboImportar.AddItem(QStringLiteral("Norvia Parvanta 2000 v1"));
    cboImportar.setItemData(1, 1);
    for (auto& lista : lstImportar)
        lista.MultiSelect = true;
    for (const char* sacramento : kSacramentos)
        lstImportar[2].AddItem(QString::fromUtf8(sacramento));

    const QList<QPair<int, const char*>> etiquetas = {
        {0, "Seleccione la aplicación de la que desea importar los datos:"},
        {1, "Seleccione la unidad y el directorio donde se encuentra ubicada la aplicación de la que desea importar "
            "los datos:"},
        {2, "Seleccione el módulo de datos de la aplicación que desea importar."},
        {3, "Seleccione la institución con cuenta a la que quiere que vayan dirigidos los donativos:"},
        {4, "A continuación se realizará una exhaustiva comprobación de la base de datos seleccionada de Norvia "
            "Parvanta 2000 v1.x para evitar los posibles errores que se puedan dar. Una vez finalizado el proceso, en "
            "caso de haber encontrado algún fallo en la base de datos, se mostrará una lista con estos errores para "
            "que pueda corregirlos y realizar posteriormente el trasvase de forma correcta."},
        {5, "Es necesario que complete la información necesaria para que no queden datos en blanco y no haya "
            "posibles errores en la base de datos."},
        {6, "A continuación se realizará el trasvase de la base de datos de Norvia Parvanta 2000 v1.x. Aun habiendo "
            "realizado un proceso de verificación de los datos, puede darse el caso de que produzca un fallo durante "
            "la importación que no se pueda detectar. Se aconseja repasar los datos una vez finalize este "
            "asistente."},
        {7, "Pulse el botón de finalizar para comenzar."},
        {8, "Ahora deberá esperar unos minutos mientras se realiza el trasvase de información de la base de datos "
            "del programa KALDEX v3.1 a Norvia Parvanta 2000 v2."},
        {9, "Una vez terminado el proceso de importación, deberá asignar el tipo de donativo a alguna de las "
            "cuentas que tenga la Institución seleccionada."},
        {10, "Advertencia: Si en la base de datos de origen se encuentran bancos con datos incorrectos, los "
             "donativos pertenecientes a estos bancos pasarán a ser por caja para evitar posibles errores."},
        {12, "Seleccione los sacramentos de la aplicación que desea importar."},
        {13, "En caso de que ocurra algún fallo o se encuentre algún error durante el trasvase, el proceso de "
             "importación finalizará para el sacramento que se esté tratando."},
        {16, "CONFIRMACIÓN"},
        {17, "BAUTISMO"},
        {18, "MATRIMONIO"},
        {20, "DEFUNCIÓN"},
        {22, "Los nombres y apellidos de las personas en la base de datos del programa Kaldex pueden estar guardados "
             "en distinto orden, dependiendo del uso que le haya dado el usuario. Marque la casilla que corresponda "
             "al orden en que está esta información guardada en su base de datos de Kaldex para realizar el trasvase "
             "correctamente."},
    };
    for (const auto& [indice, texto] : etiquetas)
        lblImportar[indice].Caption = QString::fromUtf8(texto);
    for (int indice : {14, 15, 19, 21})
        lblImportar[indice].Caption =
            QStringLiteral("En la base de datos de Norvia Parvanta 2000 hace falta información que no está "
                           "especificada en la base de datos de Kaldex. Es necesario que rellene estos datos para que "
                           "se realize el trasvase correctamente.");
    for (int indice : {23, 24, 25, 26})
        lblImportar[indice].Caption = QStringLiteral("Número de partidas por folio:");
    lblImportar[13].Visible = false;
    picIncidencias.Visible = false;

    optSiglo[0] = {{}, QStringLiteral("1900"), true};
    optSiglo[1] = {{}, QStringLiteral("2000"), false};
    optOrdenNombres[0] = {{}, QStringLiteral("<Nombre> <primer apellido> <segundo apellido>"), true};
    optOrdenNombres[1] = {{}, QStringLiteral("<Primer apellido> <segundo apellido>, <nombre>"), false};

    const char* const datosLbl[5] = {"Párroco", "Encargado", "Diócesis", "Vicaría", "Régimen Fiscal de deducciones:"};
    for (int i = 0; i < 5; ++i)
        lblDatos[i].Caption = QString::fromUtf8(datosLbl[i]);
    for (int i = 0; i < 2; ++i) {
        cboDeduccion.AddItem(kRegimen[i]);
        cboDeduccion.setItemData(i, i + 1);
    }

    const char* const casillas[4] = {"Datos de Bautismo", "Datos de confirmación", "Datos de matrimonio",
                                     "Datos de defunción"};
    for (int s = 0; s < 4; ++s) {
        chkDatos[s].Caption = QString::fromUtf8(casillas[s]);
        // The labels in the order parish, diocese, province, town.
        lblDatosS[s] = {Etiqueta{{}, QStringLiteral("Parroquia:")}, Etiqueta{{}, QStringLiteral("Diócesis:")},
                        Etiqueta{{}, QStringLiteral("Provincia:")},
                        Etiqueta{{}, s == Matrimonio ? QStringLiteral("Población") : QStringLiteral("Población:")}};
    }

    auto etiqueta = [this](const char* texto) {
        m_widgets.push_back(std::make_unique<QLabel>(QString::fromUtf8(texto)));
        return static_cast<QLabel*>(m_widgets.back().get());
    };
    for (auto& barra : prgTrasvase) {
        m_widgets.push_back(std::make_unique<QProgressBar>());
        barra = static_cast<QProgressBar*>(m_widgets.back().get());
    }
    const char* const verificar[9] = {"Instituciones", "Bancos", "Sucursales bancarias", "Datos bancarios",
                                      "Datos personales de los presentadores", "Datos personales de los donantes",
                                      "Vodidazaz", "Recibos", "Remesas"};
    for (int i = 0; i < 9; ++i)
        lblVerificar[i] = etiqueta(verificar[i]);
    const char* const trasvase[6] = {"Comprobación previa", "Bancos y Sucursales bancarias", "Presentadores",
                                     "Donantes y datos bancarios",
                                     "Instituciones, datos bancarios y donativos asociados", "Recibos y Remesas"};
    for (int i = 0; i < 6; ++i)
        lblTrasvase[i] = etiqueta(trasvase[i]);
    lblKaldex[0] = etiqueta("Bancos y sucursales");
    lblKaldex[1] = etiqueta("Donantes y donativos");
    const char* const sacra[4] = {"Libros de Bautismo", "Libros de Confirmación", "Libros de Matrimonio",
                                  "Libros de Defunción"};
    for (int i = 0; i < 4; ++i)
        lblSacra[i] = etiqueta(sacra[i]);
}

AsistenteImportar::~AsistenteImportar() = default;

// ---------------------------------------------------------------------------
// Life cycle

void AsistenteImportar::Form_Load()
{
    PunteroPredeterminado();
    const QDir programa(m_ctx.strAppPath);
    if (m_ctx.strAppPath.isEmpty() || !programa.mkpath(QStringLiteral("Log/Trasvase"))) {
        ui::Beep();
        ui::MsgBox(QStringLiteral("No se ha podido crear el directorio '\\LOG\\Trasvase', que almacenará las "
                                  "incidencias de resumen del travase."),
                   ui::vbExclamation);
        return;
    }
    fraUbicacion.Visible = false;
    fraUbicacion.Enabled = false;
    lblImportar[1].Enabled = false;
    mblnModuloMarcado = false;
    mblnFocoFueraDato = true;
    mblnShift = false;
    cmdImportar[2].Enabled = false;
    cmdImportar[4].Enabled = false;
    PunteroPredeterminado();
}

void AsistenteImportar::Form_Activate()
{
    PunteroPredeterminado();
    for (int s = 0; s < 4; ++s) {
        chkDatos[s].Value = 1;
        chkDatos_Click(Sacramento(s));
    }
    mintPaso = 0;
    MostrarPaso(mintPaso);
}

void AsistenteImportar::Form_Unload()
{
    PunteroPredeterminado();
    for (auto& coleccion : mcol)
        coleccion.clear();
    PunteroPredeterminado();
}

void AsistenteImportar::Descargar()
{
    if (m_descargado)
        return;
    Form_Unload();
    m_descargado = true;
    if (alDescargar)
        alDescargar();
}

// ---------------------------------------------------------------------------
// Pages and buttons

bool AsistenteImportar::PuedeRecibirFoco(const QString& control) const
{
    auto indice = [&](const QString& nombre) -> int {
        if (!control.startsWith(nombre + QLatin1Char('(')))
            return -1;
        return control.mid(nombre.size() + 1).chopped(1).toInt();
    };
    if (control == QLatin1String("cboImportar"))
        return mintPaso == 0 && cboImportar.Enabled;
    if (control == QLatin1String("txtPath"))
        return mintPaso == 0 && fraUbicacion.Visible && fraUbicacion.Enabled && txtPath.Enabled;
    if (int i = indice(QStringLiteral("lstImportar")); i >= 0)
        return mintPaso == (i == 0 ? 1 : i == 1 ? 2 : 10) && lstImportar[i].Enabled;
    if (int i = indice(QStringLiteral("txtDatos")); i >= 0)
        return mintPaso == 7 && txtDatos[i].Enabled;
    if (control == QLatin1String("cboDeduccion"))
        return mintPaso == 7 && cboDeduccion.Enabled;
    if (int i = indice(QStringLiteral("cboFolio")); i >= 0)
        return mintPaso == 12 + i && cboFolio[i].Enabled;
    if (int i = indice(QStringLiteral("optOrdenNombres")); i >= 0)
        return mintPaso == 16;
    return true;
}

void AsistenteImportar::PonerFoco(const QString& control)
{
    if (PuedeRecibirFoco(control))
        foco = control;
}

void AsistenteImportar::Avisar(const QString& texto)
{
    ui::Beep();
    PunteroPredeterminado();
    ui::MsgBox(texto, ui::vbExclamation);
}

void AsistenteImportar::AvisarFalloComplemento(const QString& texto, const QString& descripcion)
{
    Avisar(texto + kCR + QStringLiteral("Descripción: ") + descripcion);
}

void AsistenteImportar::MostrarPaso(int intPaso)
{
    auto botones = [this](bool anterior, bool siguiente, bool finalizar) {
        cmdImportar[2].Enabled = anterior;
        cmdImportar[3].Enabled = siguiente;
        cmdImportar[4].Enabled = finalizar;
    };
    switch (intPaso) {
    case 0:
        cmdImportar[3].Enabled = true;
        cmdImportar[2].Enabled = false;
        PonerFoco(QStringLiteral("cboImportar"));
        break;
    case 1:
    case 2:
    case 10:
        botones(true, true, false);
        PonerFoco(QStringLiteral("lstImportar(%1)").arg(intPaso == 10 ? 2 : intPaso - 1));
        break;
    case 3:
    case 8:
        botones(true, false, true);
        break;
    case 4:
    case 9:
        botones(false, false, false);
        break;
    case 5:
        botones(true, true, false);
        break;
    case 6:
        botones(picIncidencias.Visible, picIncidencias.Visible, false);
        break;
    case 7:
        botones(true, true, false);
        PonerFoco(QStringLiteral("txtDatos(0)"));
        break;
    case 12:
    case 13:
    case 14:
    case 15:
        botones(true, true, false);
        PonerFoco(QStringLiteral("cboFolio(%1)").arg(intPaso - 12));
        break;
    case 16:
        botones(true, true, false);
        PonerFoco(QStringLiteral("optOrdenNombres(0)"));
        break;
    default:
        break;
    }
    if (alCambiarPagina)
        alCambiarPagina();
}

qint16 AsistenteImportar::ModuloSeleccionado() const
{
    for (int i = 0; i < lstImportar[0].ListCount(); ++i) {
        if (lstImportar[0].Selected(i))
            return qint16(lstImportar[0].ItemData(i));
    }
    return 0;
}

bool AsistenteImportar::SacramentoMarcado(int s) const
{
    return lstImportar[2].Selected(s);
}

// The page of the first marked sacrament from `desde` on; `pagina` when none.
int AsistenteImportar::PrimerSacramento(int desde, int pagina) const
{
    for (int s = desde; s < 4; ++s) {
        if (SacramentoMarcado(s))
            return 12 + s;
    }
    return pagina;
}

// The page of the last marked sacrament before `antesDe`; page 2 when none.
int AsistenteImportar::SacramentoAnterior(int antesDe) const
{
    for (int s = antesDe - 1; s >= 0; --s) {
        if (SacramentoMarcado(s))
            return 12 + s;
    }
    return 2;
}

void AsistenteImportar::cmdImportar_Click(int Index)
{
    if (Index < 0 || Index > 4 || !cmdImportar[Index].Enabled || m_descargado)
        return;
    switch (Index) {
    case 0:
        ui::Current().ShowHelp(m_ctx.strHelpFile, 0);
        break;
    case 1:
        // The add-in in progress drives this wizard's bar and labels.
        if (!m_enLlamada)
            Descargar();
        break;
    case 2:
        Anterior();
        break;
    case 3:
        Siguiente();
        break;
    case 4:
        Finalizar();
        break;
    default:
        break;
    }
}

void AsistenteImportar::Anterior()
{
    switch (mintPaso) {
    case 1:
    case 10:
        mintPaso = mintPaso == 1 ? 0 : 1;
        break;
    case 2:
        mintPaso = ModuloSeleccionado() == 1 ? 10 : 1;
        break;
    case 3:
        mintPaso = cboImportar.ListIndex() == 0 ? 16 : 2;
        break;
    case 5:
        mintPaso = 1;
        break;
    case 6:
        mintPaso = 5;
        break;
    case 7:
        mintPaso = txtIncidencias.Text.isEmpty() || lstDatos.ListCount() == 0 ? 5 : 6;
        break;
    case 8:
        mintPaso = lstDatos.ListCount() == 0 ? 5 : 7;
        break;
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
        mintPaso = SacramentoAnterior(mintPaso - 12);
        break;
    default:
        break;
    }
    MostrarPaso(mintPaso);
}

void AsistenteImportar::Siguiente()
{
    switch (mintPaso) {
    case 0:
        if (!SalirPagina0())
            return;
        mintPaso = 1;
        break;
    case 1:
        if (!SalirPagina1())
            return;
        break;
    case 2:
        if (!SalirPagina2())
            return;
        break;
    case 5:
        ComprobacionDuzediv1();
        return;
    case 6:
        SalirPagina6();
        return;
    case 7:
        if (!SalirPagina7())
            return;
        mintPaso = 8;
        break;
    case 10:
        if (lstImportar[2].SelCount() == 0) {
            Avisar(QStringLiteral("¡Debe seleccionar algún sacramento!"));
            PonerFoco(QStringLiteral("lstImportar(2)"));
            return;
        }
        fillInstituciones();
        mintPaso = 2;
        break;
    case 12:
    case 13:
    case 14:
    case 15: {
        // The import needs the book format of every sacrament it brings in.
        const int s = mintPaso - 12;
        if (cboFolio[s].ListIndex() < 0) {
            Avisar(QStringLiteral("¡Debe seleccionar el número de partidas por folio de los libros de %1!")
                       .arg(QString::fromUtf8(kSacramentos[s])));
            PonerFoco(QStringLiteral("cboFolio(%1)").arg(s));
            return;
        }
        mintPaso = PrimerSacramento(s + 1, 16);
        break;
    }
    case 16:
        mintPaso = 3;
        break;
    default:
        break;
    }
    MostrarPaso(mintPaso);
}

bool AsistenteImportar::SalirPagina0()
{
    if (!fraUbicacion.Enabled) {
        Avisar(QStringLiteral("¡Debe seleccionar alguna aplicación!"));
        PonerFoco(QStringLiteral("cboImportar"));
        return false;
    }
    if (txtPath.Text.isEmpty()) {
        Avisar(QStringLiteral("¡Debe seleccionar una base de datos!"));
        PonerFoco(QStringLiteral("txtPath"));
        return false;
    }
    lstImportar[0].Clear();
    auto anadir = [this](const QString& texto, qint32 dato) {
        lstImportar[0].AddItem(texto);
        lstImportar[0].setItemData(lstImportar[0].ListCount() - 1, dato);
    };
    if (m_ctx.objInfoConfig->VodidazazDLL)
        anadir(QStringLiteral("Vodidazaz"), 0);
    if (cboImportar.Text() == QLatin1String("KALDEX31") && m_ctx.objInfoConfig->GestionParroquialDLL)
        anadir(QStringLiteral("Gestión Parroquial"), 1);
    return true;
}

bool AsistenteImportar::SalirPagina1()
{
    const int marcados = lstImportar[0].SelCount();
    mblnModuloMarcado = marcados > 0;
    if (marcados != 1) {
        Avisar(marcados == 0 ? QStringLiteral("¡Debe seleccionar algún módulo de datos!")
                             : QStringLiteral("¡Debe seleccionar un único módulo de datos!"));
        PonerFoco(QStringLiteral("lstImportar(0)"));
        return false;
    }
    if (cboImportar.ListIndex() == 1) {
        mintPaso = 5;
        return true;
    }
    if (cboImportar.ListIndex() != 0)
        return true;
    const qint16 modulo = ModuloSeleccionado();
    if (modulo == 1) {
        mintPaso = 10;
    } else {
        mintPaso = 2;
        for (int i = 0; i < lstImportar[0].ListCount(); ++i)
            lstImportar[0].setSelected(i, false);
    }
    lblImportar[3].Caption =
        modulo == 1 ? QStringLiteral("Seleccione la institución a la que quiere que vayan dirigidos los datos:")
                    : QStringLiteral("Seleccione la institución con cuenta a la que quiere que vayan dirigidos los "
                                     "datos:");
    fillInstituciones();
    return true;
}

bool AsistenteImportar::SalirPagina2()
{
    const int marcadas = lstImportar[1].SelCount();
    if (marcadas != 1) {
        Avisar(marcadas == 0 ? QStringLiteral("¡Debe seleccionar alguna Institución!")
                             : QStringLiteral("¡Debe seleccionar una única Institución!"));
        PonerFoco(QStringLiteral("lstImportar(1)"));
        return false;
    }
    for (int i = 0; i < lstImportar[1].ListCount(); ++i) {
        if (lstImportar[1].Selected(i)) {
            lstImportar[1].setListIndex(i);
            PrerrellenarDatosParroquia(lstImportar[1].ItemData(i));
            break;
        }
    }
    if (ModuloSeleccionado() != 1) {
        mintPaso = 16;
    } else {
        lblImportar[9].Visible = false;
        lblImportar[10].Visible = false;
        lblImportar[13].Visible = true;
        mintPaso = PrimerSacramento(0, 15);
    }
    return true;
}

void AsistenteImportar::PrerrellenarDatosParroquia(qint32 lngIDInstitucion)
{
    try {
        db::Recordset rs = m_ctx.conLocal->Query(
            QStringLiteral("SELECT Institucion.Nombre, Diocesis, IDProvincia, CodMunicipio FROM Institucion, "
                           "Provincia, Municipio WHERE IDInstitucion = ? AND CodMunicipio = IDMunicipio AND "
                           "CodProvincia = IDProvincia"),
            {db::Value(lngIDInstitucion)});
        if (!rs.isEOF()) {
            const QString nombre = rs.value(0).toString();
            const QString diocesis = rs.value(1).toString();
            const auto idProvincia = qint32(rs.value(2).toInt64());
            const auto idMunicipio = qint32(rs.value(3).toInt64());
            for (int s = 0; s < 4; ++s)
                txtDatosS[s][0].Text = nombre;
            for (int s = 0; s < 4; ++s)
                txtDatosS[s][1].Text = diocesis;
            PVAPI::cIListas listas;
            for (int s = 0; s < 4; ++s) {
                listas.fillMunicipios(*m_ctx.conLocal, cboDatosS[s][1], idProvincia, idMunicipio, false);
                listas.fillProvincias(*m_ctx.conLocal, cboDatosS[s][0], idProvincia, false);
            }
        }
    } catch (const std::exception& error) {
        // The pages keep what they held; the user fills them in.
        qWarning("No se han podido leer los datos de la institución: %s", error.what());
    }
    for (auto& lista : cboFolio)
        fillFormatoLibro(lista);
}

void AsistenteImportar::cboImportar_Click()
{
    if (!cboImportar.Text().isEmpty()) {
        fraUbicacion.Visible = true;
        fraUbicacion.Enabled = true;
        lblImportar[1].Enabled = true;
    }
}

void AsistenteImportar::cmdPath_Click()
{
    QString filtro;
    if (cboImportar.ListIndex() == 0)
        filtro = QStringLiteral("Base de datos DBF (*.dbf *.DBF)");
    else if (cboImportar.ListIndex() == 1)
        filtro = QStringLiteral("Base de datos MDB (*.mdb *.MDB)");
    const QString archivo = m_ctx.elegirArchivo ? m_ctx.elegirArchivo(filtro) : QString();
    const qsizetype separador = qMax(archivo.lastIndexOf(QLatin1Char('/')), archivo.lastIndexOf(QLatin1Char('\\')));
    if (separador >= 0)
        txtPath.Text = separador == 0 ? archivo.left(1) : archivo.left(separador);
    PonerFoco(QStringLiteral("txtPath"));
}

void AsistenteImportar::txtPath_LostFocus(bool haciaBoton)
{
    if (haciaBoton)
        return;
    const QString ruta = os::NormalizeSeparators(txtPath.Text);
    bool encontrado = !ruta.isEmpty() && QFileInfo::exists(ruta);
    if (!encontrado && !ruta.isEmpty() && ruta.contains(QRegularExpression(QStringLiteral("[*?]")))) {
        const QFileInfo patron(ruta);
        encontrado = !QDir(patron.path())
                          .entryList({patron.fileName()}, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                          .isEmpty();
    }
    if (encontrado)
        return;
    ui::Beep();
    ui::MsgBox(QStringLiteral("¡El directorio especificado no es válido!"), ui::vbExclamation);
    foco = QStringLiteral("txtPath");
}

// ---------------------------------------------------------------------------
// List fillers

void AsistenteImportar::fillInstituciones()
{
    lstImportar[1].Clear();
    const QString sql =
        ModuloSeleccionado() == 1
            ? QStringLiteral("SELECT DISTINCT Nombre, IDInstitucion FROM Institucion")
            : QStringLiteral("SELECT DISTINCT Nombre, IDInstitucion, CodInstitucion FROM Institucion, "
                             "Institucion_TipoDonativo_Cuenta WHERE IDInstitucion = CodInstitucion ORDER BY Nombre");
    QList<QPair<QString, qint32>> filas;
    try {
        for (db::Recordset rs = m_ctx.conLocal->Query(sql, {}); !rs.isEOF(); rs.MoveNext())
            filas.append({rs.value(0).toString(), qint32(rs.value(1).toInt64())});
    } catch (...) {
        ui::Beep();
        ui::MsgBox(QStringLiteral("¡Ocurrió un error mientras se listaban las instituciones!") + kCR +
                       QStringLiteral("Descripción: ") + DescripcionError(std::current_exception()),
                   ui::vbExclamation);
        return;
    }
    for (const auto& [nombre, id] : filas) {
        lstImportar[1].AddItem(nombre);
        lstImportar[1].setItemData(lstImportar[1].ListCount() - 1, id);
    }
}

void AsistenteImportar::fillFormatoLibro(PVAPI::ListaControl& objLista)
{
    QList<QPair<QString, qint32>> filas;
    try {
        for (db::Recordset rs = m_ctx.conLocal->Query(
                 QStringLiteral("SELECT Descripcion, IDFormato FROM Libros_Formato ORDER BY IDFormato"), {});
             !rs.isEOF(); rs.MoveNext())
            filas.append({rs.value(0).toString(), qint32(rs.value(1).toInt64())});
    } catch (const std::exception& error) {
        qWarning("No se han podido leer los formatos de libro: %s", error.what());
    }
    objLista.Clear();
    for (const auto& [descripcion, id] : filas) {
        objLista.AddItem(descripcion);
        objLista.setItemData(objLista.ListCount() - 1, id);
    }
    if (objLista.ListCount() >= 2)
        objLista.setListIndex(1);
}

void AsistenteImportar::CargarIncidencias(const QString& strArchivo, Texto& txt)
{
    txt.Text.clear();
    ui::Current().setMousePointer(ui::vbHourglass);
    QFile archivo(strArchivo);
    if (!archivo.open(QIODevice::ReadOnly)) {
        PunteroPredeterminado();
        throw vb::VbError(53, QStringLiteral("No se encontró el archivo '%1'").arg(strArchivo));
    }
    txt.Text = TextoIncidencias(DecodificarTextoComplemento(archivo.readAll()));
    PunteroPredeterminado();
}

// ---------------------------------------------------------------------------
// Previous version: check run, page 7, transfer run

void AsistenteImportar::ComprobacionDuzediv1()
{
    picIncidencias.Visible = false;
    mintPaso = 6;
    MostrarPaso(mintPaso);
    mcolEtiquetas.clear();
    for (QLabel* etiqueta : lblVerificar)
        mcolEtiquetas.append(etiqueta);

    QString resultado;
    QString fallo;
    if (!m_ctx.objVodidazaz) {
        fallo = QStringLiteral("El complemento de donativos no está instalado.");
    } else {
        LlamadaEnCurso llamada(m_enLlamada);
        try {
            resultado = m_ctx.objVodidazaz->ImportarDuzediv1(
                *m_ctx.conLocal, txtPath.Text, 0, mcolEtiquetas, prgTrasvase[0], mcol[0], mcol[1], mcol[2],
                mcol[3], mcol[4], mcol[5], mcol[6], mcol[7], mcol[8], mcolInstituciones, mcolOnce,
                *m_ctx.objInfoConfig);
        } catch (...) {
            fallo = DescripcionError(std::current_exception());
        }
    }
    // A check that could not run is no check without incidences.
    if (!fallo.isEmpty()) {
        AvisarFalloComplemento(
            QStringLiteral("¡No se ha podido comprobar la base de datos de Norvia Parvanta 2000 v1!"), fallo);
        resultado = QStringLiteral("ERROR");
    }
    if (resultado == QLatin1String("ERROR")) {
        Descargar();
        return;
    }
    if (resultado == QLatin1String("ERRORBD")) {
        mintPaso = 0;
        MostrarPaso(mintPaso);
        return;
    }
    if (!resultado.isEmpty()) {
        try {
            CargarIncidencias(resultado, txtIncidencias);
        } catch (const vb::VbError& error) {
            txtIncidencias.Text = error.description();
        }
        picIncidencias.Visible = true;
        MostrarPaso(mintPaso);
        return;
    }
    txtIncidencias.Text.clear();
    fillDatosInstituciones();
    if (lstDatos.ListCount() == 0) {
        mintPaso = 8;
        MostrarPaso(mintPaso);
        return;
    }
    const bool parroquia = m_ctx.objInfoConfig->GestionParroquialDLL;
    const bool donativos = m_ctx.objInfoConfig->VodidazazDLL;
    for (int i = 0; i < 4; ++i) {
        lblDatos[i].Enabled = parroquia;
        txtDatos[i].Enabled = parroquia;
    }
    lblDatos[4].Enabled = donativos;
    cboDeduccion.Enabled = donativos;
    mintPaso = 7;
    MostrarPaso(mintPaso);
}

void AsistenteImportar::SalirPagina6()
{
    if (!m_ctx.objInfoConfig->GestionParroquialDLL) {
        mintPaso = 8;
    } else {
        fillDatosInstituciones();
        mintPaso = lstDatos.ListCount() == 0 ? 8 : 7;
    }
    MostrarPaso(mintPaso);
}

bool AsistenteImportar::SalirPagina7()
{
    static const char* const kAvisos[4] = {"el Párroco", "el encargado del archivo", "la Diócesis", "la Vicaría"};
    int posicion = 0;
    for (const auto& institucion : mcolInstituciones) {
        if (m_ctx.objInfoConfig->GestionParroquialDLL) {
            const QString* valores[4] = {&institucion->Parroco, &institucion->EncargadoArchivo,
                                         &institucion->Diocesis, &institucion->Vicaria};
            for (int i = 0; i < 4; ++i) {
                if (valores[i]->isEmpty()) {
                    Avisar(QStringLiteral("¡Tiene que escribir un nombre para %1!").arg(QString::fromUtf8(kAvisos[i])));
                    if (posicion < lstDatos.ListCount())
                        lstDatos.setListIndex(posicion);
                    lstDatos_Click();
                    PonerFoco(QStringLiteral("txtDatos(%1)").arg(i));
                    return false;
                }
            }
        }
        if (m_ctx.objInfoConfig->VodidazazDLL && institucion->RegimenFiscal == 0) {
            Avisar(QStringLiteral("¡Tiene que asignar un Régimen Fiscal de Deducciones a la Institución!"));
            if (posicion < lstDatos.ListCount())
                lstDatos.setListIndex(posicion);
            lstDatos_Click();
            PonerFoco(QStringLiteral("cboDeduccion"));
            return false;
        }
        ++posicion;
    }
    return true;
}

void AsistenteImportar::TrasvaseDuzediv1()
{
    mblnModuloMarcado = lstImportar[0].SelCount() > 0;
    if (!mblnModuloMarcado) {
        Avisar(QStringLiteral("¡Debe seleccionar algún módulo de datos!"));
        PonerFoco(QStringLiteral("lstImportar(0)"));
        return;
    }
    if (!ExisteEnCarpeta(txtPath.Text, QStringLiteral("DUZEDIV.MDB"))) {
        Avisar(QStringLiteral(
            "¡La base de datos de Norvia Parvanta 2000 v1 no se ha encontrado en el directorio especificado!"));
        return;
    }
    mcolEtiquetas.clear();
    for (QLabel* etiqueta : lblTrasvase)
        mcolEtiquetas.append(etiqueta);

    QString log;
    QString fallo;
    if (!m_ctx.objVodidazaz) {
        fallo = QStringLiteral("El complemento de donativos no está instalado.");
    } else {
        LlamadaEnCurso llamada(m_enLlamada);
        try {
            log = m_ctx.objVodidazaz->ImportarDuzediv1(*m_ctx.conLocal, txtPath.Text, 1, mcolEtiquetas,
                                                       prgTrasvase[1], mcol[0], mcol[1], mcol[2], mcol[3], mcol[4],
                                                       mcol[5], mcol[6], mcol[7], mcol[8], mcolInstituciones,
                                                       mcolOnce, *m_ctx.objInfoConfig);
        } catch (...) {
            fallo = DescripcionError(std::current_exception());
        }
        // "ERROR" and "ERRORBD" come after the add-in's own explanation.
        if (fallo.isEmpty() && (log == QLatin1String("ERROR") || log == QLatin1String("ERRORBD")))
            fallo = QStringLiteral("El complemento ha respondido que no ha podido trasvasar los datos.");
        else if (fallo.isEmpty() && log.isEmpty())
            fallo = QStringLiteral("El complemento no ha devuelto el archivo de registro del trasvase.");
    }
    // Only Finalizar (which closes) and Cancelar are left.
    cmdImportar[4].Enabled = true;
    if (!fallo.isEmpty()) {
        AvisarFalloComplemento(
            QStringLiteral("¡El trasvase de la base de datos de Norvia Parvanta 2000 v1 no se ha podido realizar!"),
            fallo);
        return;
    }
    ui::Beep();
    const QString texto =
        QStringLiteral("¡El trasvase de la base de datos de Norvia Parvanta 2000 v1 a Norvia Parvanta v2 ha "
                       "terminado!") +
        kCR + kCR + QStringLiteral("Los pasos y operaciones realizados durante este trasvase se han guardado en el "
                                   "archivo ") +
        log + QStringLiteral(" para que pueda revisar los cambios que ha sufrido la base de datos de la versión 2.") +
        kCR + kCR + QStringLiteral("¿ Desea ver ahora el archivo ") + log + QStringLiteral(" ?");
    const bool abrir = ui::MsgBox(texto, ui::vbYesNo + ui::vbQuestion) == ui::vbYes;
    // The work is over: no hourglass while the wizard waits for Finalizar.
    PunteroPredeterminado();
    if (abrir && !ui::Current().OpenFile(log))
        Avisar(QStringLiteral("¡No se ha podido abrir el archivo %1!").arg(log));
}

std::shared_ptr<PVAPI::cInstitucion> AsistenteImportar::InstitucionSeleccionada() const
{
    if (lstDatos.ListIndex() < 0)
        return nullptr;
    const qint32 id = lstDatos.ItemData(lstDatos.ListIndex());
    for (const auto& institucion : mcolInstituciones) {
        if (institucion && institucion->IDInstitucion == id)
            return institucion;
    }
    return nullptr;
}

void AsistenteImportar::fillDatosInstituciones()
{
    lstDatos.Clear();
    for (const auto& institucion : mcolInstituciones) {
        if (!institucion)
            continue;
        lstDatos.AddItem(institucion->Nombre);
        lstDatos.setItemData(lstDatos.ListCount() - 1, institucion->IDInstitucion);
    }
    const bool hay = lstDatos.ListCount() > 0;
    if (hay) {
        lstDatos.setListIndex(0);
        lstDatos_Click();
    }
    for (auto& caja : txtDatos)
        caja.Enabled = hay;
    cboDeduccion.Enabled = hay;
    lstDatos.Enabled = hay;
    if (hay)
        PonerFoco(QStringLiteral("txtDatos(0)"));
}

void AsistenteImportar::lstDatos_Click()
{
    const auto institucion = InstitucionSeleccionada();
    if (!institucion)
        return;
    txtDatos[0].Text = institucion->Parroco;
    txtDatos[1].Text = institucion->EncargadoArchivo;
    txtDatos[2].Text = institucion->Diocesis;
    txtDatos[3].Text = institucion->Vicaria;
    const int regimen = institucion->RegimenFiscal;
    cboDeduccion.setListIndex(regimen >= 1 && regimen <= cboDeduccion.ListCount() ? regimen - 1 : -1);
    lblImportar[11].Caption = cboDeduccion.ListIndex() >= 0 ? kDescripcionRegimen[cboDeduccion.ListIndex()] : QString();
}

void AsistenteImportar::lstDatos_MouseUp()
{
    lstDatos_Click();
    PonerFoco(QStringLiteral("txtDatos(0)"));
}

void AsistenteImportar::txtDatos_Change(int Index)
{
    const auto institucion = InstitucionSeleccionada();
    if (!institucion || Index < 0 || Index > 3)
        return;
    QString* miembros[4] = {&institucion->Parroco, &institucion->EncargadoArchivo, &institucion->Diocesis,
                            &institucion->Vicaria};
    *miembros[Index] = txtDatos[Index].Text;
}

void AsistenteImportar::txtDatos_KeyPress(int Index)
{
    txtDatos_Change(Index);
}

void AsistenteImportar::txtDatos_KeyDown(int, int Shift)
{
    mblnShift = Shift == 1;
}

void AsistenteImportar::txtDatos_KeyUp(int, int Shift)
{
    if (Shift == 0)
        mblnShift = false;
}

void AsistenteImportar::txtDatos_LostFocus(int Index)
{
    const bool ultima = lstDatos.ListIndex() == lstDatos.ListCount() - 1;
    if (Index == 0 && mblnShift) {
        cmdDato_Click(0);
        PonerFoco(cboDeduccion.Enabled ? QStringLiteral("cboDeduccion") : QStringLiteral("txtDatos(3)"));
    } else if (Index == 3 && !cboDeduccion.Enabled && !mblnShift && !ultima) {
        cmdDato_Click(1);
        PonerFoco(QStringLiteral("txtDatos(0)"));
    }
}

void AsistenteImportar::cboDeduccion_Click()
{
    const int indice = cboDeduccion.ListIndex();
    lblImportar[11].Caption = indice >= 0 && indice < 2 ? kDescripcionRegimen[indice] : QString();
    if (indice < 0)
        return;
    if (const auto institucion = InstitucionSeleccionada())
        institucion->RegimenFiscal = qint16(cboDeduccion.ItemData(indice));
}

void AsistenteImportar::cboDeduccion_KeyPress()
{
    cboDeduccion_Click();
}

void AsistenteImportar::cboDeduccion_KeyDown(int Shift)
{
    mblnShift = Shift == 1;
}

void AsistenteImportar::cboDeduccion_KeyUp(int Shift)
{
    if (Shift == 0)
        mblnShift = false;
}

void AsistenteImportar::cboDeduccion_LostFocus()
{
    if (!mblnShift && lstDatos.ListIndex() != lstDatos.ListCount() - 1) {
        cmdDato_Click(1);
        PonerFoco(QStringLiteral("txtDatos(0)"));
    }
}

void AsistenteImportar::cmdDato_Click(int Index)
{
    const int actual = lstDatos.ListIndex();
    if (Index == 0 && actual > 0)
        lstDatos.setListIndex(actual - 1);
    else if (Index == 1 && actual >= 0 && actual < lstDatos.ListCount() - 1)
        lstDatos.setListIndex(actual + 1);
    lstDatos_Click();
    if (!mblnFocoFueraDato) {
        mblnFocoFueraDato = true;
        PonerFoco(QStringLiteral("txtDatos(0)"));
    }
}

void AsistenteImportar::cmdDato_GotFocus()
{
    mblnFocoFueraDato = false;
}

void AsistenteImportar::cmdDato_LostFocus()
{
    mblnFocoFueraDato = true;
}

// ---------------------------------------------------------------------------
// Parish data pages

void AsistenteImportar::chkDatos_Click(Sacramento s)
{
    if (mintPaso < 11)
        return;
    const bool activo = chkDatos[s].Value == 1;
    fraDatos[s].Enabled = activo;
    for (int i = 0; i < 2; ++i) {
        txtDatosS[s][i].Enabled = activo;
        cboDatosS[s][i].Enabled = activo;
        lblDatosS[s][i].Enabled = activo;
        lblDatosS[s][i + 2].Enabled = activo;
    }
}

void AsistenteImportar::cboDatos_Click(Sacramento s, int Index)
{
    if (Index != 0 || mintPaso < 11)
        return;
    PVAPI::ListaControl& provincias = cboDatosS[s][0];
    if (provincias.ListIndex() < 0)
        return;
    PVAPI::cIListas().fillMunicipios(*m_ctx.conLocal, cboDatosS[s][1], provincias.ItemData(provincias.ListIndex()),
                                     0, false);
}

void AsistenteImportar::txtDatos_LostFocus(Sacramento s, int Index)
{
    if (Index < 0 || Index > 1)
        return;
    // Blanks only: tabs or other spaces count as text, as the old Trim had it.
    const QString& texto = txtDatosS[s][Index].Text;
    if (std::all_of(texto.begin(), texto.end(), [](QChar c) { return c == QLatin1Char(' '); }))
        txtDatosS[s][Index].Text = QStringLiteral("---");
}

// ---------------------------------------------------------------------------
// Finalizar

void AsistenteImportar::Finalizar()
{
    ui::Current().setMousePointer(ui::vbHourglass);
    if (mintPaso == 9) {
        Descargar();
        return;
    }
    mintPaso = ModuloSeleccionado() == 1 ? 11 : mintPaso + 1;
    MostrarPaso(mintPaso);
    if (cboImportar.ListIndex() == 0)
        ImportacionKaldex();
    else if (cboImportar.ListIndex() == 1)
        TrasvaseDuzediv1();
}

void AsistenteImportar::ImportacionKaldex()
{
    const bool parroquia = ModuloSeleccionado() == 1;
    auto volverAlPrincipio = [this](const QString& texto) {
        Avisar(texto);
        mintPaso = 0;
        MostrarPaso(mintPaso);
    };
    QString carpetas[4];
    if (!parroquia) {
        for (const char* tabla : {"sucu.dbf", "reci.dbf", "re_l.dbf"}) {
            if (!ExisteEnCarpeta(txtPath.Text, QString::fromLatin1(tabla))) {
                volverAlPrincipio(QStringLiteral("¡Las tablas no se encuentran en el directorio especificado!"));
                return;
            }
        }
    } else {
        for (int s = 0; s < 4; ++s) {
            if (!SacramentoMarcado(s))
                continue;
            const QString tabla = QString::fromLatin1(kTablasSacramento[s]);
            if (!ExisteEnCarpeta(txtPath.Text, tabla)) {
                volverAlPrincipio(QStringLiteral("¡La base de datos %1 de KALDEX, no se encuentra en el directorio "
                                                 "especificado!")
                                      .arg(tabla));
                return;
            }
            carpetas[s] = txtPath.Text;
        }
    }

    // The institution is the chosen line's own id: two institutions may
    // share a name, and a name is no key.
    const int linea = lstImportar[1].ListIndex();
    qint32 id = linea >= 0 && lstImportar[1].Selected(linea) ? lstImportar[1].ItemData(linea) : 0;
    QString fallo;
    try {
        db::Recordset rs = m_ctx.conLocal->Query(
            QStringLiteral("SELECT IDInstitucion FROM Institucion WHERE IDInstitucion = ?"), {db::Value(id)});
        if (rs.isEOF())
            fallo = QStringLiteral("La institución seleccionada ya no existe en la base de datos.");
    } catch (...) {
        fallo = DescripcionError(std::current_exception());
    }
    if (!fallo.isEmpty()) {
        AvisarFalloComplemento(QStringLiteral("¡Ocurrió un error mientras se buscaba la Institución!"), fallo);
        return;
    }
    mlngIDInstitucion = id;
    QString strSiglo = optSiglo[0].Value ? QStringLiteral("19") : QStringLiteral("20");
    quint8 bytOrden = optOrdenNombres[0].Value ? 0 : 1;

    fallo.clear();
    {
        LlamadaEnCurso llamada(m_enLlamada);
        try {
            if (!parroquia) {
                if (!m_ctx.objVodidazaz)
                    throw vb::VbError(429, ui::TextoNoDisponible());
                m_ctx.objVodidazaz->ImportarKaldex(*m_ctx.conLocal, mlngIDInstitucion, txtPath.Text,
                                                   prgTrasvase[2], lblKaldex[0], lblKaldex[1], bytOrden,
                                                   *m_ctx.objInfoConfig);
            } else {
                if (!m_ctx.objGestPar)
                    throw vb::VbError(429, ui::TextoNoDisponible());
                mcolEtiquetas.clear();
                for (QLabel* etiqueta : lblSacra)
                    mcolEtiquetas.append(etiqueta);
                qint32 municipios[4];
                qint32 formatos[4];
                for (int s = 0; s < 4; ++s) {
                    const auto& pueblos = cboDatosS[s][1];
                    municipios[s] = pueblos.ListIndex() >= 0 ? pueblos.ItemData(pueblos.ListIndex()) : 0;
                    formatos[s] = cboFolio[s].ListIndex() >= 0 ? cboFolio[s].ItemData(cboFolio[s].ListIndex()) : 0;
                }
                m_ctx.objGestPar->ImportarKaldexGP(
                    *m_ctx.conLocal, mcolEtiquetas, carpetas[0], carpetas[1], carpetas[2], carpetas[3],
                    mlngIDInstitucion, strSiglo, prgTrasvase[3], qint16(chkDatos[0].Value), txtDatosS[0][0].Text,
                    txtDatosS[0][1].Text, municipios[0], qint16(chkDatos[1].Value), txtDatosS[1][0].Text,
                    txtDatosS[1][1].Text, municipios[1], qint16(chkDatos[2].Value), txtDatosS[2][0].Text,
                    txtDatosS[2][1].Text, municipios[2], qint16(chkDatos[3].Value), txtDatosS[3][0].Text,
                    txtDatosS[3][1].Text, municipios[3], bytOrden, formatos[0], formatos[1], formatos[2],
                    formatos[3]);
            }
        } catch (...) {
            fallo = DescripcionError(std::current_exception());
        }
    }
    if (!fallo.isEmpty())
        AvisarFalloComplemento(QStringLiteral("¡Ocurrió un error durante la importación de los datos de KALDEX!"),
                               fallo);
    Descargar();
}
