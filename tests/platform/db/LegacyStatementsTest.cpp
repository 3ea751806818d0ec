// The statements the old program sends, run as they are written, with the
// results Jet gave them.
#include "support/ErrorNumber.h"
#include "support/TempDatabase.h"

#include "platform/db/DataTypes.h"

namespace {

using testsupport::ErrorNumberOf;

class LegacyStatements : public testsupport::TempDatabaseTest {};

TEST_F(LegacyStatements, AddInSetUpQueriesListInstitutionsWithoutAddInData)
{
    exec({"CREATE TABLE Institucion (IDInstitucion COUNTER PRIMARY KEY, Nombre NVARCHAR(50), ResponsableNombre NVARCHAR(40), "
          "ResponsablePrimerApellido NVARCHAR(40), ResponsableSegundoApellido NVARCHAR(40), ResponsableTelefono NVARCHAR(20), "
          "ResponsableCargo NVARCHAR(40), ResponsableNIF NVARCHAR(15), DiaCobro INT, Delegacion NVARCHAR(40), CIF NVARCHAR(15), "
          "Parroco NVARCHAR(120), EncargadoArchivo NVARCHAR(120), Diocesis NVARCHAR(40), Vicaria NVARCHAR(40))",
          "INSERT INTO Institucion (Nombre, ResponsableNombre, ResponsablePrimerApellido, ResponsableSegundoApellido, ResponsableTelefono, "
          "ResponsableCargo, ResponsableNIF, DiaCobro, Delegacion, CIF, Parroco, EncargadoArchivo, Diocesis, Vicaria) "
          "VALUES ('Vacia', '', '', '', '', '', '', 0, '', '', '', '', '', '')",
          "INSERT INTO Institucion (Nombre, ResponsableNombre, DiaCobro, Parroco) VALUES ('ConDatos', 'Ana', 5, 'D. Luis')",
          "INSERT INTO Institucion (Nombre, DiaCobro, CIF, Diocesis) VALUES ('SoloCif', 0, 'G123', '')"});
    const QString donations = QStringLiteral("SELECT * ") + "FROM Institucion WHERE IDInstitucion NOT IN "
        + "(SELECT IDInstitucion FROM Institucion " + "WHERE ResponsableNombre<>'' OR " + "ResponsablePrimerApellido<>'' OR "
        + "ResponsableSegundoApellido<>'' OR " + "ResponsableTelefono<>'' OR " + "ResponsableCargo<>'' OR " + "ResponsableNIF<>'' OR "
        + "DiaCobro<>0 OR " + "Delegacion<>'' OR " + "CIF<>'')";
    const QString parish = QStringLiteral("SELECT * ") + "FROM Institucion WHERE IDInstitucion NOT IN "
        + "(SELECT IDInstitucion FROM Institucion " + "WHERE Parroco<>'' OR " + "EncargadoArchivo<>'' OR " + "Diocesis<>'' OR "
        + "Vicaria<>'')";
    QStringList names;
    for (db::Recordset rs = con.Execute(donations); !rs.EOF_(); rs.MoveNext())
        names << rs[QStringLiteral("Nombre")].Value().toString();
    EXPECT_EQ(names, QStringList{QStringLiteral("Vacia")});
    names.clear();
    for (db::Recordset rs = con.Execute(parish); !rs.EOF_(); rs.MoveNext())
        names << rs[QStringLiteral("Nombre")].Value().toString();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Vacia"), QStringLiteral("SoloCif")}));
}

TEST_F(LegacyStatements, DoubleQuotedValueNamingAColumnIsAText)
{
    exec({"CREATE TABLE Banco (IDBanco COUNTER PRIMARY KEY, Codigo NVARCHAR(10), Nombre NVARCHAR(40))",
          "INSERT INTO Banco (Codigo, Nombre) VALUES (\"Nombre\", \"Caja\")", "INSERT INTO Banco (Codigo, Nombre) VALUES ('x', 'x')"});
    EXPECT_EQ(column(QStringLiteral("SELECT IDBanco FROM Banco WHERE Codigo = \"Nombre\"")), QStringList{QStringLiteral("1")});
    EXPECT_EQ(column(QStringLiteral("SELECT IDBanco FROM Banco WHERE Codigo = Nombre")), QStringList{QStringLiteral("2")});
    EXPECT_EQ(column(QStringLiteral("SELECT \"Codigo\" AS c FROM Banco WHERE IDBanco = 2")), QStringList{QStringLiteral("Codigo")});
}

TEST_F(LegacyStatements, InformationFlagsWithTrueFalse)
{
    exec({"CREATE TABLE Informacion (Version NVARCHAR(50), Vodidazaz YESNO, Contabilidad BIT DEFAULT False, GestionContable BIT DEFAULT False, TipoAplicacion NVARCHAR(100) DEFAULT \"\")",
          "INSERT INTO Informacion (Version) VALUES ('2.2.0')", "UPDATE Informacion SET Vodidazaz=True",
          "UPDATE Informacion SET Contabilidad=False, GestionContable=False", "UPDATE Informacion SET TipoAplicacion = 'GENERAL CONSOLIDACION'"});
    db::Recordset rs = con.Execute(QStringLiteral("SELECT * FROM Informacion"));
    EXPECT_EQ(rs[QStringLiteral("Vodidazaz")].Value().toString(), QStringLiteral("Verdadero"));
    EXPECT_EQ(rs[QStringLiteral("Vodidazaz")].Value().toInt64(), -1);
    EXPECT_EQ(scalar("SELECT Vodidazaz + 0 FROM Informacion").toInt64(), -1);
    EXPECT_EQ(rs[QStringLiteral("Contabilidad")].Value().toString(), QStringLiteral("Falso"));
    EXPECT_EQ(rs[QStringLiteral("TipoAplicacion")].Value().toString(), QStringLiteral("GENERAL CONSOLIDACION"));
}

class ReceiptRewrite : public testsupport::TempDatabaseTest {
protected:
    void SetUp() override
    {
        exec({"CREATE TABLE Recibo (IDRecibo COUNTER PRIMARY KEY, NumCertificado NVARCHAR(10), NumeroRecibo NVARCHAR(10))"});
        const char* rows[][2] = {{"ABCDEFGHIJ", "ABCDEFGHIJ"}, {"0", "0"}, {nullptr, nullptr}, {"ABCDE", "ABCDE"}};
        for (const auto& r : rows)
            con.Exec(QStringLiteral("INSERT INTO Recibo (NumCertificado, NumeroRecibo) VALUES (?, ?)"),
                     {r[0] ? db::Value(r[0]) : db::Value(), r[1] ? db::Value(r[1]) : db::Value()});
        exec({"ALTER TABLE [Recibo] ALTER COLUMN [NumCertificado] NVARCHAR(12) DEFAULT \"\"",
              "ALTER TABLE [Recibo] ALTER COLUMN [NumeroRecibo] NVARCHAR(12) DEFAULT \"\""});
    }

    QStringList values(const char* column)
    {
        QStringList out;
        for (db::Recordset rs = con.Execute(QStringLiteral("SELECT %1 FROM Recibo ORDER BY IDRecibo").arg(QString::fromUtf8(column)));
             !rs.EOF_(); rs.MoveNext())
            out << (rs[0].Value().isNull() ? QStringLiteral("<null>") : rs[0].Value().toString());
        return out;
    }
};

TEST_F(ReceiptRewrite, CertificateNumbersMoveTheirPieces)
{
    exec({"UPDATE Recibo SET NumCertificado = mid(Numcertificado,7,4) & mid(Numcertificado,5,2) & '00' & mid(Numcertificado,1,4) "
          "WHERE NumCertificado <> '0'"});
    EXPECT_EQ(values("NumCertificado"), (QStringList{"GHIJEF00ABCD", "0", "<null>", "E00ABCD"}));
}

TEST_F(ReceiptRewrite, ReceiptNumbersRewriteEveryRow)
{
    exec({"UPDATE Recibo SET NumeroRecibo = mid(NumeroRecibo,1,6) & '00' & mid(NumeroRecibo,7,4)"});
    EXPECT_EQ(values("NumeroRecibo"), (QStringList{"ABCDEF00GHIJ", "000", "00", "ABCDE00"}));
}

TEST_F(LegacyStatements, InstitutionNameSplitWritesDoubleQuotedTexts)
{
    exec({"CREATE TABLE Institucion (IDInstitucion COUNTER PRIMARY KEY, Nombre NVARCHAR(50), InstitucionTipo NVARCHAR(16), InstitucionNombre NVARCHAR(33))",
          "INSERT INTO Institucion (Nombre) VALUES ('Parroquia San Juan')",
          "UPDATE Institucion SET InstitucionTipo = \"Parroquia\", InstitucionNombre = \"San Juan\" WHERE IDInstitucion = 1"});
    EXPECT_EQ(scalar("SELECT InstitucionTipo & '|' & InstitucionNombre FROM Institucion").toString(), QStringLiteral("Parroquia|San Juan"));
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("UPDATE Institucion SET InstitucionTipo = \"ParroquiaMuyLargaDeVerdad\" WHERE IDInstitucion = 1")); }), 3163);
}

TEST_F(LegacyStatements, SchemaStep220)
{
    exec({"CREATE TABLE Padron (IDPadron COUNTER PRIMARY KEY, DNI NVARCHAR(15))",
          "CREATE TABLE ComunidadAutonoma (IdComunidad COUNTER PRIMARY KEY, Nombre NVARCHAR(50), Codigo NVARCHAR(2))",
          "CREATE TABLE Deduccion (IDDeduccion COUNTER PRIMARY KEY, Deduccion INT, codComunidad INT)"});
    const char* dnis[] = {"12345678Z", "X1234567L", "x1234567L", "B12345678", "b1234567", "", "   ", "B1234", "  B12345678  "};
    for (const char* d : dnis)
        con.Exec(QStringLiteral("INSERT INTO Padron (DNI) VALUES (?)"), {QString::fromUtf8(d)});
    exec({"INSERT INTO Padron (DNI) VALUES (Null)"});

    exec({"CREATE TABLE TipoPersonaModelo182 (IdTipoPersonaModelo182 COUNTER CONSTRAINT IdTipoPersonaModelo182 PRIMARY KEY, TipoPersonaModelo182 VARCHAR(50))",
          "INSERT INTO TipoPersonaModelo182 (TipoPersonaModelo182) VALUES('Persona física')",
          "INSERT INTO TipoPersonaModelo182 (TipoPersonaModelo182) VALUES('Persona jurídica')",
          "INSERT INTO TipoPersonaModelo182 (TipoPersonaModelo182) VALUES('Entidad en régimen de atribución de rentas')",
          "ALTER TABLE Padron ADD COLUMN codTipoPersonaModelo182 INT", "UPDATE Padron SET codTipoPersonaModelo182 = 1",
          "UPDATE Padron SET codTipoPersonaModelo182 = 2 WHERE NOT ISNUMERIC(LEFT(DNI,1)) AND UCASE(LEFT(DNI,1)) <> 'X' AND TRIM(DNI)<> '' AND LEN(TRIM(DNI)) >= 9",
          "CREATE TABLE [Modelo182] (IdModelo182 COUNTER CONSTRAINT IdModelo182 PRIMARY KEY, TipoA BYTE, TipoB BYTE, DeduccionRegFiscal2 BYTE)",
          "INSERT INTO Modelo182 (TipoA, TipoB,DeduccionRegFiscal2) VALUES(25,30,10)",
          "ALTER TABLE ComunidadAutonoma ADD COLUMN DeduccionDefecto BYTE",
          "INSERT INTO ComunidadAutonoma (Nombre, Codigo) VALUES('Andalucía','01')", "UPDATE ComunidadAutonoma SET DeduccionDefecto=0"});

    EXPECT_EQ(column(QStringLiteral("SELECT IdTipoPersonaModelo182 FROM TipoPersonaModelo182 ORDER BY IdTipoPersonaModelo182")),
              (QStringList{"1", "2", "3"}));
    EXPECT_EQ(column(QStringLiteral("SELECT codTipoPersonaModelo182 FROM Padron ORDER BY IDPadron")),
              (QStringList{"1", "1", "1", "2", "1", "1", "1", "1", "2", "1"}));
    EXPECT_EQ(scalar("SELECT TipoA & '/' & TipoB & '/' & DeduccionRegFiscal2 FROM Modelo182").toString(), QStringLiteral("25/30/10"));
    db::Recordset rs = con.Execute(QStringLiteral("SELECT TOP 1 DeduccionDefecto AS Campo FROM ComunidadAutonoma"));
    EXPECT_EQ(rs[QStringLiteral("Campo")].Type(), db::adUnsignedTinyInt);
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("CREATE TABLE [Modelo182] (IdModelo182 COUNTER CONSTRAINT IdModelo182 PRIMARY KEY)")); }), 3010);
}

TEST_F(LegacyStatements, AccountingStep102)
{
    exec({"CREATE TABLE Asiento (IDAsiento COUNTER PRIMARY KEY, Numero INT)",
          "CREATE TABLE Apunte (IDApunte COUNTER PRIMARY KEY, codAsiento INT, Concepto NVARCHAR(30))",
          "CREATE TABLE Empresa (IDEmpresa COUNTER PRIMARY KEY, Nombre NVARCHAR(40))", "INSERT INTO Asiento (Numero) VALUES (1)",
          "INSERT INTO Asiento (Numero) VALUES (2)", "INSERT INTO Apunte (codAsiento, Concepto) VALUES (1, 'Cuota')",
          "INSERT INTO Empresa (Nombre) VALUES ('E')"});
    EXPECT_NE(ErrorNumberOf([&] { con.Execute(QStringLiteral("SELECT ConceptoAsiento FROM Asiento")); }), 0);
    exec({"ALTER TABLE [Asiento] ADD COLUMN [ConceptoAsiento] NVARCHAR(30) DEFAULT \"\"", "UPDATE Asiento SET ConceptoAsiento = '' ",
          "UPDATE Asiento, Apunte SET ConceptoAsiento = Apunte.Concepto WHERE Asiento.IDAsiento = Apunte.codAsiento",
          "ALTER TABLE [Empresa] ADD COLUMN [CodGrupo] INT DEFAULT 0", "UPDATE Empresa SET CodGrupo = 0 "});
    EXPECT_NE(ErrorNumberOf([&] { con.Execute(QStringLiteral("SELECT * FROM Grupo")); }), 0);
    exec({"CREATE TABLE [Grupo]", "ALTER TABLE [Grupo] ADD COLUMN [IDGrupo] COUNTER PRIMARY KEY",
          "ALTER TABLE [Grupo] ADD COLUMN [Nombre] NVARCHAR(40) DEFAULT \"\"", "UPDATE Grupo SET Nombre = ''",
          // The same statements when the columns are present.
          "ALTER TABLE [Asiento] ALTER COLUMN [ConceptoAsiento] NVARCHAR(30) DEFAULT \"\"",
          "ALTER TABLE [Grupo] ALTER COLUMN [IDGrupo] COUNTER PRIMARY KEY", "ALTER TABLE [Empresa] ALTER COLUMN [CodGrupo] INT DEFAULT 0"});
    EXPECT_EQ(column(QStringLiteral("SELECT ConceptoAsiento FROM Asiento ORDER BY IDAsiento")), (QStringList{"Cuota", ""}));
    EXPECT_EQ(scalar("SELECT CodGrupo FROM Empresa").toInt64(), 0);
    exec({"INSERT INTO Grupo (Nombre) VALUES ('G')"});
    EXPECT_EQ(scalar("SELECT IDGrupo FROM Grupo").toInt64(), 1);
}

TEST_F(LegacyStatements, CompanyListJoinsGroupsAndNamesTwinFieldsByTable)
{
    exec({"CREATE TABLE Grupo (IDGrupo COUNTER PRIMARY KEY, Nombre NVARCHAR(40))",
          "CREATE TABLE Empresa (IDEmpresa COUNTER PRIMARY KEY, Abreviatura NVARCHAR(10), Nombre NVARCHAR(40), AñoEjercicio INT, "
          "EjercicioCerrado BIT, CodGrupo INT)",
          "INSERT INTO Grupo (Nombre) VALUES ('Diócesis')",
          "INSERT INTO Empresa (Abreviatura, Nombre, AñoEjercicio, EjercicioCerrado, CodGrupo) VALUES ('abc', 'Parroquia', 2005, False, 1)",
          "INSERT INTO Empresa (Abreviatura, Nombre, AñoEjercicio, EjercicioCerrado, CodGrupo) VALUES ('xyz', 'Cáritas', 2004, True, 0)"});
    db::Recordset rs = con.Execute(QStringLiteral("SELECT Grupo.Nombre, Empresa.Abreviatura, Empresa.Nombre, Empresa.AñoEjercicio, Empresa.EjercicioCerrado, IDEmpresa \r\n")
                                   + "FROM Empresa LEFT JOIN Grupo ON Empresa.CodGrupo = Grupo.IDGrupo ORDER BY Grupo.Nombre, Empresa.AñoEjercicio, Empresa.Abreviatura, Empresa.Nombre");
    ASSERT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.Fields()[0].name(), QStringLiteral("Grupo.Nombre"));
    EXPECT_EQ(rs.Fields()[2].name(), QStringLiteral("Empresa.Nombre"));
    EXPECT_TRUE(rs[0].Value().isNull()); // Null sorts first
    EXPECT_EQ(rs[QStringLiteral("empresa.nombre")].Value().toString(), QStringLiteral("Cáritas"));
    EXPECT_EQ(rs[QStringLiteral("Nombre")].Value().isNull(), true); // a bare name finds the first twin
    EXPECT_EQ(rs[QStringLiteral("AñoEjercicio")].Value().toInt64(), 2004);
    EXPECT_EQ(rs[4].Value().toString(), QStringLiteral("Verdadero"));

    db::Recordset nested = con.Execute(QStringLiteral(
        "SELECT Empresa.Abreviatura FROM (Empresa INNER JOIN Grupo ON Empresa.CodGrupo = Grupo.IDGrupo) INNER JOIN Empresa AS E2 ON E2.IDEmpresa = Empresa.IDEmpresa"));
    EXPECT_EQ(nested.RecordCount(), 1);
}

TEST_F(LegacyStatements, MessagePreviewQuery)
{
    exec({"CREATE TABLE TipoMensaje (IDTipoMensaje COUNTER PRIMARY KEY, Codigo NVARCHAR(20))",
          "CREATE TABLE Mensaje (IDMensaje COUNTER PRIMARY KEY, CodTipoMensaje INT, FechaEnvio DATETIME, Remitente NVARCHAR(50), "
          "Destinatario NVARCHAR(50), Descripcion MEMO, Nodo NVARCHAR(30))",
          "INSERT INTO TipoMensaje (Codigo) VALUES ('Aviso')",
          "INSERT INTO Mensaje (CodTipoMensaje, Remitente, Destinatario, Descripcion, Nodo) VALUES (1, 'Ana', 'Luis', 'Hola', 'BandejaEntrada')"});
    const QString rowKey = QStringLiteral("1");
    db::Recordset rs = con.Execute(QStringLiteral("SELECT ") + "Remitente, Destinatario, Descripcion " + "FROM Mensaje, TipoMensaje "
                                   + "WHERE IDMensaje=" + rowKey + " AND " + "CodTipoMensaje=IDTipoMensaje");
    EXPECT_EQ(rs[QStringLiteral("Remitente")].Value().toString() + rs[QStringLiteral("Destinatario")].Value().toString()
                  + rs[QStringLiteral("Descripcion")].Value().toString(),
              QStringLiteral("AnaLuisHola"));
    EXPECT_EQ(con.Execute(QStringLiteral("SELECT Codigo, FechaEnvio, Remitente, Destinatario, IDMensaje FROM Mensaje, TipoMensaje WHERE CodTipoMensaje=IDTipoMensaje AND Nodo='BandejaEntrada'"))
                  .RecordCount(),
              1);
}

class ListFilter : public testsupport::TempDatabaseTest {
protected:
    void SetUp() override
    {
        exec({"CREATE TABLE Cuenta (IDCuenta COUNTER PRIMARY KEY, Codigo NVARCHAR(12), PresupuestoTotal CURRENCY, Cerrado BIT)",
              "CREATE TABLE Libro_Bautismo (IDLibroBautismo COUNTER PRIMARY KEY, Nombre NVARCHAR(50), Nuevo BIT, FechaCreacion NVARCHAR(8))",
              "INSERT INTO Cuenta (Codigo, PresupuestoTotal) VALUES ('Nombre', 12.5)", "INSERT INTO Cuenta (Codigo, PresupuestoTotal) VALUES ('570', 12.49)",
              "INSERT INTO Libro_Bautismo (Nombre, Nuevo, FechaCreacion) VALUES ('Libro 1', True, '20050102')",
              "INSERT INTO Libro_Bautismo (Nombre, Nuevo, FechaCreacion) VALUES ('Libro 2', False, '---')"});
    }
};

TEST_F(ListFilter, FieldTypeProbe)
{
    const std::pair<const char*, int> probes[] = {
        {"SELECT TOP 1 Nuevo AS Campo FROM Libro_Bautismo", db::adBoolean},
        {"SELECT TOP 1 FechaCreacion AS Campo FROM Libro_Bautismo", db::adVarWChar},
        {"SELECT TOP 1 PresupuestoTotal AS Campo FROM Cuenta", db::adCurrency},
        {"SELECT TOP 1 IDCuenta AS Campo FROM Cuenta", db::adInteger},
    };
    for (const auto& [sql, type] : probes) {
        db::Recordset rs = con.Execute(QString::fromUtf8(sql));
        EXPECT_EQ(rs.RecordCount(), 1) << sql;
        EXPECT_EQ(rs[QStringLiteral("Campo")].Type(), type) << sql;
    }
    EXPECT_NE(ErrorNumberOf([&] { con.Execute(QStringLiteral("SELECT TOP 1 Falta AS Campo FROM Cuenta")); }), 0);
}

TEST_F(ListFilter, MergedConditionsRunAsWritten)
{
    const std::pair<const char*, int> cases[] = {
        // A double-quoted value equal to a column name is a text, not the column.
        {"SELECT Codigo, IDCuenta \r\nFROM Cuenta \r\nWHERE Cuenta.Codigo LIKE \"%Nombre%\" \r\n", 1},
        {"SELECT Codigo, IDCuenta \r\nFROM Cuenta \r\nWHERE Codigo = \"Codigo\" \r\n", 0},
        {"SELECT Codigo, IDCuenta \r\nFROM Cuenta \r\nWHERE CCur(Cuenta.PresupuestoTotal) = 12.5 \r\n", 1},
        {"SELECT Nombre, IDLibroBautismo \r\nFROM Libro_Bautismo \r\nWHERE Libro_Bautismo.Nuevo = True \r\nORDER BY Nombre ", 1},
        {"SELECT Nombre, IDLibroBautismo \r\nFROM Libro_Bautismo \r\nWHERE Libro_Bautismo.Nuevo <> True AND Libro_Bautismo.Nuevo <> False \r\n", 0},
        {"SELECT Nombre, IDLibroBautismo \r\nFROM Libro_Bautismo \r\nWHERE Libro_Bautismo.FechaCreacion LIKE \"%20050102%\" \r\n", 1},
        {"SELECT Nombre, IDLibroBautismo \r\nFROM Libro_Bautismo \r\nWHERE Libro_Bautismo.Nombre LIKE \"%LIBRO%\" \r\n", 2},
        {"SELECT Codigo, IDCuenta \r\nFROM Cuenta \r\nWHERE Cuenta.Codigo LIKE \"%''%\" \r\n", 0},
    };
    for (const auto& [sql, rows] : cases)
        EXPECT_EQ(con.Execute(QString::fromUtf8(sql)).RecordCount(), rows) << sql;
}

TEST_F(LegacyStatements, NodeSeedKeepsQueriesWithQuotesAndLineBreaks)
{
    exec({"CREATE TABLE Nodo (IDNodo COUNTER PRIMARY KEY, Nombre NVARCHAR(50), Descripcion NVARCHAR(50), Nivel INT, CodPadre INT, "
          "Orden INT, NombreInterno NVARCHAR(50), CodImagen INT, SQLSelect MEMO, Expandido YESNO)"});
    const QString query = QStringLiteral("SELECT Municipio.Nombre, Provincia.Nombre, Municipio.IDMunicipio \r\nFROM Municipio, Provincia \r\n"
                                         "WHERE Municipio.CodProvincia = Provincia.IDProvincia \r\nORDER BY Municipio.Nombre, Provincia.Nombre");
    const QString tray = QStringLiteral("SELECT Codigo, FechaEnvio, Remitente, Destinatario, IDMensaje FROM Mensaje, TipoMensaje WHERE CodTipoMensaje=IDTipoMensaje AND Nodo='BandejaEntrada'");
    con.Execute(QStringLiteral("INSERT INTO Nodo(IDNodo, Nombre, Descripcion, Nivel, CodPadre, Orden, NombreInterno, CodImagen, SQLSelect, Expandido) VALUES (")
                + "4, \"Municipios\", \"Municipios\", 2, 1, 3, \"Municipios\", 33, \"" + query + "\", 0)");
    con.Execute(QStringLiteral("INSERT INTO Nodo(Nombre, Descripcion, Nivel, CodPadre, Orden, NombreInterno, CodImagen, SQLSelect, Expandido) VALUES (")
                + "\"Bandeja de entrada\", \"BandejaEntrada\", 4, 36, 1, \"Bandeja Entrada\", 36, \"" + tray + "\", 1)");
    con.Execute(QStringLiteral("INSERT INTO Nodo(Nombre, Descripcion, Nivel, CodPadre, Orden, NombreInterno, CodImagen, SQLSelect, Expandido) VALUES (")
                + "\"Vodidazaz\", \"Donativo\", 2, 1, 5, \"Vodidazaz\", 2, \" \", 0)");
    db::Recordset rs = con.Execute(QStringLiteral("SELECT * FROM Nodo ORDER BY Nivel, CodPadre, Orden"));
    ASSERT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs[QStringLiteral("SQLSelect")].Value().toString(), query);
    EXPECT_EQ(query.size(), 193);
    rs.MoveNext();
    EXPECT_EQ(rs[QStringLiteral("SQLSelect")].Value().toString(), QStringLiteral(" "));
    rs.MoveNext();
    EXPECT_EQ(rs[QStringLiteral("SQLSelect")].Value().toString(), tray);
    EXPECT_EQ(rs[QStringLiteral("Expandido")].Value().toString(), QStringLiteral("Verdadero"));
    EXPECT_EQ(rs[QStringLiteral("IDNodo")].Value().toInt64(), 5);
}

} // namespace
