#include "ArranqueFixture.h"

#include "startup/ReconciliacionComplementos.h"

#include <optional>

namespace {

using Guardado = std::optional<bool>;

db::Value ComoValor(Guardado valor)
{
    return valor ? db::Value(*valor) : db::Value();
}

std::string Texto(Guardado valor)
{
    return valor ? (*valor ? "True" : "False") : "Null";
}

struct CasoReconciliacion {
    const char* columna;
    QString biblioteca;
    Guardado guardado;
    bool presente;
    Guardado esperado;
    int setups;  // calls of the column's set-up
};

std::ostream& operator<<(std::ostream& os, const CasoReconciliacion& caso)
{
    return os << caso.columna << " guardado " << Texto(caso.guardado) << (caso.presente ? " presente" : " ausente");
}

const QString V = bibliotecas::Vodidazaz;
const QString G = bibliotecas::GestionParroquial;
const QString C = bibliotecas::Contabilidad;

const CasoReconciliacion kCasos[] = {
    {"Vodidazaz", V, false, true, true, 1},
    {"Vodidazaz", V, true, false, false, 0},
    {"Vodidazaz", V, true, true, true, 0},
    {"Vodidazaz", V, false, false, false, 0},
    {"Vodidazaz", V, std::nullopt, true, std::nullopt, 0},
    {"Vodidazaz", V, std::nullopt, false, std::nullopt, 0},
    {"GestionParroquial", G, false, true, true, 1},
    {"GestionParroquial", G, true, false, false, 0},
    {"GestionParroquial", G, true, true, true, 0},
    {"GestionParroquial", G, false, false, false, 0},
    {"GestionParroquial", G, std::nullopt, true, std::nullopt, 0},
    {"GestionParroquial", G, std::nullopt, false, std::nullopt, 0},
    {"Contabilidad", C, false, true, true, 0},
    {"Contabilidad", C, true, false, false, 0},
    {"Contabilidad", C, true, true, true, 0},
    {"Contabilidad", C, false, false, false, 0},
    {"Contabilidad", C, std::nullopt, true, std::nullopt, 0},
    {"Contabilidad", C, std::nullopt, false, std::nullopt, 0},
};

class ReconciliacionTest : public ArranqueTest, public ::testing::WithParamInterface<CasoReconciliacion> {
protected:
    // Every flag Null but the one under test, and one institution that
    // holds none of the add-ins' data.
    void Preparar(const CasoReconciliacion& caso)
    {
        EjecutarEnDuzediv(QStringLiteral("UPDATE Informacion SET Vodidazaz = NULL, GestionParroquial = NULL, "
                                         "Contabilidad = NULL, GestionContable = True"));
        EjecutarEnDuzediv(QStringLiteral("UPDATE Informacion SET %1 = ?").arg(QLatin1String(caso.columna)),
                          {ComoValor(caso.guardado)});
        EjecutarEnDuzediv(QStringLiteral("DELETE FROM Institucion"));
        EjecutarEnDuzediv(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia de San Roque')"));
        if (!caso.presente)
            QuitarComplemento(caso.biblioteca);
    }

    Guardado Columna(const char* columna)
    {
        return ReconciliacionComplementos::ValorSiNo(
            ValorDuzediv(QStringLiteral("SELECT %1 FROM Informacion").arg(QLatin1String(columna))));
    }
};

} // namespace

TEST_P(ReconciliacionTest, TablaDeBanderas)
{
    const CasoReconciliacion& caso = GetParam();
    Preparar(caso);

    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    EXPECT_EQ(Columna(caso.columna), caso.esperado);
    const bool esVodidazaz = caso.biblioteca == bibliotecas::Vodidazaz;
    EXPECT_EQ(setup.llamadasVodidazaz, esVodidazaz ? caso.setups : 0);
    EXPECT_EQ(setup.llamadasGestionParroquial, caso.biblioteca == bibliotecas::GestionParroquial ? caso.setups : 0);
    // Clearing the accounting flag clears the accounting management with it.
    const bool contabilidadBorrada = caso.biblioteca == bibliotecas::Contabilidad && caso.guardado == true
                                     && !caso.presente;
    EXPECT_EQ(Columna("GestionContable"), Guardado(!contabilidadBorrada));
    EXPECT_EQ(ventana.mostrada, 1);
}

INSTANTIATE_TEST_SUITE_P(ComplementosPresentesYAusentes, ReconciliacionTest, ::testing::ValuesIn(kCasos));

class SetupComplementoTest : public ArranqueTest {
protected:
    void SetUp() override
    {
        EjecutarEnDuzediv(QStringLiteral("UPDATE Informacion SET Vodidazaz = False, GestionParroquial = False, "
                                         "Contabilidad = True"));
        EjecutarEnDuzediv(QStringLiteral("DELETE FROM Institucion"));
    }

    bool Bandera(const char* columna)
    {
        return ValorDuzediv(QStringLiteral("SELECT %1 FROM Informacion").arg(QLatin1String(columna))).toBool();
    }
};

TEST_F(SetupComplementoTest, SinInstitucionesPendientesNoHaceFaltaSetup)
{
    EjecutarEnDuzediv(QStringLiteral("INSERT INTO Institucion (Nombre, CIF, Parroco) VALUES ('Parroquia', 'R1234567A', "
                                     "'D. Andrés')"));

    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    EXPECT_EQ(setup.objetosCreados, 0);
    EXPECT_TRUE(Bandera("Vodidazaz"));
    EXPECT_TRUE(Bandera("GestionParroquial"));
}

TEST_F(SetupComplementoTest, UnSoloObjetoDeAccionesParaLosDosSetups)
{
    EjecutarEnDuzediv(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia')"));

    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    EXPECT_EQ(setup.objetosCreados, 1);
    EXPECT_EQ(setup.llamadasVodidazaz, 1);
    EXPECT_EQ(setup.llamadasGestionParroquial, 1);
    EXPECT_TRUE(Bandera("Vodidazaz"));
    EXPECT_TRUE(Bandera("GestionParroquial"));
}

TEST_F(SetupComplementoTest, SetupRechazadoTerminaSinVentana)
{
    EjecutarEnDuzediv(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia')"));
    setup.resultadoVodidazaz = false;

    EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);

    EXPECT_FALSE(Bandera("Vodidazaz"));
    EXPECT_EQ(setup.llamadasGestionParroquial, 0);
    EXPECT_FALSE(Bandera("GestionParroquial"));
    EXPECT_EQ(ventana.mostrada, 0);
    EXPECT_TRUE(terminaciones.isEmpty());
}

TEST_F(SetupComplementoTest, SetupDeLosComplementosInstalados)
{
    EjecutarEnDuzediv(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia')"));
    accionesReales = true;

    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    EXPECT_TRUE(Bandera("Vodidazaz"));
    EXPECT_TRUE(Bandera("GestionParroquial"));
}

TEST_F(SetupComplementoTest, SinBancosNoHayDonativosNiContabilidad)
{
    QuitarComplemento(bibliotecas::Bancos);
    EjecutarEnDuzediv(QStringLiteral("UPDATE Informacion SET Vodidazaz = True, Contabilidad = True"));
    QuitarArchivo(QStringLiteral("Contabilidad.udl"));

    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    const PVAPI::cInfoConfiguracion& info = *app.gobjInfoConfig;
    EXPECT_FALSE(info.BancosDLL);
    EXPECT_FALSE(info.VodidazazDLL);
    EXPECT_FALSE(info.ContabilidadDLL);
    EXPECT_TRUE(info.GestionParroquialDLL);
    EXPECT_FALSE(app.gobjVodidazaz);
    EXPECT_FALSE(app.gobjContabilidad);
    EXPECT_TRUE(app.gobjGestPar);
    // The accounting database is neither opened nor missed.
    EXPECT_FALSE(app.den.conContabilidad.isOpen());
    EXPECT_TRUE(pantalla().messages().isEmpty());
    EXPECT_FALSE(Bandera("Vodidazaz"));
    EXPECT_FALSE(Bandera("Contabilidad"));
}
