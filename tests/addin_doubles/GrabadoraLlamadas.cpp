#include "addin_doubles/GrabadoraLlamadas.h"

namespace dobles {

QStringList GrabadoraLlamadas::Miembros() const
{
    QStringList miembros;
    for (const Llamada& llamada : m_llamadas)
        miembros << llamada.miembro;
    return miembros;
}

int GrabadoraLlamadas::Veces(const QString& miembro) const
{
    return static_cast<int>(Miembros().count(miembro));
}

GrabadoraLlamadas::Llamada GrabadoraLlamadas::Ultima(const QString& miembro) const
{
    for (auto llamada = m_llamadas.crbegin(); llamada != m_llamadas.crend(); ++llamada) {
        if (llamada->miembro == miembro)
            return *llamada;
    }
    return {};
}

void GrabadoraLlamadas::OlvidarLlamadas() { m_llamadas.clear(); }

void GrabadoraLlamadas::FijarSalida(const QString& miembro, int indice, const QVariant& valor)
{
    m_salidas[{miembro, indice}] = valor;
}

void GrabadoraLlamadas::AnotarLlamada(Llamada llamada)
{
    m_llamadas.append(llamada);
    if (const auto accion = m_acciones.constFind(llamada.miembro); accion != m_acciones.constEnd())
        (*accion)(llamada);
}

} // namespace dobles
