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

    EstadoPrincipal& Estado() override { return estado; }
    bool ListaVisible() const override { return lista; }
    bool EstructuraVisible() const override { return estructura; }
    int FilaActual() const override { return fila; }
    QString ClaveFila(int f) const override { return f >= 0 && f < claves.size() ? claves.at(f) : QString(); }
    int NumeroFilas() const override { return int(claves.size()); }
    void ActualizarLista() override { ++recargas; }
    IAccionesRegistro& Acciones() override { return acciones; }
};
