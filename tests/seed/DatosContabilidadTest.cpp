#include "seed/DatosSemilla.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QSet>
#include <QString>
#include <map>
#include <set>

namespace {

QString S(const char* texto) { return QString::fromUtf8(texto); }

const FilaCuenta& Cuenta(int id) { return DatosSemilla::CuentasPredeterminadas()[std::size_t(id) - 1]; }
const FilaEstructura& Epigrafe(int id) { return DatosSemilla::EstructuraPredeterminada()[std::size_t(id) - 1]; }

TEST(DatosCuenta, IdsCodesLevelsAndTypes)
{
    const auto cuentas = DatosSemilla::CuentasPredeterminadas();
    ASSERT_EQ(cuentas.size(), 289u);
    QSet<QString> codigos;
    QString anterior;
    int sinNombre = 0;
    for (std::size_t i = 0; i < cuentas.size(); ++i) {
        const FilaCuenta& c = cuentas[i];
        const QString codigo = S(c.Codigo);
        EXPECT_EQ(c.IDCuenta, int(i) + 1);
        EXPECT_EQ(c.codEmpresa, 0);
        EXPECT_EQ(c.Nivel, codigo.size()) << codigo.toStdString();
        const bool guiones = S(c.Descripcion) == QLatin1String("---");
        EXPECT_EQ(c.codTipo_Cuenta, guiones ? 3 : 1) << codigo.toStdString();
        if (guiones) {
            ++sinNombre;
            EXPECT_EQ(c.Nivel, 3);
        }
        EXPECT_LE(S(c.Descripcion).size(), 43);
        EXPECT_LT(anterior, codigo) << "chart out of order at " << codigo.toStdString();
        if (codigo.size() > 1) {
            EXPECT_TRUE(codigos.contains(codigo.chopped(1))) << "parent missing for " << codigo.toStdString();
        }
        codigos.insert(codigo);
        anterior = codigo;
    }
    EXPECT_EQ(sinNombre, 45);
}

TEST(DatosCuenta, CountsPerLevelAndGroup)
{
    std::map<int, int> porNivel;
    std::map<QChar, int> porGrupo;
    std::map<QString, int> hijos;
    for (const FilaCuenta& c : DatosSemilla::CuentasPredeterminadas()) {
        ++porNivel[c.Nivel];
        ++porGrupo[S(c.Codigo).at(0)];
        if (c.Nivel > 1)
            ++hijos[S(c.Codigo).chopped(1)];
    }
    EXPECT_EQ(porNivel, (std::map<int, int>{{1, 7}, {2, 37}, {3, 88}, {4, 157}}));
    const std::map<QChar, int> grupos{{'1', 29}, {'2', 27}, {'3', 4}, {'4', 35}, {'5', 24}, {'6', 106}, {'7', 64}};
    EXPECT_EQ(porGrupo, grupos);
    for (const FilaCuenta& c : DatosSemilla::CuentasPredeterminadas()) {
        if (c.Nivel < 4) {
            EXPECT_GT(hijos[S(c.Codigo)], 0) << c.Codigo << " has no child";
        }
        if (c.codTipo_Cuenta == 3) {
            EXPECT_EQ(hijos[S(c.Codigo)], S(c.Codigo) == QLatin1String("475") ? 2 : 1) << c.Codigo;
        }
    }
}

TEST(DatosCuenta, NamedLevel3RowsOfGroups5To7)
{
    QSet<QString> conNombre5, sinNombre67;
    for (const FilaCuenta& c : DatosSemilla::CuentasPredeterminadas()) {
        const QString codigo = S(c.Codigo);
        if (c.Nivel != 3)
            continue;
        if (codigo.startsWith(QLatin1Char('5')) && c.codTipo_Cuenta == 1)
            conNombre5.insert(codigo);
        if ((codigo.startsWith(QLatin1Char('6')) || codigo.startsWith(QLatin1Char('7'))) && c.codTipo_Cuenta == 3)
            sinNombre67.insert(codigo);
        if (codigo.at(0) <= QLatin1Char('4')) {
            EXPECT_EQ(c.codTipo_Cuenta, 3) << c.Codigo;
        }
    }
    EXPECT_EQ(conNombre5, (QSet<QString>{"540", "541", "548"}));
    EXPECT_EQ(sinNombre67, (QSet<QString>{"678", "682", "769"}));
}

int Profundidad(const FilaEstructura& e)
{
    return int(S(e.CodigoEpigrafe).size()) - 1;
}

TEST(DatosEstructura, HeadingsPerNatureInPreOrderWithTheirDepth)
{
    const auto epigrafes = DatosSemilla::EstructuraPredeterminada();
    ASSERT_EQ(epigrafes.size(), 68u);
    std::map<int, int> porNaturaleza;
    QMap<QString, int> naturalezaDe;
    QString anterior;
    int naturalezaAnterior = 0;
    for (std::size_t i = 0; i < epigrafes.size(); ++i) {
        const FilaEstructura& e = epigrafes[i];
        const QString codigo = S(e.CodigoEpigrafe);
        EXPECT_EQ(e.IDEstructura, int(i) + 1);
        EXPECT_EQ(e.codEmpresa, 0);
        EXPECT_EQ(e.codDocumento, e.codNaturaleza <= 2 ? 1 : 2);
        ++porNaturaleza[e.codNaturaleza];
        if (e.codNaturaleza != naturalezaAnterior) {
            EXPECT_EQ(codigo.size(), 1) << "a nature opens with its root";
            naturalezaAnterior = e.codNaturaleza;
        } else {
            EXPECT_LT(anterior, codigo);
            ASSERT_TRUE(naturalezaDe.contains(codigo.chopped(1))) << codigo.toStdString();
            EXPECT_EQ(naturalezaDe[codigo.chopped(1)], e.codNaturaleza);
        }
        const bool haber = e.codNaturaleza == 4;
        EXPECT_EQ(S(e.OrdenEpigrafe), QString::number(haber ? 0 : Profundidad(e))) << codigo.toStdString();
        naturalezaDe[codigo] = e.codNaturaleza;
        anterior = codigo;
    }
    EXPECT_EQ(porNaturaleza, (std::map<int, int>{{1, 23}, {2, 27}, {3, 9}, {4, 9}}));
}

TEST(DatosEstructura, OnlyTheTotalsCarryFormulasOfSameNatureHeadings)
{
    QMap<QString, const FilaEstructura*> porCodigo;
    for (const FilaEstructura& e : DatosSemilla::EstructuraPredeterminada())
        porCodigo[S(e.CodigoEpigrafe)] = &e;
    int conFormula = 0;
    for (const FilaEstructura& e : DatosSemilla::EstructuraPredeterminada()) {
        const QString formula = S(e.Formula);
        if (formula.isEmpty())
            continue;
        ++conFormula;
        for (const QString& operando : formula.split(QLatin1Char('+'))) {
            ASSERT_TRUE(porCodigo.contains(operando)) << operando.toStdString();
            EXPECT_EQ(porCodigo[operando]->codNaturaleza, e.codNaturaleza);
            EXPECT_EQ(Profundidad(*porCodigo[operando]), 1);
        }
    }
    EXPECT_EQ(conFormula, 2);
    EXPECT_STREQ(Epigrafe(23).Formula, "AB+AD");
    EXPECT_STREQ(Epigrafe(50).Formula, "PA+PD+PE");
}

TEST(DatosRelEstructuraCuenta, LinksJoinLeafHeadingsToLevel4AccountsOnce)
{
    const auto enlaces = DatosSemilla::RelEstructuraCuentaPredeterminada();
    ASSERT_EQ(enlaces.size(), 156u);
    QSet<QString> padres;
    for (const FilaEstructura& e : DatosSemilla::EstructuraPredeterminada())
        padres.insert(S(e.CodigoEpigrafe).chopped(1));
    std::set<int> cuentas, epigrafes;
    std::pair<int, int> anterior{0, 0};
    for (std::size_t i = 0; i < enlaces.size(); ++i) {
        const FilaRelEstructuraCuenta& r = enlaces[i];
        EXPECT_EQ(r.IDRel_Estructura_Cuenta, int(i) + 1);
        EXPECT_EQ(r.Desglosar, 0);
        const FilaEstructura& e = Epigrafe(r.codEstructura);
        EXPECT_FALSE(padres.contains(S(e.CodigoEpigrafe))) << "heading with sub-headings: " << e.CodigoEpigrafe;
        EXPECT_STREQ(e.Formula, "");
        const FilaCuenta& c = Cuenta(r.codCuenta);
        EXPECT_EQ(c.Nivel, 4);
        EXPECT_EQ(c.codTipo_Cuenta, 1);
        EXPECT_TRUE(cuentas.insert(r.codCuenta).second) << "account linked twice: " << c.Codigo;
        epigrafes.insert(r.codEstructura);
        EXPECT_LT(anterior, std::make_pair(r.codEstructura, r.codCuenta));
        anterior = {r.codEstructura, r.codCuenta};
        // A profit-and-loss heading gathers the accounts of the group its caption opens with.
        if (e.codDocumento == 2) {
            EXPECT_TRUE(S(c.Codigo).startsWith(S(e.Descripcion).left(2))) << c.Codigo << " under " << e.Descripcion;
        } else {
            EXPECT_LE(S(c.Codigo).at(0), QLatin1Char('5'));
        }
    }
    EXPECT_EQ(epigrafes.size(), 42u);
    std::set<int> sinEnlace;
    for (const FilaCuenta& c : DatosSemilla::CuentasPredeterminadas())
        if (c.Nivel == 4 && !cuentas.count(c.IDCuenta))
            sinEnlace.insert(c.IDCuenta);
    EXPECT_EQ(sinEnlace, std::set<int>{9});
    EXPECT_STREQ(Cuenta(9).Codigo, "1100");
}

TEST(DatosRelEstructuraCuenta, EveryGroupAccountOfAProfitAndLossHeadingIsLinkedToIt)
{
    std::map<int, int> enlacesPorEpigrafe;
    for (const FilaRelEstructuraCuenta& r : DatosSemilla::RelEstructuraCuentaPredeterminada())
        ++enlacesPorEpigrafe[r.codEstructura];
    for (const FilaEstructura& e : DatosSemilla::EstructuraPredeterminada()) {
        if (e.codDocumento != 2 || Profundidad(e) != 1)
            continue;
        int delGrupo = 0;
        for (const FilaCuenta& c : DatosSemilla::CuentasPredeterminadas())
            if (c.Nivel == 4 && S(c.Codigo).startsWith(S(e.Descripcion).left(2)))
                ++delGrupo;
        EXPECT_EQ(enlacesPorEpigrafe[e.IDEstructura], delGrupo) << e.Descripcion;
    }
}

} // namespace
