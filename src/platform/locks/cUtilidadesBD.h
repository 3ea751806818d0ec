#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace PVAPI {

// Database utilities of the component library.
class cUtilidadesBD {
public:
    // True when no other running program uses the folder of the database
    // file strDataSource (its "Data Source"), so this workstation may work
    // on it alone. Asking makes this program a user of the folder for the
    // rest of its run. conBD is the connection on that file; the answer is
    // about the folder's users, not about the connection. Throws vb::VbError.
    bool blnComprobarAccesoExclusivo(const QString& strDataSource, db::Connection& conBD);
};

} // namespace PVAPI
