#pragma once

#include "platform/addins/cBancos.h"

namespace addins {

// Stand-in of the banks add-in: every command answers with the "not
// available" message and does nothing (nothing changed, nothing deleted).
class BancosSustituto : public cBancos {
public:
    void NuevoBanco(db::Connection& conLocal, const QString& strTitulo) override;
    void EditaBanco(db::Connection& conLocal, qint32& lngID, const QString& strTitulo,
                    db::Recordset& rsSucursalesNoEliminables, bool& blnCambiado) override;
    void EliminaBanco(db::Connection& conLocal, qint32& lngID, const QString& strTitulo) override;

private:
    static void NoDisponible(const char* funcion);
};

} // namespace addins
