#include "seed/DatosSemilla.h"
#include "seed/ConsultaLista.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

QString S(const char* texto) { return QString::fromUtf8(texto); }

struct Variante {
    const char* nombre;
    std::span<const FilaNodo> nodos;
    std::span<const FilaCampo> campos;
};

class DatosCampoTest : public ::testing::TestWithParam<Variante> {};

// Caption of the level-2 node above `id` (the branch: "Gestión Parroquial", ...), or the
// node's own caption for level 2.
QString Rama(std::span<const FilaNodo> nodos, int id)
{
    const FilaNodo* n = &nodos[std::size_t(id) - 1];
    while (n->Nivel > 2)
        n = &nodos[std::size_t(n->CodPadre) - 1];
    return S(n->Nombre);
}

TEST_P(DatosCampoTest, IdsFollowWritingOrderAndNameExistingNodes)
{
    const auto& v = GetParam();
    for (std::size_t i = 0; i < v.campos.size(); ++i) {
        ASSERT_EQ(v.campos[i].IDCampo, int(i) + 1);
        ASSERT_GE(v.campos[i].CodNodo, 1);
        ASSERT_LE(std::size_t(v.campos[i].CodNodo), v.nodos.size());
    }
}

TEST_P(DatosCampoTest, TipoFollowsTheBranch)
{
    const auto& v = GetParam();
    for (const FilaCampo& c : v.campos) {
        const QString rama = Rama(v.nodos, c.CodNodo);
        const int esperado = rama == QString::fromUtf8("Gestión Parroquial") ? 1 : rama == QLatin1String("Contabilidad") ? 2 : 0;
        EXPECT_EQ(c.Tipo, esperado) << "column " << c.IDCampo;
    }
}

TEST_P(DatosCampoTest, TextsAreCleanAndWithinTheirWidths)
{
    static const QRegularExpression fuente(QStringLiteral("^[A-Za-z_]+\\.[A-Za-z]+$|^Empresa\\.AñoEjercicio$"));
    static const QRegularExpression letras(QString::fromUtf8("^[A-Za-z0-9 ()óéúñº]+$"));
    qsizetype nombreMax = 0, descripcionMax = 0;
    for (const FilaCampo& c : GetParam().campos) {
        const QString nombre = S(c.Nombre), descripcion = S(c.Descripcion);
        EXPECT_EQ(nombre, nombre.trimmed());
        EXPECT_TRUE(letras.match(nombre).hasMatch()) << nombre.toStdString();
        EXPECT_TRUE(descripcion == QLatin1String("[Formula]") || fuente.match(descripcion).hasMatch())
            << descripcion.toStdString();
        EXPECT_FALSE(nombre.contains(QChar(0x00B0))) << "degree sign instead of the ordinal indicator";
        EXPECT_GE(c.Ancho, 400);
        EXPECT_LE(c.Ancho, 7200);
        nombreMax = std::max(nombreMax, nombre.size());
        descripcionMax = std::max(descripcionMax, descripcion.size());
    }
    EXPECT_EQ(nombreMax, 21);
    EXPECT_EQ(descripcionMax, 37);
}

// Each column shows the query field in its position; amounts are named by their
// peseta column while a 2.1.2 query may select the euro one.
TEST_P(DatosCampoTest, ColumnsLineUpWithTheirQueryFieldsInOrden)
{
    const auto& v = GetParam();
    std::map<int, std::vector<FilaCampo>> porNodo;
    for (const FilaCampo& c : v.campos)
        porNodo[c.CodNodo].push_back(c);
    for (auto& [nodo, columnas] : porNodo) {
        std::set<int> ordenes;
        for (const FilaCampo& c : columnas)
            EXPECT_TRUE(ordenes.insert(c.Orden).second) << "column " << c.IDCampo;
        std::sort(columnas.begin(), columnas.end(), [](const auto& a, const auto& b) { return a.Orden < b.Orden; });
        const QStringList campos = CamposConsultaLista(S(v.nodos[std::size_t(nodo) - 1].SQLSelect));
        if (campos.isEmpty())
            continue; // query written at run time
        for (std::size_t i = 0; i < columnas.size(); ++i) {
            const QString descripcion = S(columnas[i].Descripcion);
            if (descripcion == QLatin1String("[Formula]"))
                continue;
            const QString enConsulta = ColumnaDe(campos[qsizetype(i)]);
            const QString columna = ColumnaDe(descripcion);
            EXPECT_TRUE(enConsulta.compare(columna, Qt::CaseInsensitive) == 0 ||
                        enConsulta.compare(columna + QLatin1String("Eur"), Qt::CaseInsensitive) == 0)
                << "column " << columnas[i].IDCampo << ": " << descripcion.toStdString() << " vs "
                << campos[qsizetype(i)].toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Arboles, DatosCampoTest,
                         ::testing::Values(Variante{"V210", DatosSemilla::NodosV210(), DatosSemilla::CamposV210()},
                                           Variante{"V212", DatosSemilla::NodosV212(), DatosSemilla::CamposV212()}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(DatosCampo, Rows1To140AreTheSameInBothVersions)
{
    const auto v210 = DatosSemilla::CamposV210();
    const auto v212 = DatosSemilla::CamposV212();
    ASSERT_EQ(v210.size(), 158u);
    ASSERT_EQ(v212.size(), 160u);
    for (std::size_t i = 0; i < 140; ++i) {
        const FilaCampo& a = v210[i];
        const FilaCampo& b = v212[i];
        EXPECT_EQ(std::tie(a.IDCampo, a.CodNodo, a.Tipo, a.Orden, a.Ancho),
                  std::tie(b.IDCampo, b.CodNodo, b.Tipo, b.Orden, b.Ancho));
        EXPECT_EQ(S(a.Nombre), S(b.Nombre));
        EXPECT_EQ(S(a.Descripcion), S(b.Descripcion));
    }
}

TEST(DatosCampo, AccountingColumnsOf210SitOnTheNodesOneIdLower)
{
    const auto v210 = DatosSemilla::CamposV210();
    const auto v212 = DatosSemilla::CamposV212();
    // After the company list the two versions hold the same columns on nodes one id lower.
    for (std::size_t i = 0; i < 14; ++i) {
        const FilaCampo& a = v210[144 + i];
        const FilaCampo& b = v212[146 + i];
        EXPECT_EQ(a.CodNodo, b.CodNodo - 1);
        EXPECT_EQ(S(a.Nombre), S(b.Nombre));
        EXPECT_EQ(std::tie(a.Orden, a.Ancho), std::tie(b.Orden, b.Ancho));
    }
    // The 2.1.0 company list: no "Grupo" column, Orden 1..4, a wider "Nombre".
    EXPECT_EQ(S(v210[140].Nombre), QLatin1String("Abreviatura"));
    EXPECT_EQ(v210[140].Orden, 1);
    EXPECT_EQ(S(v210[141].Nombre), QLatin1String("Nombre"));
    EXPECT_EQ(v210[141].Ancho, 4800);
    EXPECT_EQ(S(v212[140].Descripcion), QLatin1String("Grupo.Nombre"));
    EXPECT_EQ(v212[140].CodNodo, 42);
}

TEST(DatosCampo, ColaboradoresKeepTheirGappedOrden)
{
    std::vector<int> ordenes;
    for (const FilaCampo& c : DatosSemilla::CamposV212())
        if (c.CodNodo == 17)
            ordenes.push_back(c.Orden);
    EXPECT_EQ(ordenes, (std::vector<int>{2, 3, 4, 6}));
}

TEST(DatosCampo, OrdinalIndicatorAndAccentsReachTheText)
{
    const auto v212 = DatosSemilla::CamposV212();
    EXPECT_EQ(S(v212[8].Nombre), QString::fromUtf8("1\u00BA Apellido"));
    EXPECT_EQ(S(v212[0].Nombre), QString::fromUtf8("Código"));
    EXPECT_EQ(S(v212[25].Nombre), QString::fromUtf8("Número de certificado"));
    EXPECT_EQ(S(v212[144].Descripcion), QString::fromUtf8("Empresa.AñoEjercicio"));
    EXPECT_EQ(S(v212[56].Nombre), QString::fromUtf8("Número"));
}

} // namespace
