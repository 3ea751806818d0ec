#pragma once

#include <QString>

// Times of the day planner: minutes since 00:00 of the planner's day, 1440
// being the end of the day, and the one-hour slots the planner reports moves
// and resizes in (slot n starts at hour n - 1, so slot 25 is the end of the
// day).
namespace widgets::HorasPlanifica {

inline constexpr int MinutosDia = 24 * 60;

// The start of a task from its "HHMM" text. Stored times are not always
// well formed, so nothing is refused: one to three digits read as the
// right-hand digits of "HHMM" ("930" is 09:30), minutes above 59 count as
// 59, and the result is clamped to 00:00 .. 23:59; a text that is not all
// digits (or is empty, or longer than four) is 00:00.
int MinutosInicio(const QString& hhmm);

// The end of a task that starts at `inicio` minutes. "0000", "2359", "2400"
// and anything later are the end of the day (1440); a text that cannot be
// read, or an end not after the start, gives the start plus one hour (at
// most the end of the day).
int MinutosFin(const QString& hhmm, int inicio);

// "HHMM" of a time in minutes; 1440 gives "2400".
QString TextoHora(int minutos);
// "HH:MM" of a time in minutes; 1440 gives "24:00".
QString HoraMostrada(int minutos);

// The slot a start time falls in, and the slot boundary an end time reaches
// (a partly used hour counts whole): 09:30 - 10:15 is slots 10 to 12.
int SlotInicio(int minutos);
int SlotFin(int minutos);

} // namespace widgets::HorasPlanifica
