#pragma once

#include <QList>

// Side-by-side placing of the day planner's blocks: tasks whose times
// overlap share the width of the day, each in its own column.
namespace widgets {

struct ColumnaPlanifica {
    int columna = 0;   // 0-based, from the left
    int columnas = 1;  // columns of the group of overlapping tasks it is in
};

struct IntervaloPlanifica {
    int inicio = 0;  // minutes
    int fin = 0;     // minutes, after inicio
};

// One entry per interval, in the same order. Overlap is transitive within a
// group: a task that overlaps a task that overlaps a third shares their
// column count. Each task takes the leftmost column free at its start, so a
// column is reused once its last task has ended.
QList<ColumnaPlanifica> ColumnasPlanifica(const QList<IntervaloPlanifica>& intervalos);

} // namespace widgets
