#pragma once

#include "addin_doubles/GrabadoraLlamadas.h"
#include "platform/addins/cBancos.h"

#include <memory>

namespace dobles {

// Test double of addins::cBancos: records every call in its recorder and
// answers from it (see GrabadoraLlamadas).
class DobleBancos : public addins::cBancos {
public:
    explicit DobleBancos(std::shared_ptr<GrabadoraLlamadas> grabadora = std::make_shared<GrabadoraLlamadas>())
        : m_grabadora(std::move(grabadora))
    {
    }
    GrabadoraLlamadas& Grabadora() const { return *m_grabadora; }

    void NuevoBanco(db::Connection& conLocal, const QString& strTitulo) override;
    void EditaBanco(db::Connection& conLocal, qint32& lngID, const QString& strTitulo,
                    db::Recordset& rsSucursalesNoEliminables, bool& blnCambiado) override;
    void EliminaBanco(db::Connection& conLocal, qint32& lngID, const QString& strTitulo) override;

private:
    std::shared_ptr<GrabadoraLlamadas> m_grabadora;
};

} // namespace dobles
