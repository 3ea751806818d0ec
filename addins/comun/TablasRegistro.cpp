#include "comun/TablasRegistro.h"

#include "comun/TablasRegistroBancos.h"
#include "comun/TablasRegistroDonativos.h"
#include "comun/TablasRegistroLibros.h"
#include "comun/TablasRegistroMensajes.h"
#include "comun/TablasRegistroPersonas.h"

namespace addins {

QList<QPair<QString, std::shared_ptr<const widgets::DefinicionRegistro>>> TablasRegistro::Todas()
{
    QList<QPair<QString, std::shared_ptr<const widgets::DefinicionRegistro>>> todas{
        {QStringLiteral("Donante"), TablasRegistroPersonas::Donante()},
        {QStringLiteral("Empadronado"), TablasRegistroPersonas::Empadronado()},
        {QStringLiteral("Colaborador"), TablasRegistroPersonas::Colaborador()},
        {QStringLiteral("TipoDonativo"), TablasRegistroDonativos::TipoDonativo()},
        {QStringLiteral("Presentador"), TablasRegistroDonativos::Presentador()},
        {QStringLiteral("Remesa"), TablasRegistroDonativos::Remesa()},
        {QStringLiteral("GeneracionRemesa"), TablasRegistroDonativos::GeneracionRemesa()},
        {QStringLiteral("ReciboCaja"), TablasRegistroDonativos::ReciboCaja()},
        {QStringLiteral("Cargo"), TablasRegistroLibros::Cargo()},
        {QStringLiteral("Actividad"), TablasRegistroLibros::Actividad()},
        {QStringLiteral("Banco"), TablasRegistroBancos::Banco()},
        {QStringLiteral("Mensaje"), TablasRegistroMensajes::Mensaje()},
        {QStringLiteral("MensajeLeido"), TablasRegistroMensajes::MensajeLeido()},
    };
    for (Sacramento s : {Sacramento::Bautismo, Sacramento::Confirmacion, Sacramento::Matrimonio, Sacramento::Defuncion}) {
        const QString n = TablasRegistroLibros::TablaPartida(s);
        todas.append({QStringLiteral("Libro ") + n, TablasRegistroLibros::Libro(s)});
        todas.append({QStringLiteral("Partida ") + n, TablasRegistroLibros::Partida(s, false)});
        todas.append({QStringLiteral("Partida antigua ") + n, TablasRegistroLibros::PartidaAntigua(s)});
        if (s != Sacramento::Defuncion) {
            todas.append({QStringLiteral("Solicitud ") + n, TablasRegistroLibros::Partida(s, true)});
            todas.append({QStringLiteral("Solicitud al libro ") + n, TablasRegistroLibros::SolicitudALibro(s)});
        }
    }
    return todas;
}

} // namespace addins
