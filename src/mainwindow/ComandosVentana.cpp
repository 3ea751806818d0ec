#include "mainwindow/ComandosVentana.h"

#include "platform/addins/HostComplementos.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

#include <QDesktopServices>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include <utility>

namespace ComandosVentana {
namespace {

AbridorPaginas& Abridor()
{
    static AbridorPaginas abridor;
    return abridor;
}

} // namespace

AbridorPaginas EstablecerAbridorPaginas(AbridorPaginas abridor)
{
    return std::exchange(Abridor(), std::move(abridor));
}

QString PaginaPrincipal() { return QStringLiteral("https://www.trebola.es/"); }
QString PaginaOrbe() { return QStringLiteral("https://www.orbe.es/"); }

void ConfigurarImpresora(QWidget* propietario)
{
    QPrinter impresora;
    impresora.setCollateCopies(true);
    QPrintDialog dialogo(&impresora, propietario);
    dialogo.setWindowTitle(QStringLiteral("Configurar impresora"));
    widgets::DialogoRegistroEjecutor::Ejecutar(dialogo);
}

void AbrirPaginaWeb(const QString& direccion)
{
    const QUrl pagina(direccion);
    if (Abridor() ? Abridor()(pagina) : QDesktopServices::openUrl(pagina))
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
