#pragma once

#include "core/ICajaTexto.h"

#include <algorithm>
#include <utility>

// A text box in memory, with VB's editing of a typed key: an accepted key
// replaces the selection (or goes in at the caret), Backspace and Delete
// remove the selection or the character beside the caret.
class CajaTextoFalsa : public ICajaTexto {
public:
    explicit CajaTextoFalsa(QString texto = {}, int caret = 0, int seleccion = 0)
        : m_texto(std::move(texto)), m_inicio(caret), m_longitud(seleccion) {}

    QString Text() const override { return m_texto; }
    void SetText(const QString& texto) override
    {
        m_texto = texto;
        m_inicio = 0; // as VB: assigning the text puts the caret at the start
        m_longitud = 0;
    }
    int SelStart() const override { return m_inicio; }
    void SetSelStart(int posicion) override
    {
        m_inicio = std::clamp(posicion, 0, int(m_texto.size()));
        m_longitud = 0;
    }
    int SelLength() const override { return m_longitud; }
    QString SelText() const override { return m_texto.mid(m_inicio, m_longitud); }
    QString Tag() const override { return m_tag; }
    void SetTag(const QString& tag) override { m_tag = tag; }

    void Insertar(QChar c)
    {
        m_texto = m_texto.left(m_inicio) + c + m_texto.mid(m_inicio + m_longitud);
        ++m_inicio;
        m_longitud = 0;
    }
    void Retroceso()
    {
        if (m_longitud == 0 && m_inicio > 0) {
            --m_inicio;
            m_longitud = 1;
        }
        BorrarSeleccion();
    }
    void Suprimir()
    {
        if (m_longitud == 0)
            m_longitud = m_inicio < m_texto.size() ? 1 : 0;
        BorrarSeleccion();
    }

private:
    void BorrarSeleccion()
    {
        m_texto.remove(m_inicio, m_longitud);
        m_longitud = 0;
    }

    QString m_texto;
    int m_inicio = 0;
    int m_longitud = 0;
    QString m_tag;
};
