#include "PVGestionParroquial/InformesGestPar.h"

#include "PVGestionParroquial/DocumentosParroquia.h"
#include "comun/InformesParroquia.h"
#include "comun/SeleccionInformes.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

#include <QStringList>

namespace informes_gestpar {

namespace si = seleccion_informes;

namespace {

bool HayFilas(db::Connection& conInformes, const QString& tabla)
{
    return conInformes.Execute(QStringLiteral("SELECT COUNT(*) FROM ") + tabla).value(0).toInt64() > 0;
}

void Vaciar(db::Connection& conInformes, const QStringList& tablas)
{
    for (const QString& t : tablas)
        conInformes.Execute(QStringLiteral("DELETE FROM ") + t);
}

void Avisar(const QString& texto)
{
    widgets::DialogoRegistroEjecutor::Mensaje(texto, ui::vbOKOnly + ui::vbExclamation);
}

// One sacrament's duplicate book: where its books are and what it fills.
struct Duplicado {
    QString sacramento;  // "bautismo", as the messages name it
    QString tablaLibro;
    QString claveLibro;
    QStringList trabajo;  // the work tables; the first holds one row per entry
};

// The report's name says the sacrament; accents and letter case aside, as
// the tree's captions have varied between editions.
std::optional<Duplicado> DuplicadoDe(const QString& informe)
{
    const QString n = informe.normalized(QString::NormalizationForm_D).toLower();
    if (n.contains(QLatin1String("bautismo")))
        return Duplicado{QStringLiteral("bautismo"), QStringLiteral("Libro_Bautismo"),
                         QStringLiteral("IDLibroBautismo"), {QStringLiteral("Documentos_Bautismo")}};
    if (n.contains(QLatin1String("confirmacio")))
        return Duplicado{QStringLiteral("confirmación"), QStringLiteral("Libro_Confirmacion"),
                         QStringLiteral("IDLibroConfirmacion"), {QStringLiteral("Documentos_Confirmacion")}};
    if (n.contains(QLatin1String("matrimonio")))
        return Duplicado{QStringLiteral("matrimonio"), QStringLiteral("Libro_Matrimonio"),
                         QStringLiteral("IDLibroMatrimonio"),
                         {QStringLiteral("Documentos_Matrimonio"), QStringLiteral("Documentos_Matrimonio_Novios"),
                          QStringLiteral("Documentos_Matrimonio_Novias"),
                          QStringLiteral("Documentos_Matrimonio_Otros")}};
    if (n.contains(QLatin1String("defuncio")))
        return Duplicado{QStringLiteral("defunción"), QStringLiteral("Libro_Defuncion"),
                         QStringLiteral("IDLibroDefuncion"), {QStringLiteral("Documentos_Defuncion")}};
    return std::nullopt;
}

} // namespace

void SeleccionAgenda(db::Connection& conLocal, db::Connection& conInformes)
{
    si::Opciones o;
    o.titulo = QStringLiteral("Tareas de la agenda");
    o.campos = si::Fechas | si::Nombre;
    o.etiquetaFechas = QStringLiteral("Fecha");
    o.etiquetaNombre = QStringLiteral("Nombre de la tarea");
    const std::optional<si::Seleccion> s = si::Preguntar(conLocal, o);
    if (!s) {
        Vaciar(conInformes, {QStringLiteral("Tareas_Agenda")});
        return;
    }
    FiltroInforme f;
    si::PorFechas(f, QStringLiteral("Tareas.Fecha"), *s);
    si::PorTexto(f, QStringLiteral("Tareas.Nombre"), s->nombre);
    informes_parroquia::LlenarAgenda(conLocal, conInformes, f);
    if (!HayFilas(conInformes, QStringLiteral("Tareas_Agenda")))
        si::AvisarSinRegistros();
}

void SeleccionColaboradores(db::Connection& conLocal, db::Connection& conInformes, const QString& titulo,
                            bool porActividad)
{
    si::Opciones o;
    o.titulo = titulo;
    o.campos = si::Institucion | si::Actividad | si::Nombre;
    o.etiquetaNombre = QStringLiteral("Nombre del colaborador");
    const std::optional<si::Seleccion> s = si::Preguntar(conLocal, o);
    if (!s) {
        Vaciar(conInformes, {QStringLiteral("Informe_Colaboradores")});
        return;
    }
    FiltroInforme f;
    si::PorClave(f, QStringLiteral("Actividad.CodInstitucion"), s->institucion);
    si::PorClave(f, QStringLiteral("Actividad.IDActividad"), s->actividad);
    si::PorNombrePersona(f, QStringLiteral("Padron"), s->nombre);
    informes_parroquia::LlenarColaboradores(conLocal, conInformes, porActividad, f);
    if (!HayFilas(conInformes, QStringLiteral("Informe_Colaboradores")))
        si::AvisarSinRegistros();
}

void Duplicadas(db::Connection& conLocal, db::Connection& conInformes, const QString& informe, QString& orden)
{
    orden.clear();
    const std::optional<Duplicado> d = DuplicadoDe(informe);
    if (!d) {
        Avisar(QStringLiteral("¡«%1» no es un libro duplicado que se pueda imprimir!").arg(informe));
        return;
    }
    Vaciar(conInformes, d->trabajo);
    const QString libros =
        QStringLiteral("SELECT L.%1, L.Nombre & IIf(I.Nombre Is Null, '', ' (' & I.Nombre & ')') FROM %2 AS L "
                       "LEFT JOIN Institucion AS I ON I.IDInstitucion = L.CodInstitucion "
                       "ORDER BY I.Nombre, L.Nombre, L.%1")
            .arg(d->claveLibro, d->tablaLibro);
    if (conLocal.Execute(QStringLiteral("SELECT COUNT(*) FROM ") + d->tablaLibro).value(0).toInt64() == 0) {
        Avisar(QStringLiteral("¡No hay ningún libro de %1 que imprimir!").arg(d->sacramento));
        return;
    }
    si::Opciones o;
    o.titulo = informe;
    o.campos = si::Libro;
    o.consultaLibros = libros;
    const std::optional<si::Seleccion> s = si::Preguntar(conLocal, o);
    if (!s)
        return;
    const auto id = qint32(s->libro);
    if (d->tablaLibro == QLatin1String("Libro_Bautismo"))
        documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Bautismo,
                                     documentos_parroquia::Alcance::Libro, id);
    else if (d->tablaLibro == QLatin1String("Libro_Confirmacion"))
        documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Confirmacion,
                                     documentos_parroquia::Alcance::Libro, id);
    else if (d->tablaLibro == QLatin1String("Libro_Defuncion"))
        documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Defuncion,
                                     documentos_parroquia::Alcance::Libro, id);
    else
        documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Libro, id);
    if (!HayFilas(conInformes, d->trabajo.first())) {
        Avisar(QStringLiteral("¡El libro elegido no tiene ninguna partida que imprimir!"));
        return;
    }
    orden = QStringLiteral("+{%1.Orden}").arg(d->trabajo.first());
}

} // namespace informes_gestpar
