#pragma once

#include "mainwindow/ComandosRegistro.h"

#include <functional>

class cConfigContabilidad;
class cIActionMenus;
class IVentanaAcciones;

// The record commands' actions carried out by the window's one action
// object (`objActionMenus` of `mobjPrincipal`), read again at every call as
// the commands always did: it is made on first use.
class AccionesMenus : public IAccionesRegistro {
public:
    using Objeto = std::function<cIActionMenus&()>;
    // `ventana` gives the accounting configuration, the structure tree and
    // the selected company of the chart commands.
    AccionesMenus(Objeto objActionMenus, IVentanaAcciones& ventana)
        : m_objActionMenus(std::move(objActionMenus)), m_ventana(ventana)
    {
    }

    void Nuevo(QString& strTextSelect, QString& strTextDescription) override;
    void Editar(QString& strTextSelect, qint32& lngID, QString& strTextDescription) override;
    void Eliminar(QString& strTextSelect, qint32& lngID, QString& strTextDescription) override;
    void AntiguaPartida(QString& strTextSelect, QString& strTextDescription) override;
    void ImportarSolicitudes(QString& strTextSelect, QString& strTextDescription) override;
    void CerrarLibrosBautismo(QString& strTextSelect, qint32& lngID) override;
    void CerrarLibrosConfirmacion(QString& strTextSelect, qint32& lngID) override;
    void CerrarLibrosMatrimonio(QString& strTextSelect, qint32& lngID) override;
    void CerrarLibrosDefuncion(QString& strTextSelect, qint32& lngID) override;
    void AnularDesanularPartida(qint32& lngID, QString& strTextDescription) override;
    void GenerarDisco(qint32& lngIDRemesa) override;
    void GenerarCertificado() override;
    void ExportarTotales() override;
    void ModeloHacienda() override;
    void ReenviarMensaje(qint32& lngID) override;
    void EnviarRecibirMensajes(qint16 intOperacion) override;
    void ImportarMensaje(qint16 intOperacion) override;
    void ExportarMensaje(qint16 intOperacion, qint32& lngID) override;
    void ConexionServidor() override;
    void AsistenteCuentasCorreo() override;

    void NuevoEpigrafe(qint32 lngDocumento, qint32 lngNaturaleza) override;
    void EditarEpigrafe(qint32 lngDocumento) override;
    void EliminarEpigrafe(qint32 lngDocumento) override;
    void AsignarCuenta(const QString& strNaturaleza) override;
    void DesasignarCuenta(const QString& strNaturaleza) override;
    void NuevaCuenta() override;
    void NuevaSubcuenta() override;
    void EditarCuenta(qint32 lngCuenta) override;
    void EditarSubcuenta(qint32 lngSubcuenta) override;
    void NuevaEmpresa(qint32& lngCodNuevaEmpr) override;
    void EnlaceContabilidad() override;
    void EnlaceContabManual() override;

    void Imprimir(DocumentoRegistro documento, qint32& lngID, QString& strDescripcion) override;
    void ImprimirPartidaSinLibro() override;
    void ImprimirRecibosCaja() override;
    void ImprimirExpediente(ExpedienteMatrimonio expediente, const QString& strClave) override;
    void ImportarTablas() override;

private:
    cConfigContabilidad& Config() const;
    qint32 Empresa() const;

    Objeto m_objActionMenus;
    IVentanaAcciones& m_ventana;
};
