#include "dialogs/Modelo182.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/vb/VbError.h"

#include <QRegularExpression>

namespace {

const PorcentajesModelo182 kPredeterminados = {QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("10")};

} // namespace

PorcentajesModelo182 LeerModelo182(db::Connection& conLocal)
{
    PorcentajesModelo182 valores = kPredeterminados;
    db::Recordset rs =
        conLocal.Execute(QStringLiteral("SELECT TipoA, TipoB, DeduccionRegFiscal2 FROM Modelo182 ORDER BY IdModelo182"));
    if (rs.isEOF())
        return valores;
    for (int i = 0; i < 3; ++i) {
        const db::Value valor = rs.value(i);
        if (!valor.isNull())
            valores[std::size_t(i)] = QString::number(valor.toInt64());
    }
    return valores;
}

void GuardarModelo182(db::Connection& conLocal, const PorcentajesModelo182& valores)
{
    static const QRegularExpression digitos(QStringLiteral("^[0-9]{1,3}$"));
    QList<db::Value> numeros;
    for (const QString& texto : valores) {
        if (!digitos.match(texto).hasMatch() || texto.toInt() > 100)
            throw vb::VbError(vb::ErrInvalidCall,
                              QStringLiteral("El porcentaje de deducción \"%1\" no es válido: debe ser un número "
                                             "entero entre 0 y 100.")
                                  .arg(texto));
        numeros.append(db::Value(texto.toInt()));
    }
    db::Transaction transaccion(conLocal);
    if (conLocal.Exec(QStringLiteral("UPDATE Modelo182 SET TipoA = ?, TipoB = ?, DeduccionRegFiscal2 = ?"), numeros) == 0)
        conLocal.Exec(QStringLiteral("INSERT INTO Modelo182 (TipoA, TipoB, DeduccionRegFiscal2) VALUES (?, ?, ?)"),
                      numeros);
    transaccion.Commit();
}
