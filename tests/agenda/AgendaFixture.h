#pragma once

#include "agenda/PanelAgenda.h"
#include "agenda/frmTareas.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/db/Connection.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

// A parish database of its own and the agenda pane on it, shown offscreen
// and tall enough for the whole day to fit the planner. The task dialog is
// answered by `guion`, which plays the user's part; a dialog the script
// leaves open counts as closed with its close box.
class AgendaFixture : public ::testing::Test {
protected:
    AgendaFixture();
    ~AgendaFixture() override;

    // A row written directly, as another workstation would; its id.
    qint32 Insertar(const QString& fecha, const QString& inicio, const QString& fin, const QString& nombre,
                    const QString& descripcion = {});
    // The stored row as "Fecha HoraInicio-HoraFin Nombre|Descripcion", or
    // "" when there is none.
    QString Fila(qint32 id);
    long long ContarTareas();
    // Makes every UPDATE (or DELETE) of `Tareas` fail, as a database that
    // refuses the write would.
    void FallarAl(const char* sentencia);

    // The planner's tasks as "HHMM-HHMM Nombre #id", by index.
    QStringList Bloques();
    QStringList Lineas();
    // The month-list line of a task, -1 when it has none.
    int LineaDe(qint32 id);

    // The user's gestures on the planner.
    QPoint Hueco(int minutos);
    QPoint EnTarea(int index, int minutos);
    void Arrastrar(QPoint desde, QPoint hasta);
    void DobleClic(QPoint punto);

    // Every error report, as "procedure|module|number".
    QStringList reportes;

    TempProgramFolder carpeta{OpcionesCarpetaPrograma{.sembrar = false}};
    db::Connection con;
    QString mstrMes;
    bool mblnRefresh = false;
    std::unique_ptr<PanelAgenda> panel;
    std::function<void(frmTareas&)> guion;
    // Captions of the task dialogs shown, in order.
    QStringList dialogos;
};
