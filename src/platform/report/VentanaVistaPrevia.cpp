#include "platform/report/VentanaVistaPrevia.h"

#include "platform/report/PintorPaginas.h"
#include "platform/report/SalidaImpresora.h"
#include "platform/report/SalidaPdf.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace report {

namespace {

constexpr const char* kModulo = "VentanaVistaPrevia";
constexpr const char* kProyecto = "NorviaParvanta2000.vbp";
constexpr int kZooms[] = {50, 75, 100, 125, 150, 200, 300};

QString PreguntarConDialogo(QWidget* padre, const QString& sugerido)
{
    QString ruta = QFileDialog::getSaveFileName(padre, QStringLiteral("Guardar como PDF"), sugerido,
                                                QStringLiteral("Documentos PDF (*.pdf)"));
    if (!ruta.isEmpty() && !ruta.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        ruta += QLatin1String(".pdf");
    return ruta;
}

QToolButton* Boton(QWidget* padre, const QString& texto, const QString& ayuda)
{
    auto* b = new QToolButton(padre);
    b->setText(texto);
    b->setToolTip(ayuda);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

} // namespace

VentanaVistaPrevia::VentanaVistaPrevia(ModeloPaginas modelo, QWidget* padre)
    : QWidget(padre, Qt::Window)
    , m_modelo(std::move(modelo))
    , m_pregunta(PreguntarConDialogo)
    , m_hayImpresoras([] { return !QPrinterInfo::availablePrinterNames().isEmpty(); })
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::NonModal);
    setWindowTitle(m_modelo.titulo.isEmpty() ? QStringLiteral("Vista previa") : m_modelo.titulo);
    crearBarra();
    resize(900, 1000);
    mostrar();
}

void VentanaVistaPrevia::crearBarra()
{
    auto* barra = new QHBoxLayout;
    m_primera = Boton(this, QStringLiteral("|<"), QStringLiteral("Primera página"));
    m_anterior = Boton(this, QStringLiteral("<"), QStringLiteral("Página anterior"));
    m_numero = new QLabel(this);
    m_siguiente = Boton(this, QStringLiteral(">"), QStringLiteral("Página siguiente"));
    m_ultima = Boton(this, QStringLiteral(">|"), QStringLiteral("Última página"));
    m_zooms = new QComboBox(this);
    for (int z : kZooms)
        m_zooms->addItem(QStringLiteral("%1 %").arg(z), z);
    m_zooms->setCurrentIndex(m_zooms->findData(m_zoom));
    m_zooms->setToolTip(QStringLiteral("Zoom"));
    auto* imprimir = Boton(this, QStringLiteral("Imprimir"), QStringLiteral("Imprimir"));
    auto* pdf = Boton(this, QStringLiteral("Guardar como PDF"), QStringLiteral("Guardar como PDF"));
    auto* cerrar = Boton(this, QStringLiteral("Cerrar"), QStringLiteral("Cerrar"));
    imprimir->setObjectName(QStringLiteral("cmdImprimir"));
    pdf->setObjectName(QStringLiteral("cmdGuardarPdf"));
    for (QWidget* w : std::initializer_list<QWidget*>{m_primera, m_anterior, m_numero, m_siguiente, m_ultima, m_zooms})
        barra->addWidget(w);
    barra->addStretch();
    barra->addWidget(imprimir);
    barra->addWidget(pdf);
    barra->addWidget(cerrar);

    m_hoja = new QLabel;
    m_hoja->setAlignment(Qt::AlignCenter);
    m_hoja->setContentsMargins(16, 16, 16, 16);
    m_area = new QScrollArea(this);
    m_area->setWidget(m_hoja);
    m_area->setWidgetResizable(true);
    m_area->setAlignment(Qt::AlignCenter);
    m_area->setBackgroundRole(QPalette::Dark);

    auto* columna = new QVBoxLayout(this);
    columna->addLayout(barra);
    columna->addWidget(m_area);

    connect(m_primera, &QToolButton::clicked, this, [this] { irAPagina(0); });
    connect(m_anterior, &QToolButton::clicked, this, [this] { irAPagina(m_pagina - 1); });
    connect(m_siguiente, &QToolButton::clicked, this, [this] { irAPagina(m_pagina + 1); });
    connect(m_ultima, &QToolButton::clicked, this, [this] { irAPagina(paginas() - 1); });
    connect(m_zooms, &QComboBox::activated, this, [this](int i) { setZoom(m_zooms->itemData(i).toInt()); });
    connect(imprimir, &QToolButton::clicked, this, &VentanaVistaPrevia::Imprimir);
    connect(pdf, &QToolButton::clicked, this, &VentanaVistaPrevia::GuardarComoPdf);
    connect(cerrar, &QToolButton::clicked, this, &QWidget::close);
}

void VentanaVistaPrevia::irAPagina(int pagina)
{
    const int nueva = std::clamp(pagina, 0, std::max(0, paginas() - 1));
    if (nueva == m_pagina)
        return;
    m_pagina = nueva;
    mostrar();
}

void VentanaVistaPrevia::setZoom(int porCiento)
{
    m_zoom = std::clamp(porCiento, 10, 800);
    const int i = m_zooms->findData(m_zoom);
    if (i >= 0)
        m_zooms->setCurrentIndex(i);
    mostrar();
}

QImage VentanaVistaPrevia::dibujar(int pagina) const
{
    const double ppp = logicalDpiX() * m_zoom / 100.0;
    const double ppm = ppp / 25.4;
    QImage imagen(qMax(1, qRound(m_modelo.tamano.width() * ppm)), qMax(1, qRound(m_modelo.tamano.height() * ppm)),
                  QImage::Format_RGB32);
    imagen.setDotsPerMeterX(qRound(ppp / 0.0254));
    imagen.setDotsPerMeterY(qRound(ppp / 0.0254));
    imagen.fill(Qt::white);
    if (pagina < paginas()) {
        QPainter p(&imagen);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        PintarPagina(p, m_modelo.paginas[std::size_t(pagina)], ppm);
    }
    return imagen;
}

void VentanaVistaPrevia::mostrar()
{
    m_hoja->setPixmap(QPixmap::fromImage(dibujar(m_pagina)));
    m_numero->setText(QStringLiteral("Página %1 de %2").arg(m_pagina + 1).arg(std::max(1, paginas())));
    m_primera->setEnabled(m_pagina > 0);
    m_anterior->setEnabled(m_pagina > 0);
    m_siguiente->setEnabled(m_pagina + 1 < paginas());
    m_ultima->setEnabled(m_pagina + 1 < paginas());
}

void VentanaVistaPrevia::keyPressEvent(QKeyEvent* evento)
{
    switch (evento->key()) {
    case Qt::Key_PageDown:
        irAPagina(m_pagina + 1);
        break;
    case Qt::Key_PageUp:
        irAPagina(m_pagina - 1);
        break;
    case Qt::Key_Home:
        irAPagina(0);
        break;
    case Qt::Key_End:
        irAPagina(paginas() - 1);
        break;
    default:
        QWidget::keyPressEvent(evento);
    }
}

void VentanaVistaPrevia::Imprimir()
{
    ui::RunHandler("Imprimir", kModulo, kProyecto, [this] {
        if (!m_hayImpresoras()) {
            const int respuesta = ui::MsgBox(QStringLiteral("No hay ninguna impresora instalada.\n"
                                                            "¿Desea guardar el informe como PDF?"),
                                             ui::vbYesNo + ui::vbExclamation, windowTitle());
            if (respuesta == ui::vbYes)
                GuardarComoPdf();
            return;
        }
        QPrinter impresora(QPrinter::HighResolution);
        PrepararImpresora(m_modelo, impresora);
        if (ui::Current().PrinterSetup(impresora))
            ImprimirModelo(m_modelo, impresora);
    });
}

void VentanaVistaPrevia::GuardarComoPdf()
{
    ui::RunHandler("GuardarComoPdf", kModulo, kProyecto, [this] {
        const QString sugerido = QDir::home().filePath(NombreArchivoSeguro(m_modelo.titulo) + QStringLiteral(".pdf"));
        const QString ruta = m_pregunta(this, sugerido);
        if (!ruta.isEmpty())
            GuardarPdf(m_modelo, ruta);
    });
}

} // namespace report
