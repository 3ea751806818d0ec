// The recording double the printing tests rely on: what it records.
#include "BaseInformesPrueba.h"
#include "DobleControlInforme.h"

#include "platform/report/ErroresInforme.h"
#include "support/QtPrinters.h"

namespace {

using dobles::DobleControlInforme;

class DobleControlInformeTest : public BaseInformesPrueba {};

TEST_F(DobleControlInformeTest, RecordsSettingsCallsAndTheWorkTablesAtThePrint)
{
    persona(1, QStringLiteral("Begoña"), QStringLiteral("Núñez"), {}, {}, 12.5);
    DobleControlInforme c;
    c.setReportFileName(carpeta() + QStringLiteral("\\infDO_Etiqueta.rpt"));
    c.setPassword(clave());
    c.setDataFiles(0, carpeta() + QStringLiteral("\\informes.mdb"));
    c.setEngineSetting67(2);
    c.setWindowTitle(QStringLiteral("Informe de etiquetas"));
    c.setMarginTop(850);
    c.setMarginLeft(1418);
    c.setFormulas(1, QStringLiteral("PtsEur=2"));
    c.setSortFields(0, QStringLiteral("+{Etiquetas.Orden}"));
    c.PrintReport();
    con().Execute(QStringLiteral("DELETE FROM Personas"));
    c.setSortFields(0, QString());

    EXPECT_EQ(c.LastErrorNumber(), 0) << c.LastErrorString().toStdString();
    ASSERT_EQ(c.impresiones().size(), 1);
    const dobles::ImpresionGrabada& i = c.ultima();
    EXPECT_EQ(i.titulo, QStringLiteral("Informe de etiquetas"));
    EXPECT_EQ(i.ajuste67, 2);
    EXPECT_EQ(i.margenSuperior, 850);
    EXPECT_EQ(i.margenIzquierdo, 1418);
    EXPECT_EQ(i.formulas, (QMap<int, QString>{{1, QStringLiteral("PtsEur=2")}}));
    EXPECT_EQ(i.orden, (QMap<int, QString>{{0, QStringLiteral("+{Etiquetas.Orden}")}}));
    EXPECT_EQ(i.filas(QStringLiteral("personas")).size(), 1);
    EXPECT_EQ(i.texto(QStringLiteral("Personas"), 0, QStringLiteral("nombre")), QStringLiteral("Begoña"));
    EXPECT_EQ(i.texto(QStringLiteral("Personas"), 0, QStringLiteral("Importe")), QStringLiteral("12,5"));
    EXPECT_TRUE(i.filas(QStringLiteral("Hijos")).isEmpty());
    EXPECT_EQ(c.llamadas().mid(0, 3),
              (QStringList{QStringLiteral("setReportFileName(%1\\infDO_Etiqueta.rpt)").arg(carpeta()),
                           QStringLiteral("setPassword(%1)").arg(clave()),
                           QStringLiteral("setDataFiles(0, %1\\informes.mdb)").arg(carpeta())}));
    EXPECT_EQ(c.llamadas().mid(9),
              (QStringList{QStringLiteral("PrintReport()"), QStringLiteral("setSortFields(0, )")}));
}

TEST_F(DobleControlInformeTest, EndsWithTheEngineErrorsOfABadDatabaseOrAPlannedFailure)
{
    DobleControlInforme c;
    c.setDataFiles(0, base());
    c.setPassword(QStringLiteral("\nequivocada"));
    c.PrintReport();
    EXPECT_EQ(c.LastErrorNumber(), report::err::BaseDatos);

    c.setPassword(clave());
    c.fallarProximaImpresion(20599, QStringLiteral("fallo"));
    c.PrintReport();
    EXPECT_EQ(c.LastErrorNumber(), 20599);
    EXPECT_EQ(c.impresiones().size(), 2);
    c.PrintReport();
    EXPECT_EQ(c.LastErrorNumber(), 0);
}

} // namespace
