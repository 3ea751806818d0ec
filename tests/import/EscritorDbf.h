#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A small dBase III writer for test fixtures: the header, the field
// descriptors, the records (values given as the bytes stored, padded here)
// and a ".dbt" memo file of 512-byte blocks.
class EscritorDbf {
public:
    struct Campo {
        QByteArray nombre;
        char tipo = 'C';
        int longitud = 10;
        int decimales = 0;
    };

    explicit EscritorDbf(QList<Campo> campos, quint8 codigoPagina = 0x02);

    // One record; numbers are right-aligned, everything else left-aligned.
    void Registro(const QList<QByteArray>& valores, bool borrado = false);
    // Stores a memo and gives its block number as the field's bytes.
    QByteArray Memo(const QByteArray& texto);

    QByteArray Dbf() const;
    QByteArray Dbt() const { return m_dbt; }
    // Writes "<base>.dbf" (and "<base>.dbt" when a memo was stored).
    void Guardar(const QString& carpeta, const QString& base) const;

private:
    QList<Campo> m_campos;
    quint8 m_codigoPagina;
    QList<QByteArray> m_registros;
    QByteArray m_dbt;
};

// Text in code page 850 (the Spanish letters the fixtures use).
QByteArray Cp850(const QString& texto);
