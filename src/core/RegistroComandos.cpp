#include "core/RegistroComandos.h"

#include "platform/vb/VbError.h"

void RegistroComandos::Registrar(const QString& nombre, Manejador manejador)
{
    if (nombre.isEmpty() || !manejador)
        vb::ThrowInvalidCall(QStringLiteral("RegistroComandos"));
    if (!m_manejadores.contains(nombre))
        m_nombres.append(nombre);
    m_manejadores.insert(nombre, std::move(manejador));
}

void RegistroComandos::Ejecutar(const QString& nombre) const
{
    const auto entrada = m_manejadores.constFind(nombre);
    if (entrada == m_manejadores.cend())
        throw vb::VbError(vb::ErrInvalidCall, QStringLiteral("Llamada a procedimiento o argumento no válido: no hay ningún comando %1").arg(nombre),
                          QStringLiteral("RegistroComandos"));
    // A copy: the handler may replace its own entry while it runs.
    const Manejador manejador = entrada.value();
    manejador();
}
