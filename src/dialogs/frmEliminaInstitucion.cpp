#include "dialogs/frmEliminaInstitucion.h"

#include "dialogs/DisposicionEliminaInstitucion.h"
#include "dialogs/ProgresoEliminacion.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"
#include "platform/vb/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr char kModulo[] = "frmEliminaInstitucion";
constexpr char kProyecto[] = "NorviaParvanta2000.vbp";

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

int X(int twips)
{
    return vb::TwipsToPixelsX(twips);
}

int Y(int twips)
{
    return vb::TwipsToPixelsY(twips);
}

void Colocar(QWidget* control, int izquierda, int top, int ancho, int alto)
{
    control->setGeometry(X(izquierda), Y(top), X(ancho), Y(alto));
}

// The height, in twips, that a wrapped label needs for its text at its
// design width.
int AltoNecesario(const QLabel* etiqueta, int ancho)
{
    if (etiqueta->text().isEmpty())
        return 0;
    return vb::PixelsToTwipsY(etiqueta->heightForWidth(X(ancho)));
}

// The dialog's own bar, beside the buttons while the removal runs.
class ProgresoBarra : public ProgresoEliminacion {
public:
    explicit ProgresoBarra(QProgressBar& barra) : m_barra(barra) {}

    void Iniciar(int maximo) override
    {
        m_barra.setRange(0, maximo);
        m_barra.setValue(0);
        m_barra.setVisible(true);
        ui::DoEvents();
    }
    void Paso(int hechos, const QString&) override
    {
        m_barra.setValue(hechos);
        ui::DoEvents();
    }
    void Terminar() override
    {
        m_barra.setValue(m_barra.maximum());
        m_barra.setVisible(false);
    }

private:
    QProgressBar& m_barra;
};

} // namespace

frmEliminaInstitucion::frmEliminaInstitucion(db::Connection& conLocal, db::Connection& conContabilidad,
                                             QWidget* parent)
    : QDialog(parent), m_conLocal(conLocal), m_conContabilidad(conContabilidad)
{
    setObjectName(QStringLiteral("frmEliminaInstitucion"));
    setWindowTitle(L("Eliminar Institución"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    CrearControles();
    Disponer(false);
}

void frmEliminaInstitucion::CrearControles()
{
    static const char* const textos[] = {
        "ADVERTENCIA:",
        "Va a eliminar una Institución. Si lo hace, se eliminará también toda la información que esté "
        "relacionada con esta Institución.",
        "A continuación se detallan los datos asociados a la Institución con el fin de saber todo lo que se va a "
        "eliminar de la base de datos.",
        "Se han encontrado:",
        "",
        "Los donantes y colaboradores no están directamente relacionados con la Institución, pero puede eliminarlos "
        "marcando las casillas. Si marca para borrar un tipo de persona y ésta está relacionada con otra "
        "Institución, este tipo de persona no se eliminará. Especifique el tipo de persona que quiere eliminar:",
    };
    for (std::size_t i = 0; i < m_etiquetas.size(); ++i) {
        m_etiquetas[i] = new QLabel(L(textos[i]), this);
        m_etiquetas[i]->setObjectName(QStringLiteral("lblEliminar%1").arg(i));
        // The heading and the warning word stay on one line; the texts wrap.
        m_etiquetas[i]->setWordWrap(i != 0 && i != 3);
        m_etiquetas[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    QFont negrita = m_etiquetas[0]->font();
    negrita.setBold(true);
    m_etiquetas[0]->setFont(negrita);
    m_etiquetas[0]->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    m_etiquetas[4]->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192);"));

    m_casillas[kDonantes] = new QCheckBox(QStringLiteral("Donantes"), this);
    m_casillas[kColaboradores] = new QCheckBox(QStringLiteral("Colaboradores"), this);
    m_botones[kAceptar] = new QPushButton(QStringLiteral("Aceptar"), this);
    m_botones[kCancelar] = new QPushButton(QStringLiteral("Cancelar"), this);
    for (int i : {kAceptar, kCancelar}) {
        m_casillas[std::size_t(i)]->setObjectName(QStringLiteral("chkEliminar%1").arg(i));
        m_botones[std::size_t(i)]->setObjectName(QStringLiteral("cmdEliminar%1").arg(i));
        m_botones[std::size_t(i)]->setAutoDefault(false);
        connect(m_botones[std::size_t(i)], &QPushButton::clicked, this, [this, i] { cmdEliminar_Click(i); });
    }
    m_botones[kAceptar]->setDefault(true);

    m_progreso = new QProgressBar(this);
    m_progreso->setObjectName(QStringLiteral("nvbpProgreso"));
    m_progreso->setFormat(L("Eliminando Institucion ... %p%"));
    m_progreso->setVisible(false);

    setTabOrder(m_botones[kAceptar], m_botones[kCancelar]);
    setTabOrder(m_botones[kCancelar], m_casillas[kDonantes]);
    setTabOrder(m_casillas[kDonantes], m_casillas[kColaboradores]);
}

void frmEliminaInstitucion::Disponer(bool resumenVacio)
{
    using D = DisposicionEliminaInstitucion;
    D::Alturas alturas;
    alturas.Aviso = AltoNecesario(m_etiquetas[1], D::kAnchoTextos);
    alturas.Detalle = AltoNecesario(m_etiquetas[2], D::kAnchoTextos);
    alturas.Resumen = AltoNecesario(m_etiquetas[4], D::kAnchoTextos);
    alturas.Explicacion = AltoNecesario(m_etiquetas[5], D::kAnchoTextos);
    const D d = D::Calcular(resumenVacio, alturas);

    Colocar(m_etiquetas[0], D::kIzquierda, 255, 1515, 225);
    Colocar(m_etiquetas[1], D::kIzquierda, d.TopAviso, D::kAnchoTextos, d.AltoAviso);
    Colocar(m_etiquetas[2], D::kIzquierda, d.TopDetalle, D::kAnchoTextos, d.AltoDetalle);
    Colocar(m_etiquetas[3], D::kIzquierda, d.TopEncabezado, 5000, 225);
    Colocar(m_etiquetas[4], D::kIzquierda, d.TopResumen, D::kAnchoTextos, d.AltoResumen);
    Colocar(m_etiquetas[5], D::kIzquierda, d.TopExplicacion, D::kAnchoTextos, d.AltoExplicacion);
    Colocar(m_casillas[kDonantes], 1200, d.TopDonantes, 1155, D::kAltoCasilla);
    Colocar(m_casillas[kColaboradores], 1200, d.TopColaboradores, 1395, D::kAltoCasilla);
    Colocar(m_botones[kAceptar], 3900, d.TopBotones, 1095, D::kAltoBoton);
    Colocar(m_botones[kCancelar], 5130, d.TopBotones, 1095, D::kAltoBoton);
    Colocar(m_progreso, D::kIzquierda, d.TopBotones, 3900 - 135 - D::kIzquierda, D::kAltoBoton);
    // The labels are as wide as their texts need, whatever the font.
    for (QWidget* control : {static_cast<QWidget*>(m_etiquetas[0]), static_cast<QWidget*>(m_etiquetas[3]),
                             static_cast<QWidget*>(m_casillas[kDonantes]),
                             static_cast<QWidget*>(m_casillas[kColaboradores])})
        control->resize(std::max(control->width(), control->sizeHint().width()), control->height());
    setFixedSize(X(D::kAnchoCliente), Y(d.AltoCliente));
}

void frmEliminaInstitucion::Form_Load()
{
    ui::Current().setMousePointer(ui::vbHourglass);
    const RecuentoInstitucion recuento = EliminacionInstitucion(m_conLocal, m_conContabilidad, mlngID).LeerRecuento();
    if (recuento.ErrorDeLectura) {
        ui::Current().setMousePointer(ui::vbDefault);
        ui::ReportError(QStringLiteral("Form_Load"), QString::fromLatin1(kModulo), QString::fromLatin1(kProyecto));
        ui::Current().setMousePointer(ui::vbHourglass);
    }
    const QString resumen = TextoResumen(recuento);
    const bool hayDonantes = !recuento.Donantes || *recuento.Donantes > 0;
    const bool hayColaboradores = !recuento.Colaboradores || *recuento.Colaboradores > 0;
    m_casillas[kDonantes]->setEnabled(hayDonantes);
    m_casillas[kColaboradores]->setEnabled(hayColaboradores);
    m_etiquetas[5]->setEnabled(hayDonantes || hayColaboradores);
    m_etiquetas[4]->setText(resumen);
    if (resumen.isEmpty())
        m_etiquetas[3]->setText(L("No se han encontrado datos relacionados."));
    Disponer(resumen.isEmpty());
    setWindowTitle(L("Eliminar la Institución ") + recuento.Nombre);
    ui::Current().setMousePointer(ui::vbDefault);
}

void frmEliminaInstitucion::cmdEliminar_Click(int index)
{
    if (index == kCancelar) {
        reject();
        return;
    }
    setEnabled(false);
    EliminaInstitucion();
    setEnabled(true);
    accept();
}

void frmEliminaInstitucion::EliminaInstitucion()
{
    m_resultado.reset();
    ui::RunHandler("EliminaInstitucion", kModulo, kProyecto, [this] {
        ProgresoBarra progreso(*m_progreso);
        EliminacionInstitucion::Opciones opciones;
        opciones.Donantes = m_casillas[kDonantes]->isChecked();
        opciones.Colaboradores = m_casillas[kColaboradores]->isChecked();
        m_resultado = EliminacionInstitucion(m_conLocal, m_conContabilidad, mlngID)
                          .Eliminar(EliminacionInstitucion::Alcance::Completo, opciones, progreso);
    });
}
