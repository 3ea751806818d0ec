#include "schema/upgrade/ActualizarImportesAEuros.h"

#include "platform/db/Connection.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/ui/HourglassGuard.h"
#include "platform/ui/Ui.h"
#include "core/cCurrency.h"

#include <QList>
#include <utility>

namespace {

// One amount column in pesetas and the euro column beside it.
struct ConversionEuros {
    const char* tabla;
    const char* columnaPesetas;
    const char* columnaEuros;
};

constexpr ConversionEuros kConversiones[] = {
    {"Recibo", "Importe", "ImporteEur"},
    {"Remesa", "ImporteTotal", "ImporteTotalEur"},
    {"Donativo", "Importe", "ImporteEur"},
    {"Padron_Defuncion", "Importe", "ImporteEur"},
};

constexpr int kEstiloProgreso = 3;

// Closes the progress window also when the conversion fails.
class ProgresoAbierto {
public:
    ProgresoAbierto(PVAPI::cDuzediv* servicio, int maximo) : m_servicio(servicio)
    {
        if (m_servicio)
            m_servicio->ProgresoLoad(maximo, QStringLiteral("Actualizando datos a euros ..."), kEstiloProgreso);
    }
    ~ProgresoAbierto()
    {
        if (m_servicio)
            m_servicio->ProgresoUnload();
        ui::DoEvents();
    }
    ProgresoAbierto(const ProgresoAbierto&) = delete;
    ProgresoAbierto& operator=(const ProgresoAbierto&) = delete;

    void Mover(int valor)
    {
        if (m_servicio)
            m_servicio->ProgresoRefresh(valor);
        ui::DoEvents();
    }

private:
    PVAPI::cDuzediv* m_servicio;
};

db::Value Euros(const db::Value& pesetas)
{
    if (pesetas.isNull())
        return {};
    vb::Currency importe = pesetas.toCurrency();
    cCurrency().PesetasAEuros(importe);
    return importe.toDouble();
}

void ConvertirTabla(db::Connection& con, const ConversionEuros& conversion)
{
    const QString tabla = QString::fromUtf8(conversion.tabla);
    const QString pesetas = QString::fromUtf8(conversion.columnaPesetas);
    const QString euros = QString::fromUtf8(conversion.columnaEuros);

    QList<std::pair<db::Value, db::Value>> filas;
    for (db::Recordset rs = con.Execute(QStringLiteral("SELECT rowid, %1 FROM %2").arg(pesetas, tabla)); !rs.isEOF();
         rs.MoveNext())
        filas.append({rs.value(0), Euros(rs.value(1))});

    // The same statement text for every row, so the engine prepares it once.
    const QString actualizar = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?").arg(tabla, euros);
    for (const auto& [fila, valor] : filas)
        con.Exec(actualizar, {valor, fila});
}

} // namespace

void ActualizarImportesAEuros(db::Connection& conLocal, PVAPI::cDuzediv* servicio)
{
    ui::HourglassGuard reloj;
    ProgresoAbierto progreso(servicio, int(std::size(kConversiones)));
    int hechas = 0;
    for (const ConversionEuros& conversion : kConversiones) {
        ConvertirTabla(conLocal, conversion);
        progreso.Mover(++hechas);
    }
}
