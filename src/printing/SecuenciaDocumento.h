#pragma once

#include "printing/ContextoImpresion.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

// The print sequence of one document of the parish add-in: fill the work
// tables, set up the report control, print, report the engine's error and
// empty the tables. One description per document; one routine runs them all.
namespace impresion {

// Where the engine's error is reported: before the work tables are emptied
// (most documents) or after (books and indexes).
enum class Final { InformarYVaciar, VaciarEInformar };

// The guard that decides whether anything is printed.
enum class Guarda {
    Ninguna,
    // Right after the fill step, before the control is set up: a row.
    FilaTrasLlenar,
    // After the control is set up (books and indexes): a record count.
    CuentaTrasPreparar,
};

// When the main window is disabled: while the add-in fills the tables and
// the control is set up, only from the guard's positive result on, or never.
enum class Deshabilitar { DuranteLlenado, TrasGuarda, Nunca };

struct Documento {
    QString plantilla;  // "\infGP_x.rpt"; may be chosen by `elegirPlantilla`
    QString titulo;
    QString claveMargenSup;
    QString claveMargenIzq;
    QString defectoMargenSup;
    QString defectoMargenIzq;
    Guarda guarda = Guarda::Ninguna;
    QString consultaGuarda;
    Final final = Final::InformarYVaciar;
    Deshabilitar deshabilitar = Deshabilitar::DuranteLlenado;
    // The statements that empty the work tables, in their order.
    QStringList vaciar;
    // Runs after the fill step and names the template (a book's `Nuevo`).
    std::function<QString()> elegirPlantilla;
};

// Runs one document print with `llenar` as its fill step.
//
// The main window is enabled again, the pointer and the control's lists
// put back and the work tables emptied on every path once the fill step
// has started, an exception or a guard that finds no row included, so the
// next print of the same kind never shows this one's data. A print started
// while another one is running (events are processed between a print and
// the emptying) is refused with a message. Other errors propagate.
void ImprimirDocumento(const ContextoImpresion& ctx, const Documento& doc, const std::function<void()>& llenar);

// Marks a print in progress for its lifetime. `Libre` is false (and the
// user has been told) when another print has not finished yet.
class ImpresionEnCurso {
public:
    explicit ImpresionEnCurso(const QString& appTitle);
    ~ImpresionEnCurso();
    ImpresionEnCurso(const ImpresionEnCurso&) = delete;
    ImpresionEnCurso& operator=(const ImpresionEnCurso&) = delete;
    bool Libre() const { return m_propia; }

private:
    bool m_propia = false;
};

// Keeps the main window disabled from Deshabilitar to Habilitar and enables
// it on every path at the end.
class VentanaImpresion {
public:
    explicit VentanaImpresion(const ContextoImpresion& ctx) : m_ctx(ctx) {}
    ~VentanaImpresion();
    VentanaImpresion(const VentanaImpresion&) = delete;
    VentanaImpresion& operator=(const VentanaImpresion&) = delete;
    void Deshabilitar();
    void Habilitar();

private:
    const ContextoImpresion& m_ctx;
    bool m_deshabilitada = false;
};

// Sets report file, data file, password, title, settings 24 and 67 and the
// top and left margins, in that order: the document prints' set-up.
void PrepararControl(const ContextoImpresion& ctx, const QString& plantilla, const QString& titulo,
                     const QString& claveMargenSup, const QString& claveMargenIzq,
                     const QString& defectoSup = {}, const QString& defectoIzq = {});

} // namespace impresion
