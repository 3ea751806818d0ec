#pragma once

#include <QList>
#include <QString>

class CcNodos;

// The reports and folders of the report tree that the viewer knows, by
// caption: their place in the chains of the two print buttons and the state
// a click on their node gives the buttons.
namespace informes {

enum class Familia {
    Carpeta,
    Contabilidad,    // the accounting-reports add-in prints them whole
    Donativos,       // donation reports, all records or a selection
    ListaParroquia,  // parish lists, all records or a selection
    Duplicadas,      // duplicate books
    Plantilla,       // blank templates and marriage-file forms
};

struct FilaInforme {
    QString caption;
    Familia familia = Familia::Carpeta;
    int lugarTodos = 0;        // place in the Todos chain, 0: not in it
    int lugarSeleccionar = 0;  // place in the Seleccionar chain, 0: not in it
    bool habilitaTodos = false;
    bool habilitaSeleccionar = false;
    bool aceptar = false;      // index 0 reads "Aceptar" instead of "Todos"
};

// The 41 reports in the order of the Todos chain, then the seven folders.
QList<FilaInforme> TablaInformes(const CcNodos& nodos);

// The row of a caption (exact, case-sensitive), or null.
const FilaInforme* BuscarFila(const QList<FilaInforme>& tabla, const QString& caption);

// The caption of button 0 after a node click: "Aceptar" or "Todos".
QString CaptionBoton0(const QList<FilaInforme>& tabla, const QString& caption);

} // namespace informes
