#include "AgendaFixture.h"

#include "agenda/ListaTareasMes.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/vb/ErrObject.h"
#include "platform/widgets/fpPlanifica.h"

#include <QTest>
#include <sqlite3.h>

AgendaFixture::AgendaFixture() : con(carpeta.abrir(BaseDatosPrograma::Duzediv))
{
    ui::SetErrorReporter([this](const QString& procedimiento, const QString& modulo, const QString&) {
        reportes << QStringLiteral("%1|%2|%3").arg(procedimiento, modulo).arg(vb::Err().Number);
    });
    panel = std::make_unique<PanelAgenda>(con, EstadoAgenda{mstrMes, mblnRefresh}, QStringLiteral("Norvia Parvanta 2000"));
    panel->SetEjecutarDialogo([this](QDialog& d) {
        auto& dialogo = static_cast<frmTareas&>(d);
        dialogos << dialogo.windowTitle();
        dialogo.show();
        if (guion)
            guion(dialogo);
        return dialogo.result();
    });
    panel->resize(900, 1400);
    panel->show();
}

AgendaFixture::~AgendaFixture()
{
    panel.reset();
    ui::SetErrorReporter({});
}

qint32 AgendaFixture::Insertar(const QString& fecha, const QString& inicio, const QString& fin, const QString& nombre,
                               const QString& descripcion)
{
    con.Exec(QStringLiteral("INSERT INTO Tareas (Fecha, HoraInicio, HoraFin, Nombre, Descripcion) VALUES (?, ?, ?, ?, ?)"),
             {fecha, inicio, fin, nombre, descripcion});
    return qint32(con.LastInsertId());
}

QString AgendaFixture::Fila(qint32 id)
{
    db::Recordset rs = con.Query(
        QStringLiteral("SELECT Fecha, HoraInicio, HoraFin, Nombre, Descripcion FROM Tareas WHERE IDTarea = ?"), {id});
    if (rs.RecordCount() == 0)
        return {};
    return QStringLiteral("%1 %2-%3 %4|%5")
        .arg(rs.value(0).toString(), rs.value(1).toString(), rs.value(2).toString(), rs.value(3).toString(),
             rs.value(4).toString());
}

long long AgendaFixture::ContarTareas()
{
    return con.Execute(QStringLiteral("SELECT COUNT(*) FROM Tareas")).value(0).toInt64();
}

void AgendaFixture::FallarAl(const char* sentencia)
{
    const QByteArray sql = QByteArray("CREATE TRIGGER FalloTareas BEFORE ") + sentencia
        + " ON Tareas BEGIN SELECT RAISE(ABORT, 'disco lleno'); END";
    ASSERT_EQ(sqlite3_exec(con.handle(), sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
}

QStringList AgendaFixture::Bloques()
{
    widgets::fpPlanifica& plan = *panel->fpPlanifica;
    QStringList bloques;
    for (int i = 1; i <= plan.TaskCount(); ++i) {
        plan.SetTaskIndex(i);
        bloques << QStringLiteral("%1-%2 %3 #%4")
                       .arg(plan.TaskStart().mid(9, 4), plan.TaskEnd().mid(9, 4), plan.TaskText())
                       .arg(plan.TaskId());
    }
    return bloques;
}

QStringList AgendaFixture::Lineas()
{
    QStringList lineas;
    for (int i = 0; i < panel->lstTareas->ListCount(); ++i)
        lineas << panel->lstTareas->List(i);
    return lineas;
}

int AgendaFixture::LineaDe(qint32 id)
{
    return panel->lstTareas->Buscar(id);
}

QPoint AgendaFixture::Hueco(int minutos)
{
    return {panel->fpPlanifica->viewport()->width() - 20, panel->fpPlanifica->YOfTime(minutos)};
}

QPoint AgendaFixture::EnTarea(int index, int minutos)
{
    return {panel->fpPlanifica->TaskRect(index).left() + 10, panel->fpPlanifica->YOfTime(minutos)};
}

void AgendaFixture::Arrastrar(QPoint desde, QPoint hasta)
{
    QWidget* vista = panel->fpPlanifica->viewport();
    QTest::mousePress(vista, Qt::LeftButton, {}, desde);
    QTest::mouseMove(vista, (desde + hasta) / 2);
    QTest::mouseMove(vista, hasta);
    QTest::mouseRelease(vista, Qt::LeftButton, {}, hasta);
}

void AgendaFixture::DobleClic(QPoint punto)
{
    QWidget* vista = panel->fpPlanifica->viewport();
    QTest::mouseClick(vista, Qt::LeftButton, {}, punto);
    QTest::mouseDClick(vista, Qt::LeftButton, {}, punto);
    QTest::mouseRelease(vista, Qt::LeftButton, {}, punto);
}
