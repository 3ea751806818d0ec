#pragma once

#include "core/cNodo.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class ArbolNodos;
class BarraBotones;
class ListaImagenes;
// The record actions (src/actions) sit above this module: it holds them by
// name only, made by the factory the main window gives.
class cIActionMenus;

// Fills the pictures and the navigation tree of the main window from the
// picture database ("Imagenes.img", table `Imagen`) and the node model. The
// main window holds one; the report browser may make its own.
class cIPrincipal {
public:
    // `gcolNodo` is the main window's node model (not owned); `rutaImagenes`
    // the picture database, by default "Imagenes.img" of the program folder.
    explicit cIPrincipal(const ColeccionNodos* gcolNodo = nullptr, QString rutaImagenes = {});

    QString RutaImagenes() const;

    // Appends one picture, read from the bytes of a picture field, under
    // `strClave` (empty: no key) with `strDescripcion` as its tag. Pictures
    // load from memory. Bytes that are no picture raise vb::VbError 481 and
    // add nothing.
    static void LeerIml(const QByteArray& fldCampoBinary, ListaImagenes& objImageList, const QString& strClave,
                        const QString& strDescripcion);

    // The tree pictures: `TrvImagen` of every row, keyed "c" + IDImagen.
    // Failures are reported ("fillImlTreeView()", "cIPrincipal") and end it.
    void fillImlTreeView(ListaImagenes& imlTreeView) const;

    // The nine toolbar pictures (ids 11 and 25 to 32) and the pictures of the
    // eight keyed buttons. Failures are reported ("FillImlBotonera",
    // "cIPrincipal") and end it.
    void FillImlBotonera(ListaImagenes& objIml, BarraBotones& objTlb) const;

    // One tree node per node of the model, in model order, with its picture,
    // its title picture in `imlTitle` and its saved expansion; the last
    // top-level node ends up selected. A node that cannot be added is left
    // out with its descendants. A missing picture database raises before any
    // node is added.
    void fillTvPrincipal(ArbolNodos& tvPrincipal, ListaImagenes& imlTitle) const;

    // Removes the first node, in index order, whose text is `strNodo`
    // exactly, with its descendants; nothing when none is.
    static void EliminarNodo(ArbolNodos& tvTreeView, const QString& strNodo);

    // The one record-actions object (`objActionMenus`), made on first use by
    // `fabrica` and kept as long as this object. Without a factory it raises
    // VB error 91.
    using FabricaAcciones = std::function<std::shared_ptr<cIActionMenus>()>;
    void EstablecerFabricaAcciones(FabricaAcciones fabrica);
    cIActionMenus& objActionMenus();

private:
    const ColeccionNodos* m_nodos;
    QString m_rutaImagenes;
    FabricaAcciones m_fabricaAcciones;
    std::shared_ptr<cIActionMenus> m_objActionMenus;
};
