// The parish upgrade as start-up runs it: from a database of each edition's
// starting version to 2.2.0, with its backups, and what a failed step leaves.

#include "CarpetaPrueba.h"

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/pvapi/cCAplicacion.h"
#include "schema/Estructura.h"
#include "schema/RecuentoCenso.h"
#include "schema/EstructuraReal.h"
#include "schema/upgrade/cActBDDuzediv.h"
#include "core/cCurrency.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <gtest/gtest.h>

namespace {

using PVAPI::cCAplicacion;

const QString kDuzediv = QStringLiteral("Duzediv.mdb");

db::Value Escalar(db::Connection& con, const QString& sql)
{
    db::Recordset rs = con.Execute(sql);
    return rs.isEOF() ? db::Value() : rs.value(0);
}

qint64 Contar(db::Connection& con, const QString& sql)
{
    return Escalar(con, sql).toInt64();
}

// The column pairs (key -> value) of a table, read before and after.
QHash<qint64, db::Value> Columna(db::Connection& con, const QString& tabla, const QString& clave, const QString& columna)
{
    QHash<qint64, db::Value> valores;
    for (db::Recordset rs = con.Execute(QStringLiteral("SELECT %1, %2 FROM %3").arg(clave, columna, tabla)); !rs.isEOF();
         rs.MoveNext())
        valores.insert(rs.value(0).toInt64(), rs.value(1));
    return valores;
}

QString VersionDe(const QString& ruta, const QString& clave)
{
    db::Connection con;
    con.Open(QStringLiteral("Data Source=%1;Jet OLEDB:Database Password=\"%2\"").arg(ruta, clave));
    return Escalar(con, QStringLiteral("SELECT Version FROM Informacion")).toString();
}

QStringList EtiquetasDeCopia(const CarpetaPrueba& carpeta)
{
    return QDir(carpeta.Ruta(QStringLiteral("CopiasBD"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

class ActualizacionParroquia : public ::testing::Test {
protected:
    OpcionesActualizacion Opciones(long edicion)
    {
        OpcionesActualizacion o;
        o.edicion = edicion;
        o.terminarPrograma = [this] { ++finesDePrograma; };
        if (reparacion)
            o.repararBautismo = reparacion;
        return o;
    }

    void Actualizar(long edicion, bool conContabilidad = false)
    {
        db::Connection con = carpeta.AbrirParroquia();
        db::Connection contabilidad;
        if (conContabilidad)
            contabilidad = carpeta.AbrirContabilidad();
        cActBDDuzediv(con, conContabilidad ? &contabilidad : nullptr, Opciones(edicion)).ComprobarVersionBD();
        // The connection is open again after every compaction.
        EXPECT_TRUE(con.isOpen());
    }

    QString Version()
    {
        db::Connection con = carpeta.AbrirParroquia();
        return Escalar(con, QStringLiteral("SELECT Version FROM Informacion")).toString();
    }

    QStringList Mensajes() const { return testsupport::scriptedUi().messageTexts(); }

    CarpetaPrueba carpeta;
    int finesDePrograma = 0;
    std::function<bool(db::Connection&)> reparacion;
};

// ---------------------------------------------------------------------------
// Every edition's path, from its starting version.

struct Ruta {
    const char* nombre;
    long edicion;
    const char* desde;
    QStringList copias;        // backup tags the run leaves
    QStringList versionesCopia; // version stored in each copy, same order
    int informes;              // rows of the report tree at the end
};

void PrintTo(const Ruta& r, std::ostream* os) { *os << r.nombre; }

class RutaCompleta : public ActualizacionParroquia, public ::testing::WithParamInterface<Ruta> {};

TEST_P(RutaCompleta, LlegaA220ConSusCopiasYLaEstructuraDeUnaBaseNueva)
{
    const Ruta& ruta = GetParam();
    carpeta.CrearParroquia(QString::fromUtf8(ruta.desde));
    if (ruta.edicion == cCAplicacion::APP_PARVANTA_MIRANTE)
        carpeta.CrearContabilidad(QStringLiteral("1.0.2"));

    Actualizar(ruta.edicion, ruta.edicion == cCAplicacion::APP_PARVANTA_MIRANTE);

    EXPECT_EQ(Version(), QStringLiteral("2.2.0"));
    EXPECT_TRUE(Mensajes().isEmpty());
    EXPECT_EQ(finesDePrograma, 0);
    EXPECT_EQ(EtiquetasDeCopia(carpeta), ruta.copias);
    for (qsizetype i = 0; i < ruta.copias.size(); ++i) {
        const QString fichero = ruta.copias[i].startsWith(QLatin1String("Cont")) ? QStringLiteral("Contabilidad.mdb") : kDuzediv;
        const QString clave = fichero == kDuzediv ? CarpetaPrueba::kClaveParroquia : CarpetaPrueba::kClaveContabilidad;
        EXPECT_EQ(VersionDe(carpeta.Ruta(QStringLiteral("CopiasBD/%1/%2").arg(ruta.copias[i], fichero)), clave),
                  ruta.versionesCopia[i])
            << ruta.copias[i].toStdString();
    }

    db::Connection con = carpeta.AbrirParroquia();
    EXPECT_EQ(CompararEstructura(EsquemaDuzediv(), LeerEstructura(con)), QStringList());
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM Nodo")), 56);
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM Campo")), 160);
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM Informe")), ruta.informes);
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM ComunidadAutonoma")), 17);
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM TipoPersonaModelo182")), 3);
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM Modelo182")), 1);
}

const Ruta kRutas[] = {
    {"Valdena", cCAplicacion::APP_PARVANTA_VALDENA, "2.0.0",
     {"V200", "V201", "V210", "V212"}, {"2.0.0", "2.0.1", "2.1.0", "2.1.2"}, 43},
    {"General", cCAplicacion::APP_PARVANTA_GENERAL, "2.0.2",
     {"V202", "V203", "V210", "V212"}, {"2.0.2", "2.0.3", "2.1.0", "2.1.2"}, 43},
    {"Losara", cCAplicacion::APP_PARVANTA_LOSARA, "2.0.2", {"V202", "V210", "V212"}, {"2.0.2", "2.1.0", "2.1.2"}, 43},
    {"Corbela", cCAplicacion::APP_PARVANTA_CORBELA, "2.1.0", {"V210", "V212"}, {"2.1.0", "2.1.2"}, 43},
    {"Brindel", cCAplicacion::APP_PARVANTA_BRINDEL, "2.1.0", {"V210", "V212"}, {"2.1.0", "2.1.2"}, 43},
    {"Ostrave", cCAplicacion::APP_PARVANTA_OSTRAVE, "2.1.2", {"V212"}, {"2.1.2"}, 43},
    {"Mirante", cCAplicacion::APP_PARVANTA_MIRANTE, "2.1.0",
     {"ContSinDatPredetV212", "ContV212", "V210", "V212"}, {"1.0.2", "1.0.2", "2.1.0", "2.1.2"}, 40},
};

INSTANTIATE_TEST_SUITE_P(Ediciones, RutaCompleta, ::testing::ValuesIn(kRutas),
                         [](const auto& info) { return std::string(info.param.nombre); });

// ---------------------------------------------------------------------------
// The data the paths through 2.1.0 carry over.

class DatosConservados : public ActualizacionParroquia, public ::testing::WithParamInterface<Ruta> {};

double EurosSegunRegla(const db::Value& pesetas)
{
    vb::Currency c = pesetas.toCurrency();
    cCurrency().PesetasAEuros(c);
    return c.toDouble();
}

TEST_P(DatosConservados, ImportesEnEurosSegunLaReglaParaCadaFila)
{
    carpeta.CrearParroquia(QString::fromUtf8(GetParam().desde));
    Actualizar(GetParam().edicion);
    ASSERT_EQ(Version(), QStringLiteral("2.2.0"));

    db::Connection con = carpeta.AbrirParroquia();
    const struct {
        const char* tabla;
        const char* clave;
        const char* pesetas;
        const char* euros;
    } tablas[] = {{"Recibo", "IDRecibo", "Importe", "ImporteEur"},
                  {"Remesa", "IDRemesa", "ImporteTotal", "ImporteTotalEur"},
                  {"Donativo", "IDDonativo", "Importe", "ImporteEur"},
                  {"Padron_Defuncion", "CodPadron", "Importe", "ImporteEur"}};
    for (const auto& t : tablas) {
        const auto pesetas = Columna(con, t.tabla, t.clave, t.pesetas);
        const auto euros = Columna(con, t.tabla, t.clave, t.euros);
        ASSERT_FALSE(pesetas.isEmpty()) << t.tabla;
        for (auto it = pesetas.begin(); it != pesetas.end(); ++it) {
            if (it->isNull())
                EXPECT_TRUE(euros.value(it.key()).isNull()) << t.tabla << " " << it.key();
            else
                EXPECT_DOUBLE_EQ(euros.value(it.key()).toDouble(), EurosSegunRegla(*it)) << t.tabla << " " << it.key();
        }
    }
    // The amounts whose rounding the rule decides.
    const auto donativos = Columna(con, QStringLiteral("Donativo"), QStringLiteral("IDDonativo"), QStringLiteral("ImporteEur"));
    const double esperados[] = {6.01, 0.57, 1.76, 1.00, -6.01, 0.0};
    for (int i = 0; i < 6; ++i)
        EXPECT_DOUBLE_EQ(donativos.value(i + 1).toDouble(), esperados[i]) << "Donativo " << i + 1;
    EXPECT_TRUE(donativos.value(7).isNull());
    EXPECT_DOUBLE_EQ(donativos.value(8).toDouble(), 12.5);
}

TEST_P(DatosConservados, NombresDivididosNumerosReescritosYTiposDePersona)
{
    carpeta.CrearParroquia(QString::fromUtf8(GetParam().desde));
    QHash<qint64, db::Value> recibos, certificados;
    {
        db::Connection antes = carpeta.AbrirParroquia();
        recibos = Columna(antes, QStringLiteral("Recibo"), QStringLiteral("IDRecibo"), QStringLiteral("NumeroRecibo"));
        certificados = Columna(antes, QStringLiteral("Recibo"), QStringLiteral("IDRecibo"), QStringLiteral("NumCertificado"));
    }
    Actualizar(GetParam().edicion);
    ASSERT_EQ(Version(), QStringLiteral("2.2.0"));
    db::Connection con = carpeta.AbrirParroquia();

    const auto tipos = Columna(con, QStringLiteral("Institucion"), QStringLiteral("IDInstitucion"), QStringLiteral("InstitucionTipo"));
    const auto nombres = Columna(con, QStringLiteral("Institucion"), QStringLiteral("IDInstitucion"), QStringLiteral("InstitucionNombre"));
    const QPair<QString, QString> divididos[] = {
        {"Parroquia", "San Juan"}, {"", "Caritas"}, {"Parroquia", "de Santa Ana"}, {"", ""}, {"", ""},
        {"", ""}, // a type word of 28 characters does not fit: left as it was
        {"Parroquia", "San Pedro"}, {"Archicofradía", "Sacramental del Santísimo Cristo"},
    };
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(tipos.value(i + 1).toString(), divididos[i].first) << "Institucion " << i + 1;
        EXPECT_EQ(nombres.value(i + 1).toString(), divididos[i].second) << "Institucion " << i + 1;
    }
    EXPECT_EQ(tipos.value(9).toString(), QStringLiteral("Parroquia"));
    EXPECT_EQ(nombres.value(9).toString(), QStringLiteral("Santa María 1"));

    const auto recibosDespues = Columna(con, QStringLiteral("Recibo"), QStringLiteral("IDRecibo"), QStringLiteral("NumeroRecibo"));
    const auto certificadosDespues = Columna(con, QStringLiteral("Recibo"), QStringLiteral("IDRecibo"), QStringLiteral("NumCertificado"));
    for (auto it = recibos.begin(); it != recibos.end(); ++it) {
        const QString r = it->toString();
        EXPECT_EQ(recibosDespues.value(it.key()).toString(), r.mid(0, 6) + QStringLiteral("00") + r.mid(6, 4));
        const db::Value c = certificados.value(it.key());
        if (c.isNull() || c.toString() == QLatin1String("0"))
            EXPECT_EQ(certificadosDespues.value(it.key()), c);
        else {
            const QString s = c.toString();
            EXPECT_EQ(certificadosDespues.value(it.key()).toString(), s.mid(6, 4) + s.mid(4, 2) + QStringLiteral("00") + s.mid(0, 4));
        }
    }
    EXPECT_EQ(recibosDespues.value(1).toString(), QStringLiteral("000"));
    EXPECT_EQ(recibosDespues.value(2).toString(), QStringLiteral("00"));
    EXPECT_EQ(recibosDespues.value(3).toString(), QStringLiteral("ABCDE00"));

    // Persons: digits, X or x, blank, empty or short stay natural persons.
    const auto tiposPersona = Columna(con, QStringLiteral("Padron"), QStringLiteral("IDPadron"), QStringLiteral("codTipoPersonaModelo182"));
    const int esperados[] = {1, 1, 1, 2, 1, 1, 1, 2, 2};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(tiposPersona.value(i + 1).toInt64(), esperados[i]) << ejemplo::kDnisEspeciales[i];
    EXPECT_EQ(tiposPersona.value(11).toInt64(), 2); // "B10000010"
    EXPECT_EQ(tiposPersona.value(12).toInt64(), 1); // "50000011T"
}

TEST_P(DatosConservados, ComunidadesConCadaDeduccionUnaVez)
{
    carpeta.CrearParroquia(QString::fromUtf8(GetParam().desde));
    Actualizar(GetParam().edicion);
    db::Connection con = carpeta.AbrirParroquia();

    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM ComunidadAutonoma")), 17);
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM ComunidadAutonoma WHERE IdComunidad BETWEEN 1 AND 17")), 17);
    EXPECT_EQ(Escalar(con, QStringLiteral("SELECT Nombre FROM ComunidadAutonoma WHERE IdComunidad = 1")).toString(),
              QStringLiteral("Castilla y León"));
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT Codigo FROM ComunidadAutonoma)")), 17);
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM Deduccion")), 17 * 101);
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT codComunidad, Deduccion FROM Deduccion "
                                         "WHERE Deduccion BETWEEN 0 AND 100)")),
              17 * 101);
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM ComunidadAutonoma WHERE DeduccionDefecto = 0")), 17);
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM Tipo_Via")), 31);
}

const Ruta kRutasConEuros[] = {
    {"Valdena", cCAplicacion::APP_PARVANTA_VALDENA, "2.0.0", {}, {}, 0},
    {"General", cCAplicacion::APP_PARVANTA_GENERAL, "2.0.2", {}, {}, 0},
    {"Losara", cCAplicacion::APP_PARVANTA_LOSARA, "2.0.2", {}, {}, 0},
};

INSTANTIATE_TEST_SUITE_P(Ediciones, DatosConservados, ::testing::ValuesIn(kRutasConEuros),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(ActualizacionParroquia, Valdena200CortaLasNotasLargasAntesDeEstrecharlas)
{
    carpeta.CrearParroquia(QStringLiteral("2.0.0"));
    Actualizar(cCAplicacion::APP_PARVANTA_VALDENA);
    db::Connection con = carpeta.AbrirParroquia();
    const QString observaciones = Escalar(con, QStringLiteral("SELECT Observaciones FROM Bautismo")).toString();
    EXPECT_EQ(observaciones.size(), 255);
    EXPECT_TRUE(observaciones.startsWith(QStringLiteral("Nota marginal de confirmación.")));
    EXPECT_EQ(Escalar(con, QStringLiteral("SELECT NombresHijos FROM Defuncion")).toString().size(), 240);
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'Misa'")), 0);
}

// ---------------------------------------------------------------------------
// Editions and versions that no path knows: nothing happens.

struct SinCambio {
    const char* nombre;
    long edicion;
    const char* version;
};

void PrintTo(const SinCambio& s, std::ostream* os) { *os << s.nombre; }

class SinActualizacion : public ActualizacionParroquia, public ::testing::WithParamInterface<SinCambio> {};

TEST_P(SinActualizacion, NiCopiaNiMensajeNiCambio)
{
    // Only the version table matters: no step may read anything else.
    db::CreateDatabase(carpeta.Ruta(kDuzediv), CarpetaPrueba::kClaveParroquia);
    {
        db::Connection con = carpeta.AbrirParroquia();
        con.Execute(QStringLiteral("CREATE TABLE Informacion (Version NVARCHAR(50))"));
        con.Exec(QStringLiteral("INSERT INTO Informacion (Version) VALUES (?)"), {QString::fromUtf8(GetParam().version)});
    }
    const QByteArray antes = carpeta.Bytes(kDuzediv);

    Actualizar(GetParam().edicion);

    EXPECT_EQ(carpeta.Bytes(kDuzediv), antes);
    EXPECT_FALSE(QFileInfo::exists(carpeta.Ruta(QStringLiteral("CopiasBD"))));
    EXPECT_TRUE(Mensajes().isEmpty());
    EXPECT_EQ(finesDePrograma, 0);
}

const SinCambio kSinCambio[] = {
    {"ValdenaDesde202", cCAplicacion::APP_PARVANTA_VALDENA, "2.0.2"},
    {"GeneralDesde200", cCAplicacion::APP_PARVANTA_GENERAL, "2.0.0"},
    {"LosaraDesde203", cCAplicacion::APP_PARVANTA_LOSARA, "2.0.3"},
    {"CorbelaDesde200", cCAplicacion::APP_PARVANTA_CORBELA, "2.0.0"},
    {"MiranteEn220", cCAplicacion::APP_PARVANTA_MIRANTE, "2.2.0"},
    {"ValdenaEn220", cCAplicacion::APP_PARVANTA_VALDENA, "2.2.0"},
    {"TextoQueNoEsVersion", cCAplicacion::APP_PARVANTA_GENERAL, "dos"},
    {"VersionEnMinusculaDistinta", cCAplicacion::APP_PARVANTA_CORBELA, "2.1.0a"},
    {"VersionVacia", cCAplicacion::APP_PARVANTA_CORBELA, ""},
    {"EdicionDeLaCompilacion", cCAplicacion::APP_PARVANTA_TUREL, "2.0.0"},
    {"CodigoQueNoEsEdicion", 99, "2.1.0"},
};

INSTANTIATE_TEST_SUITE_P(Casos, SinActualizacion, ::testing::ValuesIn(kSinCambio),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(ActualizacionParroquia, UnaBaseAlDiaRecibeLosIndicesQueLeFaltan)
{
    db::CreateDatabase(carpeta.Ruta(kDuzediv), CarpetaPrueba::kClaveParroquia);
    {
        db::Connection con = carpeta.AbrirParroquia();
        CrearEstructuraDuzediv(con);
        con.Execute(QStringLiteral("DROP INDEX [IX_CodInstitucionEmpadronado_PrimerApellido_SegundoApellido_Nombre] "
                                   "ON [Padron]"));
    }
    Actualizar(cCAplicacion::APP_PARVANTA_VALDENA);
    db::Connection con = carpeta.AbrirParroquia();
    EXPECT_TRUE(CompararEstructura(EsquemaDuzediv(), LeerEstructura(con)).isEmpty());
    EXPECT_EQ(Version(), VERSION_DUZEDIV);
    EXPECT_FALSE(QFileInfo::exists(carpeta.Ruta(QStringLiteral("CopiasBD"))));
    EXPECT_TRUE(Mensajes().isEmpty());
}

// A current database whose census count is missing or not whole (a table
// rebuilt without its triggers) gets it again, counted from its rows.
TEST_F(ActualizacionParroquia, UnaBaseAlDiaRecibeElRecuentoDelCenso)
{
    db::CreateDatabase(carpeta.Ruta(kDuzediv), CarpetaPrueba::kClaveParroquia);
    const QString censo = QStringLiteral(
        "SELECT COUNT(*) FROM Institucion, Padron, Padron_TipoPersona WHERE Padron_TipoPersona.CodTipoPersona = 2 "
        "AND Padron.IDPadron = Padron_TipoPersona.CodPadron AND Institucion.IDInstitucion = "
        "Padron.CodInstitucionEmpadronado");
    for (const bool segunda : {false, true}) {
        {
            db::Connection con = carpeta.AbrirParroquia();
            if (!segunda) {
                CrearEstructuraDuzediv(con);
                con.Execute(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('A')"));
                for (int i = 0; i < 5; ++i) {
                    con.Execute(QStringLiteral("INSERT INTO Padron (Nombre, CodInstitucionEmpadronado) VALUES ('P', 1)"));
                    con.Execute(QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) "
                                               "SELECT MAX(IDPadron), 2 FROM Padron"));
                }
            }
            // One trigger gone, and rows counted wrong since.
            con.Execute(QStringLiteral("ALTER TABLE Padron ADD COLUMN Extra INT"));
            con.Execute(QStringLiteral("ALTER TABLE Padron DROP COLUMN Extra"));
            ASSERT_FALSE(HayRecuentoCenso(con.handle()));
            con.Execute(QStringLiteral("DELETE FROM Padron WHERE IDPadron = %1").arg(segunda ? 2 : 1));
        }
        Actualizar(cCAplicacion::APP_PARVANTA_VALDENA);
        db::Connection con = carpeta.AbrirParroquia();
        EXPECT_TRUE(HayRecuentoCenso(con.handle()));
        EXPECT_EQ(con.Query(SentenciaSumaRecuentoCenso(QStringLiteral("2")), {}).value(0).toInt64(),
                  con.Query(censo, {}).value(0).toInt64());
        EXPECT_EQ(con.Query(censo, {}).value(0).toInt64(), segunda ? 3 : 4);
        EXPECT_TRUE(CompararEstructura(EsquemaDuzediv(), LeerEstructura(con)).isEmpty());
        EXPECT_EQ(Version(), VERSION_DUZEDIV);
        EXPECT_TRUE(Mensajes().isEmpty());
    }
}

TEST_F(ActualizacionParroquia, InformacionSinFilasNoActualizaNada)
{
    db::CreateDatabase(carpeta.Ruta(kDuzediv), CarpetaPrueba::kClaveParroquia);
    {
        db::Connection con = carpeta.AbrirParroquia();
        con.Execute(QStringLiteral("CREATE TABLE Informacion (Version NVARCHAR(50))"));
    }
    Actualizar(cCAplicacion::APP_PARVANTA_CORBELA);
    EXPECT_FALSE(QFileInfo::exists(carpeta.Ruta(QStringLiteral("CopiasBD"))));
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(ActualizacionParroquia, VersionConBlancosAlrededorSeLeeSinEllos)
{
    carpeta.CrearParroquia(QStringLiteral("2.1.0"));
    {
        db::Connection con = carpeta.AbrirParroquia();
        con.Execute(QStringLiteral("UPDATE Informacion SET Version = ' 2.1.0 '"));
    }
    Actualizar(cCAplicacion::APP_PARVANTA_CORBELA);
    EXPECT_EQ(Version(), QStringLiteral("2.2.0"));
}

TEST_F(ActualizacionParroquia, SinBaseDeContabilidadMiranteActualizaSoloLaParroquia)
{
    carpeta.CrearParroquia(QStringLiteral("2.1.2"));
    Actualizar(cCAplicacion::APP_PARVANTA_MIRANTE);
    EXPECT_EQ(Version(), QStringLiteral("2.2.0"));
    EXPECT_EQ(EtiquetasDeCopia(carpeta), QStringList{QStringLiteral("V212")});
    db::Connection con = carpeta.AbrirParroquia();
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM Informe")), 40);
}

TEST_F(ActualizacionParroquia, MiranteRenuevaLosPredeterminadosYCopiaLaContabilidadSinEllos)
{
    carpeta.CrearParroquia(QStringLiteral("2.1.2"));
    carpeta.CrearContabilidad(QStringLiteral("1.0.2"));
    Actualizar(cCAplicacion::APP_PARVANTA_MIRANTE, true);
    ASSERT_EQ(Version(), QStringLiteral("2.2.0"));

    db::Connection contabilidad = carpeta.AbrirContabilidad();
    EXPECT_EQ(Contar(contabilidad, QStringLiteral("SELECT COUNT(*) FROM Predet_Cuenta")), 289);
    EXPECT_EQ(Contar(contabilidad, QStringLiteral("SELECT COUNT(*) FROM Predet_Estructura")), 68);
    EXPECT_EQ(Contar(contabilidad, QStringLiteral("SELECT COUNT(*) FROM Predet_Rel_Estructura_Cuenta")), 156);

    auto abrirCopia = [&](const char* etiqueta) {
        db::Connection c;
        c.Open(QStringLiteral("Data Source=%1;Jet OLEDB:Database Password=%2")
                   .arg(carpeta.Ruta(QStringLiteral("CopiasBD/%1/Contabilidad.mdb").arg(QString::fromUtf8(etiqueta))),
                        CarpetaPrueba::kClaveContabilidad));
        return c;
    };
    db::Connection antes = abrirCopia("ContV212");
    EXPECT_EQ(Contar(antes, QStringLiteral("SELECT COUNT(*) FROM Predet_Cuenta WHERE IDCuenta = 999")), 1);
    db::Connection sinPredeterminados = abrirCopia("ContSinDatPredetV212");
    EXPECT_EQ(Contar(sinPredeterminados, QStringLiteral("SELECT COUNT(*) FROM Predet_Cuenta")), 0);
    EXPECT_EQ(Contar(sinPredeterminados, QStringLiteral("SELECT COUNT(*) FROM Apunte")), 4);
}

// ---------------------------------------------------------------------------
// A failure in any step: the database exactly as before, the version kept,
// the backup in place, the message, and the end of the program.

struct Fallo {
    const char* nombre;
    long edicion;
    const char* desde;
    const char* hasta;
    const char* copia;
};

void PrintTo(const Fallo& f, std::ostream* os) { *os << f.nombre; }

class FalloDePaso : public ActualizacionParroquia, public ::testing::WithParamInterface<Fallo> {};

TEST_P(FalloDePaso, DejaLaBaseComoEstabaYTerminaConElMensaje)
{
    const Fallo& f = GetParam();
    const bool mirante = f.edicion == cCAplicacion::APP_PARVANTA_MIRANTE;
    carpeta.CrearParroquia(QString::fromUtf8(f.desde));
    if (mirante)
        carpeta.CrearContabilidad(QStringLiteral("1.0.2"));
    carpeta.EjecutarSqlite(kDuzediv, DisparadorFalloVersion(QString::fromUtf8(f.hasta)));
    const QByteArray parroquia = carpeta.Bytes(kDuzediv);
    const QByteArray contabilidad = carpeta.Bytes(QStringLiteral("Contabilidad.mdb"));
    const QString directorio = QDir::currentPath();
    testsupport::scriptedUi().queueAnswer(ui::vbOK);

    Actualizar(f.edicion, mirante);

    EXPECT_EQ(carpeta.Bytes(kDuzediv), parroquia);
    EXPECT_EQ(carpeta.Bytes(QStringLiteral("Contabilidad.mdb")), contabilidad);
    EXPECT_EQ(Version(), QString::fromUtf8(f.desde));
    EXPECT_EQ(VersionDe(carpeta.Ruta(QStringLiteral("CopiasBD/%1/Duzediv.mdb").arg(QString::fromUtf8(f.copia))),
                        CarpetaPrueba::kClaveParroquia),
              QString::fromUtf8(f.desde));
    EXPECT_EQ(Mensajes(), QStringList{QStringLiteral("¡Se ha producido un error mientras se actualizaba a la versión %1!")
                                          .arg(QString::fromUtf8(f.hasta))});
    const auto mensaje = testsupport::scriptedUi().lastMessage();
    EXPECT_EQ(mensaje.icon, ui::vbExclamation);
    EXPECT_EQ(mensaje.buttons, ui::vbOKOnly);
    EXPECT_EQ(mensaje.caption, ui::AppTitle());
    EXPECT_EQ(testsupport::scriptedUi().beepCount(), 1);
    EXPECT_EQ(finesDePrograma, 1);
    EXPECT_EQ(QDir::currentPath(), directorio);
}

const Fallo kFallos[] = {
    {"Paso1", cCAplicacion::APP_PARVANTA_VALDENA, "2.0.0", "2.0.1", "V200"},
    {"Paso2", cCAplicacion::APP_PARVANTA_VALDENA, "2.0.1", "2.1.0", "V201"},
    {"Paso3", cCAplicacion::APP_PARVANTA_GENERAL, "2.0.2", "2.0.3", "V202"},
    {"Paso4", cCAplicacion::APP_PARVANTA_GENERAL, "2.0.3", "2.1.0", "V203"},
    {"Paso5", cCAplicacion::APP_PARVANTA_LOSARA, "2.0.2", "2.1.0", "V202"},
    {"Paso6", cCAplicacion::APP_PARVANTA_CORBELA, "2.1.0", "2.1.2", "V210"},
    {"Paso7", cCAplicacion::APP_PARVANTA_CORBELA, "2.1.2", "2.2.0", "V212"},
    {"Paso8", cCAplicacion::APP_PARVANTA_MIRANTE, "2.1.2", "2.2.0", "V212"},
};

INSTANTIATE_TEST_SUITE_P(Pasos, FalloDePaso, ::testing::ValuesIn(kFallos),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(ActualizacionParroquia, UnFalloTrasPasosHechosConservaLosHechosYSeReintentaEnElSiguienteArranque)
{
    carpeta.CrearParroquia(QStringLiteral("2.0.0"));
    carpeta.EjecutarSqlite(kDuzediv, DisparadorFalloVersion(QStringLiteral("2.1.0")));
    testsupport::scriptedUi().queueAnswer(ui::vbOK);

    Actualizar(cCAplicacion::APP_PARVANTA_VALDENA);
    EXPECT_EQ(Version(), QStringLiteral("2.0.1"));
    EXPECT_EQ(EtiquetasDeCopia(carpeta), (QStringList{QStringLiteral("V200"), QStringLiteral("V201")}));
    EXPECT_EQ(Mensajes().value(0), QStringLiteral("¡Se ha producido un error mientras se actualizaba a la versión 2.1.0!"));

    // The next start, with the cause gone, makes the backup again and goes on.
    carpeta.EjecutarSqlite(kDuzediv, QStringLiteral("DROP TRIGGER fallo_version_210"));
    testsupport::scriptedUi().reset();
    Actualizar(cCAplicacion::APP_PARVANTA_VALDENA);
    EXPECT_EQ(Version(), QStringLiteral("2.2.0"));
    EXPECT_TRUE(Mensajes().isEmpty());
    EXPECT_EQ(VersionDe(carpeta.Ruta(QStringLiteral("CopiasBD/V201/Duzediv.mdb")), CarpetaPrueba::kClaveParroquia),
              QStringLiteral("2.0.1"));
}

TEST_F(ActualizacionParroquia, UnaSemillaQueFallaNoDejaVaciasLasTablasQueIbaARellenar)
{
    carpeta.CrearParroquia(QStringLiteral("2.0.1"));
    carpeta.EjecutarSqlite(kDuzediv, QStringLiteral("CREATE TRIGGER fallo_deduccion BEFORE INSERT ON Deduccion "
                                                    "WHEN NEW.Deduccion = 10 BEGIN SELECT RAISE(ABORT, 'no'); END"));
    const QByteArray antes = carpeta.Bytes(kDuzediv);
    testsupport::scriptedUi().queueAnswer(ui::vbOK);

    Actualizar(cCAplicacion::APP_PARVANTA_VALDENA);

    EXPECT_EQ(carpeta.Bytes(kDuzediv), antes);
    db::Connection con = carpeta.AbrirParroquia();
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM ComunidadAutonoma WHERE IdComunidad = 90")), 1);
    EXPECT_EQ(Contar(con, QStringLiteral("SELECT COUNT(*) FROM Misa")), 1);
    EXPECT_EQ(finesDePrograma, 1);
}

TEST_F(ActualizacionParroquia, ReparacionFallidaDeshaceElPaso220)
{
    carpeta.CrearParroquia(QStringLiteral("2.1.2"));
    const QByteArray antes = carpeta.Bytes(kDuzediv);
    int reparaciones = 0;
    reparacion = [&](db::Connection& con) {
        ++reparaciones;
        EXPECT_TRUE(con.InTransaction());
        return false;
    };
    testsupport::scriptedUi().queueAnswer(ui::vbOK);

    Actualizar(cCAplicacion::APP_PARVANTA_BRINDEL);

    EXPECT_EQ(reparaciones, 1);
    EXPECT_EQ(carpeta.Bytes(kDuzediv), antes);
    EXPECT_EQ(Mensajes(), QStringList{QStringLiteral("¡Se ha producido un error mientras se actualizaba a la versión 2.2.0!")});
}

TEST_F(ActualizacionParroquia, SinCopiaDeSeguridadNoSeActualiza)
{
    carpeta.CrearParroquia(QStringLiteral("2.1.0"));
    // A file where the backup folder should be: no copy can be made.
    QFile estorbo(carpeta.Ruta(QStringLiteral("CopiasBD")));
    ASSERT_TRUE(estorbo.open(QIODevice::WriteOnly));
    estorbo.close();
    const QByteArray antes = carpeta.Bytes(kDuzediv);
    testsupport::scriptedUi().queueAnswer(ui::vbOK);

    Actualizar(cCAplicacion::APP_PARVANTA_CORBELA);

    EXPECT_EQ(carpeta.Bytes(kDuzediv), antes);
    EXPECT_EQ(Mensajes(), QStringList{QStringLiteral("¡Se ha producido un error mientras se actualizaba a la versión 2.1.2!")});
    EXPECT_EQ(finesDePrograma, 1);
}

TEST_F(ActualizacionParroquia, FalloEnLosPredeterminadosDeContabilidadFallaElPasoMirante)
{
    carpeta.CrearParroquia(QStringLiteral("2.1.2"));
    carpeta.CrearContabilidad(QStringLiteral("1.0.2"));
    carpeta.EjecutarSqlite(QStringLiteral("Contabilidad.mdb"),
                           QStringLiteral("CREATE TRIGGER fallo_rel BEFORE INSERT ON Predet_Rel_Estructura_Cuenta "
                                          "WHEN NEW.IDRel_Estructura_Cuenta = 100 BEGIN SELECT RAISE(ABORT, 'no'); END"));
    const QByteArray parroquia = carpeta.Bytes(kDuzediv);
    const QByteArray contabilidad = carpeta.Bytes(QStringLiteral("Contabilidad.mdb"));
    testsupport::scriptedUi().queueAnswer(ui::vbOK);

    Actualizar(cCAplicacion::APP_PARVANTA_MIRANTE, true);

    EXPECT_EQ(carpeta.Bytes(kDuzediv), parroquia);
    EXPECT_EQ(carpeta.Bytes(QStringLiteral("Contabilidad.mdb")), contabilidad);
    EXPECT_EQ(Mensajes(), QStringList{QStringLiteral("¡Se ha producido un error mientras se actualizaba a la versión 2.2.0!")});
}

TEST_F(ActualizacionParroquia, SinOpcionDeFinElProgramaTermina)
{
    carpeta.CrearParroquia(QStringLiteral("2.1.2"));
    carpeta.EjecutarSqlite(kDuzediv, DisparadorFalloVersion(QStringLiteral("2.2.0")));
    EXPECT_EXIT(
        {
            db::Connection con = carpeta.AbrirParroquia();
            OpcionesActualizacion o;
            o.edicion = cCAplicacion::APP_PARVANTA_CORBELA;
            testsupport::scriptedUi().queueAnswer(ui::vbOK);
            cActBDDuzediv(con, nullptr, o).ComprobarVersionBD();
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "");
}

} // namespace
