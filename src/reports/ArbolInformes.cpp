#include "reports/ArbolInformes.h"

#include "navigation/ArbolNodos.h"
#include "navigation/ListaImagenes.h"
#include "navigation/RutaNodos.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/os/Paths.h"
#include "platform/vb/VbError.h"

#include <QHash>
#include <QPixmap>

#include <algorithm>

namespace {

const QString kExpandido = QStringLiteral("Expandido");

// Every picture of the picture database by id, read once.
QHash<qint32, QPixmap> LeerImagenes(const QString& ruta)
{
    db::Connection con;
    con.Open(QStringLiteral("Data Source=%1").arg(ruta), true);
    QHash<qint32, QPixmap> imagenes;
    for (db::Recordset filas = con.Execute(QStringLiteral("SELECT IDImagen, TrvImagen FROM Imagen"));
         !filas.isEOF(); filas.MoveNext()) {
        QPixmap imagen;
        if (imagen.loadFromData(filas.value(1).toBytes()))
            imagenes.insert(qint32(filas.value(0).toInt64()), imagen);
    }
    return imagenes;
}

} // namespace

ArbolInformes::ArbolInformes(db::Connection& conLocal, AjustesUsuario ajustes, QString rutaImagenes)
    : m_con(conLocal), m_ajustes(std::move(ajustes)), m_rutaImagenes(std::move(rutaImagenes))
{
    if (m_rutaImagenes.isEmpty())
        m_rutaImagenes = os::AppFile(QStringLiteral("Imagenes.img"));
}

void ArbolInformes::LeerFilas()
{
    m_filas.clear();
    m_columna.clear();
    RutaNodos rutas;
    for (db::Recordset rs = m_con.Execute(QStringLiteral(
             "SELECT IDInforme, CodPadre, Nombre, Nivel, CodImagen, Expandido FROM Informe "
             "ORDER BY Nivel, IDInforme"));
         !rs.isEOF(); rs.MoveNext()) {
        Fila f;
        f.id = qint32(rs.value(0).toInt64());
        f.codPadre = qint32(rs.value(1).toInt64());
        f.nombre = rs.value(2).toString();
        f.nivel = qint32(rs.value(3).toInt64());
        f.codImagen = qint32(rs.value(4).toInt64());
        f.expandido = rs.value(5).toBool();
        m_columna.insert(f.id, f.expandido);
        rutas.Anadir(f.id, f.nombre, f.codPadre);
        m_filas << f;
    }
    for (Fila& f : m_filas)
        f.ruta = rutas.Captions(f.id);
}

void ArbolInformes::EscribirColumna(const QList<QPair<qint32, bool>>& cambios)
{
    if (cambios.isEmpty())
        return;
    db::Transaction transaccion(m_con);
    for (const auto& [id, expandido] : cambios)
        m_con.Exec(QStringLiteral("UPDATE Informe SET Expandido = ? WHERE IDInforme = ?"), {expandido, id});
    transaccion.Commit();
    for (const auto& [id, expandido] : cambios)
        m_columna.insert(id, expandido);
}

void ArbolInformes::Cargar(ArbolNodos& arbol, ListaImagenes& imagenes)
{
    LeerFilas();

    QList<QPair<qint32, bool>> cambios;
    {
        const LoteAjustes lote;
        for (Fila& f : m_filas) {
            const QString seccion = m_ajustes.SeccionNodo(f.ruta);
            const QString valor = m_ajustes.Leer(seccion, kExpandido);
            // Only "1" expands; a missing or unreadable value is stored as
            // "0", so the settings always hold one of the two.
            f.expandido = valor == QLatin1String("1");
            if (!f.expandido && valor != QLatin1String("0"))
                m_ajustes.Guardar(seccion, kExpandido, QStringLiteral("0"));
            if (m_columna.value(f.id) != f.expandido)
                cambios.append({f.id, f.expandido});
        }
    }
    EscribirColumna(cambios);

    const QHash<qint32, QPixmap> pictures = LeerImagenes(m_rutaImagenes);
    imagenes.Clear();
    arbol.clear();
    arbol.SetImageList(&imagenes);
    QHash<qint32, QString> claves;
    for (const Fila& f : std::as_const(m_filas)) {
        imagenes.Add(pictures.value(f.codImagen));
        const int imagen = imagenes.Count();
        QString padre;
        if (f.nivel != 1) {
            padre = claves.value(f.codPadre);
            if (padre.isEmpty())
                continue;  // its parent is not in the tree: left out
        }
        try {
            QTreeWidgetItem* nodo = arbol.Anadir(padre, f.nombre, f.nombre, imagen);
            arbol.SetExpandido(nodo, f.expandido);
            claves.insert(f.id, f.nombre);
        } catch (const vb::VbError&) {
            // A caption already in the tree: the row is left out.
        }
    }
}

void ArbolInformes::GuardaConfigTvInformes(const ArbolNodos& arbol)
{
    QHash<QString, bool> enArbol;
    for (int i = 1; i <= arbol.Count(); ++i) {
        const QTreeWidgetItem* nodo = arbol.Nodo(i);
        enArbol.insert(ArbolNodos::Texto(nodo), arbol.Expandido(nodo));
    }
    QList<QPair<qint32, bool>> cambios;
    for (Fila& f : m_filas) {
        const auto it = enArbol.constFind(f.nombre);
        if (it != enArbol.constEnd())
            f.expandido = *it;
        if (m_columna.value(f.id) != f.expandido)
            cambios.append({f.id, f.expandido});
    }
    EscribirColumna(cambios);

    const LoteAjustes lote;
    for (const Fila& f : std::as_const(m_filas))
        m_ajustes.Guardar(m_ajustes.SeccionNodo(f.ruta), kExpandido,
                          f.expandido ? QStringLiteral("1") : QStringLiteral("0"));
}
