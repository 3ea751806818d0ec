#pragma once

#include <QString>
#include <QtGlobal>

class PanelAgenda;

// The agenda's handlers of the day planner's events: a drawn task becomes a
// row and opens the task dialog, a removed one deletes its row, a moved or
// resized one stores its hours, a double-click opens the dialog on the
// task, and the tooltip shows its description. Every task is found by the
// row id its block keeps.
class EventosPlanifica {
public:
    explicit EventosPlanifica(PanelAgenda& panel);

    void fpPlanifica_TaskEditMode(int index);
    void fpPlanifica_MouseUp();
    void fpPlanifica_TaskAdd(int index);
    void fpPlanifica_TaskDelete(int index);
    void fpPlanifica_TaskMove(int index, qint16 inicio, qint16 fin);
    void fpPlanifica_TaskResize(int index, qint16 inicio, qint16 fin);
    void fpPlanifica_TextTipFetch(int index, QString& texto, qint16& mostrar);

private:
    bool AnadirTarea(int index, qint32& id);
    void DescartarTarea(int index, qint32 id);
    void GuardarHoras(const char* procedimiento, int index, qint16 inicio, qint16 fin, const QString& origen);
    qint32 IdDeTarea(int index);
    QByteArray Proyecto() const;

    PanelAgenda& m_panel;
    // A double-click on a task opens it at the mouse release that follows.
    bool mblnAbrirTarea = false;
    qint32 m_tareaAbrir = 0;
};
