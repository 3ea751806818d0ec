#pragma once

#include <QString>

// Captions of the navigation-tree and report-tree nodes. Commands recognise the
// selected node by comparing its caption exactly with one of these, so the
// texts must match the `Nombre` of `Nodo` and the captions of `Informe`
// character for character. Some captions occur in both trees ("Donantes",
// "Remesas", "Actividades", "Colaboradores"): callers tell them apart by the
// tree they look at.
class CcNodos {
public:
    QString INSTITUCION() const;
    QString BANCO() const;
    QString MUNICIPIO() const;
    QString PROVINCIA() const;
    QString CARITATIVO() const;
    QString PRESENTADOR() const;
    QString TIPODONATIVO() const;
    QString REMESA() const;
    QString RECIBOS() const;
    QString VODIDAZAZ() const;
    QString GESTIONPARROQUIAL() const;
    QString INFPLANTILLAS() const;
    QString INFDOCUMENTOS() const;
    QString PADRON() const;
    QString COLABORADOR() const;
    QString CARGO() const;
    QString ACTIVIDAD() const;
    QString LIBROS() const;
    QString PARTIDAS() const;
    QString SOLICITUDES() const;
    QString INFORMES() const;
    QString INFORMESYDOCUMENTOS() const;
    QString INFORMECERTIFICADORECIBOS() const;
    QString INFORMEPERSONADONATIVO() const;
    QString INFORMEREMESA() const;
    QString INFORMEPERSONA() const;
    QString INFORMEDONANTE() const;
    QString INFORMEDONATIVO() const;
    QString INFORMEETIQUETA() const;
    QString INFORMEIMPAGADOS() const;
    QString INFORMETOTALESVODIDAZAZ() const;
    QString INFDUPLICADASBAUTISMO() const;
    QString INFDUPLICADASCONFIRMACION() const;
    QString INFDUPLICADASMATRIMONIO() const;
    QString INFDUPLICADASDEFUNCION() const;
    QString INFACTIVIDADES() const;
    QString INFCOLABORADORES() const;
    QString INFCOLABORADORESEXTENDIDO() const;
    QString ELEMENTOSENVIADOS() const;
    QString BANDEJAENTRADA() const;
    QString BANDEJASALIDA() const;
    QString INFAGENDA() const;
    QString INFSOLICITUD_BAUTISMO() const;
    QString INFNOTIFICACIONCONFIRMACION() const;
    QString INFEXPEDIENTEMATRIMONIALVALDENA() const;
    QString INFEXPEDIENTEMATRIMONIALOTRASDIOCESIS() const;
    QString INFEXPEDIENTEMATRIMONIAL() const;
    QString INFEXPEDIENTEMATRIMONIALFORMATO1() const;
    QString INFEXPEDIENTEMATRIMONIALFORMATO3() const;
    QString INFEXPEDIENTEMATRIMONIALFORMATO2() const;
    QString INFRESUMENMATRIMONIAL() const;
    QString INFATESTADO() const;
    QString INFRESUMENMATRIMONIAL2() const;
    QString CONTABILIDAD() const;
    QString EMPRESAS() const;
    QString GRUPOS() const;
    QString ACTIVO() const;
    QString PASIVO() const;
    QString DEBE() const;
    QString HABER() const;
    QString CUENTAS() const;
    QString SUBCUENTAS() const;
    QString ASIENTOS() const;
    QString ASIENTOPREDEFINIDO() const;
    QString PRESUPUESTO() const;
    QString BALANCESUMASYSALDOS() const;
    QString BALANCESITUACION() const;
    QString BALANCESITUACIONCOMP() const;
    QString BALANCEPYG() const;
    QString BALANCEPYGCOMP() const;
    QString LIBRODIARIO() const;
    QString LIBROMAYOR() const;
    QString LISTADOSUBCUENTAS() const;
    QString LISTADOEPIGRAFES() const;
    QString LISTADOPRESUPUESTOANUAL() const;
    QString LISTADOPRESUPUESTO() const;
    QString IVAFACTURARECIBIDA() const;
    QString IVAFACTURAEMITIDA() const;
};
