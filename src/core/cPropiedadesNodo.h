#pragma once

#include "core/Coleccion.h"

#include <QString>
#include <QtGlobal>

// Paging state of one node's record list.
class cPropiedadesNodo {
public:
    // Rows per page as read at load; the page size in use is the main
    // window's `gintNRegMax`.
    qint32 NRegMax() const { return m_nRegMax; }
    void SetNRegMax(qint32 valor) { m_nRegMax = valor; }

    // 1-based position of the first record on the page shown.
    qint32 PosInicial() const { return m_posInicial; }
    void SetPosInicial(qint32 valor) { m_posInicial = valor; }

    // The node's settings section, also its key in `gcolRegistroDB`.
    QString Path() const { return m_path; }
    void SetPath(const QString& valor) { m_path = valor; }

private:
    qint32 m_nRegMax = 0;
    qint32 m_posInicial = 1;
    QString m_path;
};

using ColeccionRegistros = Coleccion<cPropiedadesNodo>;
