#include "mainwindow/VentanaListaPrincipal.h"

#include "agenda/PanelAgenda.h"
#include "mainwindow/frmPrincipal.h"
#include "navigation/ArbolNodos.h"
#include "platform/addins/cContabilidad.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/NvList.h"
#include "core/denDuzediv.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QTreeWidget>

VentanaListaPrincipal::VentanaListaPrincipal(frmPrincipal& ventana, addins::cContabilidad* gobjContabilidad)
    : m_ventana(ventana), m_contabilidad(gobjContabilidad)
{
}

widgets::NvList& VentanaListaPrincipal::msgPrincipal()
{
    return *m_ventana.msgPrincipal;
}

QWidget* VentanaListaPrincipal::Panel(PanelPrincipal panel) const
{
    switch (panel) {
    case PanelPrincipal::msgPrincipal: return m_ventana.msgPrincipal;
    case PanelPrincipal::trvConta: return m_ventana.trvConta;
    case PanelPrincipal::picConta: return m_ventana.picConta;
    case PanelPrincipal::picMensaje: return m_ventana.picMensaje;
    case PanelPrincipal::ascrAgenda: return m_ventana.ascrAgenda;
    }
    return nullptr;
}

bool VentanaListaPrincipal::PanelVisible(PanelPrincipal panel) const
{
    return !Panel(panel)->isHidden();
}

void VentanaListaPrincipal::SetPanelVisible(PanelPrincipal panel, bool visible)
{
    Panel(panel)->setVisible(visible);
}

void VentanaListaPrincipal::ColocarPanelMensaje(bool visible)
{
    // The layout shortens the list above the preview while it is shown.
    m_ventana.picMensaje->setVisible(visible);
    double x = m_ventana.SplitterLeft();
    m_ventana.AjustarControles(x);
}

void VentanaListaPrincipal::SetInfoMensaje(int indice, const QString& texto)
{
    m_ventana.lblInfoMsg[indice]->setText(texto);
}

// The agenda's own content (planner, calendar, month tasks) is filled by the
// agenda when it takes this pane; here it is placed over the list and shown.
void VentanaListaPrincipal::MostrarAgenda()
{
    m_ventana.Estado().mstrMes = QStringLiteral("00");
    double x = m_ventana.SplitterLeft();
    m_ventana.AjustarControles(x);
    m_ventana.ascrAgenda->show();
    m_ventana.ascrAgenda->raise();
    if (PanelAgenda* agenda = m_ventana.Agenda())
        agenda->Mostrar();
    else
        ui::Current().setMousePointer(ui::vbDefault);
}

NodoArbol VentanaListaPrincipal::NodoSeleccionado() const
{
    const QTreeWidgetItem* nodo = m_ventana.tvTreeView->Seleccionado();
    if (!nodo)
        return {};
    return {ArbolNodos::Clave(nodo), ArbolNodos::Texto(nodo)};
}

void VentanaListaPrincipal::MostrarTituloNodo()
{
    if (QTreeWidgetItem* nodo = m_ventana.tvTreeView->Seleccionado())
        m_ventana.MostrarTituloNodo(nodo, true);
}

void VentanaListaPrincipal::EnfocarArbol()
{
    m_ventana.tvTreeView->setFocus();
}

QString VentanaListaPrincipal::TextoPanel(int panel) const
{
    return m_ventana.TextoPanel(panel);
}

void VentanaListaPrincipal::SetTextoPanel(int panel, const QString& texto)
{
    m_ventana.SetTextoPanel(panel, texto);
}

void VentanaListaPrincipal::SetMenuVisible(const QString& nombre, bool visible)
{
    m_ventana.Menus().SetVisible(nombre, visible);
}

void VentanaListaPrincipal::SetMenuEnabled(const QString& nombre, bool habilitado)
{
    m_ventana.Menus().SetEnabled(nombre, habilitado);
}

void VentanaListaPrincipal::SetMenuCaption(const QString& nombre, const QString& caption)
{
    m_ventana.Menus().SetCaption(nombre, caption);
}

void VentanaListaPrincipal::PopupMenu(const QString& menu)
{
    if (QMenu* m = m_ventana.Menus().Menu(menu))
        m->exec(QCursor::pos());
}

void VentanaListaPrincipal::CargarArbol(qint16 tipo)
{
    if (!m_contabilidad)
        return;
    // The add-in takes the structure pictures by key.
    addins::ListaImagenes imagenes;
    const ListaImagenes& imlConta = m_ventana.imlConta;
    for (int i = 1; i <= imlConta.Count(); ++i)
        imagenes.insert(imlConta.Clave(i), imlConta.Icono(i));
    EstadoPrincipal& estado = m_ventana.Estado();
    m_contabilidad->CargarArbol(estado.den->conContabilidad, *m_ventana.trvConta, imagenes, tipo,
                                estado.mlngCodEmpresaSeleccionada);
}
