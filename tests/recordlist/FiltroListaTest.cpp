#include "platform/ui/UiConstants.h"
#include "platform/vb/Currency.h"
#include "platform/vb/VbError.h"
#include "recordlist/FiltroLista.h"
#include "recordlist/cListaPrincipal.h"
#include "support/TestEnvironment.h"

#include "ReportesGrabados.h"

#include <gtest/gtest.h>

namespace {

using Clase = FiltroLista::Condicion::Clase;

// --- Merging conditions into a query -----------------------------------------

struct CasoMezcla {
    const char* sentencia;
    const char* condiciones;
    QStringList lineas;
};

class Mezcla : public ::testing::TestWithParam<CasoMezcla> {};

TEST_P(Mezcla, PutsTheConditionsIntoTheWhereClause)
{
    const CasoMezcla& c = GetParam();
    QString sql = QString::fromUtf8(c.sentencia);
    QString condiciones = QString::fromUtf8(c.condiciones);
    EXPECT_EQ(cListaPrincipal::TratarSentenciaSQL(sql, condiciones), c.lineas.join(QStringLiteral("\r\n")));
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Ejemplos, Mezcla,
    ::testing::Values(
        CasoMezcla{"SELECT Codigo, Nombre, IDBanco FROM Banco ORDER BY Codigo", "AND Banco.Codigo = 21",
                   {"SELECT Codigo, Nombre, IDBanco ", "FROM Banco ", "WHERE Banco.Codigo = 21 ", "ORDER BY Codigo "}},
        CasoMezcla{"SELECT a, b FROM T WHERE x = 1 ORDER BY a", "AND T.b = 2",
                   {"SELECT a, b ", "FROM T ", "WHERE x = 1 AND T.b = 2 ", "ORDER BY a "}},
        CasoMezcla{"SELECT a, COUNT(*) FROM T GROUP BY a ORDER BY a", "AND T.c = 1",
                   {"SELECT a, COUNT(*) ", "FROM T ", "WHERE T.c = 1 ", "GROUP BY a ", "ORDER BY a "}},
        CasoMezcla{"SELECT a FROM T WHERE b = 2", "", {"SELECT a ", "FROM T ", "WHERE b = 2  ", " "}},
        CasoMezcla{"SELECT a FROM T", "", {"SELECT a ", "FROM T ", " "}},
        // Line ends of a stored query count as blanks.
        CasoMezcla{"SELECT a\r\nFROM T\r\nWHERE b = ?\r\nORDER BY a", "AND T.c LIKE ? ",
                   {"SELECT a ", "FROM T ", "WHERE b = ? AND T.c LIKE ? ", "ORDER BY a "}},
        // Keywords are found in any letter case, and the last FROM may be a
        // sub-query's: the merge is textual.
        CasoMezcla{"select a from T inner join (select c from U) as V on T.k = V.c order by a", "AND T.d = 1",
                   {"select a from T inner join (select c ", "from U) as V on T.k = V.c ", "WHERE T.d = 1 ",
                    "order by a "}}));

TEST(Mezcla, ChangesBothArgumentsInPlace)
{
    QString sql = QStringLiteral("SELECT a\r\nFROM T");
    QString condiciones = QStringLiteral("AND T.x = 1");
    cListaPrincipal::TratarSentenciaSQL(sql, condiciones);
    EXPECT_EQ(sql, QStringLiteral("SELECT a  FROM T"));
    EXPECT_EQ(condiciones, QStringLiteral(" T.x = 1"));
}

struct CasoMezclaMala {
    const char* sentencia;
    const char* condiciones;
    const char* descripcion;
};

class MezclaMala : public ::testing::TestWithParam<CasoMezclaMala> {};

TEST_P(MezclaMala, ReportsAndGivesAnEmptyStatement)
{
    const CasoMezclaMala& c = GetParam();
    ReportesGrabados grabados;
    QString sql = QString::fromUtf8(c.sentencia);
    QString condiciones = QString::fromUtf8(c.condiciones);
    EXPECT_EQ(cListaPrincipal::TratarSentenciaSQL(sql, condiciones), QString());
    EXPECT_EQ(testsupport::scriptedUi().beepCount(), 1);
    ASSERT_EQ(grabados.reportes.size(), 1);
    const auto& r = grabados.reportes.first();
    EXPECT_EQ(r.descripcion, QString::fromUtf8(c.descripcion));
    EXPECT_EQ(r.procedimiento, QStringLiteral("TratarSentenciaSQL"));
    EXPECT_EQ(r.modulo, QStringLiteral("frmPrincipal"));
    EXPECT_EQ(r.proyecto, QStringLiteral("NorviaParvanta2000.exe"));
}

INSTANTIATE_TEST_SUITE_P(
    Fallos, MezclaMala,
    ::testing::Values(
        CasoMezclaMala{"SELECT a FROM T", "T.x = 1",
                       "¡ Las condiciones pasadas para la clausula WHERE no tienen el formato permitido !"},
        CasoMezclaMala{"SELECT a FROM T", "OR T.x = 1",
                       "¡ Las condiciones pasadas para la clausula WHERE no tienen el formato permitido !"},
        CasoMezclaMala{"UPDATE T SET a = 1", "",
                       "¡ La sentencia SQL enviada no tiene cláusula SELECT o cláusula FROM !"},
        CasoMezclaMala{"SELECT a", "AND T.x = 1",
                       "¡ La sentencia SQL enviada no tiene cláusula SELECT o cláusula FROM !"}));

TEST(Mezcla, AKeywordBeforeTheOneItFollowsRaises)
{
    QString sql = QStringLiteral("SELECT a ORDER BY b FROM T");
    QString condiciones;
    try {
        cListaPrincipal::TratarSentenciaSQL(sql, condiciones);
        ADD_FAILURE() << "sin error";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), vb::ErrInvalidCall);
    }
}

// --- Yes/No conditions --------------------------------------------------------

struct CasoBooleano {
    const char* texto;
    const char* esperado;
};

class Booleano : public ::testing::TestWithParam<CasoBooleano> {};

TEST_P(Booleano, ChoosesTheConditionByTheTypedWord)
{
    EXPECT_EQ(cListaPrincipal::CondicionBooleana(QStringLiteral("Bautismo.Anulada"), QString::fromUtf8(GetParam().texto),
                                                 QStringLiteral("si"), QStringLiteral("no")),
              QString::fromUtf8(GetParam().esperado));
}

INSTANTIATE_TEST_SUITE_P(
    Palabras, Booleano,
    ::testing::Values(CasoBooleano{"si", "AND Bautismo.Anulada = True "},
                      CasoBooleano{"SI", "AND Bautismo.Anulada = True "},
                      CasoBooleano{"No", "AND Bautismo.Anulada = False "},
                      CasoBooleano{"SÍ", "AND Bautismo.Anulada <> True AND Bautismo.Anulada <> False "},
                      CasoBooleano{"quizá", "AND Bautismo.Anulada <> True AND Bautismo.Anulada <> False "}));

// --- The condition of one filter cell ----------------------------------------

struct CasoCondicion {
    const char* fuente;
    qint16 tipo;
    const char* texto;
    const char* condicion;   // empty: no condition
    QList<db::Value> params;
    bool euros = false;
};

class CondicionPorTipo : public ::testing::TestWithParam<CasoCondicion> {};

TEST_P(CondicionPorTipo, BuildsTheConditionWithBoundValues)
{
    const CasoCondicion& c = GetParam();
    const auto r = FiltroLista::CondicionColumna(
        {QString::fromUtf8(c.texto), QStringLiteral("Columna"), QString::fromUtf8(c.fuente), c.tipo}, c.euros);
    const QString esperada = QString::fromUtf8(c.condicion);
    EXPECT_EQ(r.clase, esperada.isEmpty() ? Clase::Ninguna : Clase::Condicion);
    EXPECT_EQ(r.texto, esperada);
    EXPECT_EQ(r.params, c.params);
}

const db::Value Euros(double v)
{
    return db::Value(vb::Currency::fromDouble(v));
}

INSTANTIATE_TEST_SUITE_P(
    Tipos, CondicionPorTipo,
    ::testing::Values(
        CasoCondicion{"Padron.PrimerApellido", 202, "Pérez", "AND Padron.PrimerApellido LIKE ? ", {db::Value("%Pérez%")}},
        // Typed quotes and pattern characters are searched as they are.
        CasoCondicion{"Padron.Nombre", 202, "O\"Neil", "AND Padron.Nombre LIKE ? ", {db::Value("%O\"Neil%")}},
        CasoCondicion{"Padron.Nombre", 203, "50%_x", "AND Padron.Nombre LIKE ? ", {db::Value("%50[%][_]x%")}},
        CasoCondicion{"Recibo.Fecha", 202, "5/3/2005", "AND Recibo.Fecha LIKE ? ", {db::Value("%20050305%")}},
        CasoCondicion{"Libro_Bautismo.FechaCreacion", 202, "14-03-2005", "AND Libro_Bautismo.FechaCreacion LIKE ? ",
                      {db::Value("%20050314%")}},
        CasoCondicion{"Banco.Codigo", 3, "21", "AND Banco.Codigo = ? ", {Euros(21)}},
        CasoCondicion{"Recibo.Importe", 6, "12,5", "AND Recibo.Importe = ? ", {Euros(12.5)}},
        CasoCondicion{"Recibo.Importe", 6, "1.234,5", "AND Recibo.ImporteEur = ? ", {Euros(1234.5)}, true},
        CasoCondicion{"Remesa.ImporteTotal", 5, "3", "AND Remesa.ImporteTotalEur = ? ", {Euros(3)}, true},
        CasoCondicion{"Cuenta.PresupuestoTotal", 202, "100", "AND CCur(Cuenta.PresupuestoTotal) = ? ", {Euros(100)}},
        CasoCondicion{"Cuenta.PresupuestoTotal", 202, "100", "AND CCur(Cuenta.PresupuestoTotalEuros) = ? ", {Euros(100)},
                      true},
        CasoCondicion{"Bautismo.Anulada", 11, "si", "AND Bautismo.Anulada = True ", {}},
        CasoCondicion{"Libro_Defuncion.Cerrado", 11, "ABIERTO", "AND Libro_Defuncion.Cerrado = False ", {}},
        CasoCondicion{"Empresa.EjercicioCerrado", 11, "cerrado", "AND Empresa.EjercicioCerrado = True ", {}},
        // Yes/No columns outside the table, other types and failed probes are ignored.
        CasoCondicion{"Recibo.PagoBanco", 11, "si", "", {}},
        CasoCondicion{"Imagen.Datos", 205, "x", "", {}},
        CasoCondicion{"Tabla.Campo", 0, "x", "", {}},
        CasoCondicion{"Banco.Codigo", 3, "", "", {}}));

struct CasoRechazo {
    const char* fuente;
    qint16 tipo;
    const char* texto;
    const char* mensaje;
    int estilo;
};

class Rechazo : public ::testing::TestWithParam<CasoRechazo> {};

TEST_P(Rechazo, StopsWithItsMessage)
{
    const CasoRechazo& c = GetParam();
    const auto r = FiltroLista::CondicionColumna(
        {QString::fromUtf8(c.texto), QStringLiteral("Importe total"), QString::fromUtf8(c.fuente), c.tipo}, false);
    EXPECT_EQ(r.clase, Clase::Rechazo);
    EXPECT_EQ(r.mensaje, QString::fromUtf8(c.mensaje));
    EXPECT_EQ(r.estilo, c.estilo);
}

INSTANTIATE_TEST_SUITE_P(
    Mensajes, Rechazo,
    ::testing::Values(
        CasoRechazo{"[Formula]", 0, "3", "¡El campo 'Importe total' no está habilitado para hacer búsquedas!", ui::vbInformation},
        CasoRechazo{"[FORMULA]", 3, "3", "¡El campo 'Importe total' no está habilitado para hacer búsquedas!", ui::vbInformation},
        CasoRechazo{"Remesa.ImporteTotal", 6, "doce", "¡Debe introducir un valor numérico para el campo 'Importe total'!",
                    ui::vbExclamation},
        CasoRechazo{"Cuenta.PresupuestoTotal", 202, "1,2,3",
                    "¡Debe introducir un valor numérico para el campo 'Importe total'!", ui::vbExclamation},
        CasoRechazo{"Recibo.Fecha", 202, "31/02/2005", "¡Debe introducir una fecha válida para el campo 'Importe total'!",
                    ui::vbExclamation},
        CasoRechazo{"Remesa.fecha", 203, "mañana", "¡Debe introducir una fecha válida para el campo 'Importe total'!",
                    ui::vbExclamation}));

TEST(PatronContiene, EveryWildcardIsLiteral)
{
    EXPECT_EQ(FiltroLista::PatronContiene(QStringLiteral("a*b?c#d[e]f")), QStringLiteral("%a[*]b[?]c[#]d[[]e]f%"));
    EXPECT_EQ(FiltroLista::PatronContiene(QString()), QStringLiteral("%%"));
}

} // namespace
