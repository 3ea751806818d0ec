#pragma once

namespace db {
class Connection;
}

namespace PVAPI {

// Repairs of parish data that ride along with a schema upgrade, inside the
// upgrade's transaction.
class cParchearBd {
public:
    // Repairs the baptism data of the parish database. True on success; the
    // upgrade rolls back on False.
    bool blnCorregirProblemasBautismo(db::Connection& conexion) const;
};

} // namespace PVAPI
