#pragma once

#include "agenda/TareaAgenda.h"
#include "platform/db/Field.h"
#include "platform/db/Recordset.h"

#include <QList>
#include <vector>

// The rows of a query on `Tareas`, already read when the cursor is made,
// handed out one at a time: a month of tasks never becomes a second list
// before it becomes the month list's lines. The first column is IDTarea,
// the others go to `campos` in order.
class CursorTareas {
public:
    CursorTareas(db::Recordset rs, QList<QString TareaAgenda::*> campos);

    int Cuenta() const { return int(m_rs.RecordCount()); }
    // Fills the fields of `tarea` from the next row; false after the last.
    bool Siguiente(TareaAgenda& tarea);

private:
    db::Recordset m_rs;
    QList<QString TareaAgenda::*> m_campos;
    // The columns, looked up once: a month reads thousands of rows.
    std::vector<db::Field> m_columnas;
    bool m_primera = true;
};
