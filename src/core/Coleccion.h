#pragma once

#include "platform/vb/VbError.h"

#include <QList>
#include <QString>
#include <memory>

// The old keyed collection: items in insertion order, reached by 1-based
// position or by a text key that ignores letter case. Items are shared, as
// object references were: an item taken out of one collection lives on where
// it is still held.
//
// Errors are the old ones: a repeated key on Add (457), a position outside
// 1..Count (9) and a key that no item has (5) raise vb::VbError.
template <class T>
class Coleccion {
    struct Entrada {
        QString clave;
        std::shared_ptr<T> item;
    };

public:
    using Puntero = std::shared_ptr<T>;

    static constexpr long ErrClaveRepetida = 457;
    static constexpr long ErrSubindice = 9;

    void Add(Puntero item, const QString& clave)
    {
        if (Posicion(clave) != 0)
            throw vb::VbError(ErrClaveRepetida,
                              QStringLiteral("Esta clave ya está asociada a un elemento de esta colección"));
        m_items.append({clave, std::move(item)});
    }

    int Count() const { return int(m_items.size()); }

    const Puntero& Item(int posicion) const { return m_items.at(Indice(posicion)).item; }
    const Puntero& Item(const QString& clave) const { return Item(PosicionExistente(clave)); }

    void Remove(int posicion) { m_items.removeAt(Indice(posicion)); }
    void Remove(const QString& clave) { Remove(PosicionExistente(clave)); }

    bool Contiene(const QString& clave) const { return Posicion(clave) != 0; }

    // 1-based position of the item under `clave`, 0 when none.
    int Posicion(const QString& clave) const
    {
        for (int i = 0; i < m_items.size(); ++i) {
            if (m_items.at(i).clave.compare(clave, Qt::CaseInsensitive) == 0)
                return i + 1;
        }
        return 0;
    }

    QString Clave(int posicion) const { return m_items.at(Indice(posicion)).clave; }

    void Clear() { m_items.clear(); }

    // Range-for over the items, in order.
    class Iterador {
    public:
        explicit Iterador(typename QList<Entrada>::const_iterator it) : m_it(it) {}
        const Puntero& operator*() const { return m_it->item; }
        Iterador& operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator!=(const Iterador& otro) const { return m_it != otro.m_it; }

    private:
        typename QList<Entrada>::const_iterator m_it;
    };
    Iterador begin() const { return Iterador(m_items.cbegin()); }
    Iterador end() const { return Iterador(m_items.cend()); }

private:
    int Indice(int posicion) const
    {
        if (posicion < 1 || posicion > m_items.size())
            throw vb::VbError(ErrSubindice, QStringLiteral("Subíndice fuera del intervalo"));
        return posicion - 1;
    }

    int PosicionExistente(const QString& clave) const
    {
        const int posicion = Posicion(clave);
        if (posicion == 0)
            vb::ThrowInvalidCall();
        return posicion;
    }

    QList<Entrada> m_items;
};
