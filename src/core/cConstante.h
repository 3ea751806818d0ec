#pragma once

#include "core/CcNodos.h"
#include "platform/pvapi/cCAplicacion.h"

#include <QString>
#include <QtGlobal>

// Edition constants: the build's edition code and the captions and type code
// that depend on it, plus the node-name constants. Every instance computes the
// same values, so callers may use the shared one or make their own.
class cConstante {
public:
    // `edicion` is the edition this build serves; tests pass another code
    // (also one that is no edition) to check the table.
    explicit cConstante(long edicion = PVAPI::cCAplicacion::EdicionDeLaCompilacion);

    CcNodos& nodo() { return m_nodo; }
    const CcNodos& nodo() const { return m_nodo; }

    QString Aplicacion() const { return m_aplicacion; }
    bool ConsolidacionVisible() const { return m_consolidacionVisible; }

    QString SPLASH_CaptionLabelVersionPara() const { return m_captionVersionPara; }
    qint16 SPLASH_AnchoLabelVersionPara() const { return m_anchoVersionPara; }
    qint16 SPLASH_LeftLabelVersionPara() const { return m_leftVersionPara; }
    QString SPLASH_CaptionLabelCopyright() const { return m_captionCopyright; }
    QString INF_TipoAplicacion() const { return m_tipoAplicacion; }
    QString ACERCA_CaptionLabelDesarrPor() const { return m_desarrolladoPor; }

private:
    void SeleccionarEdicion();

    CcNodos m_nodo;
    QString m_aplicacion;
    bool m_consolidacionVisible = false;
    QString m_captionVersionPara;
    qint16 m_anchoVersionPara = 0;
    qint16 m_leftVersionPara = 0;
    QString m_captionCopyright;
    QString m_tipoAplicacion;
    QString m_desarrolladoPor;
};
