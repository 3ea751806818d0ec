#pragma once

#include "platform/db/Recordset.h"

#include <QString>

#include <memory>
#include <optional>

namespace db {
class Connection;
}

namespace PVAPI {

class IControlInforme;
class IRegistrosDuzediv;
class VentanaProgreso;
struct cInfoConfiguracion;

// The shared service object: reports errors to the user, keeps the shared
// progress window, computes bank control digits and carries the record
// dialogs of institutions, towns and provinces.
class cDuzediv {
public:
    explicit cDuzediv(QString appTitle = QStringLiteral("Norvia Parvanta 2000"));
    ~cDuzediv();
    cDuzediv(const cDuzediv&) = delete;
    cDuzediv& operator=(const cDuzediv&) = delete;

    // Shows the current error (vb::Err()) with the procedure, module and
    // project that report it.
    void VerError(const QString& procedimiento, const QString& modulo, const QString& proyecto) const;

    // Shows the last error of a report-engine control.
    void VerErrorCrystal(const IControlInforme& control) const;

    // Makes VerError the reporter of the errors that reach an event handler
    // (ui::RunHandler); the default reporter comes back when this object goes.
    void RegistrarComoInformador();

    // The shared progress window: opened (or reopened) by ProgresoLoad, its
    // bar moved by ProgresoRefresh, closed by ProgresoUnload. Refreshing or
    // closing without a window does nothing.
    void ProgresoLoad(int maximo, const QString& titulo, int estilo);
    void ProgresoRefresh(int valor);
    void ProgresoUnload();
    const VentanaProgreso* Progreso() const { return m_progreso.get(); }

    // The control digits of one bank account (see CalculaCCC.h); nothing
    // when they cannot be computed from these codes.
    std::optional<QString> CalculaCCC(const QString& strBanco, const QString& strSucursal,
                                      const QString& strCuenta) const;

    // The branches of bank `lngID` that its dialog may not delete because an
    // account or a presenter refers to them: `IDSucursal` and `Codigo`,
    // ordered by code.
    db::Recordset ObtenerSucNoEliminables(db::Connection& conLocal, qint32 lngID) const;

    // Record dialogs (IRegistrosDuzediv): what they raise reaches the caller.
    void NuevaInstitucion(db::Connection& conLocal, cInfoConfiguracion& objInfoConfig);
    void EditaInstitucion(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion& objInfoConfig);
    void NuevoMunicipio(db::Connection& conLocal, cInfoConfiguracion& objInfoConfig);
    void EditaMunicipio(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion& objInfoConfig);
    void EliminaMunicipio(db::Connection& conLocal, qint32& lngID);
    void NuevaProvincia(db::Connection& conLocal, cInfoConfiguracion& objInfoConfig);
    void EditaProvincia(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion& objInfoConfig);
    void EliminaProvincia(db::Connection& conLocal, qint32& lngID);

    // The implementation the record dialogs forward to: our own dialogs
    // (DialogoInstitucionRegistros) unless another is set; an empty one
    // makes each say that it is not available in this installation.
    void EstablecerRegistros(std::unique_ptr<IRegistrosDuzediv> registros);

private:
    QString m_appTitle;
    bool m_informador = false;
    std::unique_ptr<VentanaProgreso> m_progreso;
    std::unique_ptr<IRegistrosDuzediv> m_registros;
};

} // namespace PVAPI
