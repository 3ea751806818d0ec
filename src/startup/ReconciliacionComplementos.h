#pragma once

#include <functional>
#include <optional>

class IAccionesSetup;

namespace db {
class Connection;
class Value;
}
namespace PVAPI {
struct cInfoConfiguracion;
}

// Brings the add-in flags of `Informacion` into line with the add-ins found
// at start-up, in the order donations, parish management, accounting:
//  - stored False, add-in present: donations and parish management first
//    run their set-up when some institution still lacks the add-in's data,
//    then the flag becomes True; accounting just becomes True;
//  - stored True, add-in absent: the flag becomes False (accounting clears
//    `GestionContable` with it);
//  - anything else, a Null included, is left as it is.
class ReconciliacionComplementos {
public:
    // `acciones` gives the set-up actions, made on first use; `trasSetup`
    // runs after each set-up that succeeded.
    ReconciliacionComplementos(db::Connection& conLocal, const PVAPI::cInfoConfiguracion& infoConfig,
                               std::function<IAccionesSetup&()> acciones, std::function<void()> trasSetup);

    // False when a set-up answered False: start-up must end. Failures of
    // the database or of a set-up are thrown.
    bool Ejecutar();

    // The institutions that hold none of an add-in's own data.
    static const char* const kConsultaVodidazaz;
    static const char* const kConsultaGestionParroquial;

    // Yes/no column: Null stays apart from both True and False.
    static std::optional<bool> ValorSiNo(const db::Value& valor);

private:
    bool ActivarConSetup(const char* consulta, bool (IAccionesSetup::*setup)(), const char* asignacion);
    void Actualizar(const char* asignacion);

    db::Connection& m_conLocal;
    const PVAPI::cInfoConfiguracion& m_infoConfig;
    std::function<IAccionesSetup&()> m_acciones;
    std::function<void()> m_trasSetup;
};
