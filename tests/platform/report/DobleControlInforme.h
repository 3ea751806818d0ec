#pragma once

#include "platform/db/Value.h"
#include "platform/report/ControlInformeBase.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace dobles {

// What the report control held when a print ran, and the rows of every work
// table that had rows at that moment.
struct ImpresionGrabada {
    QString plantilla;
    QString datos;
    QString clave;
    QString titulo;
    qint32 ajuste24 = 0;
    qint32 ajuste67 = 0;
    bool ajuste122 = false;
    bool ajuste124 = false;
    qint16 margenSuperior = 0;
    qint16 margenIzquierdo = 0;
    qint16 margenInferior = 0;
    qint16 margenDerecho = 0;
    QMap<int, QString> formulas; // non-empty entries by index
    QMap<int, QString> orden;    // non-empty entries by index
    QMap<QString, QList<QMap<QString, db::Value>>> tablas;

    // The rows of a table (name in any letter case); none when it was empty.
    QList<QMap<QString, db::Value>> filas(const QString& tabla) const;
    // One cell as text ("" for Null); fails the test when it is not there.
    QString texto(const QString& tabla, int fila, const QString& campo) const;
};

// Test double of the report control for the tests of every print: it keeps
// the settings as the engine does, records every member set (in order, as
// "setFormulas(1, PtsEur=0)") and, at each PrintReport, the settings and
// the contents of the report database that DataFiles(0) and Password name,
// opened as the engine opens it. A database that does not open sets the
// engine's error, as the engine would.
class DobleControlInforme : public report::ControlInformeBase {
public:
    void PrintReport() override;

    // The next print ends with this engine error (after recording).
    void fallarProximaImpresion(long numero, const QString& texto);

    const QList<ImpresionGrabada>& impresiones() const { return m_impresiones; }
    // The last print; fails the test when there was none.
    const ImpresionGrabada& ultima() const;
    const QStringList& llamadas() const { return m_llamadas; }
    void olvidarLlamadas() { m_llamadas.clear(); }

    void setLastErrorNumber(long numero) override;
    void setLastErrorString(const QString& texto) override;
    void setReportFileName(const QString& archivo) override;
    void setDataFiles(int indice, const QString& archivo) override;
    void setPassword(const QString& clave) override;
    void setWindowTitle(const QString& titulo) override;
    void setEngineSetting24(qint32 valor) override;
    void setEngineSetting67(qint32 valor) override;
    void setEngineSetting122(bool valor) override;
    void setEngineSetting124(bool valor) override;
    void setMarginTop(qint16 twips) override;
    void setMarginLeft(qint16 twips) override;
    void setMarginBottom(qint16 twips) override;
    void setMarginRight(qint16 twips) override;
    void setFormulas(int indice, const QString& formula) override;
    void setSortFields(int indice, const QString& campo) override;

private:
    void anotar(const QString& llamada) { m_llamadas << llamada; }
    ImpresionGrabada grabarAjustes() const;
    void grabarTablas(ImpresionGrabada& impresion) const;

    QList<ImpresionGrabada> m_impresiones;
    QStringList m_llamadas;
    long m_errorPendiente = 0;
    QString m_textoPendiente;
};

} // namespace dobles
