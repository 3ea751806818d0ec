// The parish stand-in's lists over all records, through the viewer and the
// real engine: the agenda's tasks and the collaborators of each activity.

#include "addin_doubles/InstalarComplementos.h"
#include "platform/report/ControlInforme.h"
#include "reports/BotoneraInformes.h"
#include "reports/FixtureInformes.h"
#include "support/ScopedEnv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>

#include <optional>

namespace {

class SustitutoParroquiaTest : public FixtureInformes {
protected:
    void SetUp() override
    {
        FixtureInformes::SetUp();
        ASSERT_TRUE(dobles::InstalarComplementos(m_carpeta->path(), {QStringLiteral("PVGestionParroquial")}));
        ASSERT_TRUE(m_pdfs.isValid());
        m_destino.emplace("DUZEDIV_REPORT_PDF_DIR", m_pdfs.path().toUtf8());
        for (const char* p : {"infGP_TareasAgenda.rpt", "infGP_Actividad.rpt"}) {
            const QString nombre = QString::fromLatin1(p);
            ASSERT_TRUE(QFile::copy(QStringLiteral(DUZ_PLANTILLAS "/") + nombre,
                                    QDir(m_carpeta->path()).filePath(nombre)));
        }
        m_motor = &m_real;
        m_config.ContabilidadDLL = false;
        m_config.VodidazazDLL = false;
        m_ctx = Contexto();
    }

    QString Todos(const QString& caption)
    {
        ObjetosBotonera objetos(m_estado.appTitle);
        CrearObjetosBotonera(m_config, objetos);
        QProgressBar barra;
        const EntornoInforme e(m_ctx, objetos, &barra, caption, 0);
        EXPECT_TRUE(EjecutarTodos(e, caption));
        EXPECT_EQ(m_real.LastErrorNumber(), 0) << m_real.LastErrorString().toStdString();
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), m_real.UltimoPdf(), QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    QTemporaryDir m_pdfs;
    std::optional<testsupport::ScopedEnv> m_destino;
    report::ControlInforme m_real;
    ContextoInformes m_ctx;
};

TEST_F(SustitutoParroquiaTest, TheAgendaListsEveryTaskByDayAndHour)
{
    m_den.conLocal.Execute(QStringLiteral("INSERT INTO Tareas (Nombre, Descripcion, Fecha, HoraInicio, HoraFin) "
                                          "VALUES ('Catequesis', 'Grupo de los martes', '20261215', '1800', '1900')"));
    m_den.conLocal.Execute(QStringLiteral("INSERT INTO Tareas (Nombre, Descripcion, Fecha, HoraInicio, HoraFin) "
                                          "VALUES ('Bautizo de Íñigo', '', '20261212', '1200', '1300')"));
    const QString texto = Todos(QStringLiteral("Tareas de la agenda"));
    const qsizetype bautizo = texto.indexOf(QStringLiteral("Bautizo de Íñigo"));
    EXPECT_GE(bautizo, 0) << texto.toStdString();
    EXPECT_GT(texto.indexOf(QStringLiteral("Catequesis")), bautizo);
    EXPECT_TRUE(texto.contains(QStringLiteral("Día 12/12/2026")));
    EXPECT_EQ(Filas(QStringLiteral("Tareas_Agenda")), 0);
}

TEST_F(SustitutoParroquiaTest, ActivitiesListTheirCollaboratorsWithGroupAndOffice)
{
    db::Connection& c = m_den.conLocal;
    c.Execute(QStringLiteral("INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, SegundoApellido) "
                             "VALUES (1, 'Begoña', 'Núñez', 'Ibáñez')"));
    c.Execute(QStringLiteral("INSERT INTO Actividad (IDActividad, Nombre, CodInstitucion) VALUES (1, 'Cáritas', 0)"));
    c.Execute(QStringLiteral("INSERT INTO Grupo (IDGrupo, CodActividad, Nombre) VALUES (1, 1, 'Acogida')"));
    c.Execute(QStringLiteral("INSERT INTO Cargo (IDCargo, Nombre) VALUES (1, 'Coordinadora')"));
    c.Execute(QStringLiteral("INSERT INTO Padron_Actividad (CodPadron, CodGrupo, CodCargo) VALUES (1, 1, 1)"));
    const QString texto = Todos(QStringLiteral("Actividades"));
    EXPECT_TRUE(texto.contains(QStringLiteral("Actividad: Cáritas"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("Núñez Ibáñez, Begoña")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Coordinadora")));
    EXPECT_EQ(Filas(QStringLiteral("Informe_Colaboradores")), 0);
}

} // namespace
