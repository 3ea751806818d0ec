#pragma once

#include <QIcon>

class cConfigContabilidad;
struct ContextoPrincipal;
namespace PVAPI {
struct cInfoConfiguracion;
}

// The two configuration objects the main window fills when it loads and
// lends to the add-ins. Each sets its members in order; a currency setting
// that is not a number raises (vb::VbError 13) and leaves the members after
// it as they were.

// Program folder, title, help file, user prefix ("Administrador\3082"),
// accounting currency (setting CONTABILIDAD_TRABAJARENPESETAS, missing: 0),
// the window's icon, the edition code and the consolidation flag.
void CargarConfigContabilidad(cConfigContabilidad& config, const ContextoPrincipal& contexto, const QIcon& icono);

// Program folder, help file, title, edition code and the donations currency
// (setting VODIDAZAZ_TRABAJARENPESETAS of the object's own user, missing: 0).
void CargarConfigVodidazaz(PVAPI::cInfoConfiguracion& info, const ContextoPrincipal& contexto);
