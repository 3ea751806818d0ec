// The census count kept by the database: after every kind of change to the
// persons, their types and the institutions, the sum of the kept counts is
// the row count of the census query of each person type, and the kept rows
// are those a full count gives.

#include "BasesVacias.h"

#include "platform/db/Connection.h"
#include "platform/db/SqliteStatement.h"
#include "schema/Estructura.h"
#include "schema/EstructuraReal.h"
#include "schema/RecuentoCenso.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

const QString kCenso = QStringLiteral(
    "SELECT COUNT(*) FROM Institucion, Padron, Padron_TipoPersona WHERE Padron_TipoPersona.CodTipoPersona = ? AND "
    "Padron.IDPadron = Padron_TipoPersona.CodPadron AND Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado");

// One change: Jet SQL through the layer, or SQLite's own where Jet has no
// words for it (a text in a number column, the row id).
struct Paso {
    const char* nombre;
    QStringList jet;
    QStringList sqlite = {};
};

QString Texto(db::Value v)
{
    return v.isNull() ? QStringLiteral("<null>") : v.toString();
}

class RecuentoCenso : public ::testing::Test {
protected:
    void SetUp() override
    {
        con = bases.nueva(QStringLiteral("Censo.mdb"));
        CrearEstructuraDuzediv(con);
    }

    void Aplicar(const Paso& paso)
    {
        for (const QString& sql : paso.jet)
            con.Exec(sql);
        for (const QString& sql : paso.sqlite)
            db::SqliteStatement::exec(con.handle(), sql);
    }

    // The kept rows that count (not zero), as "institution/type" -> count.
    QMap<QString, qint64> Guardados()
    {
        QMap<QString, qint64> filas;
        db::SqliteStatement st(con.handle(), "SELECT CodInstitucion, CodTipoPersona, Recuento FROM "
                                             "Recuento_Institucion_TipoPersona WHERE Recuento <> 0");
        while (st.step())
            filas.insert(st.text(0) + u'/' + st.text(1), st.integer(2));
        return filas;
    }

    // The same taken from the tables.
    QMap<QString, qint64> Contados()
    {
        QMap<QString, qint64> filas;
        db::SqliteStatement st(con.handle(),
                               "SELECT Padron.CodInstitucionEmpadronado, Padron_TipoPersona.CodTipoPersona, COUNT(*) "
                               "FROM Padron, Padron_TipoPersona WHERE Padron.IDPadron = Padron_TipoPersona.CodPadron "
                               "AND Padron.CodInstitucionEmpadronado IS NOT NULL AND "
                               "Padron_TipoPersona.CodTipoPersona IS NOT NULL GROUP BY 1, 2");
        while (st.step())
            filas.insert(st.text(0) + u'/' + st.text(1), st.integer(2));
        return filas;
    }

    // The sum without any row is Null, as SQL has it.
    qint64 Suma(const QString& tipo, const QList<db::Value>& params)
    {
        const db::Value v = con.Query(SentenciaSumaRecuentoCenso(tipo), params).value(0);
        return v.isNull() ? 0 : v.toInt64();
    }
    qint64 Suma(const db::Value& tipo) { return Suma(QStringLiteral("?"), {tipo}); }

    qint64 Censo(const db::Value& tipo) { return con.Query(kCenso, {tipo}).value(0).toInt64(); }

    // The sums of every type against the census queries, and the kept rows.
    void Comprobar(const char* despues)
    {
        for (const db::Value& tipo : {db::Value(qint64(1)), db::Value(qint64(2)), db::Value(qint64(3)),
                                      db::Value(QStringLiteral("2"))})
            EXPECT_EQ(Suma(tipo), Censo(tipo)) << "tipo " << qPrintable(Texto(tipo)) << " tras " << despues;
        for (int tipo : {1, 2, 3})
            EXPECT_EQ(Suma(QString::number(tipo), {}), Censo(db::Value(qint64(tipo))))
                << "tipo " << tipo << " escrito, tras " << despues;
        EXPECT_EQ(Guardados(), Contados()) << "tras " << despues;
    }

    // The count gone whole, table and triggers, as on an older file.
    void Quitar()
    {
        QStringList disparadores;
        {
            db::SqliteStatement st(con.handle(), "SELECT name FROM sqlite_master WHERE type = 'trigger' AND "
                                                 "name LIKE 'Recuento%'");
            while (st.step())
                disparadores << st.text(0);
        }
        EXPECT_EQ(disparadores.size(), 6);
        for (const QString& d : disparadores)
            db::SqliteStatement::exec(con.handle(), QStringLiteral("DROP TRIGGER [%1]").arg(d));
        db::SqliteStatement::exec(con.handle(), QStringLiteral("DROP TABLE Recuento_Institucion_TipoPersona"));
    }

    BasesVacias bases;
    db::Connection con;
};

QString Persona(int id, const char* institucion)
{
    return QStringLiteral("INSERT INTO Padron (IDPadron, Nombre, CodInstitucionEmpadronado) VALUES (%1, 'P%1', %2)")
        .arg(id)
        .arg(QString::fromLatin1(institucion));
}

QString Tipo(const char* persona, const char* tipo)
{
    return QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (%1, %2)")
        .arg(QString::fromLatin1(persona), QString::fromLatin1(tipo));
}

const QList<Paso>& Pasos()
{
    static const QList<Paso> pasos = {
        {"dos instituciones",
         {"INSERT INTO Institucion (IDInstitucion, Nombre) VALUES (1, 'A')",
          "INSERT INTO Institucion (IDInstitucion, Nombre) VALUES (2, 'B')"}},
        {"una persona y su tipo", {Persona(1, "1"), Tipo("1", "2")}},
        {"un tipo antes que su persona", {Tipo("2", "2"), Tipo("2", "1")}},
        {"la persona de ese tipo", {Persona(2, "1")}},
        {"la misma persona con el mismo tipo otra vez", {Tipo("1", "2")}},
        {"una persona sin institución", {Persona(3, "NULL"), Tipo("3", "2"), Tipo("3", "3")}},
        {"una persona de una institución que no existe", {Persona(4, "99"), Tipo("4", "2"), Tipo("4", "1")}},
        {"la institución que faltaba", {"INSERT INTO Institucion (IDInstitucion, Nombre) VALUES (99, 'Z')"}},
        {"un tipo Null", {Tipo("1", "NULL")}},
        {"un tipo sin persona", {Tipo("NULL", "2")}},
        {"otra institución", {"UPDATE Padron SET CodInstitucionEmpadronado = 2 WHERE IDPadron = 1"}},
        {"la institución a Null", {"UPDATE Padron SET CodInstitucionEmpadronado = NULL WHERE IDPadron = 2"}},
        {"la institución desde Null", {"UPDATE Padron SET CodInstitucionEmpadronado = 1 WHERE IDPadron = 3"}},
        {"otra columna de la persona", {"UPDATE Padron SET Nombre = 'X', Telefono = '1'"}},
        {"otro tipo", {"UPDATE Padron_TipoPersona SET CodTipoPersona = 3 WHERE CodPadron = 4 AND CodTipoPersona = 1"}},
        {"el tipo a Null y otra persona",
         {"UPDATE Padron_TipoPersona SET CodTipoPersona = NULL WHERE CodPadron = 3 AND CodTipoPersona = 3",
          "UPDATE Padron_TipoPersona SET CodPadron = 1 WHERE CodPadron = 3"}},
        {"el tipo desde Null", {"UPDATE Padron_TipoPersona SET CodTipoPersona = 1 WHERE CodTipoPersona IS NULL"}},
        {"otra persona para el tipo sin persona",
         {"UPDATE Padron_TipoPersona SET CodPadron = 4 WHERE CodPadron IS NULL"}},
        {"otro id de la persona", {"UPDATE Padron SET IDPadron = 10 WHERE IDPadron = 1", Tipo("10", "2")}},
        {"el id de vuelta", {"UPDATE Padron SET IDPadron = 1 WHERE IDPadron = 10"}},
        {"la persona borrada antes que sus tipos",
         {"DELETE FROM Padron WHERE IDPadron = 1", "DELETE FROM Padron_TipoPersona WHERE CodPadron = 1"}},
        {"los tipos borrados antes que su persona",
         {"DELETE FROM Padron_TipoPersona WHERE CodPadron = 4", "DELETE FROM Padron WHERE IDPadron = 4"}},
        {"una institución borrada", {"DELETE FROM Institucion WHERE IDInstitucion = 2"}},
        {"muchas personas a la vez",
         {"INSERT INTO Padron (Nombre, CodInstitucionEmpadronado) SELECT Nombre, 99 FROM Padron",
          "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) SELECT IDPadron, 2 FROM Padron",
          "UPDATE Padron SET CodInstitucionEmpadronado = 1 WHERE IDPadron > 3",
          "UPDATE Padron_TipoPersona SET CodTipoPersona = 3 WHERE CodPadron > 5"}},
        {"valores que no son números",
         {},
         {"UPDATE Padron SET CodInstitucionEmpadronado = 'x' WHERE IDPadron = 3",
          "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (2, 2.5)",
          "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES ('2', '2')",
          "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES ('dos', 2)",
          "INSERT INTO Padron (IDPadron, Nombre, CodInstitucionEmpadronado) VALUES (50, 'P50', '99')"}},
        {"el id por el row id", {}, {"UPDATE Padron SET rowid = 60 WHERE IDPadron = 2"}},
        {"la institución que era texto", {"UPDATE Padron SET CodInstitucionEmpadronado = 1 WHERE IDPadron = 3"}},
        {"todos los tipos borrados", {"DELETE FROM Padron_TipoPersona WHERE CodTipoPersona = 2"}},
        {"todo borrado", {"DELETE FROM Padron_TipoPersona", "DELETE FROM Padron"}},
    };
    return pasos;
}

TEST_F(RecuentoCenso, ANewParishDatabaseHasItWhole)
{
    EXPECT_TRUE(HayRecuentoCenso(con.handle()));
    EXPECT_FALSE(CrearRecuentoCenso(con));
    // A derived table: no layout description has it, no reading of the
    // layout shows it.
    EXPECT_TRUE(CompararEstructura(EsquemaDuzediv(), LeerEstructura(con)).isEmpty());
    EXPECT_EQ(EsquemaDuzediv().tabla(TABLA_RECUENTO_CENSO), nullptr);
}

TEST_F(RecuentoCenso, EveryChangeKeepsTheSumTheCensusCount)
{
    Comprobar("nada");
    for (const Paso& paso : Pasos()) {
        Aplicar(paso);
        Comprobar(paso.nombre);
        ASSERT_TRUE(HayRecuentoCenso(con.handle())) << paso.nombre;
    }
}

// Made on a database with persons already, at each point of the sequence:
// the full count gives what the triggers would have kept.
TEST_F(RecuentoCenso, MadeLaterItCountsWhatIsThere)
{
    for (const Paso& paso : Pasos()) {
        Quitar();
        ASSERT_FALSE(HayRecuentoCenso(con.handle()));
        Aplicar(paso);
        ASSERT_TRUE(CrearRecuentoCenso(con)) << paso.nombre;
        ASSERT_TRUE(HayRecuentoCenso(con.handle()));
        Comprobar(paso.nombre);
    }
}

TEST_F(RecuentoCenso, ATableRebuiltLosesItsTriggersAndTheCountIsMadeAgain)
{
    for (const Paso& paso : Pasos().mid(0, 8))
        Aplicar(paso);
    // A column added in place keeps every trigger.
    con.Execute(QStringLiteral("ALTER TABLE Padron ADD COLUMN Extra INT"));
    EXPECT_TRUE(HayRecuentoCenso(con.handle()));
    // A rebuild drops the table's own triggers: the count is not whole.
    con.Execute(QStringLiteral("ALTER TABLE Padron ALTER COLUMN Extra SMALLINT"));
    EXPECT_FALSE(HayRecuentoCenso(con.handle()));
    con.Exec(Tipo("2", "2"));
    EXPECT_TRUE(CrearRecuentoCenso(con));
    EXPECT_TRUE(HayRecuentoCenso(con.handle()));
    Comprobar("Padron rehecha");
    con.Execute(QStringLiteral("ALTER TABLE Padron_TipoPersona ALTER COLUMN CodTipoPersona SMALLINT"));
    EXPECT_FALSE(HayRecuentoCenso(con.handle()));
    con.Exec(Persona(7, "1"));
    EXPECT_TRUE(CrearRecuentoCenso(con));
    Comprobar("Padron_TipoPersona rehecha");
    for (const Paso& paso : Pasos().mid(8)) {
        Aplicar(paso);
        Comprobar(paso.nombre);
    }
}

TEST_F(RecuentoCenso, WithoutTheCensusTablesNothingIsMade)
{
    db::Connection otra = bases.nueva(QStringLiteral("Otra.mdb"));
    otra.Execute(QStringLiteral("CREATE TABLE Padron (IDPadron COUNTER PRIMARY KEY, Nombre TEXT(40))"));
    otra.Execute(QStringLiteral("CREATE TABLE Padron_TipoPersona (CodPadron INT, CodTipoPersona INT)"));
    EXPECT_FALSE(CrearRecuentoCenso(otra));
    EXPECT_FALSE(HayRecuentoCenso(otra.handle()));
}

} // namespace
