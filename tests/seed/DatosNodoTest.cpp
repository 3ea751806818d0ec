#include "seed/DatosSemilla.h"
#include "seed/ConsultaLista.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QSet>
#include <QString>
#include <map>
#include <set>
#include <vector>

namespace {

struct Variante {
    const char* nombre;
    std::span<const FilaNodo> nodos;
    std::span<const FilaCampo> campos;
};

std::vector<Variante> Variantes()
{
    return {{"V210", DatosSemilla::NodosV210(), DatosSemilla::CamposV210()},
            {"V212", DatosSemilla::NodosV212(), DatosSemilla::CamposV212()}};
}

QString S(const char* texto) { return QString::fromUtf8(texto); }

// Nodes whose query the program writes at run time when a company is chosen.
bool ConsultaEnEjecucion(const FilaNodo& nodo)
{
    static const QSet<QString> kinds{"Asientos", "Asientos predefinidos", "Cuentas", "SubCuentas", "Presupuesto"};
    return kinds.contains(S(nodo.Descripcion));
}

class DatosNodoTest : public ::testing::TestWithParam<Variante> {};

TEST_P(DatosNodoTest, IdsFollowWritingOrderAndParentsComeFirst)
{
    const auto nodos = GetParam().nodos;
    std::map<int, int> nivel;
    for (std::size_t i = 0; i < nodos.size(); ++i) {
        const FilaNodo& n = nodos[i];
        ASSERT_EQ(n.IDNodo, int(i) + 1);
        if (i == 0) {
            EXPECT_EQ(n.CodPadre, 0);
            EXPECT_EQ(n.Nivel, 1);
        } else {
            ASSERT_TRUE(nivel.count(n.CodPadre)) << "node " << n.IDNodo << " before its parent";
            EXPECT_EQ(n.Nivel, nivel[n.CodPadre] + 1) << "node " << n.IDNodo;
        }
        nivel[n.IDNodo] = n.Nivel;
    }
}

TEST_P(DatosNodoTest, OrdenRunsFromOneWithoutGapsPerParent)
{
    std::map<int, std::set<int>> ordenes;
    std::map<int, int> hijos;
    for (const FilaNodo& n : GetParam().nodos) {
        EXPECT_TRUE(ordenes[n.CodPadre].insert(n.Orden).second) << "node " << n.IDNodo;
        ++hijos[n.CodPadre];
    }
    for (const auto& [padre, conjunto] : ordenes) {
        EXPECT_EQ(*conjunto.begin(), 1) << "parent " << padre;
        EXPECT_EQ(*conjunto.rbegin(), hijos[padre]) << "parent " << padre;
    }
}

TEST_P(DatosNodoTest, OnlyTheRootStartsExpandedAndNoTextHoldsADoubleQuote)
{
    for (const FilaNodo& n : GetParam().nodos) {
        EXPECT_EQ(n.Expandido, n.IDNodo == 1 ? 1 : 0) << "node " << n.IDNodo;
        for (const char* texto : {n.Nombre, n.Descripcion, n.NombreInterno, n.SQLSelect})
            EXPECT_FALSE(S(texto).contains(QLatin1Char('"'))) << "node " << n.IDNodo;
        EXPECT_FALSE(S(n.SQLSelect).isEmpty()) << "a node without a query stores one blank";
    }
}

TEST_P(DatosNodoTest, EveryListQueryHasOneFieldPerColumnThenTheRecordId)
{
    QMap<int, std::vector<FilaCampo>> columnas;
    for (const FilaCampo& c : GetParam().campos)
        columnas[c.CodNodo].push_back(c);
    int consultas = 0;
    for (const FilaNodo& n : GetParam().nodos) {
        const QString sql = S(n.SQLSelect);
        if (sql == QLatin1String(" "))
            continue;
        ++consultas;
        const QStringList campos = CamposConsultaLista(sql);
        ASSERT_FALSE(campos.isEmpty()) << "node " << n.IDNodo;
        EXPECT_TRUE(ColumnaDe(campos.last()).startsWith(QLatin1String("ID"), Qt::CaseInsensitive))
            << "node " << n.IDNodo << " ends in " << campos.last().toStdString();
        EXPECT_EQ(campos.size() - 1, qsizetype(columnas.value(n.IDNodo).size())) << "node " << n.IDNodo;
    }
    EXPECT_EQ(consultas, GetParam().nodos.size() == 56 ? 29 : 28);
}

TEST_P(DatosNodoTest, ColumnsBelongToListNodesAndEveryListNodeHasColumns)
{
    std::set<int> conColumnas;
    for (const FilaCampo& c : GetParam().campos)
        conColumnas.insert(c.CodNodo);
    std::set<int> listas;
    for (const FilaNodo& n : GetParam().nodos)
        if (S(n.SQLSelect) != QLatin1String(" ") || ConsultaEnEjecucion(n))
            listas.insert(n.IDNodo);
    EXPECT_EQ(conColumnas, listas);
}

INSTANTIATE_TEST_SUITE_P(Arboles, DatosNodoTest, ::testing::ValuesIn(Variantes()),
                         [](const auto& info) { return std::string(info.param.nombre); });

const FilaNodo& Nodo(std::span<const FilaNodo> nodos, int id) { return nodos[std::size_t(id) - 1]; }

TEST(DatosNodo, QueriesKeepTheirExactText)
{
    const auto v212 = DatosSemilla::NodosV212();
    const QString municipios = S(Nodo(v212, 4).SQLSelect);
    EXPECT_EQ(municipios.size(), 193);
    EXPECT_EQ(municipios.count(QLatin1String("\r\n")), 3);
    EXPECT_EQ(S(Nodo(v212, 5).SQLSelect), QLatin1String("SELECT Nombre,IDProvincia FROM Provincia ORDER BY Nombre"));
    EXPECT_EQ(S(Nodo(v212, 37).SQLSelect),
              QLatin1String("SELECT Codigo, FechaEnvio, Remitente, Destinatario, IDMensaje FROM Mensaje, TipoMensaje "
                            "WHERE CodTipoMensaje=IDTipoMensaje AND Nodo='BandejaEntrada'"));
    EXPECT_TRUE(S(Nodo(v212, 30).SQLSelect).contains(
        QLatin1String("Libro_Matrimonio.NumeroSiguiente,  Libro_Matrimonio.IDLibroMatrimonio ")));
    EXPECT_TRUE(S(Nodo(v212, 43).SQLSelect).contains(QString::fromUtf8("Empresa.AñoEjercicio")));
    std::size_t mas_larga = 0;
    for (const FilaNodo& n : v212)
        mas_larga = std::max<std::size_t>(mas_larga, S(n.SQLSelect).size());
    EXPECT_EQ(mas_larga, 919u);
    EXPECT_EQ(S(Nodo(v212, 31).SQLSelect).size(), 919);
}

TEST(DatosNodo, AmountColumnsAreEurosIn212AndPesetasIn210)
{
    struct Caso { int nodo; const char* v212; const char* v210; };
    for (const Caso& caso : {Caso{12, "Remesa.ImporteTotalEur, ", "Remesa.ImporteTotal, "},
                             Caso{13, "Recibo.ImporteEur, ", "Recibo.Importe, "}}) {
        EXPECT_TRUE(S(Nodo(DatosSemilla::NodosV212(), caso.nodo).SQLSelect).contains(QLatin1String(caso.v212)));
        EXPECT_TRUE(S(Nodo(DatosSemilla::NodosV210(), caso.nodo).SQLSelect).contains(QLatin1String(caso.v210)));
    }
    EXPECT_TRUE(S(Nodo(DatosSemilla::NodosV210(), 13).SQLSelect)
                    .contains(QLatin1String("IDDonativo AND  Donativo.CodPersonaDonativo = Padron.IDPadron AND  "
                                            "Donativo.CodInstitucion")));
}

TEST(DatosNodo, Tree210HasNoGroupsNodeAndAccountingIdsOneLower)
{
    const auto v210 = DatosSemilla::NodosV210();
    const auto v212 = DatosSemilla::NodosV212();
    ASSERT_EQ(v210.size(), 55u);
    EXPECT_EQ(S(Nodo(v212, 42).Nombre), QLatin1String("Grupos"));
    for (const FilaNodo& n : v210)
        EXPECT_NE(S(n.Nombre), QLatin1String("Grupos"));
    EXPECT_EQ(S(Nodo(v210, 42).Nombre), QLatin1String("Empresas"));
    EXPECT_EQ(Nodo(v210, 42).CodPadre, 41);
    EXPECT_EQ(Nodo(v210, 42).Orden, 1);
    EXPECT_EQ(Nodo(v210, 43).Orden, 2);
    EXPECT_EQ(S(Nodo(v210, 44).Nombre), QLatin1String("Plan General Contable"));
    EXPECT_EQ(Nodo(v210, 44).CodPadre, 43);
    EXPECT_EQ(S(Nodo(v210, 50).Nombre), QLatin1String("Activo"));
    EXPECT_EQ(Nodo(v210, 50).CodPadre, 46);
    // Below "Empresas" every row is the 2.1.2 row one id lower.
    for (int id = 44; id <= 55; ++id) {
        const FilaNodo& a = Nodo(v210, id);
        const FilaNodo& b = Nodo(v212, id + 1);
        EXPECT_EQ(S(a.Nombre), S(b.Nombre));
        EXPECT_EQ(a.CodPadre, b.CodPadre - 1);
        EXPECT_EQ(a.Orden, b.Orden);
        EXPECT_EQ(a.CodImagen, b.CodImagen);
    }
    // Ids 9 and 13 are tested directly by the main window; they must not move.
    for (int id : {9, 13})
        EXPECT_EQ(S(Nodo(v210, id).Nombre), S(Nodo(v212, id).Nombre));
}

// Index of the person's first name and of the first surname in the ORDER BY of a query.
std::pair<qsizetype, qsizetype> NombreYApellido(const QString& sql)
{
    const QString orden = sql.mid(sql.lastIndexOf(QLatin1String("ORDER BY ")) + 9);
    qsizetype nombre = -1, apellido = -1;
    const QStringList campos = orden.split(QLatin1Char(','));
    for (qsizetype i = 0; i < campos.size(); ++i) {
        const QString campo = campos[i].trimmed();
        if (nombre < 0 && ColumnaDe(campo) == QLatin1String("Nombre") && !campo.startsWith(QLatin1String("Institucion.")))
            nombre = i;
        if (apellido < 0 && ColumnaDe(campo) == QLatin1String("PrimerApellido"))
            apellido = i;
    }
    return {nombre, apellido};
}

TEST(DatosNodo, PersonListsOf210SortByFirstNameBeforeSurnames)
{
    for (int id : {8, 10, 16, 17, 24, 28, 32}) {
        const auto [nombre210, apellido210] = NombreYApellido(S(Nodo(DatosSemilla::NodosV210(), id).SQLSelect));
        const auto [nombre212, apellido212] = NombreYApellido(S(Nodo(DatosSemilla::NodosV212(), id).SQLSelect));
        ASSERT_GE(nombre210, 0);
        ASSERT_GE(apellido212, 0);
        EXPECT_LT(nombre210, apellido210) << "node " << id;
        EXPECT_GT(nombre212, apellido212) << "node " << id;
    }
}

} // namespace
