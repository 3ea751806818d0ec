// The probe add-in: reports the process-wide state the plugin reaches
// (SondaEstado.h). Built beside the test, never into the program.
#include "SondaEstado.h"

#include "comun/ModuloDeUnaClase.h"
#include "platform/addins/HostComplementos.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"

namespace {

class Sonda : public addinstest::cSonda {
public:
    void FijarError(long numero, const QString& descripcion) override
    {
        vb::Err().Set(numero, descripcion, QStringLiteral("PruebaSonda"));
    }
    ui::Ui* UiActual() override { return &ui::Current(); }
    addins::HostComplementos* Host() override { return &addins::HostComplementos::Instancia(); }
    std::unique_ptr<addins::Complemento> CrearObjeto(const QString& nombreClase) override
    {
        return addins::HostComplementos::Instancia().CrearObjeto(nombreClase);
    }
};

} // namespace

DUZ_EXPORTAR_COMPLEMENTO(Sonda)
