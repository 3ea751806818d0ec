// An add-in library built against another version of the contract.
#include "platform/addins/ModuloComplemento.h"

#include <QtGlobal>

namespace {

class ModuloAntiguo : public addins::ModuloComplemento {
public:
    int Version() const override { return addins::VersionInterfazComplementos + 1; }
    QStringList Clases() const override { return {QStringLiteral("NvBancos.cBancos")}; }
    std::unique_ptr<addins::Complemento> Crear(const QString&) override { return nullptr; }
};

} // namespace

extern "C" Q_DECL_EXPORT addins::ModuloComplemento* DuzComplemento(const addins::ServiciosHost*)
{
    static ModuloAntiguo modulo;
    return &modulo;
}
