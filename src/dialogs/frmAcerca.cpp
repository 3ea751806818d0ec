#include "dialogs/frmAcerca.h"

#include "core/cConstante.h"
#include "dialogs/frmInformacionSistema.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QVersionNumber>

frmAcerca::frmAcerca(EjecutarDialogo ejecutar, const QString& version, QWidget* parent)
    : QDialog(parent), m_ejecutar(std::move(ejecutar))
{
    setObjectName(QStringLiteral("frmAcerca"));
    setWindowTitle(QStringLiteral("Acerca de "));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* imagen = new QLabel(this);
    imagen->setObjectName(QStringLiteral("Image2"));
    imagen->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    imagen->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    imagen->setFrameShape(QFrame::Box);
    imagen->setFixedWidth(78);

    m_titulo = new QLabel(QStringLiteral("Norvia Vodidazaz®"), this);
    m_titulo->setObjectName(QStringLiteral("lblVersion(3)"));
    QFont negrita = m_titulo->font();
    negrita.setBold(true);
    m_titulo->setFont(negrita);
    m_version = new QLabel(TextoVersion(version.isEmpty() ? QCoreApplication::applicationVersion() : version), this);
    m_version->setObjectName(QStringLiteral("lblVersion(4)"));
    m_desarrollado = new QLabel(cConstante().ACERCA_CaptionLabelDesarrPor(), this);
    m_desarrollado->setObjectName(QStringLiteral("lblVersion(6)"));
    m_desarrollado->setWordWrap(true);
    auto* aviso = new QLabel(
        QStringLiteral("Advertencia: este programa está protegido por las leyes de derechos de autor. Su "
                       "reproducción o distribución no autorizadas pueden dar lugar a responsabilidades civiles "
                       "y penales."),
        this);
    aviso->setObjectName(QStringLiteral("lblAdvertencia"));
    aviso->setWordWrap(true);

    auto* textos = new QVBoxLayout;
    textos->addWidget(m_titulo);
    textos->addWidget(m_version);
    textos->addSpacing(12);
    textos->addWidget(m_desarrollado);
    textos->addStretch();
    textos->addWidget(aviso);
    auto* arriba = new QHBoxLayout;
    arriba->addWidget(imagen);
    arriba->addLayout(textos, 1);

    auto* separador = new QFrame(this);
    separador->setFrameShape(QFrame::HLine);
    separador->setFrameShadow(QFrame::Sunken);

    m_ok = new QPushButton(QStringLiteral("&Aceptar"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    m_sysInfo = new QPushButton(QStringLiteral("&Información... "), this);
    m_sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    auto* botones = new QVBoxLayout;
    botones->addWidget(m_ok);
    botones->addWidget(m_sysInfo);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch();
    abajo->addLayout(botones);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(arriba);
    principal->addWidget(separador);
    principal->addLayout(abajo);
    setFixedWidth(475);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_sysInfo, &QPushButton::clicked, this, [this] {
        ui::RunHandler("cmdSysInfo_Click", "frmAcerca", "NorviaParvanta2000.vbp", [this] { cmdSysInfo_Click(); });
    });
}

QString frmAcerca::TextoVersion(const QString& version)
{
    const QVersionNumber numero = QVersionNumber::fromString(version);
    return QStringLiteral("Versión %1.%2.%3").arg(numero.majorVersion()).arg(numero.minorVersion()).arg(numero.microVersion());
}

QLabel* frmAcerca::lblVersion(int index) const
{
    switch (index) {
    case 3:
        return m_titulo;
    case 4:
        return m_version;
    case 6:
        return m_desarrollado;
    default:
        return nullptr;
    }
}

void frmAcerca::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAcerca::StartSysInfo()
{
    try {
        frmInformacionSistema informacion(this);
        if (m_ejecutar)
            m_ejecutar(informacion);
        else
            informacion.exec();
        return;
    } catch (...) {
        // Whatever kept the window from opening, the user gets the same answer.
    }
    ui::Beep();
    ui::MsgBox(QStringLiteral("¡La información del sistema no está disponible en este momento!"),
               ui::vbOKOnly + ui::vbInformation);
}

void MostrarAcercaDe(frmAcerca::EjecutarDialogo ejecutar, QWidget* parent)
{
    frmAcerca acerca(ejecutar, {}, parent);
    if (ejecutar)
        ejecutar(acerca);
    else
        acerca.exec();
}
