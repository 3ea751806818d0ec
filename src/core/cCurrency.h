#pragma once

#include "platform/vb/Currency.h"

#include <QString>
#include <QtGlobal>

class ICajaTexto;

// Rules for amounts: formatting, pesetas <-> euros at 166,386 pesetas per
// euro, and the keystroke filters of a text box where an amount is typed.
// Texts use the regional separators: "," decimal, "." thousands.
class cCurrency {
public:
    // VB key codes the filters react to.
    static constexpr qint16 vbKeyBack = 8;
    static constexpr qint16 vbKeyDelete = 46;
    static constexpr qint16 vbKeyDecimal = 110;

    // Key-press filter: leaves `intKeyAscii` as it is to accept the key, sets
    // it to 0 to consume it, or beeps and sets it to 0 to reject it. It may
    // rewrite the box's text and caret before the key acts.
    void VerificarCurrencyKeyPress(ICajaTexto& txtCurrency, qint16& intKeyAscii, qint16 intEnteros,
                                   qint16 intDecimales, bool blnPermitirSigno = false) const;

    // Key-down filter, run before the key acts: keeps Delete from joining the
    // decimals to a full integer part, and marks the keypad's decimal key so
    // that the key-press filter types a comma for it.
    void VerificarCurrencyKeyDown(ICajaTexto& txtCurrency, qint16 intKeyCode, qint16 intEnteros,
                                  qint16 intDecimales, bool blnPermitirSigno = false) const;

    // The amount as "1.234,50" (or "1.235" without decimals); a text that is
    // not a number formats as zero. Halves round away from zero.
    QString FormatearCurrency(const QString& strCurrency, bool blnMostrarDecimales = true) const;

    // Converts the pesetas in `CantPesetas` to euros rounded to cents, leaves
    // them there and returns them formatted. Throws on overflow.
    QString PesetasAEuros(vb::Currency& CantPesetas) const;

    // The euros as whole pesetas (halves to even), formatted. Throws on overflow.
    QString EurosAPesetas(const vb::Currency& CantEuros) const;

private:
    static QString QuitarCaracteres(const QString& texto, const QString& caracteres);
};
