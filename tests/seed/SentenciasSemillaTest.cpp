#include "seed/DatosSemilla.h"
#include "seed/SentenciasSemilla.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

QString U(const char* texto) { return QString::fromUtf8(texto); }

struct Caso {
    const char* nombre;
    QString obtenida;
    const char* esperada;
};

class SentenciasSemillaTest : public ::testing::TestWithParam<Caso> {};

TEST_P(SentenciasSemillaTest, StatementTextIsExact)
{
    EXPECT_EQ(GetParam().obtenida, U(GetParam().esperada));
}

std::vector<Caso> Casos()
{
    const auto campos = DatosSemilla::CamposV212();
    const auto informes = DatosSemilla::InformesGeneral();
    const auto cuentas = DatosSemilla::CuentasPredeterminadas();
    const auto epigrafes = DatosSemilla::EstructuraPredeterminada();
    const auto enlaces = DatosSemilla::RelEstructuraCuentaPredeterminada();
    const auto nodos = DatosSemilla::NodosV212();
    return {
        {"PrimerCampo", SentenciasSemilla::Campo(campos[0], true),
         "INSERT INTO Campo(IDCampo, CodNodo, Nombre, Descripcion, Tipo, Orden, Ancho) VALUES (1, 2, \"Código\", "
         "\"Banco.Codigo\", 0, 1, 800)"},
        {"PrimerCampoSinClave", SentenciasSemilla::Campo(DatosSemilla::CamposV210()[0], false),
         "INSERT INTO Campo(CodNodo, Nombre, Descripcion, Tipo, Orden, Ancho) VALUES (2, \"Código\", "
         "\"Banco.Codigo\", 0, 1, 800)"},
        {"PrimerInforme", SentenciasSemilla::Informe(informes[0], false),
         "INSERT INTO Informe(Nombre, Nivel, CodPadre, CodImagen, Expandido) VALUES (\"Informes y documentos\", 1, 0, "
         "24, 1)"},
        {"PrimerInformeConClave", SentenciasSemilla::Informe(DatosSemilla::InformesMirante()[0], true),
         "INSERT INTO Informe(IDInforme, Nombre, Nivel, CodPadre, CodImagen, Expandido) VALUES (1, \"Informes y "
         "documentos\", 1, 0, 24, 1)"},
        {"Cuenta1", SentenciasSemilla::Cuenta(cuentas[0]),
         "INSERT INTO Predet_Cuenta(IDCuenta, codEmpresa, codTipo_Cuenta, Codigo, Descripcion, Nivel) VALUES (1, 0, 1, "
         "\"1\", \"FINANCIACIÓN BÁSICA\", 1)"},
        {"Cuenta3", SentenciasSemilla::Cuenta(cuentas[2]),
         "INSERT INTO Predet_Cuenta(IDCuenta, codEmpresa, codTipo_Cuenta, Codigo, Descripcion, Nivel) VALUES (3, 0, 3, "
         "\"100\", \"---\", 3)"},
        {"PrimerEpigrafe", SentenciasSemilla::Estructura(epigrafes[0]),
         "INSERT INTO Predet_Estructura(IDEstructura, codEmpresa, codDocumento, codNaturaleza, CodigoEpigrafe, "
         "Descripcion, OrdenEpigrafe, Formula) VALUES (1, 0, 1, 1, \"A\", \"ACTIVO\", \"0\", \"\")"},
        {"TotalActivo", SentenciasSemilla::Estructura(epigrafes[22]),
         "INSERT INTO Predet_Estructura(IDEstructura, codEmpresa, codDocumento, codNaturaleza, CodigoEpigrafe, "
         "Descripcion, OrdenEpigrafe, Formula) VALUES (23, 0, 1, 1, \"AE\", \"TOTAL ACTIVO\", \"1\", \"AB+AD\")"},
        {"PrimerEnlace", SentenciasSemilla::RelEstructuraCuenta(enlaces[0]),
         "INSERT INTO Predet_Rel_Estructura_Cuenta(IDRel_Estructura_Cuenta, codEstructura, codCuenta, Desglosar) "
         "VALUES (1, 4, 33, 0)"},
        {"PrimeraComunidad", SentenciasSemilla::ComunidadAutonoma(DatosSemilla::ComunidadesAutonomas()[0]),
         "INSERT INTO ComunidadAutonoma(Nombre, Codigo) VALUES (\"Castilla y León\", \"08\")"},
        {"PrimeraDeduccion", SentenciasSemilla::Deduccion(DatosSemilla::Deducciones()[0]),
         "INSERT INTO Deduccion(codComunidad, Deduccion) VALUES (1, 15)"},
        {"PrimerTipoVia", SentenciasSemilla::TipoVia(DatosSemilla::TiposVia()[0]),
         "INSERT INTO Tipo_Via(Descripcion) VALUES (\"AD - ALDEA\")"},
        {"NodoRaizConClave", SentenciasSemilla::Nodo(nodos[0], true),
         "INSERT INTO Nodo(IDNodo, Nombre, Descripcion, Nivel, CodPadre, Orden, NombreInterno, CodImagen, SQLSelect, "
         "Expandido) VALUES (1, \"Norvia Parvanta 2000\", \"Norvia Parvanta 2000\", 1, 0, 1, \"Norvia Parvanta "
         "2000\", 9, \" \", 1)"},
        {"NodoMunicipiosSinClave", SentenciasSemilla::Nodo(DatosSemilla::NodosV210()[3], false),
         "INSERT INTO Nodo(Nombre, Descripcion, Nivel, CodPadre, Orden, NombreInterno, CodImagen, SQLSelect, "
         "Expandido) VALUES (\"Municipios\", \"Municipios\", 2, 1, 3, \"Municipios\", 33, \"SELECT Municipio.Nombre, "
         "Provincia.Nombre, Municipio.IDMunicipio \r\nFROM Municipio, Provincia \r\nWHERE Municipio.CodProvincia = "
         "Provincia.IDProvincia \r\nORDER BY Municipio.Nombre, Provincia.Nombre\", 0)"},
    };
}

INSTANTIATE_TEST_SUITE_P(Semillas, SentenciasSemillaTest, ::testing::ValuesIn(Casos()),
                         [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
