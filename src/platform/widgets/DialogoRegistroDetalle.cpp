#include "platform/widgets/DialogoRegistroDetalle.h"

#include "platform/db/Connection.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/DialogoRegistroError.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace widgets {

DialogoRegistroDetalle::DialogoRegistroDetalle(db::Connection& con, DialogoRegistroDatos& datos, int detalle,
                                               bool soloLectura, QWidget* parent)
    : QGroupBox(datos.Definicion().detalles.at(detalle).titulo, parent),
      m_con(con),
      m_datos(datos),
      m_detalle(detalle),
      m_tabla(new QTableWidget(this)),
      m_nuevo(new QPushButton(QStringLiteral("&Nuevo..."), this)),
      m_propiedades(new QPushButton(QStringLiteral("&Propiedades..."), this)),
      m_eliminar(new QPushButton(QStringLiteral("&Eliminar"), this))
{
    const DetalleRegistro& det = datos.Definicion().detalles.at(detalle);
    setObjectName(QStringLiteral("detalle_") + det.definicion->secciones.value(0).tabla);
    m_tabla->setObjectName(objectName() + QStringLiteral("_lista"));
    const DefinicionRegistro& hija = *det.definicion;
    QStringList titulos;
    for (const QString& columna : det.columnas) {
        const int campo = hija.IndiceCampo(columna);
        titulos << (campo >= 0 ? hija.campos[campo].etiqueta : columna);
    }
    m_tabla->setColumnCount(int(titulos.size()));
    m_tabla->setHorizontalHeaderLabels(titulos);
    m_tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabla->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabla->setTabKeyNavigation(false);
    m_tabla->verticalHeader()->hide();
    m_tabla->horizontalHeader()->setStretchLastSection(true);
    m_tabla->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tabla->setMinimumHeight(m_tabla->fontMetrics().height() * 7);
    m_tabla->setAlternatingRowColors(true);

    auto* botones = new QVBoxLayout;
    for (QPushButton* b : {m_nuevo, m_propiedades, m_eliminar}) {
        b->setAutoDefault(false);
        botones->addWidget(b);
    }
    botones->addStretch();
    auto* fila = new QHBoxLayout(this);
    fila->addWidget(m_tabla, 1);
    fila->addLayout(botones);

    m_nuevo->setEnabled(!soloLectura);
    m_eliminar->setEnabled(!soloLectura);
    auto protegido = [this](const char* procedimiento, void (DialogoRegistroDetalle::*accion)()) {
        return [this, procedimiento, accion] {
            ui::RunHandler(procedimiento, "DialogoRegistro", "PVAPI", [this, accion] { (this->*accion)(); },
                           window());
        };
    };
    connect(m_nuevo, &QPushButton::clicked, this, protegido("cmdNuevo_Click()", &DialogoRegistroDetalle::Nuevo));
    connect(m_propiedades, &QPushButton::clicked, this,
            protegido("cmdPropiedades_Click()", &DialogoRegistroDetalle::Propiedades));
    connect(m_eliminar, &QPushButton::clicked, this,
            protegido("cmdEliminar_Click()", &DialogoRegistroDetalle::Eliminar));
    connect(m_tabla, &QTableWidget::cellDoubleClicked, this,
            protegido("lstDetalle_DblClick()", &DialogoRegistroDetalle::Propiedades));

    LeerReferencias();
    Mostrar();
}

void DialogoRegistroDetalle::LeerReferencias()
{
    const DetalleRegistro& det = m_datos.Definicion().detalles.at(m_detalle);
    const DefinicionRegistro& hija = *det.definicion;
    for (const QString& columna : det.columnas) {
        const int campo = hija.IndiceCampo(columna);
        if (campo < 0 || hija.campos[campo].tipo != TipoCampo::Referencia)
            continue;
        QHash<qint64, QString>& textos = m_referencias[columna];
        db::Recordset rs = m_con.Execute(hija.campos[campo].referencia.consulta);
        for (; !rs.isEOF(); rs.MoveNext())
            textos.insert(rs.value(0).toInt64(), rs.value(1).toString());
    }
}

QString DialogoRegistroDetalle::TextoCelda(int fila, const QString& columna) const
{
    const DialogoRegistroDatos& datos = m_datos.Fila(m_detalle, fila);
    const int campo = datos.Definicion().IndiceCampo(columna);
    if (campo < 0)
        return datos.Valor(columna).toString();
    if (datos.Definicion().campos[campo].tipo == TipoCampo::Referencia) {
        const qint64 clave = datos.Referencia(campo);
        return clave == 0 ? QString() : m_referencias.value(columna).value(clave, QString::number(clave));
    }
    return datos.Texto(campo);
}

void DialogoRegistroDetalle::Mostrar()
{
    const DetalleRegistro& det = m_datos.Definicion().detalles.at(m_detalle);
    const int filas = m_datos.Filas(m_detalle);
    m_tabla->setRowCount(filas);
    for (int f = 0; f < filas; ++f) {
        const DialogoRegistroDatos& datos = m_datos.Fila(m_detalle, f);
        for (int c = 0; c < det.columnas.size(); ++c) {
            auto* celda = new QTableWidgetItem(TextoCelda(f, det.columnas[c]));
            const int campo = datos.Definicion().IndiceCampo(det.columnas[c]);
            if (campo >= 0) {
                const TipoCampo tipo = datos.Definicion().campos[campo].tipo;
                if (tipo == TipoCampo::Importe || tipo == TipoCampo::Entero)
                    celda->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_tabla->setItem(f, c, celda);
        }
    }
    // Wide enough to show every column without scrolling sideways, within reason.
    QHeaderView* cabecera = m_tabla->horizontalHeader();
    cabecera->setStretchLastSection(false);
    m_tabla->resizeColumnsToContents();
    int ancho = 2 * m_tabla->frameWidth() + m_tabla->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < m_tabla->columnCount(); ++c)
        ancho += cabecera->sectionSize(c);
    cabecera->setStretchLastSection(true);
    m_tabla->setMinimumWidth(qMin(ancho, 900));
}

int DialogoRegistroDetalle::FilaActual() const
{
    const QList<QTableWidgetItem*> elegidas = m_tabla->selectedItems();
    return elegidas.isEmpty() ? -1 : elegidas.first()->row();
}

void DialogoRegistroDetalle::Seleccionar(int fila)
{
    m_tabla->selectRow(fila);
}

void DialogoRegistroDetalle::Nuevo()
{
    DialogoRegistroDatos fila = m_datos.FilaNueva(m_detalle);
    DialogoRegistro dialogo(m_con, fila, DialogoRegistro::Modo::Memoria, window());
    if (DialogoRegistroEjecutor::Ejecutar(dialogo) != QDialog::Accepted)
        return;
    m_datos.AnadirFila(m_detalle, dialogo.Datos());
    Mostrar();
    Seleccionar(m_datos.Filas(m_detalle) - 1);
}

void DialogoRegistroDetalle::Propiedades()
{
    const int actual = FilaActual();
    if (actual < 0) {
        ui::MsgBox(QStringLiteral("¡Seleccione antes una fila de la lista «%1»!").arg(title()), ui::vbOKOnly + ui::vbExclamation);
        return;
    }
    DialogoRegistroDatos fila = m_datos.Fila(m_detalle, actual);
    const bool soloLectura = !m_nuevo->isEnabled();
    DialogoRegistro dialogo(m_con, fila, soloLectura ? DialogoRegistro::Modo::Consulta : DialogoRegistro::Modo::Memoria,
                            window());
    if (DialogoRegistroEjecutor::Ejecutar(dialogo) != QDialog::Accepted || soloLectura)
        return;
    m_datos.ReemplazarFila(m_detalle, actual, dialogo.Datos());
    Mostrar();
    Seleccionar(actual);
}

void DialogoRegistroDetalle::Eliminar()
{
    const int actual = FilaActual();
    if (actual < 0) {
        ui::MsgBox(QStringLiteral("¡Seleccione antes una fila de la lista «%1»!").arg(title()), ui::vbOKOnly + ui::vbExclamation);
        return;
    }
    const QString texto = QStringLiteral("¿Desea quitar de la lista «%1» la fila seleccionada?\r\n\r\n"
                                         "Se eliminará cuando acepte %2.")
                              .arg(title(), m_datos.Definicion().nombre);
    if (ui::MsgBox(texto, ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2) != ui::vbYes)
        return;
    try {
        m_datos.QuitarFila(m_detalle, actual);
    } catch (const DialogoRegistroError& e) {
        ui::MsgBox(e.texto(), ui::vbOKOnly + ui::vbExclamation);
        return;
    }
    Mostrar();
    if (m_datos.Filas(m_detalle) > 0)
        Seleccionar(qMin(actual, m_datos.Filas(m_detalle) - 1));
}

} // namespace widgets
