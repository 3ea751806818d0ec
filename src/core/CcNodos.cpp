#include "core/CcNodos.h"

QString CcNodos::INSTITUCION() const { return QStringLiteral("Instituciones"); }
QString CcNodos::BANCO() const { return QStringLiteral("Bancos"); }
QString CcNodos::MUNICIPIO() const { return QStringLiteral("Municipios"); }
QString CcNodos::PROVINCIA() const { return QStringLiteral("Provincias"); }
QString CcNodos::CARITATIVO() const { return QStringLiteral("Donantes"); }
QString CcNodos::PRESENTADOR() const { return QStringLiteral("Presentadores"); }
QString CcNodos::TIPODONATIVO() const { return QStringLiteral("Tipos de Vodidazaz"); }
QString CcNodos::REMESA() const { return QStringLiteral("Remesas"); }
QString CcNodos::RECIBOS() const { return QStringLiteral("Recibos por caja"); }
QString CcNodos::VODIDAZAZ() const { return QStringLiteral("Vodidazaz"); }
QString CcNodos::GESTIONPARROQUIAL() const { return QStringLiteral("Gestión Parroquial"); }
QString CcNodos::INFPLANTILLAS() const { return QStringLiteral("Plantillas"); }
QString CcNodos::INFDOCUMENTOS() const { return QStringLiteral("Documentos"); }
QString CcNodos::PADRON() const { return QStringLiteral("Padrón"); }
QString CcNodos::COLABORADOR() const { return QStringLiteral("Colaboradores"); }
QString CcNodos::CARGO() const { return QStringLiteral("Cargos"); }
QString CcNodos::ACTIVIDAD() const { return QStringLiteral("Actividades"); }
QString CcNodos::LIBROS() const { return QStringLiteral("Libros"); }
QString CcNodos::PARTIDAS() const { return QStringLiteral("Partidas"); }
QString CcNodos::SOLICITUDES() const { return QStringLiteral("Solicitudes"); }
QString CcNodos::INFORMES() const { return QStringLiteral("Informes"); }
QString CcNodos::INFORMESYDOCUMENTOS() const { return QStringLiteral("Informes y documentos"); }
QString CcNodos::INFORMECERTIFICADORECIBOS() const { return QStringLiteral("Certificado-Recibos"); }
QString CcNodos::INFORMEPERSONADONATIVO() const { return QStringLiteral("Vodidazaz por donante"); }
QString CcNodos::INFORMEREMESA() const { return QStringLiteral("Remesas"); }
QString CcNodos::INFORMEPERSONA() const { return QStringLiteral("Donantes"); }
QString CcNodos::INFORMEDONANTE() const { return QStringLiteral("Donantes con donativo"); }
QString CcNodos::INFORMEDONATIVO() const { return QStringLiteral("Vodidazaz con donante"); }
QString CcNodos::INFORMEETIQUETA() const { return QStringLiteral("Etiquetas"); }
QString CcNodos::INFORMEIMPAGADOS() const { return QStringLiteral("Vodidazaz impagados"); }
QString CcNodos::INFORMETOTALESVODIDAZAZ() const { return QStringLiteral("Totales de donativos"); }
QString CcNodos::INFDUPLICADASBAUTISMO() const { return QStringLiteral("Duplicadas de bautismo"); }
QString CcNodos::INFDUPLICADASCONFIRMACION() const { return QStringLiteral("Duplicadas de confirmación"); }
QString CcNodos::INFDUPLICADASMATRIMONIO() const { return QStringLiteral("Duplicadas de matrimonio"); }
QString CcNodos::INFDUPLICADASDEFUNCION() const { return QStringLiteral("Duplicadas de defunción"); }
QString CcNodos::INFACTIVIDADES() const { return QStringLiteral("Actividades"); }
QString CcNodos::INFCOLABORADORES() const { return QStringLiteral("Colaboradores"); }
QString CcNodos::INFCOLABORADORESEXTENDIDO() const { return QStringLiteral("Colaboradores (extendido)"); }
QString CcNodos::ELEMENTOSENVIADOS() const { return QStringLiteral("Elementos enviados"); }
QString CcNodos::BANDEJAENTRADA() const { return QStringLiteral("Bandeja de entrada"); }
QString CcNodos::BANDEJASALIDA() const { return QStringLiteral("Bandeja de salida"); }
QString CcNodos::INFAGENDA() const { return QStringLiteral("Tareas de la agenda"); }
QString CcNodos::INFSOLICITUD_BAUTISMO() const { return QStringLiteral("Solicitud de bautismo"); }
QString CcNodos::INFNOTIFICACIONCONFIRMACION() const { return QStringLiteral("Notificación confirmación a parr. baut."); }
QString CcNodos::INFEXPEDIENTEMATRIMONIALVALDENA() const { return QStringLiteral("Expediente matrimonial en Valdena"); }
QString CcNodos::INFEXPEDIENTEMATRIMONIALOTRASDIOCESIS() const { return QStringLiteral("Expediente matrimonial en otras diócesis"); }
QString CcNodos::INFEXPEDIENTEMATRIMONIAL() const { return QStringLiteral("Expediente matrimonial"); }
QString CcNodos::INFEXPEDIENTEMATRIMONIALFORMATO1() const { return QStringLiteral("Expediente matrimonial (formato 1)"); }
QString CcNodos::INFEXPEDIENTEMATRIMONIALFORMATO3() const { return QStringLiteral("Expediente matrimonial (formato 3)"); }
QString CcNodos::INFEXPEDIENTEMATRIMONIALFORMATO2() const { return QStringLiteral("Expediente matrimonial (formato 2)"); }
QString CcNodos::INFRESUMENMATRIMONIAL() const { return QStringLiteral("Resumen de matrimonio (Allegato V). Página 1"); }
QString CcNodos::INFATESTADO() const { return QStringLiteral("Atestado para otras Diócesis"); }
QString CcNodos::INFRESUMENMATRIMONIAL2() const { return QStringLiteral("Resumen de matrimonio (Allegato V). Página 2"); }
QString CcNodos::CONTABILIDAD() const { return QStringLiteral("Contabilidad"); }
QString CcNodos::EMPRESAS() const { return QStringLiteral("Empresas"); }
QString CcNodos::GRUPOS() const { return QStringLiteral("Grupos"); }
QString CcNodos::ACTIVO() const { return QStringLiteral("Activo"); }
QString CcNodos::PASIVO() const { return QStringLiteral("Pasivo"); }
QString CcNodos::DEBE() const { return QStringLiteral("Debe"); }
QString CcNodos::HABER() const { return QStringLiteral("Haber"); }
QString CcNodos::CUENTAS() const { return QStringLiteral("Cuentas"); }
QString CcNodos::SUBCUENTAS() const { return QStringLiteral("SubCuentas"); }
QString CcNodos::ASIENTOS() const { return QStringLiteral("Asientos"); }
QString CcNodos::ASIENTOPREDEFINIDO() const { return QStringLiteral("Asientos predefinidos"); }
QString CcNodos::PRESUPUESTO() const { return QStringLiteral("Presupuesto"); }
QString CcNodos::BALANCESUMASYSALDOS() const { return QStringLiteral("Balance de sumas y saldos"); }
QString CcNodos::BALANCESITUACION() const { return QStringLiteral("Balance de situación"); }
QString CcNodos::BALANCESITUACIONCOMP() const { return QStringLiteral("Balance de situación comparativo"); }
QString CcNodos::BALANCEPYG() const { return QStringLiteral("Balance de pérdidas y ganancias"); }
QString CcNodos::BALANCEPYGCOMP() const { return QStringLiteral("Balance de pérdidas y ganancias comparativo"); }
QString CcNodos::LIBRODIARIO() const { return QStringLiteral("Libro diario"); }
QString CcNodos::LIBROMAYOR() const { return QStringLiteral("Libro mayor"); }
QString CcNodos::LISTADOSUBCUENTAS() const { return QStringLiteral("Listado de subcuentas"); }
QString CcNodos::LISTADOEPIGRAFES() const { return QStringLiteral("Listado de epígrafes"); }
QString CcNodos::LISTADOPRESUPUESTOANUAL() const { return QStringLiteral("Presupuesto anual"); }
QString CcNodos::LISTADOPRESUPUESTO() const { return QStringLiteral("Plan presupuestario"); }
QString CcNodos::IVAFACTURARECIBIDA() const { return QStringLiteral("Libros de IVA (facturas recibidas)"); }
QString CcNodos::IVAFACTURAEMITIDA() const { return QStringLiteral("Libros de IVA (facturas emitidas)"); }
