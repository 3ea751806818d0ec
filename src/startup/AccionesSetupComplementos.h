#pragma once

#include "startup/IAccionesSetup.h"

class App;

// The set-up actions as the record actions carry them out: a new object of
// the add-in, made by class name (not the shared one), runs its DatosSetup
// on the parish connection. Failures pass to the caller.
class AccionesSetupComplementos : public IAccionesSetup {
public:
    explicit AccionesSetupComplementos(App& app) : m_app(app) {}

    bool SetupVodidazaz() override;
    bool SetupGestionParroquial() override;

private:
    App& m_app;
};
