#pragma once

#include <QList>
#include <QString>
#include <QToolBar>

class ListaImagenes;
class QAction;
class QMenu;

// A toolbar of keyed buttons addressed by their 1-based position, separators
// included, with pictures taken by index from a picture list. A drop-down
// button carries a list of entries of its own.
class BarraBotones : public QToolBar {
    Q_OBJECT

public:
    enum class Estilo { Normal, Separador, Desplegable };

    explicit BarraBotones(QWidget* parent = nullptr);

    void SetImageList(const ListaImagenes* lista) { m_imagenes = lista; }
    const ListaImagenes* ImageList() const { return m_imagenes; }

    void AnadirBoton(const QString& clave, const QString& tooltip = {}, Estilo estilo = Estilo::Normal);
    int Count() const { return int(m_botones.size()); }
    // Positions outside 1..Count raise vb::VbError 35600.
    QString Clave(int posicion) const;
    QAction* Accion(int posicion) const;
    // Index in the picture list (0: none); one outside the list raises
    // vb::VbError 35600 and leaves the button as it was.
    void SetImagen(int posicion, int imagen);
    int Imagen(int posicion) const;

    // Entries of a drop-down button, 1-based; the text "-" makes a separator.
    void AnadirEntrada(int posicion, const QString& texto);
    QAction* Entrada(int posicion, int indice) const;

signals:
    // A button was clicked: its key.
    void ButtonClick(const QString& clave);
    // An entry of a drop-down button was chosen.
    void ButtonMenuClick(int posicion, int indice);

private:
    struct Boton {
        QAction* accion = nullptr;
        QString clave;
        int imagen = 0;
        QMenu* menu = nullptr;
    };
    const Boton& boton(int posicion) const;

    const ListaImagenes* m_imagenes = nullptr;
    QList<Boton> m_botones;
};
