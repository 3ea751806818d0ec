#pragma once

#include "core/ICajaTexto.h"

class QLineEdit;

// ICajaTexto over a Qt line edit. The tag is kept as a property of the line
// edit itself, so every adapter made for the same box sees the same tag.
class CajaTextoLineEdit : public ICajaTexto {
public:
    explicit CajaTextoLineEdit(QLineEdit& caja) : m_caja(caja) {}

    QString Text() const override;
    void SetText(const QString& texto) override;
    int SelStart() const override;
    void SetSelStart(int posicion) override;
    int SelLength() const override;
    QString SelText() const override;
    QString Tag() const override;
    void SetTag(const QString& tag) override;

private:
    QLineEdit& m_caja;
};
