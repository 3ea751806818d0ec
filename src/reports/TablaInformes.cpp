#include "reports/TablaInformes.h"

#include "core/CcNodos.h"

namespace informes {

QList<FilaInforme> TablaInformes(const CcNodos& n)
{
    QList<FilaInforme> t;
    auto informe = [&](const QString& caption, Familia familia, int seleccionar, bool aceptar) {
        FilaInforme f;
        f.caption = caption;
        f.familia = familia;
        f.lugarTodos = int(t.size()) + 1;
        f.lugarSeleccionar = seleccionar;
        f.habilitaTodos = true;
        f.habilitaSeleccionar = seleccionar != 0;
        f.aceptar = aceptar;
        t << f;
    };
    const QString contabilidad[] = {
        n.BALANCESUMASYSALDOS(), n.BALANCESITUACION(), n.BALANCESITUACIONCOMP(), n.BALANCEPYG(),
        n.BALANCEPYGCOMP(), n.LIBRODIARIO(), n.LIBROMAYOR(), n.LISTADOSUBCUENTAS(), n.LISTADOEPIGRAFES(),
        n.LISTADOPRESUPUESTOANUAL(), n.LISTADOPRESUPUESTO(), n.IVAFACTURAEMITIDA(), n.IVAFACTURARECIBIDA(),
    };
    for (const QString& c : contabilidad)
        informe(c, Familia::Contabilidad, 0, true);
    const QString donativos[] = {
        n.INFORMECERTIFICADORECIBOS(), n.INFORMEPERSONADONATIVO(), n.INFORMEREMESA(), n.INFORMEPERSONA(),
        n.INFORMEDONANTE(), n.INFORMEDONATIVO(), n.INFORMEETIQUETA(), n.INFORMEIMPAGADOS(),
        n.INFORMETOTALESVODIDAZAZ(),
    };
    int seleccion = 2;
    for (const QString& c : donativos)
        informe(c, Familia::Donativos, seleccion++, false);
    const QString duplicadas[] = {
        n.INFDUPLICADASBAUTISMO(), n.INFDUPLICADASCONFIRMACION(), n.INFDUPLICADASMATRIMONIO(),
        n.INFDUPLICADASDEFUNCION(),
    };
    for (const QString& c : duplicadas)
        informe(c, Familia::Duplicadas, 0, true);
    const QString plantillas[] = {
        n.INFSOLICITUD_BAUTISMO(), n.INFNOTIFICACIONCONFIRMACION(), n.INFEXPEDIENTEMATRIMONIALVALDENA(),
        n.INFEXPEDIENTEMATRIMONIAL(), n.INFEXPEDIENTEMATRIMONIALFORMATO1(),
        n.INFEXPEDIENTEMATRIMONIALOTRASDIOCESIS(), n.INFEXPEDIENTEMATRIMONIALFORMATO2(),
        n.INFEXPEDIENTEMATRIMONIALFORMATO3(), n.INFATESTADO(), n.INFRESUMENMATRIMONIAL(),
        n.INFRESUMENMATRIMONIAL2(),
    };
    for (const QString& c : plantillas)
        informe(c, Familia::Plantilla, 0, true);
    informe(n.INFACTIVIDADES(), Familia::ListaParroquia, 11, false);
    informe(n.INFAGENDA(), Familia::ListaParroquia, 1, false);
    informe(n.INFCOLABORADORES(), Familia::ListaParroquia, 12, false);
    informe(n.INFCOLABORADORESEXTENDIDO(), Familia::ListaParroquia, 13, false);

    auto carpeta = [&](const QString& caption, bool aceptar) {
        FilaInforme f;
        f.caption = caption;
        f.aceptar = aceptar;
        t << f;
    };
    carpeta(n.VODIDAZAZ(), false);
    carpeta(n.INFORMESYDOCUMENTOS(), false);
    carpeta(n.GESTIONPARROQUIAL(), true);
    carpeta(n.INFORMES(), false);
    carpeta(n.INFDOCUMENTOS(), true);
    carpeta(n.INFPLANTILLAS(), true);
    carpeta(n.CONTABILIDAD(), false);
    return t;
}

const FilaInforme* BuscarFila(const QList<FilaInforme>& tabla, const QString& caption)
{
    for (const FilaInforme& f : tabla) {
        if (f.caption == caption)
            return &f;
    }
    return nullptr;
}

QString CaptionBoton0(const QList<FilaInforme>& tabla, const QString& caption)
{
    const FilaInforme* f = BuscarFila(tabla, caption);
    return f && f->aceptar ? QStringLiteral("Aceptar") : QStringLiteral("Todos");
}

} // namespace informes
