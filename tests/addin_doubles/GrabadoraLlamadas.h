#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <type_traits>

namespace dobles {

// The identity of an object argument as a double records it: compare with
// Id(theObjectPassed).
inline QVariant Id(const void* objeto) { return QVariant::fromValue(reinterpret_cast<qulonglong>(objeto)); }

// How an argument is recorded: texts, flags and numbers by value; objects
// (connections, configuration, trees, controls, collections) by identity.
template <class T>
QVariant ValorGrabado(const T& valor)
{
    if constexpr (std::is_same_v<T, QString>)
        return valor;
    else if constexpr (std::is_same_v<T, bool>)
        return valor;
    else if constexpr (std::is_integral_v<T>)
        return QVariant::fromValue(static_cast<qlonglong>(valor));
    else if constexpr (std::is_pointer_v<T>)
        return Id(valor);
    else
        return Id(&valor);
}

// What the add-in doubles share: the calls they received, in order, with
// their arguments, and the answers a test gave them beforehand.
//
// Unless configured, a double leaves its by-reference arguments as they came
// and returns an empty value (false, "", 0, an empty list); the exceptions
// are the answers a working add-in gives at start-up: DatosSetup true and the
// accounting password.
class GrabadoraLlamadas {
public:
    struct Llamada {
        QString miembro;
        QVariantList argumentos;
    };
    // Runs inside the call, after it was recorded: a test may throw from it
    // (a failing add-in) or change the database as the add-in would.
    using Accion = std::function<void(const Llamada&)>;

    const QList<Llamada>& Llamadas() const { return m_llamadas; }
    QStringList Miembros() const;
    int Veces(const QString& miembro) const;
    // The last call of the member; an empty Llamada when there was none.
    Llamada Ultima(const QString& miembro) const;
    // Doubles made by class name through RegistroDoble.
    int ObjetosCreados() const { return m_creados; }
    // Forgets the calls (not the answers).
    void OlvidarLlamadas();

    void FijarResultado(const QString& miembro, const QVariant& valor) { m_resultados[miembro] = valor; }
    // Value left in the by-reference argument at `indice` (0-based, in the
    // member's argument order).
    void FijarSalida(const QString& miembro, int indice, const QVariant& valor);
    void FijarAccion(const QString& miembro, Accion accion) { m_acciones[miembro] = std::move(accion); }

    // Used by the doubles. Recibir records the call (running its action) and
    // then leaves the fixed outputs in its number, flag and text arguments by
    // their position, so no double numbers its outputs by hand. (A by-value
    // argument is the double's own copy: an output fixed for it goes nowhere.)
    template <class... A>
    void Recibir(const char* miembro, A&... argumentos);
    template <class T>
    T Resultado(const char* miembro, T porDefecto = T {}) const;
    void AnotarCreacion() { ++m_creados; }

private:
    void AnotarLlamada(Llamada llamada);
    template <class T>
    void DejarSalida(const QString& miembro, int indice, T& argumento) const;

    QList<Llamada> m_llamadas;
    QHash<QString, QVariant> m_resultados;
    QHash<QPair<QString, int>, QVariant> m_salidas;
    QHash<QString, Accion> m_acciones;
    int m_creados = 0;
};

template <class... A>
void GrabadoraLlamadas::Recibir(const char* miembro, A&... argumentos)
{
    const QString nombre = QString::fromLatin1(miembro);
    AnotarLlamada(Llamada {nombre, QVariantList {ValorGrabado(argumentos)...}});
    int indice = 0;
    (DejarSalida(nombre, indice++, argumentos), ...);
}

template <class T>
void GrabadoraLlamadas::DejarSalida([[maybe_unused]] const QString& miembro, [[maybe_unused]] int indice,
                                    [[maybe_unused]] T& argumento) const
{
    // Objects (connections, configuration, collections) are never outputs.
    if constexpr (!std::is_const_v<T> && (std::is_arithmetic_v<T> || std::is_same_v<T, QString>)) {
        const auto salida = m_salidas.constFind({miembro, indice});
        if (salida != m_salidas.constEnd())
            argumento = salida->template value<T>();
    }
}

template <class T>
T GrabadoraLlamadas::Resultado(const char* miembro, T porDefecto) const
{
    const auto resultado = m_resultados.constFind(QString::fromLatin1(miembro));
    return resultado != m_resultados.constEnd() ? resultado->template value<T>() : porDefecto;
}

} // namespace dobles
