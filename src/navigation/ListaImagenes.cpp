#include "navigation/ListaImagenes.h"

#include "platform/vb/VbError.h"

#include <QBitmap>

void ListaImagenes::Add(const QPixmap& imagen, const QString& clave, const QString& tag)
{
    if (!clave.isEmpty() && Indice(clave) != 0)
        throw vb::VbError(ErrClaveNoUnica, QStringLiteral("La clave no es única en la colección"));
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
        throw vb::VbError(ErrIndiceFueraDeLimites, QStringLiteral("Índice fuera de los límites"));
    return m_imagenes.at(indice - 1);
}

void ListaImagenes::SetTag(int indice, const QString& tag)
{
    entrada(indice);
    m_imagenes[indice - 1].tag = tag;
}

QPixmap ListaImagenes::Picture(int indice) const
{
    QPixmap imagen = entrada(indice).imagen;
    if (m_usarMascara && !imagen.isNull())
        imagen.setMask(imagen.createMaskFromColor(m_mascara, Qt::MaskInColor));
    return imagen;
}
