#include "mantenimiento/FusionMunicipios.h"

#include "platform/db/Connection.h"
#include "platform/db/SqliteStatement.h"
#include "platform/db/Transaction.h"
#include "platform/vb/VbError.h"

namespace {

bool ExisteMunicipio(db::Connection& con, qint32 id)
{
    return con.Query(QStringLiteral("SELECT IDMunicipio FROM Municipio WHERE IDMunicipio = ?"), {id}).RecordCount() > 0;
}

} // namespace

QStringList TablasConMunicipio(db::Connection& conLocal)
{
    QStringList tablas;
    db::SqliteStatement st(conLocal.handle(),
                           "SELECT m.name FROM sqlite_master m, pragma_table_info(m.name) c "
                           "WHERE m.type = 'table' AND c.name = 'CodMunicipio' COLLATE NOCASE ORDER BY m.name");
    while (st.step())
        tablas << st.text(0);
    return tablas;
}

qint64 FusionarMunicipios(db::Connection& conLocal, qint32 origen, qint32 destino)
{
    if (origen == destino)
        vb::ThrowInvalidCall(QStringLiteral("FusionarMunicipios"));
    db::Transaction transaccion(conLocal);
    // Read inside the write transaction: another workstation may have
    // deleted either town since the user chose them.
    if (!ExisteMunicipio(conLocal, origen) || !ExisteMunicipio(conLocal, destino))
        vb::ThrowInvalidCall(QStringLiteral("FusionarMunicipios"));
    qint64 cambiadas = 0;
    for (const QString& tabla : TablasConMunicipio(conLocal)) {
        // Jet SQL: a name between brackets (double quotes would be a text).
        cambiadas += conLocal.Exec(QStringLiteral("UPDATE [%1] SET CodMunicipio = ? WHERE CodMunicipio = ?").arg(tabla),
                                   {destino, origen});
    }
    conLocal.Exec(QStringLiteral("DELETE FROM Municipio WHERE IDMunicipio = ?"), {origen});
    transaccion.Commit();
    return cambiadas;
}
