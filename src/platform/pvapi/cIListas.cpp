#include "platform/pvapi/cIListas.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/pvapi/ListaControl.h"

namespace PVAPI {

namespace {

// Reads every row first, so a failing query leaves the list as it was.
void Rellenar(ListaControl& lista, db::Recordset rs, qint32 seleccion)
{
    QList<QPair<QString, qint32>> filas;
    for (; !rs.isEOF(); rs.MoveNext())
        filas.append({rs.value(0).toString(), qint32(rs.value(1).toInt64())});
    lista.Clear();
    for (const auto& [texto, id] : filas) {
        lista.AddItem(texto);
        lista.setItemData(lista.ListCount() - 1, id);
    }
    lista.setListIndex(seleccion == 0 ? -1 : lista.IndiceDe(seleccion));
}

} // namespace

void cIListas::fillProvincias(db::Connection& conLocal, ListaControl& lista, qint32 lngIDProvincia, bool)
{
    Rellenar(lista,
             conLocal.Query(QStringLiteral("SELECT Nombre, IDProvincia FROM Provincia ORDER BY Nombre, IDProvincia"),
                            {}),
             lngIDProvincia);
}

void cIListas::fillMunicipios(db::Connection& conLocal, ListaControl& lista, qint32 lngIDProvincia,
                              qint32 lngIDMunicipio, bool)
{
    Rellenar(lista,
             conLocal.Query(QStringLiteral("SELECT Nombre, IDMunicipio FROM Municipio WHERE CodProvincia = ? "
                                           "ORDER BY Nombre, IDMunicipio"),
                            {db::Value(lngIDProvincia)}),
             lngIDMunicipio);
}

} // namespace PVAPI
