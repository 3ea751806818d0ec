#include "platform/widgets/DialogoRegistroEjecutor.h"

#include "platform/ui/Ui.h"

#include <QDialog>

namespace widgets {

namespace {

DialogoRegistroEjecutor::Funcion& Instalada()
{
    static DialogoRegistroEjecutor::Funcion funcion;
    return funcion;
}

// The arrow while the user is asked, the caller's pointer afterwards (also
// when the dialog ends with an exception).
class PunteroNormal {
public:
    PunteroNormal() : m_ui(ui::Current()), m_anterior(m_ui.mousePointer()) { m_ui.setMousePointer(ui::vbDefault); }
    ~PunteroNormal() { m_ui.setMousePointer(m_anterior); }
    PunteroNormal(const PunteroNormal&) = delete;
    PunteroNormal& operator=(const PunteroNormal&) = delete;

private:
    ui::Ui& m_ui;
    ui::MousePointer m_anterior;
};

} // namespace

int DialogoRegistroEjecutor::Ejecutar(QDialog& dialogo)
{
    PunteroNormal puntero;
    const Funcion funcion = Instalada();
    return funcion ? funcion(dialogo) : dialogo.exec();
}

int DialogoRegistroEjecutor::Mensaje(const QString& texto, int estilo)
{
    PunteroNormal puntero;
    return ui::MsgBox(texto, estilo);
}

DialogoRegistroEjecutor::Funcion DialogoRegistroEjecutor::Establecer(Funcion funcion)
{
    Funcion anterior = std::move(Instalada());
    Instalada() = std::move(funcion);
    return anterior;
}

} // namespace widgets
