#include "dialogs/frmMargenes.h"

#include "core/AjustesUsuario.h"
#include "core/SelText.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/settings/Settings.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"
#include "platform/vb/Vb.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Sheet and printable area of the preview, in twips.
constexpr int kAnchoHoja = 1050;
constexpr int kAltoHoja = 1500;
constexpr int kAnchoArea = 720;
constexpr int kAltoArea = 1170;
constexpr double kRecorrido = 300;

int Pixeles(double twips)
{
    return int(std::lround(twips * 96.0 / 1440.0));
}

} // namespace

frmMargenes::frmMargenes(const PVAPI::cInfoConfiguracion& gobjInfoConfig, QWidget* parent)
    : QDialog(parent), m_info(gobjInfoConfig)
{
    setObjectName(QStringLiteral("frmMargenes"));
    setWindowTitle(QStringLiteral("Configuración de márgenes"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* marco = new QGroupBox(this);
    marco->setObjectName(QStringLiteral("fraMargenes"));
    auto* rejilla = new QGridLayout;
    const QString etiquetas[2] = {QStringLiteral("Superior:"), QStringLiteral("Izquierdo:")};
    for (int i = 0; i < 2; ++i) {
        auto* etiqueta = new QLabel(etiquetas[i], marco);
        etiqueta->setObjectName(i == 0 ? QStringLiteral("lblSuperior") : QStringLiteral("lblIzquierdo"));
        auto* caja = new QLineEdit(marco);
        caja->setObjectName(QStringLiteral("txtMargenes(%1)").arg(i));
        caja->setMaxLength(4);
        caja->setFixedWidth(48);
        caja->installEventFilter(this);
        m_cajas[std::size_t(i)] = caja;
        auto* arriba = new QToolButton(marco);
        arriba->setObjectName(QStringLiteral("updMargenes(%1)Arriba").arg(i));
        arriba->setArrowType(Qt::UpArrow);
        arriba->setFocusPolicy(Qt::NoFocus);
        auto* abajo = new QToolButton(marco);
        abajo->setObjectName(QStringLiteral("updMargenes(%1)Abajo").arg(i));
        abajo->setArrowType(Qt::DownArrow);
        abajo->setFocusPolicy(Qt::NoFocus);
        m_arriba[std::size_t(i)] = arriba;
        m_abajo[std::size_t(i)] = abajo;
        auto* flechas = new QVBoxLayout;
        flechas->setSpacing(0);
        flechas->addWidget(arriba);
        flechas->addWidget(abajo);
        auto* mm = new QLabel(QStringLiteral("mm"), marco);
        mm->setObjectName(QStringLiteral("lblMm(%1)").arg(i));
        rejilla->addWidget(etiqueta, i, 0);
        rejilla->addWidget(caja, i, 1);
        rejilla->addLayout(flechas, i, 2);
        rejilla->addWidget(mm, i, 3);
        connect(arriba, &QToolButton::clicked, this,
                [this, i] { Manejar("updMargenes_UpClick", [this, i] { updMargenes_UpClick(i); }); });
        connect(abajo, &QToolButton::clicked, this,
                [this, i] { Manejar("updMargenes_DownClick", [this, i] { updMargenes_DownClick(i); }); });
    }

    // The sheet with its shadow, and the printable area inside it.
    auto* fondo = new QWidget(marco);
    fondo->setFixedSize(Pixeles(kAnchoHoja + 60), Pixeles(kAltoHoja + 90));
    auto* sombra = new QFrame(fondo);
    sombra->setObjectName(QStringLiteral("shpSombra"));
    sombra->setGeometry(Pixeles(60), Pixeles(90), Pixeles(kAnchoHoja), Pixeles(1485));
    sombra->setStyleSheet(QStringLiteral("background: palette(dark);"));
    m_hoja = new QFrame(fondo);
    m_hoja->setObjectName(QStringLiteral("picHoja"));
    m_hoja->setGeometry(0, 0, Pixeles(kAnchoHoja), Pixeles(kAltoHoja));
    m_hoja->setFrameShape(QFrame::Box);
    m_hoja->setAutoFillBackground(true);
    m_hoja->setBackgroundRole(QPalette::Base);
    m_area = new QFrame(m_hoja);
    m_area->setObjectName(QStringLiteral("shpMargenes"));
    m_area->setFrameShape(QFrame::Box);
    m_area->setFrameShadow(QFrame::Plain);
    m_area->setGeometry(0, 0, Pixeles(kAnchoArea), Pixeles(kAltoArea));
    rejilla->addWidget(fondo, 0, 4, 3, 1);
    rejilla->setRowStretch(2, 1);
    marco->setLayout(rejilla);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    const QString textos[2] = {QStringLiteral("&Aceptar"), QStringLiteral("&Cancelar")};
    for (int i = 0; i < 2; ++i) {
        auto* boton = new QPushButton(textos[i], this);
        boton->setObjectName(QStringLiteral("cmdMargenes(%1)").arg(i));
        m_botones[std::size_t(i)] = boton;
        botones->addWidget(boton);
        connect(boton, &QPushButton::clicked, this,
                [this, i] { Manejar("cmdMargenes_Click", [this, i] { cmdMargenes_Click(i); }); });
    }
    m_botones[kAceptar]->setDefault(true);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(marco);
    principal->addLayout(botones);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

bool frmMargenes::ParametrosValidos() const
{
    return !mstrREG_AppName.isEmpty() && !mstrREG_Section.isEmpty() && !mstrREG_Key_MargenSup.isEmpty()
           && !mstrREG_Key_MargenIzq.isEmpty() && Minimo(kSuperior) < Maximo(kSuperior)
           && Minimo(kIzquierdo) < Maximo(kIzquierdo);
}

bool frmMargenes::Mostrar(const EjecutarDialogo& ejecutar)
{
    if (!ParametrosValidos()) {
        ui::Beep();
        ui::MsgBox(QStringLiteral("¡Este documento no tiene márgenes que se puedan configurar!"),
                   ui::vbOKOnly + ui::vbExclamation);
        return false;
    }
    if (!ui::RunHandler("Form_Load", "frmMargenes", "NorviaParvanta2000.vbp", [this] { Form_Load(); }))
        return false;
    if (ejecutar)
        ejecutar(*this);
    else
        exec();
    return true;
}

double frmMargenes::Minimo(int index) const
{
    return vb::Val(index == kSuperior ? mintMIN_MargenSup : mintMIN_MargenIzq);
}

double frmMargenes::Maximo(int index) const
{
    return vb::Val(index == kSuperior ? mintMAX_MargenSup : mintMAX_MargenIzq);
}

void frmMargenes::Form_Load()
{
    const LoteAjustes lote;
    const QString claves[2] = {mstrREG_Key_MargenSup, mstrREG_Key_MargenIzq};
    const QString predeterminados[2] = {mintPREDET_MargenSup, mintPREDET_MargenIzq};
    for (int i = 0; i < 2; ++i) {
        if (settings::GetSetting(mstrREG_AppName, mstrREG_Section, claves[i]).isEmpty())
            settings::SaveSetting(mstrREG_AppName, mstrREG_Section, claves[i], predeterminados[i]);
    }
    for (int i = 0; i < 2; ++i)
        m_cajas[std::size_t(i)]->setText(settings::GetSetting(mstrREG_AppName, mstrREG_Section, claves[i]));
    DibujarMargenes();
}

void frmMargenes::AjustarMargenes()
{
    const QString minimos[2] = {mintMIN_MargenSup, mintMIN_MargenIzq};
    const QString maximos[2] = {mintMAX_MargenSup, mintMAX_MargenIzq};
    for (int i = 0; i < 2; ++i) {
        QLineEdit* caja = m_cajas[std::size_t(i)];
        const double valor = vb::Val(caja->text());
        if (!(valor > Minimo(i)))
            caja->setText(minimos[i]);
        else if (!(valor < Maximo(i)))
            caja->setText(maximos[i]);
    }
}

void frmMargenes::DibujarMargenes()
{
    // Stored values outside the limits are drawn where they fall, within
    // reason: the area never leaves the sheet's neighbourhood.
    const auto desplazamiento = [this](int i) {
        const double d = (vb::Val(m_cajas[std::size_t(i)]->text()) - Minimo(i)) * kRecorrido
                         / (Maximo(i) - Minimo(i));
        return std::isfinite(d) ? std::clamp(d, -kRecorrido, 2 * kRecorrido) : 0.0;
    };
    m_top = desplazamiento(kSuperior);
    m_left = desplazamiento(kIzquierdo);
    m_area->move(Pixeles(m_left), Pixeles(m_top));
}

void frmMargenes::txtMargenes_LostFocus(int)
{
    AjustarMargenes();
    DibujarMargenes();
}

void frmMargenes::Paso(int index, double incremento)
{
    // Clamped just outside the limits while still a double, so that text
    // such as "9e99" steps like any value beyond the limit.
    const double valor = std::clamp(vb::Val(m_cajas[std::size_t(index)]->text()), Minimo(index) - 1,
                                    Maximo(index) + 1);
    m_cajas[std::size_t(index)]->setText(QString::number(qint64(vb::RoundHalfEven(valor + incremento))));
    AjustarMargenes();
    DibujarMargenes();
}

void frmMargenes::updMargenes_UpClick(int index)
{
    Paso(index, 1);
}

void frmMargenes::updMargenes_DownClick(int index)
{
    Paso(index, -1);
}

void frmMargenes::cmdMargenes_Click(int index)
{
    if (index == kAceptar) {
        AjustarMargenes();
        const AjustesUsuario ajustes {mstrREG_AppName, m_info.Usuario, m_info.idioma};
        const QString seccion = ajustes.Seccion(PVAPI::cCRegistry::DOCUMENTOS());
        const QString claves[2] = {mstrREG_Key_MargenSup, mstrREG_Key_MargenIzq};
        {
            const LoteAjustes lote;
            for (int i = 0; i < 2; ++i) {
                // Whole millimetres, within the limits.
                const double valor = std::clamp(vb::Val(m_cajas[std::size_t(i)]->text()), Minimo(i), Maximo(i));
                ajustes.Guardar(seccion, claves[i], QString::number(qint64(vb::RoundHalfEven(valor))));
            }
        }
        accept();
    } else {
        reject();
    }
}

void frmMargenes::Manejar(const char* procedimiento, const std::function<void()>& cuerpo)
{
    ui::RunHandler(procedimiento, "frmMargenes", "NorviaParvanta2000.vbp", cuerpo);
}

bool frmMargenes::eventFilter(QObject* objeto, QEvent* evento)
{
    for (int i = 0; i < 2; ++i) {
        if (objeto != m_cajas[std::size_t(i)])
            continue;
        if (evento->type() == QEvent::FocusIn)
            SelText(*m_cajas[std::size_t(i)]);
        else if (evento->type() == QEvent::FocusOut)
            Manejar("txtMargenes_LostFocus", [this, i] { txtMargenes_LostFocus(i); });
    }
    return QDialog::eventFilter(objeto, evento);
}
