#pragma once

#include <QString>
#include <QtGlobal>

namespace PVAPI {

// The report-template engine control as the program, the error report and
// the add-ins drive it. The report engine implements it; tests use a
// recording double.
//
// Promises every implementation keeps:
// - a setting stays until it is set again;
// - PrintReport reads every row it needs before it returns, so the caller
//   may empty the work tables right after it;
// - after PrintReport, LastErrorNumber is 0 or the number of that run's
//   error and LastErrorString its description; nothing throws out of it;
// - the indexed lists (DataFiles, Formulas, SortFields) hold
//   kEntradasLista entries each; an index outside 0..kEntradasLista-1
//   raises error 9. An empty text marks a free entry.
class IControlInforme {
public:
    static constexpr int kEntradasLista = 100;

    virtual ~IControlInforme() = default;

    // The last run's error: 0 and "" when it ended well. Callers set them
    // back to 0 and "" once they have reported an error.
    virtual long LastErrorNumber() const = 0;
    virtual QString LastErrorString() const = 0;
    virtual void setLastErrorNumber(long numero) = 0;
    virtual void setLastErrorString(const QString& texto) = 0;

    // Template file: a path, or a name written "\infGP_x.rpt", which is
    // looked up in the program folder; letter case is not significant.
    virtual QString ReportFileName() const = 0;
    virtual void setReportFileName(const QString& archivo) = 0;

    // Data files: entry 0 is the report database.
    virtual QString DataFiles(int indice) const = 0;
    virtual void setDataFiles(int indice, const QString& archivo) = 0;

    // Password of the report database, as given (a line feed and the
    // password).
    virtual QString Password() const = 0;
    virtual void setPassword(const QString& clave) = 0;

    virtual QString WindowTitle() const = 0;
    virtual void setWindowTitle(const QString& titulo) = 0;

    // Settings the program sets to fixed values; the engine keeps them.
    virtual qint32 EngineSetting24() const = 0;
    virtual void setEngineSetting24(qint32 valor) = 0;
    virtual qint32 EngineSetting67() const = 0;
    virtual void setEngineSetting67(qint32 valor) = 0;
    virtual bool EngineSetting122() const = 0;
    virtual void setEngineSetting122(bool valor) = 0;
    virtual bool EngineSetting124() const = 0;
    virtual void setEngineSetting124(bool valor) = 0;

    // Margins in twips; 0 keeps the template's own margin.
    virtual qint16 MarginTop() const = 0;
    virtual void setMarginTop(qint16 twips) = 0;
    virtual qint16 MarginLeft() const = 0;
    virtual void setMarginLeft(qint16 twips) = 0;
    virtual qint16 MarginBottom() const = 0;
    virtual void setMarginBottom(qint16 twips) = 0;
    virtual qint16 MarginRight() const = 0;
    virtual void setMarginRight(qint16 twips) = 0;

    // Formula entries "Nombre=valor": a quoted value is a text, any other
    // a number. Every non-empty entry counts, gaps allowed; a later entry
    // wins over an earlier one of the same name.
    virtual QString Formulas(int indice) const = 0;
    virtual void setFormulas(int indice, const QString& formula) = 0;

    // Sort fields "+{Tabla.Campo}" (ascending) or "-{Tabla.Campo}", read
    // from entry 0 up to the first empty one.
    virtual QString SortFields(int indice) const = 0;
    virtual void setSortFields(int indice, const QString& campo) = 0;

    // Runs the report with the settings in force.
    virtual void PrintReport() = 0;
};

} // namespace PVAPI
