#include "comun/ImportacionKaldex.h"

#include "comun/ProgresoImportacion.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/HourglassGuard.h"
#include "platform/ui/Ui.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

namespace addins::importacion_kaldex {

namespace {

const char* const kSacramentos[4] = {"Bautismo", "Confirmación", "Matrimonio", "Defunción"};

// Incidences a log that could not be written still shows in the message.
constexpr int kIncidenciasEnMensaje = 10;

int Mensaje(const QString& texto, int estilo)
{
    return widgets::DialogoRegistroEjecutor::Mensaje(texto, estilo);
}

QString Institucion(db::Connection& con, qint32 id)
{
    try {
        db::Recordset rs =
            con.Query(QStringLiteral("SELECT Nombre FROM Institucion WHERE IDInstitucion = ?"), {db::Value(id)});
        if (!rs.isEOF())
            return QStringLiteral("%1 (%2)").arg(rs.value(0).toString()).arg(id);
    } catch (const std::exception&) {
        // The id alone still names it.
    }
    return QString::number(id);
}

QStringList Cabecera(const QString& titulo, db::Connection& con, const QString& carpeta, qint32 idInstitucion,
                     quint8 ordenNombres)
{
    return {titulo,
            QStringLiteral("Fecha: ") + QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")),
            QStringLiteral("Carpeta: ") + carpeta,
            QStringLiteral("Institución: ") + Institucion(con, idInstitucion),
            QStringLiteral("Orden de los nombres: ") +
                (ordenNombres == 0 ? QStringLiteral("<Nombre> <primer apellido> <segundo apellido>")
                                   : QStringLiteral("<Primer apellido> <segundo apellido>, <nombre>"))};
}

QStringList Incidencias(const QStringList& incidencias)
{
    return QStringList{QString(), QStringLiteral("Incidencias: %1").arg(incidencias.size())} + incidencias;
}

// The closing message: how the import ended, where its log is, and the
// offer to open it; when the log could not be written, why, and the first
// incidences instead.
void Cerrar(const QString& resumen, const QStringList& incidencias, const RegistroTrasvase& registro, bool fallo)
{
    QString texto = resumen + QStringLiteral("\r\n\r\n");
    const qsizetype n = incidencias.size();
    ui::Beep();
    if (!registro.Guardado()) {
        texto += QStringLiteral("¡No se ha podido guardar el registro de la importación! ") + registro.error;
        if (n > 0) {
            texto += QStringLiteral("\r\n\r\nIncidencias:");
            for (const QString& incidencia : incidencias.mid(0, kIncidenciasEnMensaje))
                texto += QStringLiteral("\r\n") + incidencia;
            if (n > kIncidenciasEnMensaje)
                texto += QStringLiteral("\r\n...");
        }
        Mensaje(texto, ui::vbOKOnly + ui::vbExclamation);
        return;
    }
    if (n == 0)
        texto += QStringLiteral("No se ha encontrado ninguna incidencia. El resumen de la importación se ha guardado "
                                "en el archivo %1.")
                     .arg(registro.ruta);
    else if (n == 1)
        texto += QStringLiteral("Se ha encontrado 1 incidencia, que se ha guardado con el resumen de la importación "
                                "en el archivo %1.")
                     .arg(registro.ruta);
    else
        texto += QStringLiteral("Se han encontrado %1 incidencias, que se han guardado con el resumen de la "
                                "importación en el archivo %2.")
                     .arg(n)
                     .arg(registro.ruta);
    texto += QStringLiteral("\r\n\r\n¿Desea ver ahora el archivo %1?").arg(registro.ruta);
    const int estilo = ui::vbYesNo + (fallo ? ui::vbExclamation : ui::vbQuestion);
    if (Mensaje(texto, estilo) == ui::vbYes && !ui::Current().OpenFile(registro.ruta))
        Mensaje(QStringLiteral("¡No se ha podido abrir el archivo %1!").arg(registro.ruta),
                ui::vbOKOnly + ui::vbExclamation);
}

} // namespace

RegistroTrasvase ImportarLibros(db::Connection& conLocal, const OpcionesLibrosKaldex& opciones, QProgressBar* barra,
                                const QList<QLabel*>& etiquetas)
{
    ProgresoImportacion progreso(barra, etiquetas);
    QString carpeta;
    for (int s = 0; s < 4; ++s) {
        if (opciones.carpetas[s].isEmpty())
            progreso.Omitir(s);
        else if (carpeta.isEmpty())
            carpeta = opciones.carpetas[s];
    }
    ResultadoLibrosKaldex resultado;
    {
        ui::HourglassGuard reloj;
        resultado = ImportarLibrosKaldex(conLocal, opciones, progreso.Aviso());
    }
    progreso.Terminar();

    QStringList sacramentos;
    QStringList elegidos;
    bool fallo = false;
    for (int s = 0; s < 4; ++s) {
        const QString nombre = QString::fromUtf8(kSacramentos[s]);
        if (opciones.carpetas[s].isEmpty()) {
            sacramentos << nombre + QStringLiteral(": no elegido");
            continue;
        }
        QString linea;
        if (!resultado.importado[s]) {
            fallo = true;
            linea = nombre + QStringLiteral(": no se ha importado ningún dato");
        } else if (resultado.partidas[s] == 1) {
            linea = nombre + QStringLiteral(": 1 partida importada");
        } else {
            linea = nombre + QStringLiteral(": %1 partidas importadas").arg(resultado.partidas[s]);
        }
        sacramentos << linea;
        elegidos << linea + QLatin1Char('.');
    }
    QStringList lineas = Cabecera(QStringLiteral("Importación de los libros de KALDEX"), conLocal, carpeta,
                                  opciones.idInstitucion, opciones.ordenNombres);
    lineas << QStringLiteral("Años '00': ") + opciones.siglo + QStringLiteral("00");
    lineas << QString() << sacramentos << Incidencias(resultado.incidencias);
    const RegistroTrasvase registro = GuardarRegistroTrasvase(QStringLiteral("KALDEX_Libros"), lineas);

    QString resumen = QStringLiteral("¡La importación de los libros de KALDEX ha terminado!\r\n\r\n");
    resumen += elegidos.isEmpty() ? QStringLiteral("No se ha elegido ningún sacramento.")
                                  : elegidos.join(QStringLiteral("\r\n"));
    Cerrar(resumen, resultado.incidencias, registro, fallo);
    return registro;
}

RegistroTrasvase ImportarDonativos(db::Connection& conLocal, const OpcionesDonativosKaldex& opciones,
                                   QProgressBar* barra, QLabel* lblBancos, QLabel* lblDonantes)
{
    ProgresoImportacion progreso(barra, {lblBancos, lblDonantes});
    ResultadoDonativosKaldex resultado;
    {
        ui::HourglassGuard reloj;
        resultado = ImportarDonativosKaldex(conLocal, opciones, progreso.Aviso());
    }
    progreso.Terminar();

    QString resumen;
    QStringList lineas = Cabecera(QStringLiteral("Importación de los donativos de KALDEX"), conLocal,
                                  opciones.carpeta, opciones.idInstitucion, opciones.ordenNombres);
    lineas << QString();
    if (resultado.importado) {
        lineas << QStringLiteral("Sucursales bancarias importadas: %1").arg(resultado.sucursales)
               << QStringLiteral("Donantes importados: %1").arg(resultado.donantes)
               << QStringLiteral("Donativos importados: %1").arg(resultado.donativos);
        resumen = QStringLiteral("¡La importación de los donativos de KALDEX ha terminado!\r\n\r\nSe han importado "
                                 "%1 sucursales bancarias, %2 donantes y %3 donativos.")
                      .arg(resultado.sucursales)
                      .arg(resultado.donantes)
                      .arg(resultado.donativos);
    } else {
        // The import's last incidence says why nothing came in.
        const QString motivo = resultado.incidencias.isEmpty() ? QString() : resultado.incidencias.last();
        lineas << motivo;
        resumen = QStringLiteral("¡No se ha importado ningún donativo de KALDEX!\r\n\r\n") + motivo;
    }
    lineas << Incidencias(resultado.incidencias);
    const RegistroTrasvase registro = GuardarRegistroTrasvase(QStringLiteral("KALDEX_Donativos"), lineas);
    Cerrar(resumen, resultado.incidencias, registro, !resultado.importado);
    return registro;
}

} // namespace addins::importacion_kaldex
