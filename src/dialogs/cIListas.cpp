#include "dialogs/cIListas.h"

#include "core/SelText.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/pvapi/ListaControl.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/Fechas.h"
#include "platform/vb/VbError.h"

#include <QDate>
#include <QList>
#include <QPair>

#include <functional>

#include <optional>

namespace {

using Filas = QList<QPair<QString, qint32>>;

// The query's lines, or nothing after reporting its failure.
std::optional<Filas> Leer(db::Connection& conLocal, const QString& sql, const char* procedimiento,
                          const QString& columnaId, const std::function<std::optional<QString>(const db::Recordset&)>& texto)
{
    try {
        Filas filas;
        for (db::Recordset rs = conLocal.Execute(sql); !rs.isEOF(); rs.MoveNext()) {
            if (const auto linea = texto(rs))
                filas.append({*linea, qint32(rs.value(columnaId).toInt64())});
        }
        return filas;
    } catch (const vb::VbError& error) {
        vb::Err().Set(error);
        ui::ReportError(QString::fromLatin1(procedimiento), QStringLiteral("cIListas"),
                        QStringLiteral("NorviaParvanta2000.vbp"));
        vb::Err().Clear();
        return std::nullopt;
    }
}

void Rellenar(PVAPI::ListaControl& lista, const Filas& filas, qint32 seleccion)
{
    for (const auto& [texto, id] : filas) {
        lista.AddItem(texto);
        lista.setItemData(lista.ListCount() - 1, id);
    }
    if (seleccion > 0 && lista.ListCount() > 0) {
        const int indice = lista.IndiceDe(seleccion);
        if (indice >= 0)
            lista.setListIndex(indice);
    } else {
        lista.setListIndex(-1);
    }
}

QString Texto(const db::Recordset& rs, const char* columna)
{
    const db::Value valor = rs.value(QString::fromLatin1(columna));
    return valor.isNull() ? QString() : valor.toString();
}

} // namespace

void cIListas::fillPersonas(db::Connection& conLocal, PVAPI::ListaControl& objLista, qint32 lngselItem) const
{
    const auto filas = Leer(conLocal,
                            QStringLiteral("SELECT Nombre, PrimerApellido, SegundoApellido, IDPadron ,CodPadron, "
                                           "CodTipoPersona FROM Padron, Padron_TipoPersona "
                                           "WHERE Padron.IDPadron=Padron_TipoPersona.CodPadron AND "
                                           "Padron_TipoPersona.CodTipoPersona=1 "
                                           "ORDER BY PrimerApellido,SegundoApellido"),
                            "fillPersonas()", QStringLiteral("IDPadron"), [](const db::Recordset& rs) -> std::optional<QString> {
                                return Texto(rs, "PrimerApellido") + QLatin1Char(' ') + Texto(rs, "SegundoApellido")
                                       + QStringLiteral(", ") + Texto(rs, "Nombre");
                            });
    if (filas)
        Rellenar(objLista, *filas, lngselItem);
}

void cIListas::fillRemesas(db::Connection& conLocal, PVAPI::ListaControl& objLista, qint32 lngselItem) const
{
    const auto filas = Leer(conLocal, QStringLiteral("SELECT Fecha, IDRemesa FROM Remesa ORDER BY Fecha"),
                            "fillRemesas()", QStringLiteral("IDRemesa"), [](const db::Recordset& rs) -> std::optional<QString> {
                                const QString fecha = Texto(rs, "Fecha");
                                const QDate dia(fecha.left(4).toInt(), fecha.mid(4, 2).toInt(), fecha.mid(6, 2).toInt());
                                if (fecha.size() < 8 || !dia.isValid())
                                    return std::nullopt;
                                return vb::DateAFecha(dia);
                            });
    if (filas)
        Rellenar(objLista, *filas, lngselItem);
}

void cIListas::SelText(QLineEdit& txt) const
{
    ::SelText(txt);
}
