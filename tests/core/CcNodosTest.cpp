#include "core/CcNodos.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

struct Caption {
    QString (CcNodos::*member)() const;
    const char* name;
    const char* caption;
};

const Caption kCaptions[] = {
    {&CcNodos::INSTITUCION, "INSTITUCION", "Instituciones"},
    {&CcNodos::BANCO, "BANCO", "Bancos"},
    {&CcNodos::MUNICIPIO, "MUNICIPIO", "Municipios"},
    {&CcNodos::PROVINCIA, "PROVINCIA", "Provincias"},
    {&CcNodos::CARITATIVO, "CARITATIVO", "Donantes"},
    {&CcNodos::PRESENTADOR, "PRESENTADOR", "Presentadores"},
    {&CcNodos::TIPODONATIVO, "TIPODONATIVO", "Tipos de Vodidazaz"},
    {&CcNodos::REMESA, "REMESA", "Remesas"},
    {&CcNodos::RECIBOS, "RECIBOS", "Recibos por caja"},
    {&CcNodos::VODIDAZAZ, "VODIDAZAZ", "Vodidazaz"},
    {&CcNodos::GESTIONPARROQUIAL, "GESTIONPARROQUIAL", "Gestión Parroquial"},
    {&CcNodos::INFPLANTILLAS, "INFPLANTILLAS", "Plantillas"},
    {&CcNodos::INFDOCUMENTOS, "INFDOCUMENTOS", "Documentos"},
    {&CcNodos::PADRON, "PADRON", "Padrón"},
    {&CcNodos::COLABORADOR, "COLABORADOR", "Colaboradores"},
    {&CcNodos::CARGO, "CARGO", "Cargos"},
    {&CcNodos::ACTIVIDAD, "ACTIVIDAD", "Actividades"},
    {&CcNodos::LIBROS, "LIBROS", "Libros"},
    {&CcNodos::PARTIDAS, "PARTIDAS", "Partidas"},
    {&CcNodos::SOLICITUDES, "SOLICITUDES", "Solicitudes"},
    {&CcNodos::INFORMES, "INFORMES", "Informes"},
    {&CcNodos::INFORMESYDOCUMENTOS, "INFORMESYDOCUMENTOS", "Informes y documentos"},
    {&CcNodos::INFORMECERTIFICADORECIBOS, "INFORMECERTIFICADORECIBOS", "Certificado-Recibos"},
    {&CcNodos::INFORMEPERSONADONATIVO, "INFORMEPERSONADONATIVO", "Vodidazaz por donante"},
    {&CcNodos::INFORMEREMESA, "INFORMEREMESA", "Remesas"},
    {&CcNodos::INFORMEPERSONA, "INFORMEPERSONA", "Donantes"},
    {&CcNodos::INFORMEDONANTE, "INFORMEDONANTE", "Donantes con donativo"},
    {&CcNodos::INFORMEDONATIVO, "INFORMEDONATIVO", "Vodidazaz con donante"},
    {&CcNodos::INFORMEETIQUETA, "INFORMEETIQUETA", "Etiquetas"},
    {&CcNodos::INFORMEIMPAGADOS, "INFORMEIMPAGADOS", "Vodidazaz impagados"},
    {&CcNodos::INFORMETOTALESVODIDAZAZ, "INFORMETOTALESVODIDAZAZ", "Totales de donativos"},
    {&CcNodos::INFDUPLICADASBAUTISMO, "INFDUPLICADASBAUTISMO", "Duplicadas de bautismo"},
    {&CcNodos::INFDUPLICADASCONFIRMACION, "INFDUPLICADASCONFIRMACION", "Duplicadas de confirmación"},
    {&CcNodos::INFDUPLICADASMATRIMONIO, "INFDUPLICADASMATRIMONIO", "Duplicadas de matrimonio"},
    {&CcNodos::INFDUPLICADASDEFUNCION, "INFDUPLICADASDEFUNCION", "Duplicadas de defunción"},
    {&CcNodos::INFACTIVIDADES, "INFACTIVIDADES", "Actividades"},
    {&CcNodos::INFCOLABORADORES, "INFCOLABORADORES", "Colaboradores"},
    {&CcNodos::INFCOLABORADORESEXTENDIDO, "INFCOLABORADORESEXTENDIDO", "Colaboradores (extendido)"},
    {&CcNodos::ELEMENTOSENVIADOS, "ELEMENTOSENVIADOS", "Elementos enviados"},
    {&CcNodos::BANDEJAENTRADA, "BANDEJAENTRADA", "Bandeja de entrada"},
    {&CcNodos::BANDEJASALIDA, "BANDEJASALIDA", "Bandeja de salida"},
    {&CcNodos::INFAGENDA, "INFAGENDA", "Tareas de la agenda"},
    {&CcNodos::INFSOLICITUD_BAUTISMO, "INFSOLICITUD_BAUTISMO", "Solicitud de bautismo"},
    {&CcNodos::INFNOTIFICACIONCONFIRMACION, "INFNOTIFICACIONCONFIRMACION", "Notificación confirmación a parr. baut."},
    {&CcNodos::INFEXPEDIENTEMATRIMONIALVALDENA, "INFEXPEDIENTEMATRIMONIALVALDENA", "Expediente matrimonial en Valdena"},
    {&CcNodos::INFEXPEDIENTEMATRIMONIALOTRASDIOCESIS, "INFEXPEDIENTEMATRIMONIALOTRASDIOCESIS", "Expediente matrimonial en otras diócesis"},
    {&CcNodos::INFEXPEDIENTEMATRIMONIAL, "INFEXPEDIENTEMATRIMONIAL", "Expediente matrimonial"},
    {&CcNodos::INFEXPEDIENTEMATRIMONIALFORMATO1, "INFEXPEDIENTEMATRIMONIALFORMATO1", "Expediente matrimonial (formato 1)"},
    {&CcNodos::INFEXPEDIENTEMATRIMONIALFORMATO3, "INFEXPEDIENTEMATRIMONIALFORMATO3", "Expediente matrimonial (formato 3)"},
    {&CcNodos::INFEXPEDIENTEMATRIMONIALFORMATO2, "INFEXPEDIENTEMATRIMONIALFORMATO2", "Expediente matrimonial (formato 2)"},
    {&CcNodos::INFRESUMENMATRIMONIAL, "INFRESUMENMATRIMONIAL", "Resumen de matrimonio (Allegato V). Página 1"},
    {&CcNodos::INFATESTADO, "INFATESTADO", "Atestado para otras Diócesis"},
    {&CcNodos::INFRESUMENMATRIMONIAL2, "INFRESUMENMATRIMONIAL2", "Resumen de matrimonio (Allegato V). Página 2"},
    {&CcNodos::CONTABILIDAD, "CONTABILIDAD", "Contabilidad"},
    {&CcNodos::EMPRESAS, "EMPRESAS", "Empresas"},
    {&CcNodos::GRUPOS, "GRUPOS", "Grupos"},
    {&CcNodos::ACTIVO, "ACTIVO", "Activo"},
    {&CcNodos::PASIVO, "PASIVO", "Pasivo"},
    {&CcNodos::DEBE, "DEBE", "Debe"},
    {&CcNodos::HABER, "HABER", "Haber"},
    {&CcNodos::CUENTAS, "CUENTAS", "Cuentas"},
    {&CcNodos::SUBCUENTAS, "SUBCUENTAS", "SubCuentas"},
    {&CcNodos::ASIENTOS, "ASIENTOS", "Asientos"},
    {&CcNodos::ASIENTOPREDEFINIDO, "ASIENTOPREDEFINIDO", "Asientos predefinidos"},
    {&CcNodos::PRESUPUESTO, "PRESUPUESTO", "Presupuesto"},
    {&CcNodos::BALANCESUMASYSALDOS, "BALANCESUMASYSALDOS", "Balance de sumas y saldos"},
    {&CcNodos::BALANCESITUACION, "BALANCESITUACION", "Balance de situación"},
    {&CcNodos::BALANCESITUACIONCOMP, "BALANCESITUACIONCOMP", "Balance de situación comparativo"},
    {&CcNodos::BALANCEPYG, "BALANCEPYG", "Balance de pérdidas y ganancias"},
    {&CcNodos::BALANCEPYGCOMP, "BALANCEPYGCOMP", "Balance de pérdidas y ganancias comparativo"},
    {&CcNodos::LIBRODIARIO, "LIBRODIARIO", "Libro diario"},
    {&CcNodos::LIBROMAYOR, "LIBROMAYOR", "Libro mayor"},
    {&CcNodos::LISTADOSUBCUENTAS, "LISTADOSUBCUENTAS", "Listado de subcuentas"},
    {&CcNodos::LISTADOEPIGRAFES, "LISTADOEPIGRAFES", "Listado de epígrafes"},
    {&CcNodos::LISTADOPRESUPUESTOANUAL, "LISTADOPRESUPUESTOANUAL", "Presupuesto anual"},
    {&CcNodos::LISTADOPRESUPUESTO, "LISTADOPRESUPUESTO", "Plan presupuestario"},
    {&CcNodos::IVAFACTURARECIBIDA, "IVAFACTURARECIBIDA", "Libros de IVA (facturas recibidas)"},
    {&CcNodos::IVAFACTURAEMITIDA, "IVAFACTURAEMITIDA", "Libros de IVA (facturas emitidas)"},
};

TEST(CcNodosTest, EveryMemberReturnsItsExactCaption)
{
    const CcNodos nodos;
    for (const Caption& c : kCaptions)
        EXPECT_EQ((nodos.*c.member)(), QString::fromUtf8(c.caption)) << c.name;
    EXPECT_EQ(std::size(kCaptions), 78u);
}

TEST(CcNodosTest, OnlyTheFourCrossTreeCaptionsRepeat)
{
    const CcNodos nodos;
    QSet<QString> seen;
    QSet<QString> repeated;
    for (const Caption& c : kCaptions) {
        const QString caption = (nodos.*c.member)();
        if (seen.contains(caption))
            repeated.insert(caption);
        seen.insert(caption);
    }
    EXPECT_EQ(repeated, (QSet<QString>{"Donantes", "Remesas", "Actividades", "Colaboradores"}));
}

} // namespace
