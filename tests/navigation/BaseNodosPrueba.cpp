#include "navigation/BaseNodosPrueba.h"

#include "platform/db/DatabaseFiles.h"

BaseNodosPrueba::BaseNodosPrueba()
{
    const QString ruta = m_dir.filePath(QStringLiteral("Duzediv.mdb"));
    db::CreateDatabase(ruta);
    m_con.Open(QStringLiteral("Data Source=%1").arg(ruta));
    m_con.Execute(QStringLiteral("CREATE TABLE Nodo (IDNodo COUNTER PRIMARY KEY, Nombre TEXT(50), "
                                 "Descripcion TEXT(50), Nivel SHORT, CodPadre LONG, Orden SHORT, "
                                 "NombreInterno TEXT(50), CodImagen SHORT, SQLSelect MEMO, Expandido YESNO)"));
    m_con.Execute(QStringLiteral("CREATE TABLE Campo (IDCampo COUNTER PRIMARY KEY, CodNodo LONG, Nombre TEXT(50), "
                                 "Descripcion TEXT(100), Tipo SHORT, Orden SHORT, Ancho SHORT)"));
}

void BaseNodosPrueba::Nodo(int id, const QString& nombre, int nivel, int codPadre, int orden, int codImagen,
                           std::optional<QString> sql, bool expandido, const QString& descripcion)
{
    m_con.Exec(QStringLiteral("INSERT INTO Nodo (IDNodo, Nombre, Descripcion, Nivel, CodPadre, Orden, CodImagen, "
                              "SQLSelect, Expandido) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {id, nombre, descripcion.isEmpty() ? nombre : descripcion, nivel, codPadre, orden, codImagen,
                sql ? db::Value(*sql) : db::Value(), expandido});
}

void BaseNodosPrueba::Campo(int id, int codNodo, const QString& nombre, int orden, int ancho)
{
    m_con.Exec(QStringLiteral("INSERT INTO Campo (IDCampo, CodNodo, Nombre, Descripcion, Tipo, Orden, Ancho) "
                              "VALUES (?, ?, ?, ?, 0, ?, ?)"),
               {id, codNodo, nombre, QStringLiteral("Tabla.") + nombre, orden, ancho});
}
