#include "platform/report/DatosInforme.h"

#include "platform/db/Connection.h"
#include "platform/report/Catalogo.h"
#include "platform/report/ErroresInforme.h"
#include "platform/vb/VbError.h"

namespace report {

namespace {

bool EsErrorDelMotor(long numero)
{
    return numero >= err::Memoria && numero <= err::Interno;
}

// "ORDER BY ..." for the given sort fields of `tabla`, or "".
QString ClausulaOrden(Catalogo& catalogo, const QString& tabla, const QList<CampoOrden>& campos)
{
    QStringList partes;
    for (const CampoOrden& c : campos) {
        if (catalogo.tabla(c.tabla) != tabla)
            err::Lanzar(err::CampoOrden, {QStringLiteral("{%1.%2}").arg(c.tabla, c.campo),
                                          QStringLiteral("solo se puede ordenar por campos de «%1».").arg(tabla)});
        partes << Catalogo::Citar(catalogo.columna(tabla, c.campo)) + (c.ascendente ? QString() : QStringLiteral(" DESC"));
    }
    return partes.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + partes.join(QStringLiteral(", "));
}

QList<CampoOrden> LeerCampos(const QStringList& textos)
{
    QList<CampoOrden> campos;
    for (const QString& t : textos) {
        const auto c = CampoOrden::Leer(t);
        if (!c)
            err::Lanzar(err::CampoOrden, {t, QStringLiteral("debe ser «+{Tabla.Campo}» o «-{Tabla.Campo}».")});
        campos << *c;
    }
    return campos;
}

TablaDatos LeerPrincipal(db::Connection& con, Catalogo& catalogo, const Plantilla& p, const QStringList& orden)
{
    const QString tabla = catalogo.tabla(p.tabla);
    QList<CampoOrden> campos;
    for (const Grupo& g : p.grupos)
        campos << CampoOrden{true, g.campo.tabla, g.campo.campo};
    campos += LeerCampos(orden.isEmpty() ? p.orden : orden);
    const QString sql = QStringLiteral("SELECT * FROM %1").arg(Catalogo::Citar(tabla)) + ClausulaOrden(catalogo, tabla, campos);
    db::Recordset rs = con.Execute(sql);
    return TablaDatos(tabla, rs);
}

DatosRelacion LeerRelacion(db::Connection& con, Catalogo& catalogo, const TablaDatos& principal, const Relacion& r)
{
    const QString tabla = catalogo.tabla(r.tabla);
    const QString campo = catalogo.columna(tabla, r.campo);
    DatosRelacion d;
    d.columnaClave = principal.columna(catalogo.columna(principal.nombre(), r.clave));

    QString sql = QStringLiteral("SELECT * FROM %1").arg(Catalogo::Citar(tabla));
    QList<db::Value> parametros;
    if (!r.filtroCampo.isEmpty()) {
        sql += QStringLiteral(" WHERE %1 = ?").arg(Catalogo::Citar(catalogo.columna(tabla, r.filtroCampo)));
        parametros << r.filtroValor;
    }
    sql += ClausulaOrden(catalogo, tabla, LeerCampos(r.orden));
    db::Recordset rs = con.Query(sql, parametros);
    d.tabla = TablaDatos(tabla, rs);

    const int columnaCampo = d.tabla.columna(campo);
    for (int fila = 0; fila < d.tabla.filas(); ++fila)
        d.filasPorClave[d.tabla.valor(fila, columnaCampo).toString()].append(fila);
    return d;
}

} // namespace

const QList<int>& DatosRelacion::filasDe(const TablaDatos& principal, int fila) const
{
    static const QList<int> ninguna;
    auto it = filasPorClave.constFind(principal.valor(fila, columnaClave).toString());
    return it == filasPorClave.constEnd() ? ninguna : *it;
}

DatosInforme LeerDatos(db::Connection& con, const Plantilla& plantilla, const QStringList& orden)
{
    try {
        Catalogo catalogo(con);
        DatosInforme datos;
        datos.principal = LeerPrincipal(con, catalogo, plantilla, orden);
        for (const Relacion& r : plantilla.relaciones)
            datos.relaciones.push_back(LeerRelacion(con, catalogo, datos.principal, r));
        return datos;
    } catch (const vb::VbError& e) {
        if (EsErrorDelMotor(e.number()))
            throw;
        err::Lanzar(err::LecturaDatos, {e.description()});
    }
}

} // namespace report
