// Every statement the program sends on its databases runs on the fresh
// layouts: the queries the main window writes into the accounting nodes, and
// the statements of the start-up, the prints, the removal cascades and the
// agenda. The stored list queries of the navigation tree are run by the seed
// tests, on the seeded rows themselves.

#include "BasesVacias.h"

#include "platform/db/Recordset.h"
#include "platform/vb/VbError.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

struct Sentencia {
    BaseDatosPrograma base;
    const char* sql;
};

constexpr Sentencia kSentencias[] = {
#include "SentenciasPrograma.inc"
};

// Statements put together from pieces, as the program builds them.
constexpr Sentencia kSentenciasCompuestas[] = {
    // Start-up: institutions without donation data / without parish data.
    {BaseDatosPrograma::Duzediv,
     "SELECT * FROM Institucion WHERE IDInstitucion NOT IN (SELECT IDInstitucion FROM Institucion "
     "WHERE ResponsableNombre<>'' OR ResponsablePrimerApellido<>'' OR ResponsableSegundoApellido<>'' OR "
     "ResponsableTelefono<>'' OR ResponsableCargo<>'' OR ResponsableNIF<>'' OR DiaCobro<>0 OR "
     "Delegacion<>'' OR CIF<>'')"},
    {BaseDatosPrograma::Duzediv,
     "SELECT * FROM Institucion WHERE IDInstitucion NOT IN (SELECT IDInstitucion FROM Institucion "
     "WHERE Parroco<>'' OR EncargadoArchivo<>'' OR Diocesis<>'' OR Vicaria<>'')"},
    {BaseDatosPrograma::Duzediv, "UPDATE Informacion SET Vodidazaz=True"},
    {BaseDatosPrograma::Duzediv, "UPDATE Informacion SET Contabilidad=False, GestionContable=False"},
    {BaseDatosPrograma::Duzediv, "UPDATE Informacion SET TipoAplicacion = '8'"},
    // Institution name split of the 2.1.0 step.
    {BaseDatosPrograma::Duzediv, "SELECT IDInstitucion, InstitucionTipo, InstitucionNombre, Nombre FROM Institucion"},
    // Cash receipts, in both currencies, and the person's place.
    {BaseDatosPrograma::Duzediv,
     "SELECT Recibo.NumeroRecibo AS NumeroRecibo, Recibo.ImporteEur AS Importe_Recibo, Recibo.Fecha AS "
     "Fecha_Recibo, Donativo.Descripcion AS Donativo, Padron.Nombre AS Persona_Nombre, Padron.PrimerApellido as "
     "Persona_PrimerApellido, Padron.SegundoApellido as Persona_SegundoApellido, Padron.Direccion AS "
     "Persona_Domicilio, Padron.DNI AS Persona_NIF, Padron.CodMunicipio AS Persona_Municipio, Padron.CPostal AS "
     "Persona_CP, Institucion.InstitucionTipo AS InstitucionTipo, Institucion.InstitucionNombre AS "
     "InstitucionNombre, Institucion.Domicilio AS Institucion_Domicilio, Institucion.CIF AS Institucion_CIF, "
     "Municipio.Nombre AS Institucion_Poblacion, Provincia.Nombre AS Institucion_Provincia, Institucion.CP AS "
     "Institucion_CP FROM Recibo, Donativo, Institucion, Padron, Municipio, Provincia WHERE Recibo.CodDonativo = "
     "Donativo.IDDonativo AND Donativo.CodInstitucion = Institucion.IDInstitucion AND Donativo.CodPersonaDonativo "
     "= Padron.IDPadron AND Institucion.CodMunicipio = Municipio.IDMunicipio AND Municipio.CodProvincia = "
     "Provincia.IDProvincia AND Recibo.PagoBanco = False  ORDER BY Padron.PrimerApellido, "
     "Padron.SegundoApellido, Padron.Nombre, Recibo.NumeroRecibo"},
    {BaseDatosPrograma::Duzediv,
     "SELECT Provincia.Nombre AS Provincia, Municipio.Nombre AS Poblacion FROM Provincia,  Municipio WHERE "
     "Municipio.IDMunicipio=1 AND Municipio.CodProvincia=Provincia.IDProvincia"},
    {BaseDatosPrograma::Informes,
     "INSERT INTO Recibos(NumeroRecibo, Importe_Recibo, Fecha_Recibo, Donativo, Persona_Nombre, "
     "Persona_Domicilio, Persona_NIF, Persona_Provincia, Persona_Poblacion, Persona_CP, InstitucionTipo, "
     "InstitucionNombre, Institucion_Domicilio, Institucion_CIF, Institucion_Poblacion, Institucion_Provincia, "
     "Institucion_CP, Importe_Recibo_Texto)VALUES('202400000001', '25,50', '01/02/2024', \"Cuota\", "
     "\"García López, Ana\", \"C/ Mayor 1\", \"12345678Z\", \"Burgos\", \"Aranda\", \"09400\", \"Parroquia\", "
     "\"San Juan\", \"Plaza 2\", \"R0900000A\", \"Aranda\", \"Burgos\", \"09400\", "
     "\"Veinticinco euros con cincuenta centimos de euro.\")"},
    // Messages: the text of a message.
    {BaseDatosPrograma::Duzediv,
     "SELECT Remitente, Destinatario, Descripcion FROM Mensaje, TipoMensaje WHERE IDMensaje=1 AND "
     "CodTipoMensaje=IDTipoMensaje"},
    // Agenda.
    {BaseDatosPrograma::Duzediv,
     "INSERT INTO Tareas (HoraInicio,HoraFin,Descripcion,Nombre,Fecha) VALUES (\"0930\", \"1030\", '','', "
     "\"20240105\")"},
    {BaseDatosPrograma::Duzediv, "UPDATE Tareas SET Nombre=\"Reunión\", Descripcion=\"Consejo\" WHERE IDTarea=1;"},
    {BaseDatosPrograma::Duzediv, "UPDATE Tareas SET HoraInicio=\"1000\", HoraFin=\"1100\" WHERE IDTarea=1;"},
    // Accounting nodes, rewritten for the selected company in both currencies.
    {BaseDatosPrograma::Contabilidad,
     "SELECT Numero, IDAsiento AS Clave, ConceptoAsiento, Fecha, COUNT(Apunte.IDApunte) AS NumApuntes, "
     "(sum(CCur(CtdadDebe)) - sum(CCur(CtdadHaber))) AS Descuadre, IDAsiento \r\nFROM Asiento, Apunte \r\n"
     "WHERE Asiento.IDAsiento = Apunte.CodAsiento AND Asiento.CodEmpresa = 1 \r\n"
     "GROUP BY Numero, IDAsiento, ConceptoAsiento, Fecha \r\nORDER BY Numero, Fecha"},
    {BaseDatosPrograma::Contabilidad,
     "SELECT Numero, IDAsiento AS Clave, ConceptoAsiento, Fecha, COUNT(Apunte.IDApunte) AS NumApuntes, "
     "(sum(CCur(CtdadDebeEuros)) - sum(CCur(CtdadHaberEuros))) AS Descuadre, IDAsiento \r\nFROM Asiento, Apunte \r\n"
     "WHERE Asiento.IDAsiento = Apunte.CodAsiento AND Asiento.CodEmpresa = 1 \r\n"
     "GROUP BY Numero, IDAsiento, ConceptoAsiento, Fecha \r\nORDER BY Numero, Fecha"},
    {BaseDatosPrograma::Contabilidad,
     "SELECT Nombre, Count(IDApuntePredefinido) AS NumApuntes, IDAsientoPredefinido FROM AsientoPredefinido, "
     "ApuntePredefinido WHERE IDAsientoPredefinido = CodAsientoPredefinido AND codEmpresa = 1 GROUP BY "
     "IDAsientoPredefinido, Nombre ORDER BY Nombre"},
    {BaseDatosPrograma::Contabilidad,
     "SELECT Codigo, PresupuestoTotal, IDCuenta FROM Cuenta WHERE CodTipo_Cuenta=2 AND CodEmpresa=1 AND "
     "PresupuestoTotal <> '0' ORDER BY Codigo"},
    {BaseDatosPrograma::Contabilidad,
     "SELECT Codigo, PresupuestoTotalEuros, IDCuenta FROM Cuenta WHERE CodTipo_Cuenta=2 AND CodEmpresa=1 AND "
     "PresupuestoTotal <> '0' ORDER BY Codigo"},
    {BaseDatosPrograma::Contabilidad, "SELECT MAX(IDEmpresa) AS IDNueva FROM Empresa"},
    {BaseDatosPrograma::Contabilidad, "SELECT IDNaturaleza FROM Naturaleza WHERE Descripcion='Activo'"},
    // The 1.0.2 fill of the entry texts.
    {BaseDatosPrograma::Contabilidad,
     "UPDATE Asiento, Apunte SET ConceptoAsiento = Apunte.Concepto WHERE Asiento.IDAsiento = Apunte.codAsiento"},
};

class ConsultasTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_bases = new BasesVacias; }
    static void TearDownTestSuite()
    {
        delete s_bases;
        s_bases = nullptr;
    }

    static void Ejecutar(BaseDatosPrograma base, const QString& sql)
    {
        try {
            s_bases->con(base).Execute(sql);
        } catch (const vb::VbError& e) {
            ADD_FAILURE() << sql.toStdString() << "\n  " << e.number() << ": " << e.description().toStdString();
        }
    }

    static BasesVacias* s_bases;
};

BasesVacias* ConsultasTest::s_bases = nullptr;

TEST_F(ConsultasTest, LasSentenciasDelProgramaCorren)
{
    for (const Sentencia& s : kSentencias)
        Ejecutar(s.base, QString::fromUtf8(s.sql));
    for (const Sentencia& s : kSentenciasCompuestas)
        Ejecutar(s.base, QString::fromUtf8(s.sql));
}

TEST_F(ConsultasTest, LaColumnaQuitadaEn210YaNoExiste)
{
    // The 2.1.0 step probes it to decide whether to drop it.
    EXPECT_THROW(s_bases->con(BaseDatosPrograma::Duzediv).Execute("SELECT CodDeduccion FROM ComunidadAutonoma"),
                 vb::VbError);
}

// The plan SQLite chooses for a list query: the lists of 100,000 rows must
// be read in key order from an index, not sorted whole.
QString Plan(db::Connection& con, const QString& sqlite)
{
    QString plan;
    sqlite3_stmt* st = nullptr;
    const QByteArray texto = ("EXPLAIN QUERY PLAN " + sqlite).toUtf8();
    if (sqlite3_prepare_v2(con.handle(), texto.constData(), -1, &st, nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW)
            plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 3))) + '\n';
    }
    sqlite3_finalize(st);
    return plan;
}

TEST_F(ConsultasTest, LasListasLargasSeLeenPorIndice)
{
    struct Caso {
        BaseDatosPrograma base;
        const char* sql;
    };
    const Caso casos[] = {
        {BaseDatosPrograma::Duzediv, "SELECT Nombre, Telefono, IDInstitucion FROM Institucion ORDER BY Nombre"},
        {BaseDatosPrograma::Duzediv,
         "SELECT Nombre, IDPadron FROM Padron ORDER BY PrimerApellido, SegundoApellido, Nombre"},
        {BaseDatosPrograma::Duzediv, "SELECT Fecha, IDRemesa FROM Remesa ORDER BY Fecha"},
        {BaseDatosPrograma::Duzediv, "SELECT * FROM Nodo ORDER BY Nivel, CodPadre, Orden"},
        {BaseDatosPrograma::Duzediv, "SELECT * FROM Campo WHERE CodNodo = 3 ORDER BY Orden"},
        {BaseDatosPrograma::Contabilidad,
         "SELECT Codigo, Descripcion, IDCuenta FROM Cuenta WHERE CodTipo_Cuenta=2 AND CodEmpresa=1 ORDER BY Codigo"},
    };
    for (const Caso& c : casos) {
        const QString plan = Plan(s_bases->con(c.base), QString::fromUtf8(c.sql));
        EXPECT_TRUE(plan.contains("INDEX")) << c.sql << "\n" << plan.toStdString();
        EXPECT_FALSE(plan.contains("TEMP B-TREE FOR ORDER BY")) << c.sql << "\n" << plan.toStdString();
    }
}

TEST_F(ConsultasTest, LasUnionesDeLasListasUsanIndices)
{
    // Joins on reference columns must find their rows by index: no table of
    // a list query is scanned whole more than once.
    const char* sql =
        "SELECT Padron.Nombre, Padron.IDPadron FROM Padron, Padron_TipoPersona "
        "WHERE Padron_TipoPersona.CodTipoPersona = 1 AND Padron.IDPadron = Padron_TipoPersona.CodPadron";
    const QString plan = Plan(s_bases->con(BaseDatosPrograma::Duzediv), sql);
    EXPECT_FALSE(plan.contains(QRegularExpression("SCAN Padron_TipoPersona(?! USING)"))) << plan.toStdString();
}

} // namespace
