#include "comun/SeleccionInformes.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Ui.h"
#include "platform/ui/UiConstants.h"
#include "platform/vb/Fechas.h"
#include "platform/widgets/DialogoRegistroCombo.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/DialogoRegistroFecha.h"
#include "platform/widgets/BotonesDialogo.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace seleccion_informes {

namespace {

const QString kTodas = QStringLiteral("(Todas)");
const QString kTodos = QStringLiteral("(Todos)");

widgets::DialogoRegistroCombo* Lista(QWidget* padre, const QString& nombre, const QString& todas)
{
    auto* caja = new widgets::DialogoRegistroCombo(false, padre);
    caja->setObjectName(nombre);
    if (!todas.isEmpty())
        caja->AnadirOpcion(0, todas);
    return caja;
}

QString Texto(const db::Recordset& rs, int campo)
{
    return rs.value(campo).isNull() ? QString() : rs.value(campo).toString();
}

} // namespace

DialogoSeleccionInforme::DialogoSeleccionInforme(db::Connection& conLocal, const Opciones& o, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DialogoSeleccionInforme"));
    setWindowTitle(QStringLiteral("Seleccionar: ") + o.titulo);
    auto* raiz = new QVBoxLayout(this);
    auto* explicacion = new QLabel(QStringLiteral("Indique qué registros desea imprimir. Lo que deje en blanco "
                                                  "no limita la selección."),
                                   this);
    explicacion->setWordWrap(true);
    raiz->addWidget(explicacion);
    auto* form = new QFormLayout;
    raiz->addLayout(form);
    auto fila = [this, form](const QString& etiqueta, QWidget* caja) {
        auto* l = new QLabel(etiqueta + QLatin1Char(':'), this);
        l->setBuddy(caja);
        form->addRow(l, caja);
    };

    if (o.campos & Libro) {
        m_libro = Lista(this, QStringLiteral("cboLibro"), QString());
        m_libro->Llenar(conLocal, o.consultaLibros);
        m_libro->setCurrentIndex(-1);
        m_libro->setEditText(QString());
        fila(QStringLiteral("&Libro"), m_libro);
    }
    if (o.campos & Institucion) {
        m_institucion = Lista(this, QStringLiteral("cboInstitucion"), kTodas);
        m_institucion->Llenar(conLocal, QStringLiteral("SELECT IDInstitucion, Nombre FROM Institucion "
                                                       "ORDER BY Nombre, IDInstitucion"));
        fila(QStringLiteral("&Institución"), m_institucion);
    }
    if (o.campos & Remesa) {
        m_remesa = Lista(this, QStringLiteral("cboRemesa"), kTodas);
        db::Recordset rs = conLocal.Execute(QStringLiteral(
            "SELECT Remesa.IDRemesa, Remesa.Fecha, Presentador.Nombre, Presentador.PrimerApellido, "
            "Presentador.SegundoApellido FROM Remesa LEFT JOIN Presentador ON Presentador.IDPresentador = "
            "Remesa.CodPresentador ORDER BY Remesa.Fecha DESC, Remesa.IDRemesa DESC"));
        for (; !rs.isEOF(); rs.MoveNext()) {
            const QString presentador =
                (Texto(rs, 2) + QLatin1Char(' ') + Texto(rs, 3) + QLatin1Char(' ') + Texto(rs, 4)).simplified();
            QString texto = QStringLiteral("Remesa del ") + vb::FechaTextoAFecha(Texto(rs, 1));
            if (!presentador.isEmpty())
                texto += QStringLiteral(" (") + presentador + QLatin1Char(')');
            m_remesa->AnadirOpcion(rs.value(0).toInt64(), texto);
        }
        fila(QStringLiteral("&Remesa"), m_remesa);
    }
    if (o.campos & TipoDonativo) {
        m_tipo = Lista(this, QStringLiteral("cboTipoDonativo"), kTodos);
        m_tipo->Llenar(conLocal, QStringLiteral("SELECT IDTipo_Donativo, Descripcion FROM Tipo_Donativo "
                                                "ORDER BY Descripcion, IDTipo_Donativo"));
        fila(QStringLiteral("&Tipo de donativo"), m_tipo);
    }
    if (o.campos & Actividad) {
        m_actividad = Lista(this, QStringLiteral("cboActividad"), kTodas);
        m_actividad->Llenar(conLocal, QStringLiteral("SELECT IDActividad, Nombre FROM Actividad "
                                                     "ORDER BY Nombre, IDActividad"));
        fila(QStringLiteral("&Actividad"), m_actividad);
    }
    if (o.campos & Fechas) {
        m_desde = new widgets::DialogoRegistroFecha(this);
        m_desde->setObjectName(QStringLiteral("txtDesde"));
        m_hasta = new widgets::DialogoRegistroFecha(this);
        m_hasta->setObjectName(QStringLiteral("txtHasta"));
        fila(o.etiquetaFechas + QStringLiteral(", &desde"), m_desde);
        fila(o.etiquetaFechas + QStringLiteral(", &hasta"), m_hasta);
    }
    if (o.campos & Nombre) {
        m_nombre = new QLineEdit(this);
        m_nombre->setObjectName(QStringLiteral("txtNombre"));
        m_nombre->setMaxLength(120);
        fila(o.etiquetaNombre + QStringLiteral(" &contiene"), m_nombre);
    }
    if (o.campos & Etiquetas) {
        m_etiquetas = new QCheckBox(QStringLiteral("Imprimir también las &etiquetas de los donantes"), this);
        m_etiquetas->setObjectName(QStringLiteral("chkEtiquetas"));
        raiz->addWidget(m_etiquetas);
    }

    raiz->addWidget(widgets::BotonesAceptarCancelar(*this, [this] { Aceptar(); }));
}

bool DialogoSeleccionInforme::Rechazar(QWidget* caja, const QString& texto)
{
    widgets::DialogoRegistroEjecutor::Mensaje(texto, ui::vbOKOnly + ui::vbExclamation);
    caja->setFocus();
    return false;
}

bool DialogoSeleccionInforme::LeerFecha(widgets::DialogoRegistroFecha* caja, QString& fechaTexto)
{
    const QString escrita = caja->text().trimmed();
    fechaTexto.clear();
    if (escrita.isEmpty())
        return true;
    const QDate fecha = vb::FechaADate(escrita);
    if (!fecha.isValid())
        return Rechazar(caja, QStringLiteral("¡«%1» no es una fecha válida! Escríbala como dd/mm/aaaa.").arg(escrita));
    fechaTexto = vb::DateAFechaTexto(fecha);
    return true;
}

bool DialogoSeleccionInforme::Aceptar()
{
    Seleccion s;
    struct Eleccion {
        widgets::DialogoRegistroCombo* caja;
        qint64* clave;
        const char* que;
    };
    for (const Eleccion& e : {Eleccion{m_libro, &s.libro, "el libro"},
                              Eleccion{m_institucion, &s.institucion, "la institución"},
                              Eleccion{m_remesa, &s.remesa, "la remesa"},
                              Eleccion{m_tipo, &s.tipoDonativo, "el tipo de donativo"},
                              Eleccion{m_actividad, &s.actividad, "la actividad"}}) {
        if (!e.caja)
            continue;
        *e.clave = e.caja->Clave();
        if (*e.clave < 0 || (e.caja == m_libro && *e.clave == 0))
            return Rechazar(e.caja, QStringLiteral("¡Elija de la lista %1 que desea imprimir!")
                                        .arg(QString::fromUtf8(e.que)));
    }
    if (m_desde) {
        if (!LeerFecha(m_desde, s.desde) || !LeerFecha(m_hasta, s.hasta))
            return false;
        if (!s.desde.isEmpty() && !s.hasta.isEmpty() && s.desde > s.hasta)
            return Rechazar(m_hasta, QStringLiteral("¡La fecha final es anterior a la inicial!"));
    }
    if (m_nombre)
        s.nombre = m_nombre->text().trimmed();
    if (m_etiquetas)
        s.etiquetas = m_etiquetas->isChecked();
    m_seleccion = s;
    m_aceptado = true;
    accept();
    return true;
}

std::optional<Seleccion> Preguntar(db::Connection& conLocal, const Opciones& opciones)
{
    DialogoSeleccionInforme dialogo(conLocal, opciones, QApplication::activeWindow());
    const int resultado = widgets::DialogoRegistroEjecutor::Ejecutar(dialogo);
    if (resultado != QDialog::Accepted || !dialogo.Aceptado())
        return std::nullopt;
    return dialogo.Resultado();
}

void PorClave(FiltroInforme& filtro, const QString& columna, qint64 clave)
{
    if (clave > 0)
        filtro.Y(columna + QStringLiteral(" = ?"), {clave});
}

void PorFechas(FiltroInforme& filtro, const QString& columna, const Seleccion& s)
{
    if (!s.desde.isEmpty())
        filtro.Y(columna + QStringLiteral(" >= ?"), {s.desde});
    if (!s.hasta.isEmpty())
        filtro.Y(columna + QStringLiteral(" <= ?"), {s.hasta});
}

void PorNombrePersona(FiltroInforme& filtro, const QString& tabla, const QString& texto)
{
    if (texto.isEmpty())
        return;
    const QString n = tabla + QStringLiteral(".Nombre");
    const QString p = tabla + QStringLiteral(".PrimerApellido");
    const QString s = tabla + QStringLiteral(".SegundoApellido");
    const QString patron = PatronContiene(texto);
    filtro.Y(QStringLiteral("(%1 & ' ' & %2 & ' ' & %3) LIKE ? OR (%2 & ' ' & %3 & ', ' & %1) LIKE ?")
                 .arg(n, p, s),
             {patron, patron});
}

void PorTexto(FiltroInforme& filtro, const QString& columna, const QString& texto)
{
    if (!texto.isEmpty())
        filtro.Y(columna + QStringLiteral(" LIKE ?"), {PatronContiene(texto)});
}

QString PatronContiene(const QString& texto)
{
    static const QString kComodines = QStringLiteral("*%?_#[");
    // As the database receives it: what UTF-8 cannot hold arrives as "?",
    // which must stay a plain character too.
    const QString enviado = QString::fromUtf8(texto.toUtf8());
    QString patron = QStringLiteral("*");
    for (const QChar c : enviado) {
        if (kComodines.contains(c))
            patron += QLatin1Char('[') + c + QLatin1Char(']');
        else
            patron += c;
    }
    return patron + QLatin1Char('*');
}

void AvisarSinRegistros()
{
    ui::Beep();
    widgets::DialogoRegistroEjecutor::Mensaje(
        QStringLiteral("¡No se ha encontrado ningún registro que cumpla la selección!"),
        ui::vbOKOnly + ui::vbInformation);
}

} // namespace seleccion_informes
