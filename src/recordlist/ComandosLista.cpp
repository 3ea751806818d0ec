#include "recordlist/ComandosLista.h"

#include "core/RegistroComandos.h"
#include "recordlist/cListaPrincipal.h"

#include <QStringList>

void RegistrarComandosLista(RegistroComandos& comandos, cListaPrincipal& lista)
{
    comandos.Registrar(QStringLiteral("mnuVerActualizarLista"), [&lista] { lista.mnuVerActualizarLista_Click(); });
    // The toolbar's own handler chooses by key, record commands included.
    static const QStringList kBotones = {QStringLiteral("Nuevo"),   QStringLiteral("Eliminar"),
                                         QStringLiteral("Propiedades"), QStringLiteral("firstReg"),
                                         QStringLiteral("prevReg"), QStringLiteral("nextReg"),
                                         QStringLiteral("lastReg"), QStringLiteral("Filtro")};
    for (const QString& clave : kBotones)
        comandos.Registrar(clave, [&lista, clave] { lista.tbPrincipal_ButtonClick(clave); });
}
