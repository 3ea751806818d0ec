#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The extra data of a marriage file that the parish database does not hold
// (`frmDatosGP` without its window): the 17 boxes, the layout by document
// kind, the double-quote rule and the completion on "Aceptar".
class DatosGP {
public:
    static constexpr int kCajas = 17;

    struct Caja {
        int indice;
        int marco;        // 0 groom, 1 bride, 2 the file
        QString etiqueta;
        int maximo;       // characters
        QString formula;  // the text the report formula begins with
        int ranura;       // formula entry 1..17
    };

    // The boxes by index.
    static const QList<Caja>& Cajas();
    // "ATESTADO" (exactly) asks only for boxes 0 and 7.
    static bool Reducido(const QString& documento) { return documento == QStringLiteral("ATESTADO"); }
    static bool Visible(const QString& documento, int indice);

    // A double quote never enters a box: each becomes two apostrophes.
    static QString SinComillas(const QString& texto);
    // A double quote typed at `posicion`: the apostrophes go in there and the
    // caret after them (a selection stays as it is).
    static void TeclearComilla(QString& texto, int& posicion);

    DatosGP();

    QString mstrDocumento;
    bool mblnCancelar = true;
    QStringList txtDatos;

    // "Aceptar": every box without double quotes, trimmed, "---" when blank.
    void Aceptar();
    void Cancelar() { mblnCancelar = true; }

    // The formula of each box in entry order (1..17): prefix, '"', text, '"'.
    QList<QPair<int, QString>> Formulas() const;
};
