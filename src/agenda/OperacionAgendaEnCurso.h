#pragma once

#include "agenda/OperacionAgenda.h"

// Holds the agenda's "operation in progress" flag at a value for one scope
// and puts it back to SINOPER however the scope ends, so a failure half-way
// through a day load never leaves the planner's handlers silenced.
class OperacionAgendaEnCurso {
public:
    OperacionAgendaEnCurso(OperacionAgenda& bandera, OperacionAgenda valor) : m_bandera(bandera)
    {
        m_bandera = valor;
    }
    ~OperacionAgendaEnCurso() { m_bandera = OperacionAgenda::SINOPER; }
    OperacionAgendaEnCurso(const OperacionAgendaEnCurso&) = delete;
    OperacionAgendaEnCurso& operator=(const OperacionAgendaEnCurso&) = delete;

private:
    OperacionAgenda& m_bandera;
};
