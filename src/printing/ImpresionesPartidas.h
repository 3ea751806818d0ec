#pragma once

#include "printing/ContextoImpresion.h"

#include <QString>
#include <QtGlobal>

// The documents of one book, entry or request that the action class prints:
// the parish add-in (`gobjGestPar`) copies the record into the work tables
// of "Informes.mdb" and the sacrament's template prints them. Each method
// takes the record id and the kind key of the selected node
// ("LibrosBautismo", "PartidasMatrimonio", "SolicitudesBautismo"...); a key
// that names no document of the method does nothing.
//
// Errors of the add-in, of the queries or of the tables reach the caller;
// the main window is enabled again and the work tables emptied on every
// path (see SecuenciaDocumento.h).
class ImpresionesPartidas {
public:
    explicit ImpresionesPartidas(ContextoImpresion ctx) : m_ctx(std::move(ctx)) {}

    // A whole book, or its index.
    void ImprimirLibro(qint32& lngID, const QString& strDescripcion);
    void ImprimirIndiceLibro(qint32& lngID, const QString& strDescripcion);
    // One entry, with its book's template.
    void ImprimirPartida(qint32& lngID, const QString& strDescripcion);
    // Certificates; baptism, confirmation and death ask the add-in who signs.
    void ImprimirCertificadoPartida(qint32& lngID, const QString& strDescripcion);
    void ImprimirCertificadoLiteralPartida(qint32& lngID, const QString& strDescripcion);
    // Extract, notification, request form, marriage communication.
    void ImprimirVolante(qint32& lngID, const QString& strDescripcion);
    void ImprimirNotificacion(qint32& lngID, const QString& strDescripcion);
    void ImprimirSolicitudPartidaDatos(qint32& lngID, const QString& strDescripcion);
    void ImprimirComunicacionMatrimonio(qint32& lngID);

private:
    void ImprimirCertificado(qint32& lngID, const QString& strDescripcion, bool literal);
    addins::cGestPar& GestPar() const;

    ContextoImpresion m_ctx;
};
