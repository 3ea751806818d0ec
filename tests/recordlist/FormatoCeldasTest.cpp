#include "platform/vb/Currency.h"
#include "platform/vb/VbError.h"
#include "recordlist/FormatoCeldas.h"

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

} // namespace
