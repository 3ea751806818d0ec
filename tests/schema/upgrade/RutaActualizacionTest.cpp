// Which steps each edition runs, in which order, and what each step is.

#include "platform/pvapi/cCAplicacion.h"
#include "schema/upgrade/PasoVersion.h"
#include "schema/upgrade/RutaActualizacion.h"

#include <gtest/gtest.h>

namespace {

using PVAPI::cCAplicacion;

TEST(RutaActualizacion, PasosDeCadaEdicionEnOrden)
{
    const struct {
        long edicion;
        QList<int> pasos;
    } casos[] = {
        {cCAplicacion::APP_PARVANTA_VALDENA, {1, 2, 6, 7}}, {cCAplicacion::APP_PARVANTA_GENERAL, {3, 4, 6, 7}},
        {cCAplicacion::APP_PARVANTA_LOSARA, {5, 6, 7}},     {cCAplicacion::APP_PARVANTA_CORBELA, {6, 7}},
        {cCAplicacion::APP_PARVANTA_BRINDEL, {6, 7}},       {cCAplicacion::APP_PARVANTA_OSTRAVE, {6, 7}},
        {cCAplicacion::APP_PARVANTA_MIRANTE, {6, 8}},       {cCAplicacion::APP_PARVANTA_TUREL, {}},
        {99, {}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(RutaActualizacion(cCAplicacion::Texto(c.edicion)), c.pasos) << c.edicion;
    EXPECT_TRUE(RutaActualizacion(QString()).isEmpty());
    EXPECT_TRUE(RutaActualizacion(QStringLiteral(" 1")).isEmpty()); // exact comparison
}

// Each path is a chain: every step starts where the one before ended, and
// the last one reaches the current version.
TEST(RutaActualizacion, CadaRutaEncadenaSusVersionesHasta220)
{
    for (long edicion = cCAplicacion::APP_PARVANTA_VALDENA; edicion < cCAplicacion::APP_PARVANTA_TUREL; ++edicion) {
        const QList<int> ruta = RutaActualizacion(cCAplicacion::Texto(edicion));
        ASSERT_FALSE(ruta.isEmpty()) << edicion;
        for (qsizetype i = 1; i < ruta.size(); ++i)
            EXPECT_EQ(PasoNumero(ruta[i]).desde, PasoNumero(ruta[i - 1]).hasta) << edicion;
        EXPECT_EQ(PasoNumero(ruta.back()).hasta, QStringLiteral("2.2.0")) << edicion;
    }
}

TEST(PasoVersion, VersionesCopiasYPreparacionDeCadaPaso)
{
    const struct {
        int numero;
        const char* desde;
        const char* hasta;
        const char* copia;
        bool compacta;
        bool contabilidad;
    } pasos[] = {
        {1, "2.0.0", "2.0.1", "V200", false, false}, {2, "2.0.1", "2.1.0", "V201", true, false},
        {3, "2.0.2", "2.0.3", "V202", true, false},  {4, "2.0.3", "2.1.0", "V203", false, false},
        {5, "2.0.2", "2.1.0", "V202", true, false},  {6, "2.1.0", "2.1.2", "V210", true, false},
        {7, "2.1.2", "2.2.0", "V212", false, false}, {8, "2.1.2", "2.2.0", "V212", true, true},
    };
    ASSERT_EQ(PasosVersion().size(), 8);
    for (const auto& p : pasos) {
        const PasoVersion& paso = PasoNumero(p.numero);
        EXPECT_EQ(paso.desde, QString::fromUtf8(p.desde)) << p.numero;
        EXPECT_EQ(paso.hasta, QString::fromUtf8(p.hasta)) << p.numero;
        EXPECT_EQ(paso.copias, QStringList{QString::fromUtf8(p.copia)}) << p.numero;
        EXPECT_EQ(paso.compactar, p.compacta) << p.numero;
        EXPECT_EQ(paso.renuevaContabilidad, p.contabilidad) << p.numero;
    }
    EXPECT_TRUE(PasoNumero(4).subpasos.isEmpty());
    EXPECT_EQ(PasoNumero(6).tablasAVaciar, (QStringList{QStringLiteral("Campo"), QStringLiteral("Nodo")}));
    EXPECT_EQ(PasoNumero(2).tablasABorrar.size(), 5);
}

// The keyless seeds name rows by the ids that come out in insertion order,
// so every keyless seed table must have been emptied by the step's
// preparation, and the communities must come before the deductions.
TEST(PasoVersion, LasSemillasSinClaveEncuentranSuTablaVacia)
{
    const QList<QPair<SubPaso, QString>> sinClave{
        {SubPaso::ComunidadesAutonomas, QStringLiteral("ComunidadAutonoma")}, {SubPaso::Deducciones, QStringLiteral("Deduccion")},
        {SubPaso::Nodos, QStringLiteral("Nodo")}, {SubPaso::Campos, QStringLiteral("Campo")},
        {SubPaso::Informes, QStringLiteral("Informe")}, {SubPaso::InformesValdena, QStringLiteral("Informe")},
        {SubPaso::TiposVia, QStringLiteral("Tipo_Via")}, {SubPaso::InformesMirante, QStringLiteral("Informe")},
        {SubPaso::CamposConClave, QStringLiteral("Campo")}, {SubPaso::NodosConClave, QStringLiteral("Nodo")},
    };
    for (const PasoVersion& paso : PasosVersion()) {
        for (const auto& [subpaso, tabla] : sinClave) {
            if (paso.subpasos.contains(subpaso)) {
                EXPECT_TRUE(paso.tablasAVaciar.contains(tabla)) << paso.numero << " " << tabla.toStdString();
            }
        }
        if (paso.subpasos.contains(SubPaso::Deducciones)) {
            EXPECT_LT(paso.subpasos.indexOf(SubPaso::ComunidadesAutonomas), paso.subpasos.indexOf(SubPaso::Deducciones));
        }
    }
}

} // namespace
