#pragma once

#include <QString>

#include <memory>

namespace PVAPI {

class IControlInforme;
class VentanaProgreso;

// The shared service object: reports errors to the user and keeps the shared
// progress window.
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

private:
    QString m_appTitle;
    bool m_informador = false;
    std::unique_ptr<VentanaProgreso> m_progreso;
};

} // namespace PVAPI
