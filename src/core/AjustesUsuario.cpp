#include "core/AjustesUsuario.h"

#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"
#include "platform/vb/VbError.h"

#include <QtDebug>

QString AjustesUsuario::Prefijo() const
{
    return usuario + QLatin1Char('\\') + QString::number(idioma);
}

QString AjustesUsuario::Seccion(const QString& nombre) const
{
    return Prefijo() + QLatin1Char('\\') + nombre;
}

QString AjustesUsuario::SeccionNodo(const QString& captions) const
{
    return Prefijo() + QStringLiteral("\\Nodos\\") + captions;
}

QString AjustesUsuario::SeccionGrids() const
{
    return Prefijo() + QStringLiteral("\\Grids\\Principal");
}

QString AjustesUsuario::Leer(const QString& seccion, const QString& clave, const QString& defecto) const
{
    return settings::GetSetting(aplicacion, seccion, clave, defecto);
}

void AjustesUsuario::Guardar(const QString& seccion, const QString& clave, const QString& valor) const
{
    settings::SaveSetting(aplicacion, seccion, clave, valor);
}

QString LoteAjustes::TextoReintento(const QString& descripcion)
{
    return descripcion
           + QStringLiteral("\n\nPulse \"Reintentar\" para volver a intentarlo cuando lo haya resuelto, "
                            "o \"Cancelar\" para seguir sin guardar estos ajustes.");
}

LoteAjustes::~LoteAjustes()
{
    try {
        for (;;) {
            try {
                m_lote.Commit();
                return;
            } catch (const vb::VbError& error) {
                ui::Ui& pantalla = ui::Current();
                const ui::MousePointer puntero = pantalla.mousePointer();
                pantalla.setMousePointer(ui::vbDefault);
                const int respuesta =
                    pantalla.MsgBox(TextoReintento(error.description()), ui::vbRetryCancel + ui::vbExclamation);
                pantalla.setMousePointer(puntero);
                if (respuesta != ui::vbRetry) {
                    m_lote.Discard();
                    return;
                }
            }
        }
    } catch (...) {
        // Nothing may leave a destructor; what is held stays for the next write.
        qWarning() << "No se ha podido preguntar por los ajustes sin guardar";
    }
}
