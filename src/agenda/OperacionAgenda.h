#pragma once

#include <QtGlobal>

// What the agenda is doing to the planner or asks of the task dialog. The
// values only have to differ: they are compared, never stored.
enum class OperacionAgenda : quint8 { SINOPER, ANADIR, Editar, BORRAR };
