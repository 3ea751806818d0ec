#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

// An image list: pictures in the order added, each with an optional key and
// a tag, reached by 1-based position or by key. With a mask colour in use,
// the pictures come out with that colour transparent.
class ListaImagenes {
public:
    // Appends a picture; a key already in the list raises vb::VbError 35602.
    void Add(const QPixmap& imagen, const QString& clave = {}, const QString& tag = {});
    void Clear() { m_imagenes.clear(); }

    int Count() const { return int(m_imagenes.size()); }
    // 1-based position of the picture under `clave` (case-sensitive), 0
    // when none; an empty key finds nothing.
    int Indice(const QString& clave) const;

    // Positions outside 1..Count raise vb::VbError 35600.
    QString Clave(int indice) const { return entrada(indice).clave; }
    QString Tag(int indice) const { return entrada(indice).tag; }
    QPixmap Picture(int indice) const;
    QIcon Icono(int indice) const { return QIcon(Picture(indice)); }

    void SetMaskColor(const QColor& color) { m_mascara = color; }
    QColor MaskColor() const { return m_mascara; }
    void SetUseMaskColor(bool usar) { m_usarMascara = usar; }
    bool UseMaskColor() const { return m_usarMascara; }

private:
    struct Entrada {
        QPixmap imagen;
        QString clave;
        QString tag;
    };
    const Entrada& entrada(int indice) const;

    QList<Entrada> m_imagenes;
    QColor m_mascara = Qt::white;
    bool m_usarMascara = false;
};
