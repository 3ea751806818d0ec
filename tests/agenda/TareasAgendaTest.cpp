#include "AgendaFixture.h"

#include "agenda/TareasAgenda.h"

namespace {

using TareasAgendaTest = AgendaFixture;

QStringList Resumen(CursorTareas tareas)
{
    QStringList r;
    TareaAgenda t;
    while (tareas.Siguiente(t))
        r << QStringLiteral("%1 %2 %3").arg(t.Fecha, t.HoraInicio, t.Nombre);
    return r;
}

TEST_F(TareasAgendaTest, ADayComesByStartThenByIdAndAMonthStopsAtItsOwnDays)
{
    Insertar(QStringLiteral("20240229"), QStringLiteral("1800"), QStringLiteral("1900"), QStringLiteral("Boda"));
    Insertar(QStringLiteral("20240229"), QStringLiteral("0900"), QStringLiteral("1000"), QStringLiteral("b"));
    Insertar(QStringLiteral("20240229"), QStringLiteral("0900"), QStringLiteral("1000"), QStringLiteral("A"));
    Insertar(QStringLiteral("20240201"), QStringLiteral("1200"), QStringLiteral("1300"), QStringLiteral("Primera"));
    Insertar(QStringLiteral("20240131"), QStringLiteral("1200"), QStringLiteral("1300"), QStringLiteral("Enero"));
    Insertar(QStringLiteral("20240301"), QStringLiteral("1200"), QStringLiteral("1300"), QStringLiteral("Marzo"));
    Insertar(QStringLiteral("20230215"), QStringLiteral("1200"), QStringLiteral("1300"), QStringLiteral("Otro año"));
    TareasAgenda tareas(con);

    EXPECT_EQ(Resumen(tareas.DelDia(QDate(2024, 2, 29))),
              (QStringList{QStringLiteral(" 0900 b"), QStringLiteral(" 0900 A"), QStringLiteral(" 1800 Boda")}));
    EXPECT_EQ(Resumen(tareas.DelMes(2024, 2)),
              (QStringList{QStringLiteral("20240201 1200 Primera"), QStringLiteral("20240229 0900 A"),
                           QStringLiteral("20240229 0900 b"), QStringLiteral("20240229 1800 Boda")}));
    EXPECT_EQ(tareas.DelDia(QDate(2024, 2, 28)).Cuenta(), 0);
}

TEST_F(TareasAgendaTest, TitlesAreValuesNeverSql)
{
    TareasAgenda tareas(con);
    const QString titulo = QStringLiteral("Misa \"de\" O'Hara; DELETE FROM Tareas");
    const qint32 id = tareas.InsertarProvisional(QDate(2024, 3, 15), QStringLiteral("0900"), QStringLiteral("1000"));
    const qint32 otra = tareas.InsertarProvisional(QDate(2024, 3, 15), QStringLiteral("1100"), QStringLiteral("1200"));
    EXPECT_GT(otra, id);
    ASSERT_TRUE(tareas.ActualizarTexto(id, titulo, QStringLiteral("Con \"comillas\"")));
    EXPECT_EQ(Fila(id), QStringLiteral("20240315 0900-1000 %1|Con \"comillas\"").arg(titulo));
    EXPECT_TRUE(tareas.ExisteTitulo(titulo, QStringLiteral("20240315"), otra));
    EXPECT_EQ(ContarTareas(), 2);
}

TEST_F(TareasAgendaTest, ADuplicateTitleIsAnotherTaskOfThatDayAsTheDatabaseComparesTexts)
{
    const qint32 misa = Insertar(QStringLiteral("20240315"), QStringLiteral("0900"), QStringLiteral("1000"),
                                 QStringLiteral("Misa Mayor"));
    Insertar(QStringLiteral("20240316"), QStringLiteral("0900"), QStringLiteral("1000"), QStringLiteral("Bautizo"));
    TareasAgenda tareas(con);
    EXPECT_TRUE(tareas.ExisteTitulo(QStringLiteral("MISA mayor"), QStringLiteral("20240315"), 0));
    EXPECT_FALSE(tareas.ExisteTitulo(QStringLiteral("Misa Mayor"), QStringLiteral("20240315"), misa));
    EXPECT_FALSE(tareas.ExisteTitulo(QStringLiteral("Bautizo"), QStringLiteral("20240315"), 0));
}

TEST_F(TareasAgendaTest, WritesOnAMissingRowSaySo)
{
    TareasAgenda tareas(con);
    EXPECT_FALSE(tareas.ActualizarTexto(42, QStringLiteral("Misa"), {}));
    EXPECT_FALSE(tareas.ActualizarHoras(42, QStringLiteral("0900"), QStringLiteral("1000")));
    EXPECT_FALSE(tareas.Borrar(42));
    EXPECT_FALSE(tareas.Leer(42).has_value());
    EXPECT_EQ(ContarTareas(), 0);
}

} // namespace
