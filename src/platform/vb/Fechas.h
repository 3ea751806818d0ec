#pragma once

#include <QDate>
#include <QString>

// Spanish dates and times as the program stores and shows them: dates stored
// as "yyyymmdd" and shown as "dd/mm/yyyy", times stored as "hhmm" and shown
// as "hh:mm". Every conversion gives an empty text (or a null QDate) for an
// input that is not a valid date or time, such as the "---" placeholder.
namespace vb {

// "enero" .. "diciembre" for 1 .. 12; empty otherwise.
QString NombreMes(int mes);
// "lunes" .. "domingo" for 1 .. 7 (QDate::dayOfWeek numbering); empty otherwise.
QString NombreDiaSemana(int dia);

// "yyyymmdd" <-> QDate.
QDate FechaTextoADate(const QString& fechaTexto);
QString DateAFechaTexto(const QDate& fecha);

// Shown form: "dd/mm/yyyy" out; in, day and month of one or two digits and a
// four-digit year, separated by "/" or "-", blanks around allowed.
QDate FechaADate(const QString& fecha);
QString DateAFecha(const QDate& fecha);

// "yyyymmdd" <-> "dd/mm/yyyy".
QString FechaTextoAFecha(const QString& fechaTexto);
QString FechaAFechaTexto(const QString& fecha);

// Long Spanish date: "lunes, 5 de marzo de 2007".
QString FechaLarga(const QDate& fecha);

// "hhmm" <-> "hh:mm" (hours 0-23, minutes 0-59; the shown form accepts a
// one-digit hour).
QString HoraTextoAHora(const QString& horaTexto);
QString HoraAHoraTexto(const QString& hora);

} // namespace vb
