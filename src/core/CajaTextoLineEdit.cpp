#include "core/CajaTextoLineEdit.h"

#include <QLineEdit>
#include <QVariant>

namespace {
constexpr char kPropiedadTag[] = "duzTag";
}

QString CajaTextoLineEdit::Text() const
{
    return m_caja.text();
}

void CajaTextoLineEdit::SetText(const QString& texto)
{
    m_caja.setText(texto);
}

int CajaTextoLineEdit::SelStart() const
{
    return m_caja.hasSelectedText() ? m_caja.selectionStart() : m_caja.cursorPosition();
}

void CajaTextoLineEdit::SetSelStart(int posicion)
{
    m_caja.deselect();
    m_caja.setCursorPosition(posicion);
}

int CajaTextoLineEdit::SelLength() const
{
    return m_caja.hasSelectedText() ? m_caja.selectionLength() : 0;
}

QString CajaTextoLineEdit::SelText() const
{
    return m_caja.selectedText();
}

QString CajaTextoLineEdit::Tag() const
{
    return m_caja.property(kPropiedadTag).toString();
}

void CajaTextoLineEdit::SetTag(const QString& tag)
{
    m_caja.setProperty(kPropiedadTag, tag);
}
