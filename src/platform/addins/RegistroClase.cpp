#include "platform/addins/RegistroClase.h"

namespace addins {

RegistroClase::RegistroClase(QString nombreClase, HostComplementos::Fabrica fabrica)
    : m_nombreClase(std::move(nombreClase))
    , m_id(HostComplementos::Instancia().Registrar(m_nombreClase, std::move(fabrica)))
{
}

RegistroClase::~RegistroClase() { HostComplementos::Instancia().Anular(m_nombreClase, m_id); }

} // namespace addins
