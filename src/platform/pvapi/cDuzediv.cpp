#include "platform/pvapi/cDuzediv.h"

#include "platform/db/Connection.h"
#include "platform/db/DbErrors.h"
#include "platform/pvapi/CalculaCCC.h"
#include "platform/pvapi/DialogoInstitucionRegistros.h"
#include "platform/pvapi/IControlInforme.h"
#include "platform/pvapi/IRegistrosDuzediv.h"
#include "platform/pvapi/VentanaProgreso.h"
#include "platform/ui/AvisoNoDisponible.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"

#include <utility>

namespace PVAPI {

namespace {

// The record dialogs of an installation that carries none: every command
// says so, none is silent.
class RegistrosNoDisponibles : public IRegistrosDuzediv {
public:
    void NuevaInstitucion(db::Connection&, cInfoConfiguracion&) override { ui::AvisoNoDisponible(); }
    void EditaInstitucion(db::Connection&, qint32&, cInfoConfiguracion&) override { ui::AvisoNoDisponible(); }
    void NuevoMunicipio(db::Connection&, cInfoConfiguracion&) override { ui::AvisoNoDisponible(); }
    void EditaMunicipio(db::Connection&, qint32&, cInfoConfiguracion&) override { ui::AvisoNoDisponible(); }
    void EliminaMunicipio(db::Connection&, qint32&) override { ui::AvisoNoDisponible(); }
    void NuevaProvincia(db::Connection&, cInfoConfiguracion&) override { ui::AvisoNoDisponible(); }
    void EditaProvincia(db::Connection&, qint32&, cInfoConfiguracion&) override { ui::AvisoNoDisponible(); }
    void EliminaProvincia(db::Connection&, qint32&) override { ui::AvisoNoDisponible(); }
};

} // namespace

cDuzediv::cDuzediv(QString appTitle)
    : m_appTitle(std::move(appTitle))
    , m_registros(std::make_unique<DialogoInstitucionRegistros>())
{
}

cDuzediv::~cDuzediv()
{
    if (m_informador)
        ui::SetErrorReporter({});
}

void cDuzediv::RegistrarComoInformador()
{
    ui::SetErrorReporter([this](const QString& procedimiento, const QString& modulo, const QString& proyecto) {
        VerError(procedimiento, modulo, proyecto);
    });
    m_informador = true;
}

void cDuzediv::VerError(const QString& procedimiento, const QString& modulo, const QString& proyecto) const
{
    const vb::ErrObject& err = vb::Err();
    // Another workstation using the data, a full disk or a folder that may
    // not be written is no fault of the program: the user reads only what
    // could not be done and what to do about it.
    if (db::err::IsConditionOfTheComputer(err.Number)) {
        ui::MsgBox(err.Description, ui::vbOKOnly + ui::vbExclamation, m_appTitle);
        return;
    }
    const QString texto = QStringLiteral("Se ha producido un error inesperado.\n\n"
                                         "Error: %1\n"
                                         "Descripción: %2\n"
                                         "Procedimiento: %3\n"
                                         "Módulo: %4\n"
                                         "Proyecto: %5")
                              .arg(err.Number)
                              .arg(err.Description, procedimiento, modulo, proyecto);
    ui::MsgBox(texto, ui::vbOKOnly + ui::vbCritical, m_appTitle);
}

void cDuzediv::VerErrorCrystal(const IControlInforme& control) const
{
    const QString texto = QStringLiteral("Se ha producido un error al generar el informe.\n\n"
                                         "Error: %1\n"
                                         "Descripción: %2")
                              .arg(control.LastErrorNumber())
                              .arg(control.LastErrorString());
    ui::MsgBox(texto, ui::vbOKOnly + ui::vbCritical, m_appTitle);
}

void cDuzediv::ProgresoLoad(int maximo, const QString& titulo, int estilo)
{
    m_progreso = std::make_unique<VentanaProgreso>(maximo, titulo, estilo);
    m_progreso->show();
    ui::DoEvents();
}

void cDuzediv::ProgresoRefresh(int valor)
{
    if (!m_progreso)
        return;
    m_progreso->Mover(valor);
    ui::DoEvents();
}

void cDuzediv::ProgresoUnload()
{
    m_progreso.reset();
}

std::optional<QString> cDuzediv::CalculaCCC(const QString& strBanco, const QString& strSucursal,
                                            const QString& strCuenta) const
{
    return PVAPI::CalculaCCC(strBanco, strSucursal, strCuenta);
}

db::Recordset cDuzediv::ObtenerSucNoEliminables(db::Connection& conLocal, qint32 lngID) const
{
    return conLocal.Query(QStringLiteral("SELECT IDSucursal, Codigo FROM Sucursal WHERE CodBanco = ? AND "
                                         "(IDSucursal IN (SELECT CodSucursal FROM Cuenta) OR "
                                         "IDSucursal IN (SELECT CodSucursal FROM Presentador)) "
                                         "ORDER BY Codigo"),
                          {db::Value(lngID)});
}

void cDuzediv::NuevaInstitucion(db::Connection& conLocal, cInfoConfiguracion& objInfoConfig)
{
    m_registros->NuevaInstitucion(conLocal, objInfoConfig);
}

void cDuzediv::EditaInstitucion(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion& objInfoConfig)
{
    m_registros->EditaInstitucion(conLocal, lngID, objInfoConfig);
}

void cDuzediv::NuevoMunicipio(db::Connection& conLocal, cInfoConfiguracion& objInfoConfig)
{
    m_registros->NuevoMunicipio(conLocal, objInfoConfig);
}

void cDuzediv::EditaMunicipio(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion& objInfoConfig)
{
    m_registros->EditaMunicipio(conLocal, lngID, objInfoConfig);
}

void cDuzediv::EliminaMunicipio(db::Connection& conLocal, qint32& lngID)
{
    m_registros->EliminaMunicipio(conLocal, lngID);
}

void cDuzediv::NuevaProvincia(db::Connection& conLocal, cInfoConfiguracion& objInfoConfig)
{
    m_registros->NuevaProvincia(conLocal, objInfoConfig);
}

void cDuzediv::EditaProvincia(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion& objInfoConfig)
{
    m_registros->EditaProvincia(conLocal, lngID, objInfoConfig);
}

void cDuzediv::EliminaProvincia(db::Connection& conLocal, qint32& lngID)
{
    m_registros->EliminaProvincia(conLocal, lngID);
}

void cDuzediv::EstablecerRegistros(std::unique_ptr<IRegistrosDuzediv> registros)
{
    m_registros = registros ? std::move(registros) : std::make_unique<RegistrosNoDisponibles>();
}

} // namespace PVAPI
