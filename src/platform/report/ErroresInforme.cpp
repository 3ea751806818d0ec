#include "platform/report/ErroresInforme.h"

#include "platform/vb/VbError.h"

namespace report::err {

namespace {

QString Plantilla(long numero)
{
    switch (numero) {
    case Memoria:
        return QStringLiteral("No hay memoria suficiente para generar el informe.");
    case SinPlantilla:
        return QStringLiteral("No se ha indicado la plantilla del informe.");
    case PlantillaNoEncontrada:
        return QStringLiteral("No se encuentra la plantilla del informe «%1».");
    case PlantillaIlegible:
        return QStringLiteral("No se puede leer la plantilla del informe «%1»: %2");
    case PlantillaMalFormada:
        return QStringLiteral("La plantilla «%1» no es válida (línea %2, columna %3): %4");
    case BaseDatos:
        return QStringLiteral("No se puede abrir la base de datos del informe «%1»: %2");
    case TablaDesconocida:
        return QStringLiteral("La tabla «%1» no existe en la base de datos del informe.");
    case CampoDesconocido:
        return QStringLiteral("El campo «%2» no existe en la tabla «%1».");
    case CampoOrden:
        return QStringLiteral("El campo de orden «%1» no es válido: %2");
    case Formula:
        return QStringLiteral("La fórmula «%1» no es válida: %2");
    case LecturaDatos:
        return QStringLiteral("No se pueden leer los datos del informe: %1");
    case Salida:
        return QStringLiteral("No se puede escribir el informe en «%1»: %2");
    case Imagen:
        return QStringLiteral("No se puede cargar la imagen «%1» de la plantilla.");
    case PlantillaIncoherente:
        return QStringLiteral("La plantilla «%1» no es válida: %2");
    default:
        return QStringLiteral("Error interno del motor de informes: %1");
    }
}

} // namespace

QString Descripcion(long numero, const QStringList& argumentos)
{
    // One pass over the pattern, so that a "%2" inside an argument (a file
    // name, a field name) is printed as it is.
    const QString patron = Plantilla(numero);
    QString texto;
    for (qsizetype i = 0; i < patron.size(); ++i) {
        const qsizetype n = i + 1 < patron.size() ? patron[i + 1].digitValue() : -1;
        if (patron[i] == u'%' && n >= 1) {
            texto += n <= argumentos.size() ? argumentos[n - 1] : QString();
            ++i;
        } else {
            texto += patron[i];
        }
    }
    return texto;
}

void Lanzar(long numero, const QStringList& argumentos)
{
    throw vb::VbError(numero, Descripcion(numero, argumentos), QString::fromUtf16(kOrigen));
}

} // namespace report::err
