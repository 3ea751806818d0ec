// The report control as the program drives it: settings, names looked up in
// the program folder, errors only through the last error, PDF files in the
// folder of DUZEDIV_REPORT_PDF_DIR, the preview on top of the modal window.
#include "BaseInformesPrueba.h"

#include "platform/report/ControlInforme.h"
#include "platform/report/ErroresInforme.h"
#include "platform/report/VentanaVistaPrevia.h"
#include "support/ErrorNumber.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>

#include <functional>

namespace {

using report::ControlInforme;
namespace err = report::err;

const QString kPlantilla = QStringLiteral(R"(<datos tabla="Personas"/>)");

class ControlInformeTest : public BaseInformesPrueba {
protected:
    void SetUp() override
    {
        BaseInformesPrueba::SetUp();
        ASSERT_TRUE(m_pdfs.isValid());
        m_destino.emplace("DUZEDIV_REPORT_PDF_DIR", m_pdfs.path().toUtf8());
        persona(1, QStringLiteral("Begoña"), QStringLiteral("Núñez"));
        m_control.setReportFileName(plantilla(QStringLiteral("prueba.rpt"), Xml(kDetalle)));
        m_control.setDataFiles(0, base());
        m_control.setPassword(clave());
        m_control.setWindowTitle(QStringLiteral("Prueba"));
    }

    QStringList pdfs() const { return QDir(m_pdfs.path()).entryList(QDir::Files | QDir::Hidden); }

    static inline const QString kDetalle =
        QStringLiteral(R"(<detalle><texto x="0" y="0" ancho="170">{Personas.Nombre} {Personas.Apellido}</texto></detalle>)");

    QTemporaryDir m_pdfs;
    std::optional<testsupport::ScopedEnv> m_destino;
    ControlInforme m_control;
};

TEST_F(ControlInformeTest, EveryFailureEndsInTheLastErrorAndWritesNothing)
{
    struct Caso {
        const char* nombre;
        std::function<void(ControlInformeTest&, ControlInforme&)> preparar;
        long numero;
        const char* texto;
    };
    auto conPlantilla = [](const QString& xml) {
        return [xml](ControlInformeTest& t, ControlInforme& c) {
            c.setReportFileName(t.plantilla(QStringLiteral("mala.rpt"), xml));
        };
    };
    const Caso casos[] = {
        {"sin plantilla", [](auto&, ControlInforme& c) { c.setReportFileName(QString()); }, err::SinPlantilla, "plantilla"},
        {"plantilla que no existe", [](auto&, ControlInforme& c) { c.setReportFileName(QStringLiteral("\\noexiste.rpt")); },
         err::PlantillaNoEncontrada, "noexiste.rpt"},
        {"XML mal formado",
         conPlantilla(QStringLiteral("<?xml version=\"1.0\"?>\n<plantilla version=\"1\">\n  <pagina tamano=\"A4\">\n</plantilla>\n")),
         err::PlantillaMalFormada, "línea 4"},
        {"elemento desconocido", conPlantilla(Xml(QStringLiteral("<detalles/>"))), err::PlantillaMalFormada, "«detalles»"},
        {"tabla desconocida", conPlantilla(Xml(kDetalle, QStringLiteral(R"(<datos tabla="Parroquias"/>)"))),
         err::TablaDesconocida, "«Parroquias»"},
        {"campo desconocido",
         conPlantilla(Xml(QStringLiteral(R"(<detalle><texto x="0" y="0" ancho="9">{Personas.Apellidoo}</texto></detalle>)"))),
         err::CampoDesconocido, "«Apellidoo»"},
        {"tabla no declarada",
         conPlantilla(Xml(QStringLiteral(R"(<detalle><texto x="0" y="0" ancho="9">{Hijos.Nombre}</texto></detalle>)"))),
         err::TablaDesconocida, "«Hijos»"},
        {"fórmula no declarada",
         conPlantilla(Xml(QStringLiteral(R"(<detalle><texto x="0" y="0" ancho="9">{@PtsEur}</texto></detalle>)"))),
         err::PlantillaIncoherente, "«PtsEur»"},
        {"contraseña equivocada", [](auto&, ControlInforme& c) { c.setPassword(QStringLiteral("\nOtra")); },
         err::BaseDatos, "Informes.mdb"},
        {"base que no existe", [](auto&, ControlInforme& c) { c.setDataFiles(0, QStringLiteral("\\NoHay.mdb")); },
         err::BaseDatos, "NoHay.mdb"},
        {"campo de orden mal escrito", [](auto&, ControlInforme& c) { c.setSortFields(0, QStringLiteral("Apellido")); },
         err::CampoOrden, "«Apellido»"},
        {"campo de orden de otra tabla", [](auto&, ControlInforme& c) { c.setSortFields(0, QStringLiteral("+{Hijos.Orden}")); },
         err::CampoOrden, "«Personas»"},
        {"campo de orden desconocido", [](auto&, ControlInforme& c) { c.setSortFields(0, QStringLiteral("+{Personas.Edad}")); },
         err::CampoDesconocido, "«Edad»"},
        {"fórmula sin valor válido",
         [](ControlInformeTest& t, ControlInforme& c) {
             c.setReportFileName(t.plantilla(QStringLiteral("f.rpt"), Xml(QStringLiteral("<formula nombre=\"PtsEur\" valor=\"2\"/>") + kDetalle)));
             c.setFormulas(3, QStringLiteral("PtsEur=dos"));
         },
         err::Formula, "PtsEur=dos"},
        {"fórmula sin signo igual", [](auto&, ControlInforme& c) { c.setFormulas(1, QStringLiteral("PtsEur")); },
         err::Formula, "«PtsEur»"},
        {"imagen que falta",
         conPlantilla(Xml(QStringLiteral(R"(<detalle><imagen x="0" y="0" ancho="9" alto="9" archivo="escudo.png"/></detalle>)"))),
         err::Imagen, "escudo.png"},
    };
    for (const Caso& c : casos) {
        ControlInforme control;
        control.setReportFileName(m_control.ReportFileName());
        control.setDataFiles(0, base());
        control.setPassword(clave());
        control.setWindowTitle(QStringLiteral("Prueba"));
        c.preparar(*this, control);
        EXPECT_NO_THROW(control.PrintReport()) << c.nombre;
        EXPECT_EQ(control.LastErrorNumber(), c.numero) << c.nombre;
        EXPECT_TRUE(control.LastErrorString().contains(QString::fromUtf8(c.texto)))
            << c.nombre << ": " << control.LastErrorString().toStdString();
        EXPECT_EQ(pdfs(), QStringList()) << c.nombre;
    }
}

TEST_F(ControlInformeTest, AGoodRunClearsThePreviousError)
{
    m_control.setLastErrorNumber(err::Formula);
    m_control.setLastErrorString(QStringLiteral("anterior"));
    m_control.PrintReport();
    EXPECT_EQ(m_control.LastErrorNumber(), 0);
    EXPECT_EQ(m_control.LastErrorString(), QString());
    EXPECT_EQ(pdfs(), QStringList{QStringLiteral("Prueba-0001.pdf")});
}

TEST_F(ControlInformeTest, NamesAreLookedUpInTheProgramFolderWhateverTheirCase)
{
    plantilla(QStringLiteral("infGP_Prueba.rpt"), Xml(kDetalle));
    struct Caso {
        QString plantilla;
        QString datos;
        QString clave;
    };
    const Caso casos[] = {
        {QStringLiteral("\\INFGP_prueba.RPT"), carpeta() + QStringLiteral("\\informes.MDB"), clave()},
        {carpeta() + QStringLiteral("\\infgp_prueba.rpt"), QStringLiteral("\\Informes.mdb"), clave()},
        {carpeta() + QStringLiteral("/InfGP_Prueba.rpt"), base(), clave().mid(1)},
    };
    for (const Caso& c : casos) {
        m_control.setReportFileName(c.plantilla);
        m_control.setDataFiles(0, c.datos);
        m_control.setPassword(c.clave);
        m_control.PrintReport();
        EXPECT_EQ(m_control.LastErrorNumber(), 0) << m_control.LastErrorString().toStdString();
    }
    EXPECT_EQ(pdfs().size(), 3);
}

TEST_F(ControlInformeTest, SettingsStayAndEveryFormulaEntryCounts)
{
    m_control.setReportFileName(plantilla(QStringLiteral("f.rpt"), Xml(QStringLiteral(R"(
        <formula nombre="TramitaParroquia" valor="0"/><formula nombre="EnviaCuria" valor="0"/>
        <formula nombre="Dato17" valor="''"/>
        <detalle><texto x="0" y="0" ancho="170">{@TramitaParroquia} {@EnviaCuria} {@Dato17} {Personas.Nombre}</texto></detalle>)"))));
    m_control.setFormulas(0, QStringLiteral("TramitaParroquia=1"));
    m_control.setFormulas(17, QStringLiteral("Dato17=\"Peñíscola\""));
    m_control.setFormulas(99, QStringLiteral("EnviaCuria=1"));
    m_control.setSortFields(1, QStringLiteral("+{Personas.NoExiste}")); // after the empty entry 0: unused
    m_control.PrintReport();
    ASSERT_EQ(m_control.LastErrorNumber(), 0) << m_control.LastErrorString().toStdString();
    EXPECT_EQ(m_control.Formulas(17), QStringLiteral("Dato17=\"Peñíscola\""));
    EXPECT_EQ(m_control.WindowTitle(), QStringLiteral("Prueba"));
    EXPECT_EQ(testsupport::ErrorNumberOf([&] { m_control.setFormulas(100, QString()); }), 9);
    EXPECT_EQ(testsupport::ErrorNumberOf([&] { (void)m_control.SortFields(-1); }), 9);
    EXPECT_EQ(testsupport::ErrorNumberOf([&] { m_control.setDataFiles(100, QString()); }), 9);
}

TEST_F(ControlInformeTest, WithoutAPdfFolderThePreviewOpensOnTopOfTheModalWindow)
{
    m_destino.emplace("DUZEDIV_REPORT_PDF_DIR", std::nullopt);
    QDialog visor;
    visor.setModal(true);
    visor.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &visor);

    m_control.PrintReport();
    ASSERT_EQ(m_control.LastErrorNumber(), 0) << m_control.LastErrorString().toStdString();
    report::VentanaVistaPrevia* vista = m_control.UltimaVistaPrevia();
    ASSERT_NE(vista, nullptr);
    EXPECT_EQ(vista->parentWidget(), &visor);
    EXPECT_TRUE(vista->isWindow());
    EXPECT_TRUE(vista->isVisible());
    EXPECT_EQ(vista->windowModality(), Qt::NonModal);
    EXPECT_EQ(vista->windowTitle(), QStringLiteral("Prueba"));
    EXPECT_EQ(vista->modelo().paginas.at(0).Textos(), QStringList{QStringLiteral("Begoña Núñez")});
    EXPECT_EQ(pdfs(), QStringList());
    vista->close();
}

} // namespace
