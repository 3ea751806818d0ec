#include "comun/ArbolContabilidad.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QHash>
#include <QIcon>
#include <QTreeWidget>
#include <QVariant>

#include <vector>

namespace addins {

namespace {

// What the tree remembers between loads, as dynamic properties of the widget.
constexpr const char* kNaturaleza = "duzNaturalezaEstructura";
constexpr const char* kIconoEpigrafe = "duzIconoEpigrafe";
constexpr const char* kIconoCuenta = "duzIconoCuenta";

QIcon Imagen(const ListaImagenes& imagenes, const QString& clave, int posicion)
{
    for (auto it = imagenes.cbegin(); it != imagenes.cend(); ++it) {
        if (it.key().compare(clave, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    // Without the named pictures, the order of the list decides.
    for (auto it = imagenes.cbegin(); it != imagenes.cend(); ++it) {
        if (posicion-- == 0)
            return it.value();
    }
    return {};
}

QTreeWidgetItem* Nodo(const QString& clave, const QString& texto, const QIcon& icono)
{
    auto* nodo = new QTreeWidgetItem(QStringList{texto});
    nodo->setData(0, Qt::UserRole, clave);
    if (!icono.isNull())
        nodo->setIcon(0, icono);
    return nodo;
}

QTreeWidgetItem* BuscarClave(QTreeWidget& arbol, const QString& clave)
{
    for (QTreeWidgetItemIterator it(&arbol); *it; ++it) {
        if (ArbolContabilidad::Clave(*it) == clave)
            return *it;
    }
    return nullptr;
}

void Llenar(db::Connection& con, QTreeWidget& arbol, qint16 naturaleza, qint32 empresa, const QString& seleccion)
{
    const QIcon iconoEpigrafe = arbol.property(kIconoEpigrafe).value<QIcon>();
    const QIcon iconoCuenta = arbol.property(kIconoCuenta).value<QIcon>();

    // Everything is read before the tree changes, so a failed read leaves it
    // as it was.
    struct Epigrafe {
        qint64 id;
        QString codigo;
        QTreeWidgetItem* nodo;
    };
    std::vector<Epigrafe> epigrafes;
    QHash<qint64, QList<QTreeWidgetItem*>> cuentas;
    try {
        for (db::Recordset rs = con.Query(
                 QStringLiteral("SELECT IDEstructura, CodigoEpigrafe, Descripcion FROM Estructura "
                                "WHERE codEmpresa = ? AND codNaturaleza = ? ORDER BY CodigoEpigrafe, IDEstructura"),
                 {empresa, int(naturaleza)});
             !rs.isEOF(); rs.MoveNext()) {
            const qint64 id = rs.value(0).toInt64();
            epigrafes.push_back({id, rs.value(1).toString(),
                                 Nodo(ArbolContabilidad::ClaveEpigrafe(id), rs.value(2).toString(), iconoEpigrafe)});
        }
        for (db::Recordset rs = con.Query(
                 QStringLiteral("SELECT Rel_Estructura_Cuenta.codEstructura, Cuenta.Codigo, Cuenta.Descripcion "
                                "FROM (Rel_Estructura_Cuenta INNER JOIN Estructura "
                                "ON Rel_Estructura_Cuenta.codEstructura = Estructura.IDEstructura) "
                                "INNER JOIN Cuenta ON Rel_Estructura_Cuenta.codCuenta = Cuenta.IDCuenta "
                                "WHERE Estructura.codEmpresa = ? AND Estructura.codNaturaleza = ? "
                                "ORDER BY Cuenta.Codigo"),
                 {empresa, int(naturaleza)});
             !rs.isEOF(); rs.MoveNext()) {
            const QString codigo = rs.value(1).toString();
            cuentas[rs.value(0).toInt64()].append(Nodo(ArbolContabilidad::ClaveCuenta(codigo),
                                                       codigo + QStringLiteral(" - ") + rs.value(2).toString(),
                                                       iconoCuenta));
        }
    } catch (...) {
        for (const Epigrafe& e : epigrafes)
            delete e.nodo;
        for (const QList<QTreeWidgetItem*>& lista : std::as_const(cuentas))
            qDeleteAll(lista);
        throw;
    }

    arbol.clear();
    QHash<QString, QTreeWidgetItem*> porCodigo;
    for (const Epigrafe& e : epigrafes) {
        for (QTreeWidgetItem* c : cuentas.take(e.id))
            e.nodo->addChild(c);
        QTreeWidgetItem* padre = nullptr;
        for (qsizetype n = e.codigo.size() - 1; n > 0 && !padre; --n)
            padre = porCodigo.value(e.codigo.left(n));
        if (padre)
            padre->addChild(e.nodo);
        else
            arbol.addTopLevelItem(e.nodo);
        if (!porCodigo.contains(e.codigo))
            porCodigo.insert(e.codigo, e.nodo);
    }
    for (const QList<QTreeWidgetItem*>& lista : std::as_const(cuentas))
        qDeleteAll(lista); // accounts of headings of another company or nature: none by the query
    arbol.expandAll();

    QTreeWidgetItem* elegido = seleccion.isEmpty() ? nullptr : BuscarClave(arbol, seleccion);
    if (!elegido)
        elegido = arbol.topLevelItem(0);
    if (elegido) {
        arbol.setCurrentItem(elegido);
        elegido->setSelected(true);
    }
}

} // namespace

void ArbolContabilidad::Cargar(db::Connection& con, QTreeWidget& arbol, const ListaImagenes& imagenes,
                               qint16 naturaleza, qint32 empresa)
{
    arbol.setProperty(kNaturaleza, int(naturaleza));
    arbol.setProperty(kIconoEpigrafe, QVariant::fromValue(Imagen(imagenes, QStringLiteral("Epigrafe"), 0)));
    arbol.setProperty(kIconoCuenta, QVariant::fromValue(Imagen(imagenes, QStringLiteral("Cuenta"), 1)));
    Llenar(con, arbol, naturaleza, empresa, {});
}

void ArbolContabilidad::Recargar(db::Connection& con, QTreeWidget& arbol, qint32 empresa,
                                 const QString& claveSeleccionada)
{
    const qint16 naturaleza = Naturaleza(arbol);
    if (naturaleza == 0)
        return;
    QString seleccion = claveSeleccionada;
    if (seleccion.isEmpty())
        seleccion = Clave(Seleccionado(arbol));
    Llenar(con, arbol, naturaleza, empresa, seleccion);
}

qint16 ArbolContabilidad::Naturaleza(const QTreeWidget& arbol)
{
    return qint16(arbol.property(kNaturaleza).toInt());
}

QString ArbolContabilidad::Clave(const QTreeWidgetItem* nodo)
{
    return nodo ? nodo->data(0, Qt::UserRole).toString() : QString();
}

QString ArbolContabilidad::ClaveEpigrafe(qint64 idEstructura)
{
    return QStringLiteral("e") + QString::number(idEstructura);
}

QString ArbolContabilidad::ClaveCuenta(const QString& codigo)
{
    return QStringLiteral("c") + codigo;
}

qint64 ArbolContabilidad::IdEpigrafe(const QTreeWidgetItem* nodo)
{
    const QString clave = Clave(nodo);
    if (!clave.startsWith(QLatin1Char('e')))
        return 0;
    bool ok = false;
    const qint64 id = clave.mid(1).toLongLong(&ok);
    return ok ? id : 0;
}

QTreeWidgetItem* ArbolContabilidad::Seleccionado(const QTreeWidget& arbol)
{
    const QList<QTreeWidgetItem*> seleccion = arbol.selectedItems();
    return seleccion.isEmpty() ? nullptr : seleccion.first();
}

} // namespace addins
