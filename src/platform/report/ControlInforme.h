#pragma once

#include "platform/report/ControlInformeBase.h"
#include "platform/report/VentanaVistaPrevia.h"

#include <QPointer>
#include <QString>

class QWidget;

namespace report {

// The report-template engine control (`crptInformes` of the main window).
// PrintReport reads the template and every row it needs, lays the pages out
// and hands them on: to PDF files in the folder DUZEDIV_REPORT_PDF_DIR
// names (tests and runs without a screen), otherwise to a preview window,
// from which the user prints or saves a PDF. Every failure ends in the last
// error; nothing throws out of PrintReport.
class ControlInforme : public ControlInformeBase {
public:
    // `ventanaPrincipal` owns the previews when no other window is active.
    explicit ControlInforme(QWidget* ventanaPrincipal = nullptr);

    void PrintReport() override;

    // The preview the last print opened, while it is open.
    VentanaVistaPrevia* UltimaVistaPrevia() const { return m_vista.data(); }
    // The PDF file the last print wrote, or "".
    QString UltimoPdf() const { return m_pdf; }

private:
    QWidget* m_ventana;
    QPointer<VentanaVistaPrevia> m_vista;
    QString m_pdf;
};

} // namespace report
