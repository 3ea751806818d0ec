#include "DialogosGuionados.h"

int DialogosGuionados::operator()(QDialog& dialogo)
{
    m_mostrados.append(QString::fromLatin1(dialogo.metaObject()->className()));
    if (m_acciones.isEmpty()) {
        ADD_FAILURE() << "Diálogo modal inesperado: " << dialogo.metaObject()->className();
        return QDialog::Rejected;
    }
    // The dialog starts as a shown modal dialog starts: no result yet.
    dialogo.setResult(0);
    return m_acciones.takeFirst()(dialogo);
}
