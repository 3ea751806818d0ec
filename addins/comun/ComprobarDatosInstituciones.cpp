#include "comun/ComprobarDatosInstituciones.h"

#include "platform/db/Connection.h"

namespace addins {

bool ComprobarDatosInstituciones(db::Connection& conLocal)
{
    db::Recordset instituciones = conLocal.Execute(QStringLiteral("SELECT COUNT(*) FROM Institucion"));
    instituciones.Close();
    return true;
}

} // namespace addins
