#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The pictures of the tree, the toolbar, the title strip and the report tree,
// drawn from a small vector description (data/pictures/iconos.txt) on a 32 x
// 32 grid and rendered at any size:
//
//   color <nombre> #rrggbb          palette entry, usable wherever a colour is
//   icono <id> <nombre...>          starts a picture; ends with "fin"
//     pluma <color|ninguna> [ancho] outline of what follows (default: "contorno" 1.5)
//     relleno <color|ninguno>       fill of what follows (default: none)
//     rect x y ancho alto [radio]
//     elipse cx cy rx ry
//     poligono x,y x,y ...          closed
//     linea x,y x,y ...             open
//     arco cx cy rx ry inicio barrido   degrees, counter-clockwise from 3 o'clock
//     ruta M x,y L x,y C ... Q ... Z    absolute path commands M L H V C Q Z
//
// Lines starting with "#" are comments.
class CatalogoIconos {
public:
    // Parses the description; throws std::runtime_error naming the line of
    // the first error.
    static CatalogoIconos DesdeTexto(const QString& texto);
    // The description compiled into the program-folder library.
    static const CatalogoIconos& Incorporado();

    QList<int> ids() const;
    QString nombre(int id) const;
    bool contiene(int id) const;

    // PNG bytes of the picture `id` drawn `lado` pixels square on a
    // transparent background. Thin lines keep at least one pixel.
    QByteArray png(int id, int lado) const;

private:
    struct Orden {
        QString verbo;
        QStringList argumentos;
        int linea = 0;
    };
    struct Icono {
        int id = 0;
        QString nombre;
        QList<Orden> ordenes;
    };

    const Icono* icono(int id) const;

    QList<Icono> m_iconos;
    // The colours by name, "contorno" always among them.
    QHash<QString, QColor> m_paleta;
};
