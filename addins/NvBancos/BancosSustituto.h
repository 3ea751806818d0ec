#pragma once

#include "platform/addins/cBancos.h"

namespace addins {

// Stand-in of the banks add-in: banks with their branches (and the
// branches' accounts) through the shared record dialog; the removal of a
// bank and its branches once the program has removed what depended on them.
class BancosSustituto : public cBancos {
public:
    void NuevoBanco(db::Connection& conLocal, const QString& strTitulo) override;
    void EditaBanco(db::Connection& conLocal, qint32& lngID, const QString& strTitulo,
                    db::Recordset& rsSucursalesNoEliminables, bool& blnCambiado) override;
    void EliminaBanco(db::Connection& conLocal, qint32& lngID, const QString& strTitulo) override;
};

} // namespace addins
