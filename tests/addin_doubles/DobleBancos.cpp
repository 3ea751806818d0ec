#include "addin_doubles/DobleBancos.h"

namespace dobles {

void DobleBancos::NuevoBanco(db::Connection& conLocal, const QString& strTitulo)
{
    m_grabadora->Anotar("NuevoBanco", conLocal, strTitulo);
}

void DobleBancos::EditaBanco(db::Connection& conLocal, qint32& lngID, const QString& strTitulo,
                             db::Recordset& rsSucursalesNoEliminables, bool& blnCambiado)
{
    m_grabadora->Anotar("EditaBanco", conLocal, lngID, strTitulo, rsSucursalesNoEliminables, blnCambiado);
    m_grabadora->Salida("EditaBanco", 1, lngID);
    m_grabadora->Salida("EditaBanco", 4, blnCambiado);
}

void DobleBancos::EliminaBanco(db::Connection& conLocal, qint32& lngID, const QString& strTitulo)
{
    m_grabadora->Anotar("EliminaBanco", conLocal, lngID, strTitulo);
    m_grabadora->Salida("EliminaBanco", 1, lngID);
}

} // namespace dobles
