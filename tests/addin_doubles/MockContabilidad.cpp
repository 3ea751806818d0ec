#include "addin_doubles/MockContabilidad.h"

#include "platform/addins/ContabilidadPassword.h"

namespace dobles {

MockContabilidad::MockContabilidad()
{
    ON_CALL(*this, ObtenerPasswordContabilidad).WillByDefault(::testing::Return(PasswordContabilidad()));
}

MockContabilidad::~MockContabilidad() = default;

} // namespace dobles
