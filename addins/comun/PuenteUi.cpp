#include "comun/PuenteUi.h"

namespace addins {

void PuenteUi::Instalar(Destino destino)
{
    static PuenteUi puente(destino);
    puente.m_destino = destino;
    ui::SetCurrent(&puente);
    // Were the plugin's platform code and the program's one and the same,
    // the bridge would call itself.
    if (&destino() == &puente)
        ui::SetCurrent(nullptr);
}

int PuenteUi::showMessage(const ui::Message& message)
{
    const int estilo = message.buttons + message.icon + message.defaultButton
        + (message.helpButton ? ui::vbMsgBoxHelpButton : 0);
    return m_destino().MsgBox(message.text, estilo, message.caption, message.helpFile, message.helpContext);
}

} // namespace addins
