#include "comun/AvisoNoDisponible.h"

#include "platform/ui/AvisoNoDisponible.h"

namespace addins {

namespace {

QString Detalle(const QString& complemento, const QString& funcion)
{
    return QStringLiteral("Complemento: %1\r\nFunción: %2").arg(complemento, funcion);
}

} // namespace

QString TextoNoDisponible(const QString& complemento, const QString& funcion)
{
    return ui::TextoNoDisponible() + QStringLiteral("\r\n\r\n") + Detalle(complemento, funcion);
}

void AvisoNoDisponible(const QString& complemento, const QString& funcion)
{
    ui::AvisoNoDisponible(Detalle(complemento, funcion));
}

} // namespace addins
