#include "printing/DatosGP.h"

#include "platform/vb/Texto.h"

const QList<DatosGP::Caja>& DatosGP::Cajas()
{
    static const QList<Caja> cajas = {
        {0, 0, QStringLiteral("Feligres de:"), 50, QStringLiteral("EXT - Novio - Feligres De= "), 9},
        {1, 0, QStringLiteral("Desde el año:"), 10, QStringLiteral("EXT - Novio - Feligres desde= "), 10},
        {2, 0, QStringLiteral("Profesión:"), 30, QStringLiteral("EXT - Novio - Profesion= "), 13},
        {3, 0, QStringLiteral("Cursillo premat.:"), 10, QStringLiteral("EXT - Novio - Cursillo Premat.= "), 8},
        {4, 0, QStringLiteral("Parroquia de residencia:"), 50, QStringLiteral("EXT - Novio - Parroquia= "), 12},
        {5, 0, QStringLiteral("Población:"), 30, QStringLiteral("EXT - Novio - Localidad= "), 11},
        {6, 0, QStringLiteral("Teléfono:"), 15, QStringLiteral("EXT - Novio - Telefono= "), 14},
        {7, 1, QStringLiteral("Feligresa de:"), 50, QStringLiteral("EXT - Novia - Feligresa De= "), 2},
        {8, 1, QStringLiteral("Desde el año:"), 10, QStringLiteral("EXT - Novia - Feligresa desde= "), 3},
        {9, 1, QStringLiteral("Profesión:"), 30, QStringLiteral("EXT - Novia - Profesion= "), 6},
        {10, 1, QStringLiteral("Cursillo premat.:"), 10, QStringLiteral("EXT - Novia - Cursillo Premat.= "), 1},
        {11, 1, QStringLiteral("Parroquia de residencia:"), 50, QStringLiteral("EXT - Novia - Parroquia= "), 5},
        {12, 1, QStringLiteral("Población:"), 30, QStringLiteral("EXT - Novia - Localidad= "), 4},
        {13, 1, QStringLiteral("Teléfono:"), 15, QStringLiteral("EXT - Novia - Telefono= "), 7},
        {14, 2, QStringLiteral("Religión del primer testigo:"), 50, QStringLiteral("EXT - Testigo1 - Religion= "), 16},
        {15, 2, QStringLiteral("Religión del segundo testigo:"), 50, QStringLiteral("EXT - Testigo2 - Religion= "), 17},
        {16, 2, QStringLiteral("El matrimonio se celebró en la parroquia (Duzediv o Capilla) de:"), 50,
         QStringLiteral("EXT - Parroquia matrimonio= "), 15},
    };
    return cajas;
}

bool DatosGP::Visible(const QString& documento, int indice)
{
    return !Reducido(documento) || indice == 0 || indice == 7;
}

QString DatosGP::SinComillas(const QString& texto)
{
    QString t = texto;
    t.replace(QLatin1Char('"'), QStringLiteral("''"));
    return t;
}

void DatosGP::TeclearComilla(QString& texto, int& posicion)
{
    const int p = qBound(0, posicion, int(texto.size()));
    texto.insert(p, QStringLiteral("''"));
    posicion = p + 2;
}

DatosGP::DatosGP()
{
    txtDatos.resize(kCajas);
}

void DatosGP::Aceptar()
{
    mblnCancelar = false;
    for (QString& texto : txtDatos) {
        // Enter accepts without the box losing the focus, so the quote
        // rule runs here too.
        texto = vb::Trim(SinComillas(texto));
        if (texto.isEmpty())
            texto = QStringLiteral("---");
    }
}

QList<QPair<int, QString>> DatosGP::Formulas() const
{
    QList<QPair<int, QString>> formulas;
    for (const Caja& c : Cajas())
        formulas << qMakePair(c.ranura, c.formula + QLatin1Char('"') + txtDatos.value(c.indice) + QLatin1Char('"'));
    std::sort(formulas.begin(), formulas.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return formulas;
}
