#include "addin_doubles/DobleBancos.h"

namespace dobles {

void DobleBancos::NuevoBanco(db::Connection& conLocal, const QString& strTitulo)
{
    m_grabadora->Recibir("NuevoBanco", conLocal, strTitulo);
}

void DobleBancos::EditaBanco(db::Connection& conLocal, qint32& lngID, const QString& strTitulo,
                             db::Recordset& rsSucursalesNoEliminables, bool& blnCambiado)
{
    m_grabadora->Recibir("EditaBanco", conLocal, lngID, strTitulo, rsSucursalesNoEliminables, blnCambiado);
}

void DobleBancos::EliminaBanco(db::Connection& conLocal, qint32& lngID, const QString& strTitulo)
{
    m_grabadora->Recibir("EliminaBanco", conLocal, lngID, strTitulo);
}

} // namespace dobles
