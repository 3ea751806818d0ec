#include "core/cCurrency.h"

#include "platform/ui/Ui.h"
#include "platform/vb/Format.h"
#include "platform/vb/Texto.h"
#include "platform/vb/Vb.h"
#include "platform/vb/VbError.h"
#include "core/ICajaTexto.h"

#include <cmath>

namespace {

constexpr double kPesetasPorEuro = 166.386;

// Set by the key-down filter when the keypad's decimal key goes down.
const QString kMarcaPuntoNumerico = QStringLiteral("|Punto Tecl. Núm. pulsado|");

QString Separadores(bool permitirSigno)
{
    return permitirSigno ? QStringLiteral("+,-.") : QStringLiteral(",.");
}

bool EsDigito(qint16 tecla)
{
    return tecla >= '0' && tecla <= '9';
}

QChar CaracterEn(const QString& texto, int posicion)
{
    return posicion >= 0 && posicion < texto.size() ? texto.at(posicion) : QChar();
}

// A "." never starts the text nor sits next to another ".".
bool PuntoPermitido(const QString& texto, int caret)
{
    return caret != 0 && CaracterEn(texto, caret - 1) != QLatin1Char('.')
           && CaracterEn(texto, caret) != QLatin1Char('.');
}

void Rechazar(qint16& tecla)
{
    ui::Current().Beep();
    tecla = 0;
}

} // namespace

QString cCurrency::QuitarCaracteres(const QString& texto, const QString& caracteres)
{
    QString resultado = texto.trimmed();
    for (const QChar c : caracteres.trimmed())
        resultado.remove(c);
    resultado.remove(QLatin1Char(' '));
    return resultado;
}

void cCurrency::VerificarCurrencyKeyDown(ICajaTexto& txtCurrency, qint16 intKeyCode, qint16 intEnteros,
                                         qint16 /*intDecimales*/, bool blnPermitirSigno) const
{
    const QString t = txtCurrency.Text().trimmed();
    const int c = txtCurrency.SelStart();
    if (intKeyCode == vbKeyDelete) {
        if (c == 0 || CaracterEn(t, c) != QLatin1Char(','))
            return;
        const int despuesDeComa = int(t.size()) - (c + 1);
        const int enterosAntes = int(QuitarCaracteres(t.left(c), Separadores(blnPermitirSigno)).size());
        if (despuesDeComa + enterosAntes > intEnteros) {
            txtCurrency.SetText(t.left(c + 1));
            txtCurrency.SetSelStart(c);
        }
    } else if (intKeyCode == vbKeyDecimal) {
        txtCurrency.SetTag(txtCurrency.Tag() + kMarcaPuntoNumerico);
    }
}

void cCurrency::VerificarCurrencyKeyPress(ICajaTexto& txtCurrency, qint16& intKeyAscii, qint16 intEnteros,
                                          qint16 intDecimales, bool blnPermitirSigno) const
{
    const QString separadores = Separadores(blnPermitirSigno);
    QString t = txtCurrency.Text().trimmed();

    const QString tag = vb::RTrim(txtCurrency.Tag());
    if (tag.endsWith(kMarcaPuntoNumerico)) {
        txtCurrency.SetTag(tag.left(tag.size() - kMarcaPuntoNumerico.size()));
        intKeyAscii = ',';
    }

    if (intKeyAscii == ',' && intDecimales == 0)
        return Rechazar(intKeyAscii);

    const bool esSeparador = separadores.contains(QChar(intKeyAscii));
    if ((EsDigito(intKeyAscii) || esSeparador) && txtCurrency.SelLength() >= 1) {
        const QString texto = txtCurrency.Text();
        const int inicio = txtCurrency.SelStart();
        txtCurrency.SetText(texto.left(inicio) + texto.mid(inicio + txtCurrency.SelLength()));
        txtCurrency.SetSelStart(inicio);
        t = txtCurrency.Text().trimmed();
    }

    if (intKeyAscii == vbKeyBack) {
        const int c = txtCurrency.SelStart();
        if (c != 0 && CaracterEn(t, c - 1) == QLatin1Char(',')) {
            const int despuesDelCaret = int(t.size()) - c;
            const int enterosAntes = int(QuitarCaracteres(t.left(c - 1), separadores).size());
            if (despuesDelCaret + enterosAntes > intEnteros) {
                txtCurrency.SetText(t.left(c));
                txtCurrency.SetSelStart(c);
            }
        }
        return;
    }

    if (!EsDigito(intKeyAscii) && !esSeparador)
        return Rechazar(intKeyAscii);

    if (intKeyAscii == '+' || intKeyAscii == '-') {
        QString texto = txtCurrency.Text();
        int caret = txtCurrency.SelStart();
        if (texto.startsWith(QLatin1Char('+')) || texto.startsWith(QLatin1Char('-')))
            texto.remove(0, 1);
        else
            ++caret;
        txtCurrency.SetText(QChar(intKeyAscii) + texto.trimmed());
        txtCurrency.SetSelStart(caret);
        intKeyAscii = 0;
        return;
    }

    const int c = txtCurrency.SelStart();
    const int k = int(t.indexOf(QLatin1Char(','))) + 1;
    const bool digito = EsDigito(intKeyAscii);
    if (k != 0) {
        if (intKeyAscii == ',')
            return Rechazar(intKeyAscii);
        if (c < k) {
            if (digito ? QuitarCaracteres(t.left(k - 1), separadores).size() >= intEnteros
                       : !PuntoPermitido(t, c))
                Rechazar(intKeyAscii);
            return;
        }
        if (!digito || int(t.size()) - k >= intDecimales)
            Rechazar(intKeyAscii);
        return;
    }
    if (digito) {
        if (QuitarCaracteres(t, separadores).size() >= intEnteros)
            Rechazar(intKeyAscii);
        return;
    }
    if (intKeyAscii == ',') {
        if (c == 0)
            return Rechazar(intKeyAscii);
        // The comma lands at the caret; what follows it becomes the decimals.
        const QString decimales = QuitarCaracteres(t.mid(c), separadores).left(2);
        txtCurrency.SetText(t.left(c) + decimales);
        txtCurrency.SetSelStart(c);
        return;
    }
    if (!PuntoPermitido(t, c))
        Rechazar(intKeyAscii);
}

QString cCurrency::FormatearCurrency(const QString& strCurrency, bool blnMostrarDecimales) const
{
    double valor = 0.0;
    if (vb::IsNumeric(strCurrency)) {
        try {
            valor = vb::CDblEs(strCurrency);
        } catch (const vb::VbError&) {
            valor = 0.0; // beyond a double: formatted as a non-number
        }
    }
    // The whole value, however long: cutting its digits would show another amount.
    const QString conDecimales = vb::FormatNumber(valor, QStringLiteral("##,##0.00"));
    if (blnMostrarDecimales)
        return conDecimales;
    return vb::FormatNumber(vb::CDblEs(conDecimales), QStringLiteral("##,##0"));
}

QString cCurrency::PesetasAEuros(vb::Currency& CantPesetas) const
{
    CantPesetas = vb::Currency::fromDouble(CantPesetas.toDouble() / kPesetasPorEuro);

    // Thousandths of a euro, then cents with the half rounded away from zero.
    qint64 milesimas = 0;
    if (__builtin_mul_overflow(CantPesetas.raw(), qint64(1000), &milesimas))
        vb::ThrowOverflow();
    milesimas = milesimas / 10000 * 10000;
    CantPesetas = vb::Currency::fromRaw(milesimas);
    CantPesetas = CantPesetas.raw() > 0 ? CantPesetas + vb::Currency::fromRaw(5 * 10000)
                                        : CantPesetas - vb::Currency::fromRaw(5 * 10000);
    CantPesetas = vb::Currency::fromDouble(std::trunc(CantPesetas.toDouble() / 10));
    CantPesetas = vb::Currency::fromDouble(CantPesetas.toDouble() / 100);
    return FormatearCurrency(CantPesetas.toString(), true);
}

QString cCurrency::EurosAPesetas(const vb::Currency& CantEuros) const
{
    const double pesetas = vb::RoundHalfEven(CantEuros.toDouble() * kPesetasPorEuro);
    // Checks that the pesetas fit a currency amount, as the conversion did.
    const vb::Currency enPesetas = vb::Currency::fromDouble(pesetas);
    return FormatearCurrency(QString::number(enPesetas.raw() / 10000), false);
}
