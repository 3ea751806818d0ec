#pragma once

#include "mainwindow/ComandosRegistro.h"

#include <functional>

class cIActionMenus;

// The record commands' actions carried out by the window's one action
// object (`objActionMenus` of `mobjPrincipal`), read again at every call as
// the commands always did: it is made on first use.
class AccionesMenus : public IAccionesRegistro {
public:
    using Objeto = std::function<cIActionMenus&()>;
    explicit AccionesMenus(Objeto objActionMenus) : m_objActionMenus(std::move(objActionMenus)) {}

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

private:
    Objeto m_objActionMenus;
};
