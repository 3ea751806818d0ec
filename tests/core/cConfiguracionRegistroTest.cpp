#include "core/cConfiguracion.h"

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/settings/Settings.h"
#include "core/IEmpresaPrincipal.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

namespace {

using PVAPI::cCRegistry;

const QString kTitulo = QStringLiteral("Norvia Parvanta 2000");
const QString kCarpeta = QStringLiteral("/opt/parroquia/programa");
const QString kDocumentos = QStringLiteral("Administrador\\3082\\") + cCRegistry::DOCUMENTOS();
const QString kInterfaz = QStringLiteral("Administrador\\3082\\") + cCRegistry::INTERFACE();
const QString kContabilidad = QStringLiteral("Administrador\\3082\\") + cCRegistry::CONTABILIDAD();

struct Clave {
    QString seccion;
    QString clave;
    QString porDefecto;
};

// The keys CreaNuevoRegistro writes, with their defaults.
QList<Clave> ClavesDeRegistroNuevo()
{
    return {
        {cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH(), kCarpeta},
        {kDocumentos, cCRegistry::DOCUMENTOS_MARGEN(), "0"},
        {kDocumentos, cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), "20"},
        {kDocumentos, cCRegistry::DOCUMENTOS_MARGENIZQUIERDO(), "25"},
        {kDocumentos, cCRegistry::DOCUMENTOS_MAXPAGLIBRO(), "1000"},
        {kInterfaz, cCRegistry::INTERFACE_NREGMAX(), "24"},
        {kInterfaz, cCRegistry::INTERFACE_LEFT(), "1000"},
        {kInterfaz, cCRegistry::INTERFACE_TOP(), "1000"},
        {kInterfaz, cCRegistry::INTERFACE_WIDTH(), "6500"},
        {kInterfaz, cCRegistry::INTERFACE_HEIGHT(), "6500"},
        {kInterfaz, cCRegistry::INTERFACE_SPLITTER_LEFT(), "1965"},
    };
}

QString Leer(const QString& seccion, const QString& clave)
{
    return settings::GetSetting(kTitulo, seccion, clave, QStringLiteral("<falta>"));
}

class RegistroTest : public ::testing::Test {
protected:
    // The shared test set-up gives every test an empty settings folder.
    void SetUp() override
    {
        m_info.Usuario = QStringLiteral("Administrador");
        m_info.idioma = 3082;
    }

    int ClavesGuardadas() const
    {
        QSettings ini(settings::FilePath(kTitulo), QSettings::IniFormat);
        return int(ini.allKeys().size());
    }

    PVAPI::cInfoConfiguracion m_info;
};

TEST_F(RegistroTest, FirstRunWritesTheElevenKeysAndLeeRegistroOnlyTheFolder)
{
    const cConfiguracion configuracion(m_info, kTitulo, kCarpeta);
    configuracion.CreaNuevoRegistro();
    for (const Clave& c : ClavesDeRegistroNuevo())
        EXPECT_EQ(Leer(c.seccion, c.clave), c.porDefecto) << c.seccion.toStdString() << " " << c.clave.toStdString();
    EXPECT_EQ(ClavesGuardadas(), 11);

    settings::SaveSetting(kTitulo, cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH(), QStringLiteral("/otra"));
    configuracion.LeeRegistro();
    EXPECT_EQ(Leer(cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH()), kCarpeta);
    EXPECT_EQ(ClavesGuardadas(), 11);
}

TEST_F(RegistroTest, CreaNuevoRegistroOverwritesDefaultsAndKeepsOtherKeys)
{
    const QString principalUsuario = QStringLiteral("Administrador\\3082\\") + cCRegistry::PRINCIPAL();
    settings::SaveSetting(kTitulo, kDocumentos, cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), "27");
    settings::SaveSetting(kTitulo, kInterfaz, cCRegistry::INTERFACE_WIDTH(), "9000");
    settings::SaveSetting(kTitulo, principalUsuario, cCRegistry::PRINCIPAL_CLAVE(), "abc");
    settings::SaveSetting(kTitulo, kDocumentos, cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP(), "7");
    settings::SaveSetting(kTitulo, kContabilidad, cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA(), "3");

    cConfiguracion(m_info, kTitulo, kCarpeta).CreaNuevoRegistro();

    EXPECT_EQ(Leer(kDocumentos, cCRegistry::DOCUMENTOS_MARGENSUPERIOR()), "20");
    EXPECT_EQ(Leer(kInterfaz, cCRegistry::INTERFACE_WIDTH()), "6500");
    EXPECT_EQ(Leer(principalUsuario, cCRegistry::PRINCIPAL_CLAVE()), "abc");
    EXPECT_EQ(Leer(kDocumentos, cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP()), "7");
    EXPECT_EQ(Leer(kContabilidad, cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA()), "3");
}

TEST_F(RegistroTest, LeeRegistroRecreatesOnlyItsFiveKeysWhenEmpty)
{
    const cConfiguracion configuracion(m_info, kTitulo, kCarpeta);
    configuracion.CreaNuevoRegistro();
    // Stored empty, missing, or holding a value of the user's.
    settings::SaveSetting(kTitulo, kDocumentos, cCRegistry::DOCUMENTOS_MARGEN(), "");
    settings::DeleteSetting(kTitulo, kDocumentos, cCRegistry::DOCUMENTOS_MARGENSUPERIOR());
    settings::SaveSetting(kTitulo, kDocumentos, cCRegistry::DOCUMENTOS_MARGENIZQUIERDO(), "31");
    settings::DeleteSetting(kTitulo, kInterfaz, cCRegistry::INTERFACE_NREGMAX());
    settings::SaveSetting(kTitulo, kInterfaz, cCRegistry::INTERFACE_SPLITTER_LEFT(), "");
    settings::DeleteSetting(kTitulo, kDocumentos, cCRegistry::DOCUMENTOS_MAXPAGLIBRO());
    settings::DeleteSetting(kTitulo, kInterfaz, cCRegistry::INTERFACE_LEFT());

    configuracion.LeeRegistro();

    EXPECT_EQ(Leer(kDocumentos, cCRegistry::DOCUMENTOS_MARGEN()), "0");
    EXPECT_EQ(Leer(kDocumentos, cCRegistry::DOCUMENTOS_MARGENSUPERIOR()), "20");
    EXPECT_EQ(Leer(kDocumentos, cCRegistry::DOCUMENTOS_MARGENIZQUIERDO()), "31");
    EXPECT_EQ(Leer(kInterfaz, cCRegistry::INTERFACE_NREGMAX()), "24");
    EXPECT_EQ(Leer(kInterfaz, cCRegistry::INTERFACE_SPLITTER_LEFT()), "1965");
    EXPECT_EQ(Leer(kDocumentos, cCRegistry::DOCUMENTOS_MAXPAGLIBRO()), "<falta>");
    EXPECT_EQ(Leer(kInterfaz, cCRegistry::INTERFACE_LEFT()), "<falta>");
}

TEST_F(RegistroTest, EmptyUserCountsAsAdministrador)
{
    m_info.Usuario.clear();
    cConfiguracion(m_info, kTitulo, kCarpeta).CreaNuevoRegistro();
    EXPECT_EQ(Leer(kInterfaz, cCRegistry::INTERFACE_NREGMAX()), "24");
}

TEST_F(RegistroTest, SectionsFollowUserAndLanguage)
{
    m_info.Usuario = QStringLiteral("Secretaría");
    m_info.idioma = 1034;
    cConfiguracion(m_info, kTitulo, kCarpeta).CreaNuevoRegistro();
    EXPECT_EQ(Leer(QStringLiteral("Secretaría\\1034\\") + cCRegistry::INTERFACE(), cCRegistry::INTERFACE_NREGMAX()),
              "24");
    EXPECT_EQ(Leer(kInterfaz, cCRegistry::INTERFACE_NREGMAX()), "<falta>");
}

// ---- Selected accounting company ---------------------------------------------

class VentanaFalsa : public IEmpresaPrincipal {
public:
    QStringList nodos{QStringLiteral("Gestión Parroquial"), QStringLiteral("Contabilidad"),
                      QStringLiteral("<Ninguna empresa>"), QStringLiteral("<Otra>")};
    int accesos = 0;
    qint32 codEmpresa = 0;
    bool ejercicioCerrado = false;
    bool empresaEstablecida = false;

    int ContarNodos() override { ++accesos; return int(nodos.size()); }
    QString TextoNodo(int indice) override { ++accesos; return nodos.at(indice - 1); }
    void CambiarTextoNodo(int indice, const QString& texto) override { ++accesos; nodos[indice - 1] = texto; }
    void EstablecerEmpresaSeleccionada(qint32 cod, bool cerrado) override
    {
        ++accesos;
        empresaEstablecida = true;
        codEmpresa = cod;
        ejercicioCerrado = cerrado;
    }
};

class EmpresaSeleccionadaTest : public RegistroTest {
protected:
    void SetUp() override
    {
        RegistroTest::SetUp();
        ASSERT_TRUE(m_carpetaDatos.isValid());
        const QString ruta = m_carpetaDatos.filePath(QStringLiteral("Contabilidad.mdb"));
        db::CreateDatabase(ruta);
        m_conexion.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + ruta);
        m_conexion.Execute(QStringLiteral("CREATE TABLE Empresa (IDEmpresa LONG, Abreviatura TEXT(10), "
                                          "AñoEjercicio LONG, EjercicioCerrado YESNO)"));
        m_conexion.Execute(QStringLiteral("INSERT INTO Empresa VALUES (7, 'pq', 2005, True)"));
        m_conexion.Execute(QStringLiteral("INSERT INTO Empresa VALUES (8, 'Otra', 2006, False)"));
        m_info.ContabilidadDLL = true;
    }

    void Seleccionar(const QString& id)
    {
        settings::SaveSetting(kTitulo, kContabilidad, cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA(), id);
    }
    void LeeRegistro()
    {
        const auto alcanzar = [this]() -> IEmpresaPrincipal* {
            ++m_alcances;
            return &m_ventana;
        };
        cConfiguracion(m_info, kTitulo, kCarpeta, &m_conexion, alcanzar).LeeRegistro();
    }

    QTemporaryDir m_carpetaDatos;
    db::Connection m_conexion;
    VentanaFalsa m_ventana;
    // Times the main window was asked for (reaching it loads it).
    int m_alcances = 0;
};

TEST_F(EmpresaSeleccionadaTest, ExistingCompanyRelabelsTheFirstCompanyNode)
{
    Seleccionar(QStringLiteral("7"));
    LeeRegistro();
    EXPECT_EQ(m_ventana.nodos.at(2), QStringLiteral("<PQ - 2005>"));
    EXPECT_EQ(m_ventana.nodos.at(3), QStringLiteral("<Otra>"));
    EXPECT_TRUE(m_ventana.empresaEstablecida);
    EXPECT_EQ(m_ventana.codEmpresa, 7);
    EXPECT_TRUE(m_ventana.ejercicioCerrado);

    Seleccionar(QStringLiteral("8"));
    LeeRegistro();
    EXPECT_EQ(m_ventana.nodos.at(2), QStringLiteral("<OTRA - 2006>"));
    EXPECT_FALSE(m_ventana.ejercicioCerrado);
}

TEST_F(EmpresaSeleccionadaTest, NoSuchCompanyLeavesTheWindowAlone)
{
    // Missing, "0", a deleted company, text that is no number, a number too large.
    for (const QString& id : {QString(), QStringLiteral("0"), QStringLiteral("99"), QStringLiteral("7'; --"),
                             QStringLiteral("abc"), QStringLiteral("99999999999")}) {
        if (id.isNull())
            settings::DeleteSetting(kTitulo, kContabilidad, cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA());
        else
            Seleccionar(id);
        EXPECT_NO_THROW(LeeRegistro()) << id.toStdString();
        EXPECT_EQ(m_ventana.nodos.at(2), QStringLiteral("<Ninguna empresa>")) << id.toStdString();
        EXPECT_FALSE(m_ventana.empresaEstablecida) << id.toStdString();
    }
    EXPECT_EQ(m_alcances, 0);
}

TEST_F(EmpresaSeleccionadaTest, WithoutTheAccountingAddInTheWindowIsNotTouched)
{
    m_info.ContabilidadDLL = false;
    Seleccionar(QStringLiteral("7"));
    LeeRegistro();
    EXPECT_EQ(m_ventana.accesos, 0);
    EXPECT_EQ(m_alcances, 0);
}

} // namespace
