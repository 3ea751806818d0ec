#pragma once

#include "mainwindow/ComandosRegistro.h"

#include "core/EstadoPrincipal.h"

#include <QStringList>

// Record actions that only write down each call with its arguments:
// "Nuevo(Bancos|)", "Editar(Bancos|7|)", "EnviarRecibirMensajes(4)".
class AccionesGrabadas : public IAccionesRegistro {
public:
    QStringList llamadas;

    void Nuevo(QString& s, QString& d) override { Anotar("Nuevo", {s, d}); }
    void Editar(QString& s, qint32& id, QString& d) override { Anotar("Editar", {s, N(id), d}); }
    void Eliminar(QString& s, qint32& id, QString& d) override { Anotar("Eliminar", {s, N(id), d}); }
    void AntiguaPartida(QString& s, QString& d) override { Anotar("AntiguaPartida", {s, d}); }
    void ImportarSolicitudes(QString& s, QString& d) override { Anotar("ImportarSolicitudes", {s, d}); }
    void CerrarLibrosBautismo(QString& s, qint32& id) override { Anotar("CerrarLibrosBautismo", {s, N(id)}); }
    void CerrarLibrosConfirmacion(QString& s, qint32& id) override
    {
        Anotar("CerrarLibrosConfirmacion", {s, N(id)});
    }
    void CerrarLibrosMatrimonio(QString& s, qint32& id) override { Anotar("CerrarLibrosMatrimonio", {s, N(id)}); }
    void CerrarLibrosDefuncion(QString& s, qint32& id) override { Anotar("CerrarLibrosDefuncion", {s, N(id)}); }
    void AnularDesanularPartida(qint32& id, QString& d) override { Anotar("AnularDesanularPartida", {N(id), d}); }
    void GenerarDisco(qint32& id) override { Anotar("GenerarDisco", {N(id)}); }
    void GenerarCertificado() override { Anotar("GenerarCertificado", {}); }
    void ExportarTotales() override { Anotar("ExportarTotales", {}); }
    void ModeloHacienda() override { Anotar("ModeloHacienda", {}); }
    void ReenviarMensaje(qint32& id) override { Anotar("ReenviarMensaje", {N(id)}); }
    void EnviarRecibirMensajes(qint16 op) override { Anotar("EnviarRecibirMensajes", {N(op)}); }
    void ImportarMensaje(qint16 op) override { Anotar("ImportarMensaje", {N(op)}); }
    void ExportarMensaje(qint16 op, qint32& id) override { Anotar("ExportarMensaje", {N(op), N(id)}); }
    void ConexionServidor() override { Anotar("ConexionServidor", {}); }
    void AsistenteCuentasCorreo() override { Anotar("AsistenteCuentasCorreo", {}); }
    void NuevoEpigrafe(qint32 doc, qint32 nat) override { Anotar("NuevoEpigrafe", {N(doc), N(nat)}); }
    void EditarEpigrafe(qint32 doc) override { Anotar("EditarEpigrafe", {N(doc)}); }
    void EliminarEpigrafe(qint32 doc) override { Anotar("EliminarEpigrafe", {N(doc)}); }
    void AsignarCuenta(const QString& nat) override { Anotar("AsignarCuenta", {nat}); }
    void DesasignarCuenta(const QString& nat) override { Anotar("DesasignarCuenta", {nat}); }
    void NuevaCuenta() override { Anotar("NuevaCuenta", {}); }
    void NuevaSubcuenta() override { Anotar("NuevaSubcuenta", {}); }
    void EditarCuenta(qint32 id) override { Anotar("EditarCuenta", {N(id)}); }
    void EditarSubcuenta(qint32 id) override { Anotar("EditarSubcuenta", {N(id)}); }
    void NuevaEmpresa(qint32& id) override
    {
        Anotar("NuevaEmpresa", {});
        id = nuevaEmpresa;
    }
    void EnlaceContabilidad() override { Anotar("EnlaceContabilidad", {}); }
    void EnlaceContabManual() override { Anotar("EnlaceContabManual", {}); }

    void Imprimir(DocumentoRegistro documento, qint32& id, QString& d) override
    {
        Anotar("Imprimir", {N(int(documento)), N(id), d});
    }
    void ImprimirPartidaSinLibro() override { Anotar("ImprimirPartidaSinLibro", {}); }
    void ImprimirRecibosCaja() override { Anotar("ImprimirRecibosCaja", {}); }
    void ImportarTablas() override { Anotar("ImportarTablas", {}); }
    void ImprimirExpediente(ExpedienteMatrimonio expediente, const QString& clave) override
    {
        Anotar("ImprimirExpediente", {N(int(expediente)), clave});
    }

    // The id NuevaEmpresa hands back.
    qint32 nuevaEmpresa = 0;

private:
    static QString N(qint64 n) { return QString::number(n); }
    void Anotar(const char* accion, const QStringList& argumentos)
    {
        llamadas << QStringLiteral("%1(%2)").arg(QLatin1String(accion), argumentos.join(u'|'));
    }
};

// The window as the record commands see it: a selected node, which panes
// show, the list's row keys and current row, and the reloads counted.
class VentanaFalsa : public IVentanaComandosRegistro {
public:
    EstadoPrincipal estado;
    bool lista = true;
    bool estructura = false;
    QStringList claves;
    int fila = -1;
    int recargas = 0;
    AccionesGrabadas acciones;
    // The structure tree's selected key (null: no node selected), the
    // navigation tree's caption, the companies that have their row, and the
    // company selected at each ActualizarNodosEmpresa.
    QString claveEstructura;
    QString textoNavegacion;
    QList<qint32> empresas;
    QList<qint32> empresasActualizadas;

    EstadoPrincipal& Estado() override { return estado; }
    bool ListaVisible() const override { return lista; }
    bool EstructuraVisible() const override { return estructura; }
    int FilaActual() const override { return fila; }
    QString ClaveFila(int f) const override { return f >= 0 && f < claves.size() ? claves.at(f) : QString(); }
    int NumeroFilas() const override { return int(claves.size()); }
    void ActualizarLista() override { ++recargas; }
    bool HayNodoEstructura() const override { return !claveEstructura.isNull(); }
    QString ClaveNodoEstructura() const override { return claveEstructura; }
    QString TextoNodoNavegacion() const override { return textoNavegacion; }
    bool ExisteEmpresa(qint32 lngID) const override { return empresas.contains(lngID); }
    void ActualizarNodosEmpresa() override { empresasActualizadas << estado.mlngCodEmpresaSeleccionada; }
    IAccionesRegistro& Acciones() override { return acciones; }
};
