#pragma once

#include <QString>

class QWidget;
namespace db {
class Connection;
}
namespace PVAPI {
struct cInfoConfiguracion;
}

// Small commands of the window that open what lies outside it: the printer
// set-up, the two web pages of the Help menu, the program's help, the
// change of the Model 182 deductions by a new object of the donations
// add-in.
namespace ComandosVentana {

// The maker's home page and the page of the O.R.B.E. diocesan information
// service.
QString PaginaPrincipal();
QString PaginaOrbe();

// The print dialog with its collate box checked; cancelling it ends the
// command.
void ConfigurarImpresora();

// Opens the page in the user's web browser; when no browser opens it, the
// user is told the address to type.
void AbrirPaginaWeb(const QString& direccion);

// Makes a new object of the donations add-in by its class name (not the
// shared one), has it change the deductions and lets it go.
void CambiarDeduccionComAut(db::Connection& conLocal, PVAPI::cInfoConfiguracion& info);

} // namespace ComandosVentana
