#pragma once

#include "core/AjustesUsuario.h"

#include "platform/db/Connection.h"

#include <QString>
#include <QTemporaryDir>
#include <optional>

// A small parish database holding only `Nodo` and `Campo`, for node trees
// that the seed rows do not have (missing parents, cycles, odd pictures).
class BaseNodosPrueba {
public:
    BaseNodosPrueba();

    db::Connection& con() { return m_con; }

    // Adds a node row; sql empty means Null.
    void Nodo(int id, const QString& nombre, int nivel, int codPadre, int orden, int codImagen = 0,
              std::optional<QString> sql = QStringLiteral("SELECT 1"), bool expandido = false,
              const QString& descripcion = {});
    void Campo(int id, int codNodo, const QString& nombre, int orden, int ancho);

private:
    QTemporaryDir m_dir;
    db::Connection m_con;
};

// The stored expansion flag of one node row.
inline bool ExpandidoEnTabla(db::Connection& con, int id)
{
    return con.Query(QStringLiteral("SELECT Expandido FROM Nodo WHERE IDNodo = ?"), {id})
        .value(QStringLiteral("Expandido"))
        .toBool();
}

// The settings owner every test of this folder uses.
inline AjustesUsuario AjustesPrueba()
{
    return AjustesUsuario {QStringLiteral("Norvia Parvanta 2000"), QStringLiteral("Administrador"), 3082};
}
