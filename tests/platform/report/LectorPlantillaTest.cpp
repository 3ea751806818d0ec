// Reading templates: what a malformed one reports, and that every template
// shipped in data/plantillas reads.
#include "platform/report/ErroresInforme.h"
#include "platform/report/LectorPlantilla.h"
#include "platform/vb/VbError.h"
#include "support/QtPrinters.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QString Error(const QString& xml)
{
    try {
        report::LeerPlantillaDeTexto(xml.toUtf8(), QStringLiteral("mala.rpt"), QDir::tempPath());
    } catch (const vb::VbError& e) {
        return QStringLiteral("%1 %2").arg(e.number()).arg(e.description());
    }
    return QStringLiteral("sin error");
}

TEST(LectorPlantillaTest, MalformedTemplatesReportWhereTheyGoWrong)
{
    const QString cabecera = QStringLiteral("<?xml version=\"1.0\"?>\n<plantilla version=\"1\">\n");
    const std::pair<QString, const char*> casos[] = {
        {QString(), "(línea 1, columna 1)"},
        {QStringLiteral("<informe/>"), "falta el elemento «plantilla»"},
        {cabecera + QStringLiteral("  <detalle>\n    <texto x=\"0\" y=\"0\" ancho=\"10\">a</texto>\n"),
         "(línea 5, columna 1)"},
        {cabecera + QStringLiteral("  <pagina tamano=\"B7\"/>\n</plantilla>"), "(línea 3, columna 24): tamaño de papel desconocido «B7»"},
        {cabecera + QStringLiteral("  <pagina izquierdo=\"dos\"/>\n</plantilla>"), "«izquierdo»"},
        {cabecera + QStringLiteral("  <detalle alto=\"5\" colour=\"red\"/>\n</plantilla>"), "no tiene el atributo «colour»"},
        {cabecera + QStringLiteral("  <detalle><texto y=\"0\" ancho=\"1\">a</texto></detalle>\n</plantilla>"),
         "le falta el atributo «x»"},
        {cabecera + QStringLiteral("  <detalle><texto x=\"0\" y=\"0\" ancho=\"9\">{Tabla.Campo</texto></detalle>\n</plantilla>"),
         "(línea 3, columna 41): falta la llave de cierre"},
        {cabecera + QStringLiteral("  <detalle><texto x=\"0\" y=\"0\" ancho=\"9\">{Campo}</texto></detalle>\n</plantilla>"),
         "«Campo» no es un campo de la forma Tabla.Campo"},
        {cabecera + QStringLiteral("  <detalle><texto x=\"0\" y=\"0\" ancho=\"9\">{T.C:moneda}</texto></detalle>\n</plantilla>"),
         "formato desconocido «moneda»"},
        {cabecera + QStringLiteral("  <detalle si=\"Copia\"/>\n</plantilla>"), "debe empezar por «@» o «{»"},
        {cabecera + QStringLiteral("  <datos tabla=\"T\" orden=\"{T.C}\"/>\n</plantilla>"), "«{T.C}» no es un campo de orden"},
        {cabecera + QStringLiteral("  <grupo campo=\"{T.C}\"/><detalle columnas=\"2\" anchoCelda=\"9\" altoCelda=\"9\"/>\n</plantilla>"),
         "no puede tener grupos"},
        {QStringLiteral("<plantilla version=\"2\"/>"), "versión de formato desconocida"},
    };
    for (const auto& [xml, esperado] : casos) {
        const QString error = Error(xml);
        EXPECT_TRUE(error.startsWith(QString::number(report::err::PlantillaMalFormada) + u' ')) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(esperado))) << error.toStdString();
    }
}

TEST(LectorPlantillaTest, ShippedTemplatesRead)
{
    const QStringList plantillas = QDir(QStringLiteral(DUZ_PLANTILLAS)).entryList({QStringLiteral("*.rpt")}, QDir::Files);
    ASSERT_FALSE(plantillas.isEmpty());
    for (const QString& p : plantillas) {
        try {
            const report::Plantilla t = report::LeerPlantilla(QStringLiteral(DUZ_PLANTILLAS "/") + p);
            EXPECT_FALSE(t.detalle.empty() && t.cabeceraInforme.empty()) << p.toStdString();
        } catch (const vb::VbError& e) {
            ADD_FAILURE() << p.toStdString() << ": " << e.description().toStdString();
        }
    }
}

} // namespace
