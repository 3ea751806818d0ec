#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class EntornoInforme;

// The steps the reports of the viewer share: how a failure is told, the
// engine set-up of a list and of a form, and the pass of a list report.
namespace informes {

// How a checkpoint tells a failure: a message of the report (a beep, the
// text, a new line, "Descripción: " and the description, exclamation icon)
// or the service's VerError with "cmdBotonera_Click(i)", "frmViewInforme"
// and "NorviaParvanta2000.vbp".
struct Aviso {
    QString mensaje;  // empty: VerError
};

// Reports the current error (vb::Err()) as `aviso` says and clears it.
void Informar(const EntornoInforme& e, const Aviso& aviso);
// Takes the exception in flight into vb::Err() and reports it.
void InformarExcepcion(const EntornoInforme& e, const Aviso& aviso);

// Beep and "¡No se ha encontrado ningún registro!" (information icon).
void AvisarSinRegistros(const EntornoInforme& e);

// A margin setting of the user's section "Documentos", in twips through
// the shared conversion; an empty key gives 0.
qint16 Margen(const EntornoInforme& e, const QString& clave);

// "PtsEur=0" when working in pesetas, else "PtsEur=2".
QString FormulaPtsEur(const EntornoInforme& e);

// The settings every list print starts with: template, password, data
// file, setting 67, title, top and left margin, the other two margins 0.
void PrepararLista(const EntornoInforme& e, const QString& plantilla, const QString& titulo,
                   const QString& claveMargenSup, const QString& claveMargenIzq);

// The settings of a form (blank templates, duplicate books): template,
// password, setting 24 = 0, data file, setting 67, title, setting 124 off,
// top and left margin, setting 122 on.
void PrepararFormulario(const EntornoInforme& e, const QString& plantilla, const QString& titulo);

// A list report: the work table's query, template, title, margins,
// currency formula, sort field and what tells its failures.
struct DefinicionLista {
    QString consulta;
    QString plantilla;
    QString titulo;
    QString margenSup;
    QString margenIzq;  // empty: left margin 0
    bool ptsEur = false;
    QString orden;      // sort field 0, or none
    bool ajuste24 = false;
    // A failed fill or read of the work table; null: told by avisoVaciado.
    const Aviso* avisoLectura = nullptr;
    Aviso avisoVaciado;
};

// Prints the work table with `def`; returns false after an engine error
// (told through VerErrorCrystal). Formula and sort entries it set are
// cleared on every path.
bool ImprimirLista(const EntornoInforme& e, const DefinicionLista& def);

// One pass of a list report. `todos`: the hourglass comes first, an empty
// work table is announced, and the progress bar is hidden at the end; else
// the hourglass comes after the selection call and an empty table prints
// nothing silently. A failed fill or read is told and nothing is printed;
// the work table is emptied on every path; the pointer goes back at the end.
// Returns whether something was printed without an engine error.
bool PasadaLista(const EntornoInforme& e, const DefinicionLista& def, bool todos,
                 const std::function<void()>& llenar, const std::function<void()>& vaciar);

// Runs `vaciar` at the end of its scope unless Ejecutar already ran it;
// there it passes over failures, as nothing can be told from a destructor.
class VaciadoPendiente {
public:
    explicit VaciadoPendiente(std::function<void()> vaciar) : m_vaciar(std::move(vaciar)) {}
    ~VaciadoPendiente();
    VaciadoPendiente(const VaciadoPendiente&) = delete;
    VaciadoPendiente& operator=(const VaciadoPendiente&) = delete;
    // Empties now; a failure raises.
    void Ejecutar();

private:
    std::function<void()> m_vaciar;
    bool m_hecho = false;
};

// Empties a work table by a fixed statement on the report connection.
std::function<void()> VaciarCon(const EntornoInforme& e, const QString& sentencia);

} // namespace informes
