#include "comun/RegistroTrasvase.h"

#include "platform/os/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace addins {

RegistroTrasvase GuardarRegistroTrasvase(const QString& nombre, const QStringList& lineas, const QDateTime& momento)
{
    RegistroTrasvase registro;
    const QString carpeta = os::JoinPath(os::AppPath(), QStringLiteral("Log/Trasvase"));
    const QString base = nombre + momento.toString(QStringLiteral("_yyyyMMdd_HHmmss"));
    registro.ruta = os::JoinPath(carpeta, base + QStringLiteral(".txt"));
    if (!QDir().mkpath(carpeta)) {
        registro.error = QStringLiteral("No se ha podido crear la carpeta '%1'.").arg(carpeta);
        return registro;
    }
    for (int n = 2; QFileInfo::exists(registro.ruta); ++n)
        registro.ruta = os::JoinPath(carpeta, QStringLiteral("%1_%2.txt").arg(base).arg(n));

    QSaveFile archivo(registro.ruta);
    if (archivo.open(QIODevice::WriteOnly)) {
        for (const QString& linea : lineas)
            archivo.write((linea + QStringLiteral("\r\n")).toUtf8());
        if (archivo.commit())
            return registro;
    }
    registro.error = QStringLiteral("No se ha podido escribir el archivo '%1': %2").arg(registro.ruta,
                                                                                       archivo.errorString());
    return registro;
}

} // namespace addins
