#include "navigation/ListaImagenes.h"

#include "navigation/ErroresControles.h"

#include <QBitmap>

void ListaImagenes::Add(const QPixmap& imagen, const QString& clave, const QString& tag)
{
    if (!clave.isEmpty() && Indice(clave) != 0)
        LanzarClaveNoUnica();
    m_imagenes.append({imagen, clave, tag});
}

int ListaImagenes::Indice(const QString& clave) const
{
    if (clave.isEmpty())
        return 0;
    for (int i = 0; i < m_imagenes.size(); ++i) {
        if (m_imagenes.at(i).clave == clave)
            return i + 1;
    }
    return 0;
}

const ListaImagenes::Entrada& ListaImagenes::entrada(int indice) const
{
    if (indice < 1 || indice > m_imagenes.size())
        LanzarIndiceFueraDeLimites();
    return m_imagenes.at(indice - 1);
}

QPixmap ListaImagenes::Picture(int indice) const
{
    QPixmap imagen = entrada(indice).imagen;
    if (m_usarMascara && !imagen.isNull())
        imagen.setMask(imagen.createMaskFromColor(m_mascara, Qt::MaskInColor));
    return imagen;
}
