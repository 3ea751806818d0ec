#pragma once

#include "platform/addins/cBancos.h"

#include <gmock/gmock.h>

namespace dobles {

// gmock mock of addins::cBancos; every member does nothing unless a test says
// otherwise.
class MockBancos : public addins::cBancos {
public:
    MockBancos();
    ~MockBancos() override;

    MOCK_METHOD(void, NuevoBanco, (db::Connection& conLocal, const QString& strTitulo), (override));
    MOCK_METHOD(void, EditaBanco, (db::Connection& conLocal, qint32& lngID, const QString& strTitulo,
                db::Recordset& rsSucursalesNoEliminables, bool& blnCambiado), (override));
    MOCK_METHOD(void, EliminaBanco, (db::Connection& conLocal, qint32& lngID, const QString& strTitulo), (override));
};

} // namespace dobles
