#include "navigation/cIPrincipal.h"

#include "navigation/ArbolNodos.h"
#include "navigation/BarraBotones.h"
#include "navigation/ClavesNodo.h"
#include "navigation/ErroresControles.h"
#include "core/IntentarPaso.h"
#include "navigation/ListaImagenes.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/os/Paths.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/VbError.h"

#include <QPixmap>

namespace {

constexpr long ErrImagenNoValida = 481;
const QString kProyecto = QStringLiteral("NorviaParvanta2000.vbp");
const QString kModulo = QStringLiteral("cIPrincipal");

db::Connection AbrirImagenes(const QString& ruta)
{
    db::Connection con;
    con.Open(QStringLiteral("Data Source=%1").arg(ruta), true);
    return con;
}

// Toolbar button positions and the picture list positions they take.
struct ImagenBoton {
    int posicion;
    int imagen;
};

// Pictures 11, 25..32 load in that order; 29 (position 6) goes to no button.
const ImagenBoton kImagenesBotones[] = {
    {1, 7}, {3, 1}, {4, 8}, {6, 2}, {7, 3}, {8, 4}, {9, 5}, {11, 9},
};

} // namespace

cIPrincipal::cIPrincipal(const ColeccionNodos* gcolNodo, QString rutaImagenes)
    : m_nodos(gcolNodo)
    , m_rutaImagenes(std::move(rutaImagenes))
{
}

QString cIPrincipal::RutaImagenes() const
{
    return m_rutaImagenes.isEmpty() ? os::AppFile(QStringLiteral("Imagenes.img")) : m_rutaImagenes;
}

void cIPrincipal::LeerIml(const QByteArray& fldCampoBinary, ListaImagenes& objImageList, const QString& strClave,
                          const QString& strDescripcion)
{
    QPixmap imagen;
    if (!imagen.loadFromData(fldCampoBinary))
        throw vb::VbError(ErrImagenNoValida, QStringLiteral("Imagen no válida"));
    objImageList.Add(imagen, strClave, strDescripcion);
}

void cIPrincipal::fillImlTreeView(ListaImagenes& imlTreeView) const
{
    const bool hecho = IntentarPaso([&] {
        db::Connection con = AbrirImagenes(RutaImagenes());
        for (db::Recordset filas = con.Execute(QStringLiteral("SELECT * FROM Imagen")); !filas.isEOF();
             filas.MoveNext()) {
            LeerIml(filas.value(QStringLiteral("TrvImagen")).toBytes(), imlTreeView,
                    ClaveArbol(filas.value(QStringLiteral("IDImagen")).toInt64()), QString());
        }
    });
    if (!hecho)
        ui::ReportError(QStringLiteral("fillImlTreeView()"), kModulo, kProyecto);
}

void cIPrincipal::FillImlBotonera(ListaImagenes& objIml, BarraBotones& objTlb) const
{
    const bool hecho = IntentarPaso([&] {
        db::Connection con = AbrirImagenes(RutaImagenes());
        db::Recordset filas = con.Execute(QStringLiteral("SELECT * FROM IMAGEN WHERE "
                                                         "IDIMAGEN > 24 AND IDIMAGEN < 33 OR IDIMAGEN = 11 "
                                                         "ORDER BY IDImagen"));
        for (; !filas.isEOF(); filas.MoveNext())
            LeerIml(filas.value(QStringLiteral("TrvImagen")).toBytes(), objIml, QString(), QString());
        objTlb.SetImageList(&objIml);
        for (const ImagenBoton& boton : kImagenesBotones)
            objTlb.SetImagen(boton.posicion, boton.imagen);
    });
    if (!hecho)
        ui::ReportError(QStringLiteral("FillImlBotonera"), kModulo, kProyecto);
}

void cIPrincipal::fillTvPrincipal(ArbolNodos& tvPrincipal, ListaImagenes& imlTitle) const
{
    db::Connection con = AbrirImagenes(RutaImagenes());
    if (!m_nodos)
        return;
    const ListaImagenes* imagenesArbol = tvPrincipal.ImageList();
    for (const auto& nodo : *m_nodos) {
        const QString clave = ClaveArbol(nodo->IDNodo());
        const bool raiz = nodo->Nivel() == 1;
        QTreeWidgetItem* item = nullptr;
        const bool anadido = IntentarPaso([&] {
            // Top-level nodes name their picture by key, the others by
            // position: both give the same picture with ids 1..n in order.
            int imagen = 0;
            if (nodo->CodImagen() != 0) {
                imagen = raiz ? (imagenesArbol ? imagenesArbol->Indice(ClaveArbol(nodo->CodImagen())) : 0)
                              : int(nodo->CodImagen());
                if (imagen == 0)
                    LanzarElementoNoEncontrado();
            }
            item = tvPrincipal.Anadir(raiz ? QString() : ClaveArbol(nodo->CodPadre()), clave, nodo->Nombre(), imagen);
        });
        if (!anadido) {
            vb::Err().Clear();
            continue;
        }
        if (nodo->CodImagen() != 0) {
            const bool leido = IntentarPaso([&] {
                db::Recordset fila = con.Query(QStringLiteral("SELECT * FROM IMAGEN WHERE IDIMAGEN = ?"),
                                               {nodo->CodImagen()});
                LeerIml(fila.value(QStringLiteral("LblImagen")).toBytes(), imlTitle, clave,
                        raiz ? QString() : nodo->Nombre());
            });
            if (!leido)
                vb::Err().Clear();
        }
        tvPrincipal.SetExpandido(item, nodo->Expandido() == QLatin1String("Verdadero"));
        if (raiz)
            tvPrincipal.Seleccionar(item);
    }
    imlTitle.SetMaskColor(QColor(255, 255, 255));
    imlTitle.SetUseMaskColor(true);
}

void cIPrincipal::EstablecerFabricaAcciones(FabricaAcciones fabrica)
{
    m_fabricaAcciones = std::move(fabrica);
}

cIActionMenus& cIPrincipal::objActionMenus()
{
    if (!m_objActionMenus && m_fabricaAcciones)
        m_objActionMenus = m_fabricaAcciones();
    if (!m_objActionMenus)
        throw vb::VbError(91, QStringLiteral("Variable de objeto o bloque With no establecido"));
    return *m_objActionMenus;
}

void cIPrincipal::EliminarNodo(ArbolNodos& tvTreeView, const QString& strNodo)
{
    for (int i = 1; i <= tvTreeView.Count(); ++i) {
        QTreeWidgetItem* nodo = tvTreeView.Nodo(i);
        if (ArbolNodos::Texto(nodo) == strNodo) {
            tvTreeView.Eliminar(nodo);
            return;
        }
    }
}
