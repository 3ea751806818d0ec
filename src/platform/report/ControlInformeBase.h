#pragma once

#include "platform/pvapi/IControlInforme.h"
#include "platform/vb/VbError.h"

#include <QString>
#include <QStringList>

namespace report {

// Everything a report control keeps between prints: the settings, the
// indexed lists with their bounds and the last error. The engine's control
// and the recording test double differ only in what PrintReport does. All
// inline, so a test may make a control of its own without the engine.
class ControlInformeBase : public PVAPI::IControlInforme {
public:
    ControlInformeBase() : m_datos(ListaVacia()), m_formulas(ListaVacia()), m_orden(ListaVacia()) {}

    long LastErrorNumber() const override { return m_numeroError; }
    QString LastErrorString() const override { return m_textoError; }
    void setLastErrorNumber(long numero) override { m_numeroError = numero; }
    void setLastErrorString(const QString& texto) override { m_textoError = texto; }

    QString ReportFileName() const override { return m_plantilla; }
    void setReportFileName(const QString& archivo) override { m_plantilla = archivo; }
    QString DataFiles(int indice) const override { return m_datos[Indice(indice)]; }
    void setDataFiles(int indice, const QString& archivo) override { m_datos[Indice(indice)] = archivo; }
    QString Password() const override { return m_clave; }
    void setPassword(const QString& clave) override { m_clave = clave; }
    QString WindowTitle() const override { return m_titulo; }
    void setWindowTitle(const QString& titulo) override { m_titulo = titulo; }

    qint32 EngineSetting24() const override { return m_ajuste24; }
    void setEngineSetting24(qint32 valor) override { m_ajuste24 = valor; }
    qint32 EngineSetting67() const override { return m_ajuste67; }
    void setEngineSetting67(qint32 valor) override { m_ajuste67 = valor; }
    bool EngineSetting122() const override { return m_ajuste122; }
    void setEngineSetting122(bool valor) override { m_ajuste122 = valor; }
    bool EngineSetting124() const override { return m_ajuste124; }
    void setEngineSetting124(bool valor) override { m_ajuste124 = valor; }

    qint16 MarginTop() const override { return m_margenSuperior; }
    void setMarginTop(qint16 twips) override { m_margenSuperior = twips; }
    qint16 MarginLeft() const override { return m_margenIzquierdo; }
    void setMarginLeft(qint16 twips) override { m_margenIzquierdo = twips; }
    qint16 MarginBottom() const override { return m_margenInferior; }
    void setMarginBottom(qint16 twips) override { m_margenInferior = twips; }
    qint16 MarginRight() const override { return m_margenDerecho; }
    void setMarginRight(qint16 twips) override { m_margenDerecho = twips; }

    QString Formulas(int indice) const override { return m_formulas[Indice(indice)]; }
    void setFormulas(int indice, const QString& formula) override { m_formulas[Indice(indice)] = formula; }
    QString SortFields(int indice) const override { return m_orden[Indice(indice)]; }
    void setSortFields(int indice, const QString& campo) override { m_orden[Indice(indice)] = campo; }

    // The non-empty formula entries in index order, and the sort fields
    // from entry 0 up to the first empty one: what a print uses.
    QStringList FormulasEnUso() const
    {
        QStringList enUso;
        for (const QString& formula : m_formulas) {
            if (!formula.isEmpty())
                enUso << formula;
        }
        return enUso;
    }

    QStringList OrdenEnUso() const
    {
        QStringList enUso;
        for (const QString& campo : m_orden) {
            if (campo.isEmpty())
                break;
            enUso << campo;
        }
        return enUso;
    }

protected:
    // Starts a run: the last error goes back to 0 and "".
    void empezarEjecucion() { fijarError(0, {}); }
    void fijarError(long numero, const QString& texto)
    {
        m_numeroError = numero;
        m_textoError = texto;
    }

private:
    static QStringList ListaVacia()
    {
        QStringList lista;
        lista.resize(kEntradasLista);
        return lista;
    }

    // Error 9 outside the lists, as the old control's indexed properties.
    static int Indice(int indice)
    {
        if (indice < 0 || indice >= kEntradasLista)
            throw vb::VbError(9, QStringLiteral("Subíndice fuera del intervalo"));
        return indice;
    }

    QString m_plantilla;
    QStringList m_datos;
    QString m_clave;
    QString m_titulo;
    qint32 m_ajuste24 = 0;
    qint32 m_ajuste67 = 0;
    bool m_ajuste122 = false;
    bool m_ajuste124 = false;
    qint16 m_margenSuperior = 0;
    qint16 m_margenIzquierdo = 0;
    qint16 m_margenInferior = 0;
    qint16 m_margenDerecho = 0;
    QStringList m_formulas;
    QStringList m_orden;
    long m_numeroError = 0;
    QString m_textoError;
};

} // namespace report
