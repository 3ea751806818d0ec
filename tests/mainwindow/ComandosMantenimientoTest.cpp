// The Tools menu's maintenance commands on a window stand-in: which service
// they call with which descriptors and files, the compressor they hand over
// and keep, and which reloads follow.

#include "mainwindow/ComandosMantenimiento.h"

#include "core/RegistroComandos.h"
#include "core/denDuzediv.h"
#include "mantenimiento/IServicioMantenimiento.h"
#include "platform/compresor/ZlibTool.h"
#include "platform/pvapi/cInfoConfiguracion.h"

#include <gtest/gtest.h>

namespace {

QString Ids(const ColeccionConexiones& col)
{
    QStringList ids;
    for (const auto& c : col)
        ids << QString::number(c->IDConexion);
    return ids.join(QLatin1Char(','));
}

// Records every call with the descriptors it got; a restore marks the
// descriptors restored when told to.
class ServicioGrabado : public IServicioMantenimiento {
public:
    void RealizarCopiaSeg(ColeccionConexiones& col, QStringList& ficheros,
                          std::shared_ptr<compresor::ZlibTool>& compresor, PVAPI::cInfoConfiguracion&) override
    {
        Grabar(QStringLiteral("RealizarCopiaSeg"), col, ficheros, compresor);
    }
    void RestaurarCopiaSeg(ColeccionConexiones& col, QStringList& ficheros,
                           std::shared_ptr<compresor::ZlibTool>& compresor, PVAPI::cInfoConfiguracion&) override
    {
        Grabar(QStringLiteral("RestaurarCopiaSeg"), col, ficheros, compresor);
        for (const auto& c : col)
            c->RecuperadaCopiaSeg = restaurar;
    }
    void CompactarRepararBD(ColeccionConexiones& col, PVAPI::cInfoConfiguracion&) override
    {
        llamadas << QStringLiteral("CompactarRepararBD(%1)").arg(Ids(col));
        Descriptores(col);
    }
    void CambiarMunicipios(db::Connection& con) override
    {
        llamadas << QStringLiteral("CambiarMunicipios");
        conexionMunicipios = &con;
    }

    void Grabar(const QString& nombre, ColeccionConexiones& col, const QStringList& lista,
                std::shared_ptr<compresor::ZlibTool>& compresor)
    {
        llamadas << QStringLiteral("%1(%2)").arg(nombre, Ids(col));
        ficheros = lista;
        compresores.push_back(compresor.get());
        Descriptores(col);
        if (sustituto)
            compresor = sustituto;
    }
    void Descriptores(const ColeccionConexiones& col)
    {
        descriptores.clear();
        for (const auto& c : col)
            descriptores << QStringLiteral("%1|%2|%3|%4")
                                .arg(col.Clave(col.Posicion(QString::number(c->IDConexion))), c->Descripcion)
                                .arg(c->RecuperadaCopiaSeg)
                                .arg(quintptr(c->ConexionBD));
    }

    QStringList llamadas;
    QStringList ficheros;
    QStringList descriptores;
    std::vector<compresor::ZlibTool*> compresores;
    std::shared_ptr<compresor::ZlibTool> sustituto;
    db::Connection* conexionMunicipios = nullptr;
    bool restaurar = true;
};

class VentanaFalsa : public IVentanaMantenimiento {
public:
    VentanaFalsa()
    {
        datos.conLocal.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Duzediv.mdb"));
        datos.conInformes.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/datos/Informes.mdb"));
        datos.conContabilidad.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Contabilidad.mdb"));
    }
    denDuzediv& Datos() override { return datos; }
    QString CarpetaPrograma() const override { return QStringLiteral("/opt/parroquia"); }
    PVAPI::cInfoConfiguracion& InfoConfig() override { return info; }
    std::shared_ptr<compresor::ZlibTool>& zltCompresor() override { return compresor; }
    IServicioMantenimiento& ServicioMantenimiento() override { return servicio; }
    void ActualizarLista() override { ++recargasLista; }
    void RecargarTrasRestaurar() override { ++recargasDatos; }

    denDuzediv datos;
    PVAPI::cInfoConfiguracion info;
    std::shared_ptr<compresor::ZlibTool> compresor;
    ServicioGrabado servicio;
    int recargasLista = 0;
    int recargasDatos = 0;
};

struct Caso {
    const char* control;
    bool contabilidad;
    bool restaura; // what the service does with RecuperadaCopiaSeg
    const char* llamada;
    int recargasLista;
    int recargasDatos;
};

const Caso kCasos[] = {
    {"mnuHerramientasSeguridadCopia", false, false, "RealizarCopiaSeg(1)", 0, 0},
    {"mnuHerramientasSeguridadCopia", true, false, "RealizarCopiaSeg(1,3)", 0, 0},
    {"mnuHerramientasSeguridadRecuperar", false, true, "RestaurarCopiaSeg(1)", 1, 1},
    {"mnuHerramientasSeguridadRecuperar", true, true, "RestaurarCopiaSeg(1,3)", 1, 1},
    // Cancelled or refused: the data is the same, the list is read anyway.
    {"mnuHerramientasSeguridadRecuperar", true, false, "RestaurarCopiaSeg(1,3)", 1, 0},
    {"mnuHerramientasCompactar", false, false, "CompactarRepararBD(1,2)", 0, 0},
    {"mnuHerramientasCompactar", true, false, "CompactarRepararBD(1,2,3)", 0, 0},
    {"mnuHerramientasCambiarMunicipios", true, false, "CambiarMunicipios", 0, 0},
};

class ComandosMantenimientoTest : public ::testing::TestWithParam<Caso> {
protected:
    ComandosMantenimientoTest() { RegistrarComandosMantenimiento(comandos, ventana); }

    RegistroComandos comandos;
    VentanaFalsa ventana;
};

TEST_P(ComandosMantenimientoTest, LlamaAlServicioYRecargaLoQueToca)
{
    const Caso& caso = GetParam();
    ventana.info.ContabilidadDLL = caso.contabilidad;
    ventana.servicio.restaurar = caso.restaura;

    comandos.Ejecutar(QString::fromUtf8(caso.control));

    EXPECT_EQ(ventana.servicio.llamadas, QStringList{QString::fromUtf8(caso.llamada)});
    EXPECT_EQ(ventana.recargasLista, caso.recargasLista);
    EXPECT_EQ(ventana.recargasDatos, caso.recargasDatos);
}

INSTANTIATE_TEST_SUITE_P(Herramientas, ComandosMantenimientoTest, ::testing::ValuesIn(kCasos));

TEST(ComandosMantenimiento, DescriptoresConClaveDescripcionYConexionDeLaVentana)
{
    RegistroComandos comandos;
    VentanaFalsa ventana;
    ventana.info.ContabilidadDLL = true;
    RegistrarComandosMantenimiento(comandos, ventana);

    comandos.Ejecutar(QStringLiteral("mnuHerramientasCompactar"));

    const auto conexion = [](const db::Connection& c) { return QString::number(quintptr(&c)); };
    EXPECT_EQ(ventana.servicio.descriptores,
              (QStringList{QStringLiteral("1|Datos de DUZEDIV|0|") + conexion(ventana.datos.conLocal),
                           QStringLiteral("2|Datos de INFORMES Y LISTADOS|0|") + conexion(ventana.datos.conInformes),
                           QStringLiteral("3|Datos de CONTABILIDAD|0|") + conexion(ventana.datos.conContabilidad)}));

    comandos.Ejecutar(QStringLiteral("mnuHerramientasCambiarMunicipios"));
    EXPECT_EQ(ventana.servicio.conexionMunicipios, &ventana.datos.conLocal);
}

TEST(ComandosMantenimiento, FicherosDeDatosConElNombreSueltoEnLaCarpetaDelPrograma)
{
    struct CasoFichero {
        const char* origenParroquia;
        const char* esperado;
    };
    const CasoFichero casos[] = {
        {"DUZEDIV.MDB", "/opt/parroquia\\duzediv.mdb"},
        {"duzediv.mdb", "/opt/parroquia\\duzediv.mdb"},
        {"/datos/Duzediv.mdb", "/datos/Duzediv.mdb"},
        {"Parroquia.mdb", "Parroquia.mdb"},
    };
    for (const CasoFichero& caso : casos) {
        VentanaFalsa ventana;
        // Without the accounting add-in its file is still listed.
        ventana.info.ContabilidadDLL = false;
        ventana.datos.conLocal.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=")
                                                   + QString::fromUtf8(caso.origenParroquia));
        EXPECT_EQ(ObtenerFicherosDatos(ventana),
                  (QStringList{QString::fromUtf8(caso.esperado), QStringLiteral("/opt/parroquia\\contabilidad.mdb"),
                               QStringLiteral("/datos/Informes.mdb"), QStringLiteral("/opt/parroquia\\Imagenes.img")}))
            << caso.origenParroquia;
    }
}

TEST(ComandosMantenimiento, LaCopiaEntregaLosCuatroFicheros)
{
    RegistroComandos comandos;
    VentanaFalsa ventana;
    RegistrarComandosMantenimiento(comandos, ventana);
    comandos.Ejecutar(QStringLiteral("mnuHerramientasSeguridadCopia"));
    EXPECT_EQ(ventana.servicio.ficheros.size(), 4);
}

TEST(ComandosMantenimiento, ElCompresorSeCreaUnaVezYSeGuardaElQueDevuelveElServicio)
{
    RegistroComandos comandos;
    VentanaFalsa ventana;
    RegistrarComandosMantenimiento(comandos, ventana);

    comandos.Ejecutar(QStringLiteral("mnuHerramientasSeguridadCopia"));
    ASSERT_TRUE(ventana.compresor);
    compresor::ZlibTool* primero = ventana.compresor.get();
    comandos.Ejecutar(QStringLiteral("mnuHerramientasSeguridadCopia"));
    EXPECT_EQ(ventana.servicio.compresores, (std::vector<compresor::ZlibTool*>{primero, primero}));

    ventana.servicio.sustituto = std::make_shared<compresor::ZlibTool>();
    comandos.Ejecutar(QStringLiteral("mnuHerramientasSeguridadRecuperar"));
    EXPECT_EQ(ventana.compresor, ventana.servicio.sustituto);
    comandos.Ejecutar(QStringLiteral("mnuHerramientasSeguridadCopia"));
    EXPECT_EQ(ventana.servicio.compresores.back(), ventana.servicio.sustituto.get());
}

} // namespace
