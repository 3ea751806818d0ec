#pragma once

#include "dialogs/Modelo182.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

struct EstadoPrincipal;
namespace db {
class Connection;
}
namespace PVAPI {
struct cInfoConfiguracion;
}

// What the options dialog shows when it is saved.
struct ValoresOpciones {
    std::array<QString, 6> txtOpciones;  // by ReglasOpciones::k… index
    bool claveAnteriorHabilitada = false; // a password was stored
    bool pesetas = false;                 // "Pesetas" chosen
    bool mblnCambiarClave = false;        // something reached a password box
    PorcentajesModelo182 modelo182;
};

// What a save needs besides the dialog: the main window's state (rows per
// page, node model, company, accounting configuration), the shared
// configuration, the parish connection and the settings' application name.
struct ContextoOpciones {
    EstadoPrincipal& estado;
    PVAPI::cInfoConfiguracion& gobjInfoConfig;
    db::Connection& conLocal;
    QString appTitle;
    // The start-up password's stored form; the program's encoder unless a
    // test gives another.
    std::function<void(QString&)> codificar;
};

// How a save ended, and what the dialog must do about it.
enum class ResultadoOpciones {
    Guardado,               // everything saved: the dialog may close
    PaginasRechazadas,      // pages per book out of 1..9999: nothing saved
    MargenRechazado,        // certificate margin above 99: nothing saved
    ClaveAnteriorRechazada, // wrong old password: all but the password saved
    ConfirmacionRechazada,  // confirmation differs: all but the password saved
    Fallo,                  // a write failed and was reported
};

struct SalidaOpciones {
    ResultadoOpciones resultado = ResultadoOpciones::Fallo;
    // The dialog must stay open; false only when everything was saved.
    bool blnCancelar = true;
    // The box to give the focus to (-1: none), then whether to select the
    // "Documentos" tab.
    int foco = -1;
    bool seleccionarDocumentos = false;
    // Boxes to empty: the old password only, or all three.
    bool vaciarClaveAnterior = false;
    bool vaciarClaves = false;
    // The old-password box's state after a password change.
    std::optional<bool> claveAnteriorHabilitada;
    // The percentages as saved, for the boxes.
    std::optional<PorcentajesModelo182> modelo182;
};

// Saves the options: checks the pages per book and the certificate margin
// (a refusal saves nothing), writes rows per page, margin and pages per book
// in one settings batch, switches the lists' currency, changes the start-up
// password when a password box was touched, and stores the deduction
// percentages. Refusals beep and show their message. A write that fails is
// reported (VerError texts "GuardarOpciones()", "frmOpciones") after the
// other steps ran, and the save counts as not done, so the dialog stays open.
// Never changes the current folder.
SalidaOpciones GuardarOpciones(const ValoresOpciones& valores, ContextoOpciones& contexto);
