#include "ListaFixture.h"

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/Recordset.h"
#include "platform/vb/Currency.h"
#include "platform/vb/VbError.h"
#include "recordlist/FormatoCeldas.h"

#include "platform/widgets/NvList.h"

#include <QAbstractItemDelegate>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CasoFormato {
    const char* tipo;
    int campo;
    db::Value valor;
    const char* esperado;
    AjustesFormato ajustes = {};
};

// A record of 13 fields holding their own position, with `valor` at
// `campo`; books read their id from field 6.
QList<db::Value> Registro(int campo, const db::Value& valor)
{
    QList<db::Value> r;
    for (int i = 0; i < 13; ++i)
        r.append(db::Value(i));
    r[campo] = valor;
    return r;
}

class FormatoPorTipo : public ::testing::TestWithParam<CasoFormato> {};

TEST_P(FormatoPorTipo, RewritesTheFieldOfItsKind)
{
    const CasoFormato& c = GetParam();
    QList<db::Value> r = Registro(c.campo, c.valor);
    FormatoCeldas::Formatear(QString::fromUtf8(c.tipo), r, c.ajustes, [](const QString&, const db::Value&) { return 0L; });
    EXPECT_EQ(r.at(c.campo).toString(), QString::fromUtf8(c.esperado));
}

const AjustesFormato kPesetasDonativos{true, false, false};
const AjustesFormato kPesetasContabilidad{false, true, false};
const AjustesFormato kConsolidacion{false, false, true};
const db::Value kFalso(false);
const db::Value kVerdadero(true);

INSTANTIATE_TEST_SUITE_P(
    Tabla, FormatoPorTipo,
    ::testing::Values(
        CasoFormato{"Recibo", 2, db::Value("20050314"), "14/03/2005"},
        CasoFormato{"Recibo", 2, db::Value(), "//"},
        CasoFormato{"Recibo", 8, db::Value(1234.56), "1.234,56"},
        CasoFormato{"Recibo", 8, db::Value(vb::Currency::fromDouble(1234.56)), "1.235", kPesetasDonativos},
        CasoFormato{"Recibo", 8, db::Value(1234.56), "1.234,56", kPesetasContabilidad},
        CasoFormato{"Recibo", 8, db::Value(), ""},
        CasoFormato{"Remesa", 0, db::Value("19991231"), "31/12/1999"},
        CasoFormato{"Remesa", 4, db::Value(0.5), "0,50"},
        CasoFormato{"LibrosBautismo", 2, kFalso, "Antiguo"},
        CasoFormato{"LibrosConfirmacion", 2, kVerdadero, "Nuevo"},
        CasoFormato{"LibrosMatrimonio", 3, kFalso, "Abierto"},
        CasoFormato{"LibrosDefuncion", 3, db::Value(), "Cerrado"},
        CasoFormato{"LibrosDefuncion", 4, db::Value("20000101"), "01/01/2000"},
        CasoFormato{"PartidasBautismo", 2, kFalso, "Antiguo"},
        CasoFormato{"PartidasConfirmacion", 8, db::Value("20010203"), "03/02/2001"},
        CasoFormato{"PartidasDefuncion", 8, db::Value("---"), "---"},
        CasoFormato{"PartidasBautismo", 9, kFalso, "No"},
        CasoFormato{"PartidasBautismo", 9, kVerdadero, "Si"},
        CasoFormato{"PartidasMatrimonio", 11, db::Value("---"), "---"},
        CasoFormato{"PartidasMatrimonio", 11, db::Value("20100630"), "30/06/2010"},
        CasoFormato{"PartidasMatrimonio", 12, kFalso, "No"},
        CasoFormato{"PartidasMatrimonio", 9, kFalso, "Falso"},
        CasoFormato{"Empresas", 3, kFalso, "Abierto"},
        CasoFormato{"Empresas", 3, kVerdadero, "Cerrado"},
        CasoFormato{"Empresas", 4, kFalso, "Abierto", kConsolidacion},
        CasoFormato{"Empresas", 3, kFalso, "Falso", kConsolidacion},
        CasoFormato{"Asientos", 3, db::Value("20050101"), "01/01/2005"},
        CasoFormato{"Asientos", 5, db::Value(-12.5), "-12,50"},
        CasoFormato{"Asientos", 5, db::Value(-12.5), "-13", kPesetasContabilidad},
        CasoFormato{"Asientos", 5, db::Value(1999.5), "1.999,50", kPesetasDonativos},
        CasoFormato{"Presupuesto", 1, db::Value(1000000.0), "1.000.000,00"},
        CasoFormato{"Banco", 2, kFalso, "Falso"},
        CasoFormato{"recibo", 2, db::Value("20050314"), "20050314"}));

TEST(FormatoCeldas, BooksShowTheirNumberOfEntries)
{
    QList<db::Value> r = Registro(6, db::Value(77));
    QString tabla;
    db::Value libro;
    FormatoCeldas::Formatear(QStringLiteral("LibrosMatrimonio"), r, {}, [&](const QString& t, const db::Value& id) {
        tabla = t;
        libro = id;
        return 12L;
    });
    EXPECT_EQ(tabla, QStringLiteral("Matrimonio"));
    EXPECT_EQ(libro.toInt64(), 77);
    EXPECT_EQ(r.at(5).toString(), QStringLiteral("12"));
}

TEST(FormatoCeldas, ARecordTooShortForItsKindRaises)
{
    QList<db::Value> r = {db::Value("a"), db::Value("b")};
    EXPECT_THROW(FormatoCeldas::Formatear(QStringLiteral("Recibo"), r, {}, {}), vb::VbError);
    QList<db::Value> corto = {db::Value("a")};
    EXPECT_NO_THROW(FormatoCeldas::Formatear(QStringLiteral("Banco"), corto, {}, {}));
}

// The kind each column of a page gets, from a page read as fillGrid reads
// one: typed values straight from the database, before formatting.
class ClasesColumnas : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString ruta = dir.filePath(QStringLiteral("Duzediv.mdb"));
        db::CreateDatabase(ruta);
        con.Open(QStringLiteral("Data Source=") + ruta);
    }

    QList<widgets::NvColumnKind> Clases(const char* tipo, const char* sql, int columnas,
                                        const AjustesFormato& ajustes = {})
    {
        const db::RowBlock pagina = con.Execute(QString::fromUtf8(sql)).GetRows();
        return FormatoCeldas::Clases(QString::fromUtf8(tipo), ajustes, pagina, columnas);
    }

    QTemporaryDir dir;
    db::Connection con;
};

using K = widgets::NvColumnKind;

TEST_F(ClasesColumnas, DatesAmountsWordsAndCountsWhereTheKindFormatsThem)
{
    // A receipt: number, certificate, date, type, three names, institution,
    // amount and the id.
    EXPECT_EQ(Clases("Recibo", "SELECT '000001', '', '20051026', 'Colecta', 'Ana', 'Gil', 'Paz', 'Parroquia', 12.5, 1", 9),
              (QList<K>{K::Text, K::Text, K::Date, K::Text, K::Text, K::Text, K::Text, K::Text, K::Amount}));
    // A book: institution, name, new, closed, created, entries and its id.
    EXPECT_EQ(Clases("LibrosBautismo", "SELECT 'Parroquia', 'L1', -1, 0, '20031026', 5, 1", 6),
              (QList<K>{K::Text, K::Text, K::Word, K::Word, K::Date, K::Number}));
    const AjustesFormato consolidacion{false, false, true};
    EXPECT_EQ(Clases("Empresas", "SELECT 'G', 'AB', 'Empresa', 2005, 0, 1", 5, consolidacion),
              (QList<K>{K::Text, K::Text, K::Text, K::Number, K::Word}));
    // A kind with a format past the shown columns.
    EXPECT_EQ(Clases("Recibo", "SELECT '000001', '', '20051026', 'x', 1", 4), (QList<K>{K::Text, K::Text, K::Date, K::Text}));
}

TEST_F(ClasesColumnas, NumbersWhereThePageHoldsOnlyNumbers)
{
    // A whole number, a number beside a Null, Nulls only, a number beside
    // a text, a text, a text of digits.
    const char* sql = "SELECT 12 AS a, 1.5 AS b, NULL AS c, 3 AS d, 'x' AS e, '7' AS f, 1 AS id "
                      "UNION ALL SELECT 13, NULL, NULL, 'texto', 'y', '8', 2";
    EXPECT_EQ(Clases("Banco", sql, 6), (QList<K>{K::Number, K::Number, K::Text, K::Text, K::Text, K::Text}));
    // A page without values says nothing but the formats.
    EXPECT_EQ(FormatoCeldas::Clases(QStringLiteral("Remesa"), {}, db::RowBlock(), 5),
              (QList<K>{K::Date, K::Text, K::Text, K::Text, K::Amount}));
}

// The seeded book list's "Estado" column is 720 twips: "Abie…" in the
// font of the list, as was its creation date.
class PaginaLibros : public ListaFixture {};

TEST_F(PaginaLibros, ShowsItsDatesWordsAndCountsWholeAtTheStoredWidths)
{
    conLocal.Exec(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia')"));
    conLocal.Exec(QStringLiteral("INSERT INTO Libro_Bautismo (CodInstitucion, Nombre, Nuevo, Cerrado, FechaCreacion) "
                                 "VALUES (1, 'Libro 1', False, False, '20031026')"));
    Clic(22);  // "Libros" of "Bautismo"
    widgets::NvList& l = ventana.lista;
    ASSERT_EQ(l.RowCount(), 1);
    ASSERT_EQ(l.ColumnCount(), 6);
    const QList<K> esperadas = {K::Text, K::Text, K::Word, K::Word, K::Date, K::Number};
    QHeaderView* cabecera = l.View()->horizontalHeader();
    const int margen = cabecera->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, cabecera);
    QStyleOptionViewItem opcion;
    opcion.initFrom(l.View());
    opcion.font = l.View()->font();
    opcion.widget = l.View();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(l.ColumnKind(i), esperadas.at(i)) << i;
        const int titulo = QFontMetrics(cabecera->font()).horizontalAdvance(l.ColumnCaption(i)) + 2 * margen;
        EXPECT_GE(cabecera->sectionSize(i), titulo) << i;
        // What the view's own delegate says the cell needs, and the grid line.
        const int celda = l.View()->itemDelegate()->sizeHint(opcion, l.View()->model()->index(0, i)).width() + 1;
        if (i >= 2) {
            EXPECT_GE(cabecera->sectionSize(i), celda) << i;
        }
    }
    EXPECT_EQ(l.CellText(0, 3), QStringLiteral("Abierto"));
    EXPECT_EQ(l.CellText(0, 4), QStringLiteral("26/10/2003"));
    EXPECT_EQ(l.ColumnWidth(3), 720);
    EXPECT_EQ(l.ColumnWidth(4), 1500);
}

} // namespace
