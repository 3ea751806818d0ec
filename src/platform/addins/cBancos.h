#pragma once

#include "platform/addins/Complemento.h"
#include "platform/addins/TiposComplemento.h"

namespace addins {

// The banks add-in ("NvBancos.cBancos"): banks and their branches.
//
// Every member is the add-in's whole command, dialogs and messages included;
// `strTitulo` is the application title its windows carry.
class cBancos : public Complemento {
public:
    static constexpr const char* NombreClase = "NvBancos.cBancos";
    ~cBancos() override;

    virtual void NuevoBanco(db::Connection& conLocal, const QString& strTitulo) = 0;
    // `rsSucursalesNoEliminables`: the branches the dialog may not delete.
    // `blnCambiado` true: the bank or its branch codes changed, so the control
    // digits of its accounts must be computed again.
    virtual void EditaBanco(db::Connection& conLocal, qint32& lngID, const QString& strTitulo,
                            db::Recordset& rsSucursalesNoEliminables, bool& blnCambiado) = 0;
    // Deletes the bank row and its branches; the program has already removed
    // everything else that depended on them.
    virtual void EliminaBanco(db::Connection& conLocal, qint32& lngID, const QString& strTitulo) = 0;
};

} // namespace addins
