#include "core/cCurrency.h"

#include "CajaTextoFalsa.h"
#include "platform/vb/VbError.h"
#include "core/CajaTextoLineEdit.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QLineEdit>

namespace {

// ---- Amounts ---------------------------------------------------------------

struct CasoFormato {
    const char* entrada;
    bool decimales;
    const char* esperado;
};

TEST(cCurrencyTest, FormatearCurrency)
{
    const CasoFormato casos[] = {
        {"1234,5", true, "1.234,50"},
        {"1234,5", false, "1.235"},
        {"0", true, "0,00"},
        {"abc", true, "0,00"},
        {"", true, "0,00"},
        {"abc", false, "0"},
        {"-1234567,891", true, "-1.234.567,89"},
        {"2,675", true, "2,68"},       // halves away from zero, on the decimal form
        {"0,005", true, "0,01"},
        {"-0,005", true, "-0,01"},
        {"2,5", false, "3"},
        {"-2,5", false, "-3"},
        {"1234,495", false, "1.235"},  // rounded to cents first, then to a whole number
        // Long amounts keep all their digits and their cents.
        {"123456789012,75", true, "123.456.789.012,75"},
        {"123456789012,75", false, "123.456.789.013"},
        {"-12345678901234", true, "-12.345.678.901.234,00"},
    };
    const cCurrency currency;
    for (const CasoFormato& caso : casos)
        EXPECT_EQ(currency.FormatearCurrency(QString::fromUtf8(caso.entrada), caso.decimales),
                  QString::fromUtf8(caso.esperado))
            << caso.entrada << (caso.decimales ? " con decimales" : " sin decimales");
}

struct CasoConversion {
    double cantidad;
    const char* texto;
    double resultado; // what the argument holds afterwards
};

TEST(cCurrencyTest, PesetasAEurosRoundsThroughFourDecimalsThenCents)
{
    const CasoConversion casos[] = {
        {1000, "6,01", 6.01},
        {166.386, "1,00", 1.0},
        {-1000, "-6,01", -6.01},
        {0, "0,00", 0},
        {94, "0,57", 0.57},   // 0,564951... is kept as 0,5650 before the cents
        {292, "1,76", 1.76},
        {1, "0,01", 0.01},
        {-94, "-0,57", -0.57},
        {1000000, "6.010,12", 6010.12},
    };
    const cCurrency currency;
    for (const CasoConversion& caso : casos) {
        vb::Currency cantidad = vb::Currency::fromDouble(caso.cantidad);
        EXPECT_EQ(currency.PesetasAEuros(cantidad), QString::fromUtf8(caso.texto)) << caso.cantidad;
        EXPECT_EQ(cantidad, vb::Currency::fromDouble(caso.resultado)) << caso.cantidad;
    }
}

TEST(cCurrencyTest, EurosAPesetasRoundsHalvesToEven)
{
    const CasoConversion casos[] = {
        {6.01, "1.000", 6.01},
        {1, "166", 1},
        {-6.01, "-1.000", -6.01},
        {0, "0", 0},
        {250, "41.596", 250},    // 41.596,5 pesetas: the even neighbour
        {750, "124.790", 750},   // 124.789,5 pesetas: the even neighbour
    };
    const cCurrency currency;
    for (const CasoConversion& caso : casos) {
        const vb::Currency euros = vb::Currency::fromDouble(caso.cantidad);
        EXPECT_EQ(currency.EurosAPesetas(euros), QString::fromUtf8(caso.texto)) << caso.cantidad;
    }
}

TEST(cCurrencyTest, ConversionsOverflowLikeTheCurrencyType)
{
    const cCurrency currency;
    vb::Currency enorme = vb::Currency::fromRaw(std::numeric_limits<qint64>::max());
    EXPECT_THROW(currency.EurosAPesetas(enorme), vb::VbError);
    vb::Currency pesetas = vb::Currency::fromDouble(900000000000000.0);
    EXPECT_THROW(currency.PesetasAEuros(pesetas), vb::VbError);
}

// ---- Key filters -------------------------------------------------------------

// Types a script into a box as VB delivers the keys: key-down, key-press, and
// the key's own effect when the filter left it. '<' is Backspace, '>' Delete
// and 'K' the keypad's decimal key (which types ".").
class Teclado {
public:
    Teclado(ICajaTexto& caja, qint16 enteros, qint16 decimales, bool signo)
        : m_caja(caja), m_enteros(enteros), m_decimales(decimales), m_signo(signo) {}

    void Teclear(const QString& guion, CajaTextoFalsa& falsa)
    {
        for (const QChar c : guion) {
            if (c == QLatin1Char('>')) {
                m_currency.VerificarCurrencyKeyDown(m_caja, cCurrency::vbKeyDelete, m_enteros, m_decimales, m_signo);
                falsa.Suprimir();
                continue;
            }
            const qint16 codigo = c == QLatin1Char('K') ? cCurrency::vbKeyDecimal : 0;
            m_currency.VerificarCurrencyKeyDown(m_caja, codigo, m_enteros, m_decimales, m_signo);
            qint16 ascii = c == QLatin1Char('<') ? cCurrency::vbKeyBack
                         : c == QLatin1Char('K') ? qint16('.')
                                                 : qint16(c.unicode());
            m_currency.VerificarCurrencyKeyPress(m_caja, ascii, m_enteros, m_decimales, m_signo);
            if (ascii == cCurrency::vbKeyBack)
                falsa.Retroceso();
            else if (ascii != 0)
                falsa.Insertar(QChar(ascii));
        }
    }

private:
    cCurrency m_currency;
    ICajaTexto& m_caja;
    qint16 m_enteros;
    qint16 m_decimales;
    bool m_signo;
};

struct CasoTecleo {
    const char* nombre;
    qint16 enteros;
    qint16 decimales;
    bool signo;
    const char* inicial;
    int caret;
    int seleccion;
    const char* guion;
    const char* final;
    int caretFinal;
    int pitidos;
};

const CasoTecleo kTecleos[] = {
    {"la cuarta cifra entera se rechaza", 3, 2, false, "", 0, 0, "1234", "123", 3, 1},
    {"la tercera cifra decimal se rechaza", 3, 2, false, "123", 3, 0, ",456", "123,45", 6, 1},
    {"una segunda coma se rechaza", 3, 2, false, "123,45", 6, 0, ",", "123,45", 6, 1},
    {"sin decimales la coma se rechaza", 3, 0, false, "12", 2, 0, ",", "12", 2, 1},
    {"sin decimales el punto del teclado numérico se rechaza", 3, 0, false, "12", 2, 0, "K", "12", 2, 1},
    {"el punto del teclado numérico escribe la coma", 5, 2, false, "12", 2, 0, "K5", "12,5", 4, 0},
    {"la coma se lleva dos cifras sin separadores", 10, 2, false, "11.234", 1, 0, ",", "1,12", 2, 0},
    {"la coma parte el número en el cursor", 6, 2, false, "1234", 2, 0, ",", "12,34", 3, 0},
    {"la coma al principio se rechaza", 6, 2, false, "12", 0, 0, ",", "12", 0, 1},
    {"un signo menos se pone delante", 5, 2, true, "12,50", 5, 0, "-", "-12,50", 6, 0},
    {"un signo más sustituye al menos", 5, 2, true, "-12,50", 6, 0, "+", "+12,50", 6, 0},
    {"sin signo permitido se rechazan ambos", 5, 2, false, "12,50", 5, 0, "-+", "12,50", 5, 2},
    {"la selección entera se sustituye por la cifra", 5, 2, false, "123,45", 0, 6, "7", "7", 1, 0},
    {"una cifra delante de una parte entera llena se rechaza", 3, 2, false, "123,45", 0, 0, "9", "123,45", 0, 1},
    {"con los decimales llenos se rechaza otra cifra", 3, 2, false, "1,25", 4, 0, "3", "1,25", 4, 1},
    {"tras la coma el punto se rechaza", 3, 2, false, "1,2", 3, 0, ".", "1,2", 3, 1},
    {"el punto al principio y junto a otro se rechaza", 6, 2, false, "", 0, 0, ".1..", "1.", 2, 2},
    {"el punto de millares se admite", 6, 2, false, "1", 1, 0, ".234", "1.234", 5, 0},
    {"letras y blancos se rechazan", 6, 2, false, "1", 1, 0, "a x", "1", 1, 3},
    {"retroceso sobre la coma no junta más enteros de la cuenta", 3, 2, false, "123,45", 4, 0, "<", "123", 3, 0},
    {"retroceso sobre la coma junta si caben", 3, 2, false, "12,5", 3, 0, "<", "125", 2, 0},
    {"suprimir la coma no junta más enteros de la cuenta", 3, 2, false, "123,45", 3, 0, ">", "123", 3, 0},
    {"suprimir la coma junta si caben", 3, 2, false, "1,5", 1, 0, ">", "15", 1, 0},
};

TEST(cCurrencyFiltrosTest, TypedScripts)
{
    for (const CasoTecleo& caso : kTecleos) {
        testsupport::ScriptedUi& ui = testsupport::scriptedUi();
        const int pitidosAntes = ui.beepCount();
        CajaTextoFalsa caja(QString::fromUtf8(caso.inicial), caso.caret, caso.seleccion);
        Teclado(caja, caso.enteros, caso.decimales, caso.signo).Teclear(QString::fromUtf8(caso.guion), caja);
        EXPECT_EQ(caja.Text(), QString::fromUtf8(caso.final)) << caso.nombre;
        EXPECT_EQ(caja.SelStart(), caso.caretFinal) << caso.nombre;
        EXPECT_EQ(ui.beepCount() - pitidosAntes, caso.pitidos) << caso.nombre;
        EXPECT_TRUE(caja.Tag().isEmpty()) << caso.nombre;
    }
}

TEST(cCurrencyFiltrosTest, KeypadMarkSurvivesOtherTagText)
{
    const cCurrency currency;
    CajaTextoFalsa caja(QStringLiteral("12"), 2);
    caja.SetTag(QStringLiteral("otro"));
    currency.VerificarCurrencyKeyDown(caja, cCurrency::vbKeyDecimal, 5, 2);
    qint16 tecla = '.';
    currency.VerificarCurrencyKeyPress(caja, tecla, 5, 2);
    EXPECT_EQ(tecla, ',');
    EXPECT_EQ(caja.Tag(), QStringLiteral("otro"));
}

TEST(cCurrencyFiltrosTest, LineEditAdapterCarriesTextSelectionAndTag)
{
    QLineEdit edit;
    edit.setText(QStringLiteral("123,45"));
    edit.setSelection(1, 2);
    CajaTextoLineEdit caja(edit);
    EXPECT_EQ(caja.SelStart(), 1);
    EXPECT_EQ(caja.SelLength(), 2);
    EXPECT_EQ(caja.SelText(), QStringLiteral("23"));

    // A digit over the selection: the filter removes it and the key goes in.
    const cCurrency currency;
    qint16 tecla = '9';
    currency.VerificarCurrencyKeyPress(caja, tecla, 5, 2);
    EXPECT_EQ(tecla, '9');
    EXPECT_EQ(edit.text(), QStringLiteral("1,45"));
    EXPECT_EQ(caja.SelStart(), 1);
    EXPECT_EQ(caja.SelLength(), 0);

    currency.VerificarCurrencyKeyDown(caja, cCurrency::vbKeyDecimal, 5, 2);
    EXPECT_EQ(CajaTextoLineEdit(edit).Tag(), QString::fromUtf8("|Punto Tecl. Núm. pulsado|"));
}

} // namespace
