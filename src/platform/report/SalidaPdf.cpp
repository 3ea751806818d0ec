#include "platform/report/SalidaPdf.h"

#include "platform/report/ErroresInforme.h"
#include "platform/report/MemoriaPdf.h"
#include "platform/report/PintorPaginas.h"

#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>

namespace report {

namespace {

constexpr int kResolucion = 1200;
constexpr qsizetype kLargoNombre = 120;
constexpr int kIntentosNombre = 100000;

void Pintar(const ModeloPaginas& modelo, QPdfWriter& pdf, const QString& nombre)
{
    PrepararMemoriaPdf();
    pdf.setResolution(kResolucion);
    pdf.setTitle(modelo.titulo);
    pdf.setCreator(QStringLiteral("Norvia Parvanta 2000"));
    pdf.setPageLayout(DisposicionDe(modelo));
    QPainter painter;
    if (!painter.begin(&pdf))
        err::Lanzar(err::Salida, {nombre, QStringLiteral("no se puede empezar el documento.")});
    const double ppm = kResolucion / 25.4;
    for (std::size_t i = 0; i < modelo.paginas.size(); ++i) {
        if (i > 0)
            pdf.newPage();
        PintarPagina(painter, modelo.paginas[i], ppm);
    }
    painter.end();
}

} // namespace

void EscribirPdf(const ModeloPaginas& modelo, QIODevice& destino, const QString& nombre)
{
    QPdfWriter pdf(&destino);
    Pintar(modelo, pdf, nombre);
}

void GuardarPdf(const ModeloPaginas& modelo, const QString& ruta)
{
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        err::Lanzar(err::Salida, {ruta, archivo.errorString()});
    EscribirPdf(modelo, archivo, ruta);
    if (!archivo.commit())
        err::Lanzar(err::Salida, {ruta, archivo.errorString()});
}

QString GuardarPdfEnCarpeta(const ModeloPaginas& modelo, const QString& carpeta)
{
    QDir dir(carpeta);
    if (!dir.exists() && !QDir().mkpath(carpeta))
        err::Lanzar(err::Salida, {carpeta, QStringLiteral("no se puede crear la carpeta.")});
    QTemporaryFile temporal(dir.filePath(QStringLiteral(".informe-XXXXXX.pdf.tmp")));
    if (!temporal.open())
        err::Lanzar(err::Salida, {carpeta, temporal.errorString()});
    EscribirPdf(modelo, temporal, temporal.fileName());
    if (!temporal.flush() || temporal.error() != QFileDevice::NoError)
        err::Lanzar(err::Salida, {temporal.fileName(), temporal.errorString()});
    temporal.close();
    temporal.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                            | QFileDevice::ReadOther);

    const QString base = NombreArchivoSeguro(modelo.titulo);
    for (int n = 1; n <= kIntentosNombre; ++n) {
        const QString destino = dir.filePath(QStringLiteral("%1-%2.pdf").arg(base).arg(n, 4, 10, QLatin1Char('0')));
        // rename never replaces: a name another print took meanwhile is passed over.
        if (!QFile::exists(destino) && QFile::rename(temporal.fileName(), destino)) {
            temporal.setAutoRemove(false);
            return destino;
        }
    }
    err::Lanzar(err::Salida, {carpeta, QStringLiteral("no queda ningún nombre libre.")});
}

QString NombreArchivoSeguro(const QString& titulo)
{
    static const QString prohibidos = QStringLiteral("/\\:*?\"<>|");
    QString nombre;
    for (const QChar c : titulo)
        nombre += (c.category() == QChar::Other_Control || prohibidos.contains(c)) ? QChar(u'_') : c;
    nombre = nombre.simplified().left(kLargoNombre);
    while (nombre.startsWith(u'.') || nombre.endsWith(u'.') || nombre.endsWith(u' '))
        nombre = nombre.startsWith(u'.') ? nombre.mid(1) : nombre.chopped(1);
    return nombre.isEmpty() ? QStringLiteral("Informe") : nombre;
}

} // namespace report
