#pragma once

#include <QString>

class CatalogoIconos;

// Sizes of the two pictures of each entry of "Imagenes.img".
inline constexpr int kLadoImagenArbol = 16;   // TrvImagen: tree, toolbar, report tree
inline constexpr int kLadoImagenTitulo = 32;  // LblImagen: title strip

// Writes the picture database at `ruta` (which must not exist): an SQLite
// file without password holding table `Imagen` (`IDImagen`, `TrvImagen`,
// `LblImagen`) with one row per picture of the catalogue, ids ascending, each
// picture a PNG file.
void CrearBaseImagenes(const QString& ruta, const CatalogoIconos& catalogo);
// The same with the pictures drawn from data/pictures.
void CrearBaseImagenes(const QString& ruta);
