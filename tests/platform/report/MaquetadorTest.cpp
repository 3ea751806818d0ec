// The page model of a print: what each kind of template lays out, checked on
// the positioned texts of the pages.
#include "BaseInformesPrueba.h"

#include "platform/report/MetricasTexto.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using report::ModeloPaginas;

class MaquetadorTest : public BaseInformesPrueba {
protected:
    // Measures of the templates' text: DejaVu Sans, 10 points.
    static report::EstiloTexto estilo()
    {
        report::EstiloTexto e;
        e.letra = report::Letra::Sans;
        e.puntos = 10;
        return e;
    }
    static double ascenso() { return report::MetricasTexto::Compartidas().ascenso(estilo()); }
    static double altoLinea() { return report::MetricasTexto::Compartidas().altoLinea(estilo()); }
};

const QString kLinea = QStringLiteral(R"(<detalle><texto x="0" y="0" ancho="170">%1</texto></detalle>)");

TEST_F(MaquetadorTest, FieldsAndFormulasAreResolvedWithAccentsAndQuotes)
{
    persona(1, QStringLiteral("Begoña"), QStringLiteral("Núñez"), {}, {}, {}, {}, QStringLiteral("1998"));
    const QString xml = Xml(QStringLiteral(R"(<formula nombre="Título del acto" valor="'Bautizo'"/>
        <formula nombre="EXT - Novia - Cursillo Premat." valor="'---'"/>)")
                            + kLinea.arg(QStringLiteral("{Personas.Nombre} {Personas.Apellido} ({Personas.AÑO}): "
                                                        "{@Título del acto} / {@EXT - Novia - Cursillo Premat.}")));

    EXPECT_EQ(textos(informe(xml)).value(0),
              QStringList{QStringLiteral("Begoña Núñez (1998): Bautizo / ---")});
    // A later entry wins, an undeclared name is passed over, a quote inside
    // a quoted value is written twice.
    const QStringList formulas{QStringLiteral("Título del acto=\"Primera\""),
                               QStringLiteral("Desconocida=5"),
                               QStringLiteral(" Título del acto = \"Bautizo de \"\"Ñico\"\"\""),
                               QStringLiteral("EXT - Novia - Cursillo Premat.= \"Sí, en Peñíscola\"")};
    EXPECT_EQ(textos(informe(xml, formulas)).value(0),
              QStringList{QStringLiteral("Begoña Núñez (1998): Bautizo de \"Ñico\" / Sí, en Peñíscola")});
}

TEST_F(MaquetadorTest, DatesAmountsAndNullsFollowTheirFormats)
{
    // One row per case: the stored date and amount, and what prints.
    struct Caso {
        db::Value fecha;
        db::Value importe;
        const char* impreso;
    };
    const Caso casos[] = {
        {"20070305", 1234.5, "05/03/2007 | 5 de marzo de 2007 | 1.234,50 | 1.235 | 1.234,50"},
        {"20241231", 0.125, "31/12/2024 | 31 de diciembre de 2024 | 0,13 | 0 | 0,13"},
        {"2007-03", -1000000.0, "2007-03 | 2007-03 | -1.000.000,00 | -1.000.000 | -1.000.000,00"},
        {"---", db::Value(), "--- | --- |  |  | "},
        {db::Value(), 7.0, " |  | 7,00 | 7 | 7,00"},
    };
    int orden = 0;
    for (const Caso& c : casos)
        persona(++orden, QStringLiteral("N"), QStringLiteral("A"), {}, c.fecha, c.importe);
    const QString xml =
        Xml(QStringLiteral(R"(<formula nombre="PtsEur" valor="0"/>)")
            + kLinea.arg(QStringLiteral("{Personas.Fecha:fecha} | {Personas.Fecha:fechaLarga} | {Personas.Importe:n2} | "
                                        "{Personas.Importe:n0} | {Personas.Importe:n@PtsEur}")),
            QStringLiteral(R"(<datos tabla="Personas" orden="+{Personas.Orden}"/>)"));

    const QStringList lineas = textos(informe(xml, {QStringLiteral("PtsEur=2")})).value(0);
    ASSERT_EQ(lineas.size(), std::size(casos));
    for (std::size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(lineas[qsizetype(i)].simplified(), QString::fromUtf8(casos[i].impreso).simplified()) << i;

    // Pesetas: no decimals.
    const QStringList pesetas = textos(informe(xml, {QStringLiteral("PtsEur=0")})).value(0);
    EXPECT_TRUE(pesetas.value(0).endsWith(QStringLiteral("| 1.235"))) << pesetas.value(0).toStdString();
}

TEST_F(MaquetadorTest, DefaultAndGivenSortRunInTheDatabasesSpanishOrder)
{
    const QStringList apellidos{QStringLiteral("Zapata"), QStringLiteral("Ñandú"), QStringLiteral("Nuño"),
                                QStringLiteral("Álvarez"), QStringLiteral("Núñez")};
    for (int i = 0; i < apellidos.size(); ++i)
        persona(i + 1, QStringLiteral("N"), apellidos[i]);
    const QString xml = Xml(kLinea.arg(QStringLiteral("{Personas.Apellido}")),
                            QStringLiteral(R"(<datos tabla="Personas" orden="+{Personas.Orden}"/>)"));

    EXPECT_EQ(textos(informe(xml)).value(0), apellidos);
    const QStringList espanol{QStringLiteral("Álvarez"), QStringLiteral("Núñez"), QStringLiteral("Nuño"),
                              QStringLiteral("Ñandú"), QStringLiteral("Zapata")};
    EXPECT_EQ(textos(informe(xml, {}, {QStringLiteral("+{Personas.Apellido}")})).value(0), espanol);
    QStringList inverso = espanol;
    std::reverse(inverso.begin(), inverso.end());
    EXPECT_EQ(textos(informe(xml, {}, {QStringLiteral("-{personas.apellido}")})).value(0), inverso);
}

TEST_F(MaquetadorTest, GroupsHaveHeadersFootersAndSums)
{
    persona(1, QStringLiteral("Ana"), QStringLiteral("A"), QStringLiteral("San Pedro"), {}, 10.25);
    persona(2, QStringLiteral("Luis"), QStringLiteral("B"), QStringLiteral("Santa Ana"), {}, 1000.0);
    persona(3, QStringLiteral("Eva"), QStringLiteral("C"), QStringLiteral("san pedro"), {}, 5.0);
    persona(4, QStringLiteral("Pío"), QStringLiteral("D"), QStringLiteral("Santa Ana"), {}, 224.25);
    const QString xml = Xml(QStringLiteral(R"(
        <formula nombre="PtsEur" valor="2"/>
        <grupo campo="{Personas.Parroquia}">
          <cabecera><texto x="0" y="0" ancho="170">Parroquia {Personas.Parroquia}</texto></cabecera>
          <pie><texto x="0" y="0" ancho="170">Suma {Suma(Personas.Importe):n@PtsEur}</texto></pie>
        </grupo>
        <detalle><texto x="10" y="0" ancho="160">{Personas.Nombre}</texto></detalle>
        <pieInforme><texto x="0" y="0" ancho="170">Total {Suma(Personas.Importe):n@PtsEur}</texto></pieInforme>)"),
                            QStringLiteral(R"(<datos tabla="Personas" orden="+{Personas.Orden}"/>)"));

    // Groups follow the database's order, where "san pedro" and "San Pedro"
    // are one parish; inside a group the template's own order holds.
    EXPECT_EQ(textos(informe(xml)).value(0),
              (QStringList{QStringLiteral("Parroquia San Pedro"), QStringLiteral("Ana"), QStringLiteral("Eva"),
                           QStringLiteral("Suma 15,25"), QStringLiteral("Parroquia Santa Ana"), QStringLiteral("Luis"),
                           QStringLiteral("Pío"), QStringLiteral("Suma 1.224,25"), QStringLiteral("Total 1.239,50")}));
    EXPECT_EQ(textos(informe(xml, {QStringLiteral("PtsEur=0")})).value(0).last(), QStringLiteral("Total 1.240"));
}

TEST_F(MaquetadorTest, OnePagePerRowWithPageNumbers)
{
    for (int i = 1; i <= 3; ++i)
        persona(i, QStringLiteral("Persona %1").arg(i), QStringLiteral("X"));
    const QString xml = Xml(QStringLiteral(R"(
        <piePagina><texto x="0" y="0" ancho="170" alineacion="derecha">Página {#Pagina} de {#Paginas}</texto></piePagina>
        <detalle nuevaPagina="si"><texto x="0" y="0" ancho="170">{Personas.Nombre}</texto></detalle>)"));

    const ModeloPaginas modelo = informe(xml);
    ASSERT_EQ(modelo.paginas.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(modelo.paginas[std::size_t(i)].Textos(),
                  (QStringList{QStringLiteral("Persona %1").arg(i + 1), QStringLiteral("Página %1 de 3").arg(i + 1)}));
    // The footer sits on the bottom margin, right-aligned on the right one.
    const report::TextoPagina* pie = modelo.paginas[0].Buscar(QStringLiteral("Página"));
    ASSERT_NE(pie, nullptr);
    EXPECT_NEAR(pie->origen.x() + pie->ancho, 190, 0.01);
    EXPECT_NEAR(pie->origen.y() - ascenso() + pie->alto, 277, 0.01);
}

TEST_F(MaquetadorTest, LabelGridFillsCellsAcrossThenDownThenPages)
{
    for (int i = 1; i <= 7; ++i)
        persona(i, QStringLiteral("Etiqueta %1").arg(i), QStringLiteral("X"));
    const QString xml = Xml(QStringLiteral(R"(
        <detalle columnas="3" filas="2" anchoCelda="60" altoCelda="40" separacionH="5" separacionV="2">
          <texto x="2" y="3" ancho="56">{Personas.Nombre}</texto>
        </detalle>)"),
                            QStringLiteral(R"(<datos tabla="Personas" orden="+{Personas.Orden}"/>)"));

    const ModeloPaginas modelo = informe(xml);
    ASSERT_EQ(modelo.paginas.size(), 2u);
    for (int i = 0; i < 7; ++i) {
        const int celda = i % 6;
        const report::TextoPagina* t =
            modelo.paginas[std::size_t(i / 6)].Buscar(QStringLiteral("Etiqueta %1").arg(i + 1));
        ASSERT_NE(t, nullptr) << i;
        EXPECT_NEAR(t->origen.x(), 20 + 2 + (celda % 3) * 65, 0.01) << i;
        EXPECT_NEAR(t->origen.y() - ascenso(), 20 + 3 + (celda / 3) * 42, 0.01) << i;
    }
}

TEST_F(MaquetadorTest, SectionsShowOrHideByFormulaAndField)
{
    persona(1, QStringLiteral("Con notas"), QStringLiteral("X"), {}, {}, {}, QStringLiteral("Nota"));
    persona(2, QStringLiteral("Sin notas"), QStringLiteral("X"));
    const QString xml = Xml(QStringLiteral(R"(
        <formula nombre="TramitaParroquia" valor="0"/>
        <formula nombre="Copia" valor="'Original'"/>
        <detalle>
          <seccion><texto x="0" y="0" ancho="170">{Personas.Nombre}</texto></seccion>
          <seccion si="@TramitaParroquia"><texto x="0" y="0" ancho="170">tramita</texto></seccion>
          <seccion si="!@TramitaParroquia"><texto x="0" y="0" ancho="170">no tramita</texto></seccion>
          <seccion si="@Copia=Duplicado"><texto x="0" y="0" ancho="170">duplicado</texto></seccion>
          <seccion si="{Personas.Notas}"><texto x="0" y="0" ancho="170">notas: {Personas.Notas}</texto></seccion>
        </detalle>)"),
                            QStringLiteral(R"(<datos tabla="Personas" orden="+{Personas.Orden}"/>)"));

    EXPECT_EQ(textos(informe(xml)).value(0),
              (QStringList{QStringLiteral("Con notas"), QStringLiteral("no tramita"), QStringLiteral("notas: Nota"),
                           QStringLiteral("Sin notas"), QStringLiteral("no tramita")}));
    EXPECT_EQ(textos(informe(xml, {QStringLiteral("TramitaParroquia=1"), QStringLiteral("Copia=\"duplicado\"")})).value(0),
              (QStringList{QStringLiteral("Con notas"), QStringLiteral("tramita"), QStringLiteral("duplicado"),
                           QStringLiteral("notas: Nota"), QStringLiteral("Sin notas"), QStringLiteral("tramita"),
                           QStringLiteral("duplicado")}));
}

TEST_F(MaquetadorTest, ControlMarginsReplaceTheTemplatesOnlyWhereNotZero)
{
    persona(1, QStringLiteral("Uno"), QStringLiteral("X"));
    const QString xml = Xml(kLinea.arg(QStringLiteral("{Personas.Nombre}"))
                            + QStringLiteral(R"(<piePagina><texto x="0" y="0" ancho="30">pie</texto></piePagina>)"));
    struct Caso {
        QMarginsF twips; // left, top, right, bottom
        double x;        // left margin in mm
        double y;        // top margin
        double yPie;     // top of the footer
    };
    const double lineaPie = altoLinea();
    const Caso casos[] = {
        {{0, 0, 0, 0}, 20, 20, 277 - lineaPie},
        {{1418, 567, 0, 0}, 25.0088, 10, 277 - lineaPie},
        {{0, 1134, 0, 2835}, 20, 20, 247 - lineaPie},
    };
    for (const Caso& c : casos) {
        const ModeloPaginas m = informe(xml, {}, {}, c.twips);
        const report::TextoPagina* t = m.paginas.at(0).Buscar(QStringLiteral("Uno"));
        const report::TextoPagina* pie = m.paginas.at(0).Buscar(QStringLiteral("pie"));
        ASSERT_TRUE(t && pie);
        EXPECT_NEAR(t->origen.x(), c.x, 0.001);
        EXPECT_NEAR(t->origen.y() - ascenso(), c.y, 0.001);
        EXPECT_NEAR(pie->origen.y() - ascenso(), c.yPie, 0.001);
    }
}

TEST_F(MaquetadorTest, LongTextGrowsOntoFollowingPagesWithoutLosingAWord)
{
    QStringList palabras;
    for (int i = 0; i < 1500; ++i)
        palabras << QStringLiteral("palabra%1").arg(i);
    persona(1, QStringLiteral("Uno"), QStringLiteral("X"), {}, {}, {}, palabras.join(u' '));
    persona(2, QStringLiteral("Dos"), QStringLiteral("X"));
    const QString xml = Xml(QStringLiteral(R"(
        <piePagina><texto x="0" y="0" ancho="170">Página {#Pagina}</texto></piePagina>
        <detalle>
          <caja x="0" y="0" ancho="170" alto="12" grosor="0.2"/>
          <texto x="1" y="1" ancho="168" alto="10" alineacion="justificado">{Personas.Notas}</texto>
          <texto x="0" y="14" ancho="170">Fin de {Personas.Nombre}</texto>
        </detalle>)"),
                            QStringLiteral(R"(<datos tabla="Personas" orden="+{Personas.Orden}"/>)"));

    const ModeloPaginas modelo = informe(xml);
    ASSERT_GE(modelo.paginas.size(), 3u);
    QStringList leidas;
    for (const report::Pagina& p : modelo.paginas) {
        double ultimo = 0;
        for (const QString& t : p.Textos()) {
            if (t.startsWith(QLatin1String("palabra")))
                leidas += t.split(u' ');
        }
        // Nothing is drawn below the footer's top on any page.
        for (const report::TextoPagina& t : p.textos) {
            if (!t.texto.startsWith(QStringLiteral("Página")))
                ultimo = std::max(ultimo, t.origen.y() - ascenso() + t.alto);
        }
        EXPECT_LE(ultimo, 277 - altoLinea() + 0.001);
        EXPECT_EQ(p.Textos().last().left(7), QStringLiteral("Página "));
    }
    EXPECT_EQ(leidas, palabras);
    // The text after the notes follows them, and the box stretches around
    // them on every page it crosses.
    const report::Pagina& ultima = modelo.paginas.back();
    const QStringList finales = ultima.Textos();
    ASSERT_GE(finales.indexOf(QStringLiteral("Fin de Uno")), 1);
    EXPECT_EQ(finales.indexOf(QStringLiteral("Fin de Uno")) + 1, finales.indexOf(QStringLiteral("Fin de Dos")));
    for (const report::Pagina& p : modelo.paginas)
        EXPECT_FALSE(p.cajas.empty());
}

TEST_F(MaquetadorTest, RelatedRowsAreLookedUpAndRepeated)
{
    persona(1, QStringLiteral("Ana"), QStringLiteral("X"));
    persona(2, QStringLiteral("Luis"), QStringLiteral("X"));
    hijo(1, 2, QStringLiteral("Bea"));
    hijo(1, 1, QStringLiteral("Álex"));
    hijo(1, 3, QStringLiteral("Padrino Pepe"), QStringLiteral("Padrino"));
    const QString xml = Xml(QStringLiteral(R"(
        <detalle>
          <seccion><texto x="0" y="0" ancho="170">{Personas.Nombre}, primero {Hijos.Nombre}</texto></seccion>
          <seccion relacion="Hijos"><texto x="5" y="0" ancho="165">- {Hijos.Nombre}</texto></seccion>
        </detalle>)"),
                            QStringLiteral(R"(<datos tabla="Personas" orden="+{Personas.Orden}">
          <relacion tabla="Hijos" campo="CodPersonas" clave="IDPersonas" orden="+{Hijos.Orden}"
                    filtroCampo="Tipo" filtroValor="Hijo"/>
        </datos>)"));

    EXPECT_EQ(textos(informe(xml)).value(0),
              (QStringList{QStringLiteral("Ana, primero Álex"), QStringLiteral("- Álex"), QStringLiteral("- Bea"),
                           QStringLiteral("Luis, primero")}));
}

TEST_F(MaquetadorTest, EmptyTableAndFormWithoutDataGiveOnePage)
{
    const QString cabecera = QStringLiteral(R"(
        <formula nombre="EnviaCuria" valor="0"/>
        <cabeceraInforme><texto x="0" y="0" ancho="170">Envía a la curia: {@EnviaCuria}</texto></cabeceraInforme>
        <piePagina><texto x="0" y="0" ancho="170">Página {#Pagina} de {#Paginas}</texto></piePagina>)");
    const QString detalle = kLinea.arg(QStringLiteral("Firma: ____"));

    EXPECT_EQ(textos(informe(Xml(cabecera + kLinea.arg(QStringLiteral("{Personas.Nombre}"))))),
              (QList<QStringList>{{QStringLiteral("Envía a la curia: 0"), QStringLiteral("Página 1 de 1")}}));
    EXPECT_EQ(textos(informe(Xml(cabecera + detalle, QString()), {QStringLiteral("EnviaCuria=1")})),
              (QList<QStringList>{{QStringLiteral("Envía a la curia: 1"), QStringLiteral("Firma: ____"),
                                   QStringLiteral("Página 1 de 1")}}));
}

TEST_F(MaquetadorTest, AGrowingTextPushesWhatLiesBelowIt)
{
    persona(1, QStringLiteral("Uno"), QStringLiteral("X"), {}, {}, {},
            QStringLiteral("una dos tres cuatro cinco seis siete ocho nueve diez once doce"));
    const QString xml = Xml(QStringLiteral(R"(
        <detalle alto="30">
          <texto x="0" y="0" ancho="25">{Personas.Notas}</texto>
          <texto x="100" y="0" ancho="60">al lado</texto>
          <linea x1="0" y1="10" x2="170" y2="10"/>
          <texto x="0" y="12" ancho="170">debajo</texto>
        </detalle>
        <pieInforme><texto x="0" y="0" ancho="170">después</texto></pieInforme>)"));

    const ModeloPaginas modelo = informe(xml);
    const report::Pagina& p = modelo.paginas.at(0);
    const report::TextoPagina* lado = p.Buscar(QStringLiteral("al lado"));
    const report::TextoPagina* debajo = p.Buscar(QStringLiteral("debajo"));
    const report::TextoPagina* despues = p.Buscar(QStringLiteral("después"));
    ASSERT_TRUE(lado && debajo && despues && !p.lineas.empty());
    double fondoNotas = 0;
    for (const report::TextoPagina& t : p.textos) {
        if (t.origen.x() < 21 && t.texto != QLatin1String("debajo") && t.texto != QStringLiteral("después"))
            fondoNotas = std::max(fondoNotas, t.origen.y() - ascenso() + t.alto);
    }
    const double crecido = fondoNotas - 20 - lado->alto; // what the notes grew beyond one line
    ASSERT_GT(crecido, 5);
    EXPECT_NEAR(lado->origen.y() - ascenso(), 20, 0.001);
    EXPECT_NEAR(p.lineas[0].linea.y1(), 30 + crecido, 0.001);
    EXPECT_NEAR(debajo->origen.y() - ascenso(), 32 + crecido, 0.001);
    EXPECT_NEAR(despues->origen.y() - ascenso(), 50 + crecido, 0.001);
}

} // namespace
