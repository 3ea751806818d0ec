#pragma once

#include "platform/db/Recordset.h"
#include "platform/db/Value.h"
#include "recordlist/OrdenConsulta.h"

#include <QHash>
#include <QList>
#include <optional>
#include <vector>

namespace db {
class Connection;
}

// The census order read institution by institution. A plain query over
// Institucion, Padron and Padron_TipoPersona that joins a person to the
// institution of its census (`Institucion.IDInstitucion =
// Padron.CodInstitucionEmpadronado`) and is ordered by the institution's
// name and then by columns of Padron, going up, is the concatenation, over
// the institutions grouped by equal name in name order, of each group's rows
// in the order of Padron's columns and row id. With an index of Padron on
// the institution and those columns, each group's rows come in order from
// the index, so a page costs the rows it shows, not a sort of the whole
// census. Institutions that share a name are one group, read together:
// SQLite sorts that group's rows, which an index of one institution cannot
// give.
//
// Only a query of that shape on a database with that index is read so;
// every other query keeps the general reading.
class CensoPorInstitucion {
public:
    // `params` are bound to the query's "?" in order.
    static std::optional<CensoPorInstitucion> Reconocer(db::Connection& con, const OrdenConsulta& orden,
                                                        const QList<db::Value>& params);

    // How many order values follow the fields in the rows Leer gives: the
    // institution's id, the Padron columns of the order, the row id.
    int ColumnasClave() const { return int(m_orden.size()) + 1; }

    // Up to `limite` rows after skipping `desplazamiento`, in the query's
    // order or, when `inversa`, the opposite one, starting after the row
    // whose order values (as Leer gives them) are `claves`, or from the
    // start (the end when `inversa`) when empty. Each row is the query's
    // fields then its order values. Nothing when the row of `claves`
    // names an institution no longer there: the caller reads by position.
    std::optional<db::RowBlock> Leer(const QList<db::Value>& claves, long limite, long desplazamiento,
                                     bool inversa);

    // The query's row count from the census count the database keeps
    // (schema/RecuentoCenso.h), when its condition is exactly the two joins
    // and one person type, a number or its one bound value, and the
    // database has the count whole; nothing otherwise, when the caller
    // counts the query itself.
    std::optional<long> RecuentoGuardado();

    // Forgets what it read of the data (the institutions, their counts)
    // after the database changed; what depends only on the schema stays.
    void Renovar();

private:
    CensoPorInstitucion(db::Connection& con, OrdenConsulta orden, QList<db::Value> params,
                        QList<OrdenConsulta::Termino> terminos, const QString& origen, const QString& condicion);

    void CargarGrupos();
    QString CondicionGrupo(const QList<qint64>& grupo, QList<db::Value>& params) const;
    long ContarGrupo(const QList<qint64>& grupo);
    // Up to `limite` rows of `grupo` next to its row of order values
    // `desde`, going back when `inversa`.
    db::RowBlock LeerJunto(const QList<qint64>& grupo, const QList<db::Value>& desde, long limite, bool inversa);

    db::Connection* m_con;
    OrdenConsulta m_consulta;
    QList<db::Value> m_params;
    // The order within a group: Padron's columns, then its row id.
    QList<OrdenConsulta::Termino> m_orden;
    QStringList m_claves;
    // The institutions' ids by group, the groups in name order.
    std::optional<std::vector<QList<qint64>>> m_grupos;
    // The rows of each institution, counted all at once the first time a
    // reading skips rows: one pass over the census in the order SQLite
    // chooses, instead of each institution's persons looked up in turn.
    QString m_recuentoPorInstitucion;
    // The sum of the kept counts for the query (Jet SQL, the query's
    // values bound), or empty.
    QString m_sumaRecuento;
    // Whether the database keeps the count whole: asked once.
    std::optional<bool> m_hayRecuento;
    std::optional<QHash<qint64, long>> m_filasPorInstitucion;
};
