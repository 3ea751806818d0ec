#pragma once

#include <QString>

// What the amount-entry filters of cCurrency need of a text box: its text,
// its selection (caret as a 0-based position) and a free-use tag that carries
// a mark from the key-down to the key-press event.
class ICajaTexto {
public:
    virtual ~ICajaTexto() = default;

    virtual QString Text() const = 0;
    virtual void SetText(const QString& texto) = 0;

    // Caret position; setting it clears the selection.
    virtual int SelStart() const = 0;
    virtual void SetSelStart(int posicion) = 0;
    virtual int SelLength() const = 0;
    virtual QString SelText() const = 0;

    virtual QString Tag() const = 0;
    virtual void SetTag(const QString& tag) = 0;
};
