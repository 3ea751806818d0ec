#pragma once

#include <QString>
#include <QtGlobal>

// The fields of one donation receipt (a row of `Recibo`), with no rules of
// its own.
class cRecibo {
public:
    qint32 IDrecibo() const { return m_idRecibo; }
    void SetIDrecibo(qint32 valor) { m_idRecibo = valor; }

    qint32 CodDonativo() const { return m_codDonativo; }
    void SetCodDonativo(qint32 valor) { m_codDonativo = valor; }

    // "yyyymmdd"
    QString Fecha() const { return m_fecha; }
    void SetFecha(const QString& valor) { m_fecha = valor; }

    // Whole pesetas.
    qint32 Importe() const { return m_importe; }
    void SetImporte(qint32 valor) { m_importe = valor; }

    qint32 CodRemesa() const { return m_codRemesa; }
    void SetCodRemesa(qint32 valor) { m_codRemesa = valor; }

    QString NumCertificado() const { return m_numCertificado; }
    void SetNumCertificado(const QString& valor) { m_numCertificado = valor; }

    QString NumeroRecibo() const { return m_numeroRecibo; }
    void SetNumeroRecibo(const QString& valor) { m_numeroRecibo = valor; }

private:
    qint32 m_idRecibo = 0;
    qint32 m_codDonativo = 0;
    QString m_fecha;
    qint32 m_importe = 0;
    qint32 m_codRemesa = 0;
    QString m_numCertificado;
    QString m_numeroRecibo;
};
