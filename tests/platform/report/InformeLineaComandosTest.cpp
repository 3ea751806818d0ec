// The command-line renderer `informe`, as a template author runs it.
#include "BaseInformesPrueba.h"

#include <QDir>
#include <QProcess>

namespace {

class InformeLineaComandosTest : public BaseInformesPrueba {
protected:
    struct Salida {
        int codigo = -1;
        QString error;
    };

    Salida ejecutar(const QStringList& argumentos)
    {
        QProcess p;
        p.start(QStringLiteral(DUZ_INFORME), argumentos);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
    }

    QString pdf() const { return QDir(carpeta()).filePath(QStringLiteral("salida.pdf")); }
};

TEST_F(InformeLineaComandosTest, WritesThePdfWithFormulasAndSortFields)
{
    persona(1, QStringLiteral("Zoe"), QStringLiteral("X"));
    persona(2, QStringLiteral("Ángela"), QStringLiteral("X"));
    const QString ruta = plantilla(QStringLiteral("Lista.rpt"), Xml(QStringLiteral(R"(
        <formula nombre="Titulo" valor="''"/>
        <cabeceraInforme><texto x="0" y="0" ancho="170">{@Titulo}</texto></cabeceraInforme>
        <detalle><texto x="0" y="0" ancho="170">{Personas.Nombre}</texto></detalle>)")));

    const Salida s = ejecutar({ruta, QStringLiteral("--datos"), base(), QStringLiteral("--formula"),
                               QStringLiteral("Titulo=\"Lista de peñas\""), QStringLiteral("--orden"),
                               QStringLiteral("+{Personas.Nombre}"), QStringLiteral("--pdf"), pdf()});
    EXPECT_EQ(s.codigo, 0) << s.error.toStdString();
    EXPECT_GT(QFileInfo(pdf()).size(), 1000);
}

TEST_F(InformeLineaComandosTest, ReportsTheEnginesErrorAndFails)
{
    const QString ruta = plantilla(QStringLiteral("Mala.rpt"), Xml(QString(), QStringLiteral(R"(<datos tabla="NoHay"/>)")));
    const Salida s = ejecutar({ruta, QStringLiteral("--datos"), base(), QStringLiteral("--pdf"), pdf()});
    EXPECT_EQ(s.codigo, 1);
    EXPECT_TRUE(s.error.contains(QStringLiteral("Error 20506: La tabla «NoHay» no existe"))) << s.error.toStdString();
    EXPECT_FALSE(QFile::exists(pdf()));

    const Salida clave = ejecutar({ruta, QStringLiteral("--datos"), base(), QStringLiteral("--clave"),
                                   QStringLiteral("otra"), QStringLiteral("--pdf"), pdf()});
    EXPECT_TRUE(clave.error.contains(QStringLiteral("Error 20505"))) << clave.error.toStdString();

    EXPECT_EQ(ejecutar({ruta}).codigo, 2);
}

} // namespace
