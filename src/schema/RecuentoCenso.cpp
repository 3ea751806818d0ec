#include "schema/RecuentoCenso.h"

#include "platform/db/Connection.h"
#include "platform/db/JetTableSchema.h"
#include "platform/db/SqliteStatement.h"
#include "platform/db/Transaction.h"

#include <QList>
#include <QStringList>

namespace {

struct Objeto {
    const char* tipo;
    const char* nombre;
    QString sql;
};

// Adds each row's count to its institution and type, or makes the row.
const QString kSumar = QStringLiteral(
    " ON CONFLICT ([CodInstitucion], [CodTipoPersona]) DO UPDATE SET [Recuento] = [Recuento] + excluded.[Recuento]");
const QString kInsertar = QStringLiteral(
    "INSERT INTO [Recuento_Institucion_TipoPersona] ([CodInstitucion], [CodTipoPersona], [Recuento]) ");

// The type rows of the person `fila` (OLD or NEW), under its institution,
// added with `signo`: one row per type.
QString TiposDePersona(const QString& fila, const QString& signo)
{
    return kInsertar + QStringLiteral("SELECT %1.[CodInstitucionEmpadronado], [Padron_TipoPersona].[CodTipoPersona], "
                                      "%2COUNT(*) FROM [Padron_TipoPersona] WHERE [Padron_TipoPersona].[CodPadron] = "
                                      "%1.[IDPadron] AND [Padron_TipoPersona].[CodTipoPersona] IS NOT NULL AND "
                                      "%1.[CodInstitucionEmpadronado] IS NOT NULL GROUP BY "
                                      "[Padron_TipoPersona].[CodTipoPersona]")
                           .arg(fila, signo)
        + kSumar + u';';
}

// The type row `fila` (OLD or NEW), under the institution of each person it
// names, added with `signo`.
QString PersonasDeTipo(const QString& fila, const QString& signo)
{
    return kInsertar + QStringLiteral("SELECT [Padron].[CodInstitucionEmpadronado], %1.[CodTipoPersona], %2COUNT(*) "
                                      "FROM [Padron] WHERE [Padron].[IDPadron] = %1.[CodPadron] AND "
                                      "[Padron].[CodInstitucionEmpadronado] IS NOT NULL AND %1.[CodTipoPersona] IS NOT "
                                      "NULL GROUP BY [Padron].[CodInstitucionEmpadronado]")
                           .arg(fila, signo)
        + kSumar + u';';
}

QString Disparador(const char* nombre, const QString& suceso, const QString& cuando, const QString& cuerpo)
{
    return QStringLiteral("CREATE TRIGGER [%1] AFTER %2%3 BEGIN %4 END")
        .arg(QString::fromLatin1(nombre), suceso, cuando.isEmpty() ? QString() : QStringLiteral(" WHEN ") + cuando,
             cuerpo);
}

// The table, then its triggers, as made and as sqlite_master keeps them.
const QList<Objeto>& Objetos()
{
    static const QList<Objeto> objetos = [] {
        const QString padron = QStringLiteral("OLD.[IDPadron] IS NOT NEW.[IDPadron] OR OLD.[CodInstitucionEmpadronado] "
                                              "IS NOT NEW.[CodInstitucionEmpadronado]");
        const QString tipo = QStringLiteral(
            "OLD.[CodPadron] IS NOT NEW.[CodPadron] OR OLD.[CodTipoPersona] IS NOT NEW.[CodTipoPersona]");
        const QString viejo = QStringLiteral("OLD");
        const QString nuevo = QStringLiteral("NEW");
        const QString resta = QStringLiteral("-");
        return QList<Objeto>{
            {"table", "Recuento_Institucion_TipoPersona",
             QStringLiteral("CREATE TABLE [Recuento_Institucion_TipoPersona] ([CodInstitucion] INT NOT NULL, "
                            "[CodTipoPersona] INT NOT NULL, [Recuento] INT NOT NULL, PRIMARY KEY ([CodInstitucion], "
                            "[CodTipoPersona]))")},
            {"trigger", "Recuento_Padron_Alta",
             Disparador("Recuento_Padron_Alta", QStringLiteral("INSERT ON [Padron]"), QString(),
                        TiposDePersona(nuevo, QString()))},
            {"trigger", "Recuento_Padron_Baja",
             Disparador("Recuento_Padron_Baja", QStringLiteral("DELETE ON [Padron]"), QString(),
                        TiposDePersona(viejo, resta))},
            // Any update, not only of the two columns: a write to the row id
            // by another name changes IDPadron as well.
            {"trigger", "Recuento_Padron_Cambio",
             Disparador("Recuento_Padron_Cambio", QStringLiteral("UPDATE ON [Padron]"), padron,
                        TiposDePersona(viejo, resta) + u' ' + TiposDePersona(nuevo, QString()))},
            {"trigger", "Recuento_Padron_TipoPersona_Alta",
             Disparador("Recuento_Padron_TipoPersona_Alta", QStringLiteral("INSERT ON [Padron_TipoPersona]"), QString(),
                        PersonasDeTipo(nuevo, QString()))},
            {"trigger", "Recuento_Padron_TipoPersona_Baja",
             Disparador("Recuento_Padron_TipoPersona_Baja", QStringLiteral("DELETE ON [Padron_TipoPersona]"), QString(),
                        PersonasDeTipo(viejo, resta))},
            {"trigger", "Recuento_Padron_TipoPersona_Cambio",
             Disparador("Recuento_Padron_TipoPersona_Cambio", QStringLiteral("UPDATE ON [Padron_TipoPersona]"), tipo,
                        PersonasDeTipo(viejo, resta) + u' ' + PersonasDeTipo(nuevo, QString()))},
        };
    }();
    return objetos;
}

bool TieneColumnas(sqlite3* db, const char* tabla, const QStringList& columnas)
{
    const QString nombre = QString::fromLatin1(tabla);
    if (!db::JetTableSchema::tableExists(db, nombre))
        return false;
    const db::JetTableSchema esquema = db::JetTableSchema::read(db, nombre);
    for (const QString& c : columnas) {
        if (esquema.indexOf(c) < 0)
            return false;
    }
    return true;
}

} // namespace

bool EsTablaRecuentoCenso(const QString& tabla)
{
    return tabla.compare(TABLA_RECUENTO_CENSO, Qt::CaseInsensitive) == 0;
}

bool HayRecuentoCenso(sqlite3* db)
{
    for (const Objeto& o : Objetos()) {
        db::SqliteStatement st(db, "SELECT sql FROM sqlite_master WHERE type = ? AND name = ?");
        st.bind(1, QString::fromLatin1(o.tipo));
        st.bind(2, QString::fromLatin1(o.nombre));
        if (!st.step() || st.text(0) != o.sql)
            return false;
    }
    return true;
}

bool CrearRecuentoCenso(db::Connection& con)
{
    sqlite3* db = con.handle();
    if (!TieneColumnas(db, "Padron", {QStringLiteral("IDPadron"), QStringLiteral("CodInstitucionEmpadronado")})
        || !TieneColumnas(db, "Padron_TipoPersona", {QStringLiteral("CodPadron"), QStringLiteral("CodTipoPersona")})
        || HayRecuentoCenso(db))
        return false;
    db::Transaction transaccion(con);
    // Whatever is left of an older count (a rebuilt table loses its
    // triggers) goes, and the counts are taken again.
    for (const Objeto& o : Objetos()) {
        db::SqliteStatement::exec(db, QStringLiteral("DROP %1 IF EXISTS [%2]")
                                          .arg(QString::fromLatin1(o.tipo).toUpper(), QString::fromLatin1(o.nombre)));
    }
    const QList<Objeto>& objetos = Objetos();
    db::SqliteStatement::exec(db, objetos.first().sql);
    db::SqliteStatement::exec(
        db, kInsertar
            + QStringLiteral("SELECT [Padron].[CodInstitucionEmpadronado], [Padron_TipoPersona].[CodTipoPersona], "
                             "COUNT(*) FROM [Padron], [Padron_TipoPersona] WHERE [Padron].[IDPadron] = "
                             "[Padron_TipoPersona].[CodPadron] AND [Padron].[CodInstitucionEmpadronado] IS NOT NULL "
                             "AND [Padron_TipoPersona].[CodTipoPersona] IS NOT NULL GROUP BY "
                             "[Padron].[CodInstitucionEmpadronado], [Padron_TipoPersona].[CodTipoPersona]")
            + kSumar);
    for (qsizetype i = 1; i < objetos.size(); ++i)
        db::SqliteStatement::exec(db, objetos.at(i).sql);
    transaccion.Commit();
    return true;
}

QString SentenciaSumaRecuentoCenso(const QString& tipo)
{
    return QStringLiteral("SELECT SUM(Recuento_Institucion_TipoPersona.Recuento) FROM Institucion, "
                          "Recuento_Institucion_TipoPersona WHERE Institucion.IDInstitucion = "
                          "Recuento_Institucion_TipoPersona.CodInstitucion AND "
                          "Recuento_Institucion_TipoPersona.CodTipoPersona = ")
        + tipo;
}
