#pragma once

#include <QString>

// The texts the agenda shows, always in Spanish whatever the system's
// language.
namespace TextosAgenda {

// The line of a task in the month list: a blank, the day, four blanks, the
// start as "hh:mm", six blanks and the title (" 05    09:30      Misa").
// The start is shown as the planner shows it, so a malformed stored time
// reads the same in both places.
QString LineaTareaMes(const QString& fecha, const QString& horaInicio, const QString& nombre);

// A start stored as "HHMM" of a real time: the month's lines then come
// from the database already in their order.
bool HoraBienFormada(const QString& hhmm);

// Whether month-list line `a` comes before `b`: by day and start, then by
// title in the order of the database's texts (letter case and accents
// ignored).
bool LineaAntes(const QString& a, const QString& b);

// "Tareas de marzo de 2024".
QString TituloMes(int anio, int mes);

// The header of the month list.
QString TitulosMes();

} // namespace TextosAgenda
