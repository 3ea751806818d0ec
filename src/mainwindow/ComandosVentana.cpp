#include "mainwindow/ComandosVentana.h"

#include "platform/addins/HostComplementos.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/ui/Ui.h"

#include <QPrinter>

namespace ComandosVentana {

QString PaginaPrincipal() { return QStringLiteral("https://www.trebola.es/"); }
QString PaginaOrbe() { return QStringLiteral("https://www.orbe.es/"); }

void ConfigurarImpresora()
{
    QPrinter impresora;
    ui::Current().PrinterSetup(impresora);
}

void AbrirPaginaWeb(const QString& direccion)
{
    if (ui::Current().OpenUrl(direccion))
        return;
    ui::MsgBox(QStringLiteral("No se ha podido abrir el navegador de Internet.\r\n\r\n"
                              "Para ver la página, escriba esta dirección en su navegador:\r\n%1")
                   .arg(direccion),
               ui::vbOKOnly + ui::vbInformation);
}

void CambiarDeduccionComAut(db::Connection& conLocal, PVAPI::cInfoConfiguracion& info)
{
    const std::unique_ptr<addins::cVodidazaz> vodidazaz =
        addins::CrearObjeto<addins::cVodidazaz>(QStringLiteral("PVVodidazaz.cVodidazaz"));
    vodidazaz->CambiarDeduccionComAut(conLocal, info);
}

} // namespace ComandosVentana
