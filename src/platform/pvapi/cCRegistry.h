#pragma once

#include <QString>
#include <QStringList>

namespace PVAPI {

// Names of the sections and keys of the per-user settings. Every reader and
// writer takes its names from here, so the texts only need to be fixed and
// distinct. `PRINCIPAL` is "PRINCIPAL" because the program also addresses
// that root section by its literal name.
class cCRegistry {
public:
    static QString PRINCIPAL() { return QStringLiteral("PRINCIPAL"); }
    static QString PRINCIPAL_PATH() { return QStringLiteral("Path"); }
    static QString PRINCIPAL_CLAVE() { return QStringLiteral("Clave"); }

    static QString DOCUMENTOS() { return QStringLiteral("Documentos"); }
    static QString DOCUMENTOS_MARGEN() { return QStringLiteral("Margen"); }
    static QString DOCUMENTOS_MARGENSUPERIOR() { return QStringLiteral("MargenSuperior"); }
    static QString DOCUMENTOS_MARGENIZQUIERDO() { return QStringLiteral("MargenIzquierdo"); }
    static QString DOCUMENTOS_MAXPAGLIBRO() { return QStringLiteral("MaxPagLibro"); }
    static QString DOCUMENTOS_PREDET_MARGEN_SUP() { return QStringLiteral("PredetMargenSup"); }
    static QString DOCUMENTOS_PREDET_MARGEN_IZQ() { return QStringLiteral("PredetMargenIzq"); }
    static QString DOCUMENTOS_ETIQUETAS_MARGEN_SUP() { return QStringLiteral("EtiquetasMargenSup"); }
    static QString DOCUMENTOS_ETIQUETAS_MARGEN_IZQ() { return QStringLiteral("EtiquetasMargenIzq"); }

    static QString INTERFACE() { return QStringLiteral("Interface"); }
    static QString INTERFACE_NREGMAX() { return QStringLiteral("NRegMaxLista"); }
    static QString INTERFACE_LEFT() { return QStringLiteral("Left"); }
    static QString INTERFACE_TOP() { return QStringLiteral("Top"); }
    static QString INTERFACE_WIDTH() { return QStringLiteral("Width"); }
    static QString INTERFACE_HEIGHT() { return QStringLiteral("Height"); }
    static QString INTERFACE_SPLITTER_LEFT() { return QStringLiteral("SplitterLeft"); }

    static QString CONTABILIDAD() { return QStringLiteral("Contabilidad"); }
    static QString CONTABILIDAD_EMPRESASELECCIONADA() { return QStringLiteral("EmpresaSeleccionada"); }
    static QString CONTABILIDAD_TRABAJARENPESETAS() { return QStringLiteral("ContabilidadEnPesetas"); }

    static QString VODIDAZAZ() { return QStringLiteral("Vodidazaz"); }
    static QString VODIDAZAZ_TRABAJARENPESETAS() { return QStringLiteral("VodidazazEnPesetas"); }

    // All 24 names, in the order above.
    static QStringList Nombres();
};

} // namespace PVAPI
