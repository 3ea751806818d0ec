#include "navigation/ErroresControles.h"

#include "platform/vb/VbError.h"

void LanzarIndiceFueraDeLimites()
{
    throw vb::VbError(ErrIndiceFueraDeLimites, QStringLiteral("Índice fuera de los límites"));
}

void LanzarElementoNoEncontrado()
{
    throw vb::VbError(ErrElementoNoEncontrado, QStringLiteral("Elemento no encontrado"));
}

void LanzarClaveNoUnica()
{
    throw vb::VbError(ErrClaveNoUnica, QStringLiteral("La clave no es única en la colección"));
}
