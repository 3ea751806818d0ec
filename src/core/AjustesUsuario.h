#pragma once

#include "platform/settings/Settings.h"

#include <QString>
#include <QtGlobal>

// Whose per-user settings a routine reads and writes: the application name
// (the application title) and the user and language that begin every user
// section ("Administrador\3082\...").
struct AjustesUsuario {
    QString aplicacion;
    QString usuario;
    qint16 idioma = 0;

    // "Administrador\3082": the user part of a section, without the final "\".
    QString Prefijo() const;
    // Prefijo, "\" and a section name ("Administrador\3082\Interface").
    QString Seccion(const QString& nombre) const;
    // The section of a tree node from its caption chain
    // ("Administrador\3082\Nodos\Norvia Parvanta 2000\Bancos").
    QString SeccionNodo(const QString& captions) const;
    // The section of the saved list column widths.
    QString SeccionGrids() const;

    QString Leer(const QString& seccion, const QString& clave, const QString& defecto = {}) const;
    void Guardar(const QString& seccion, const QString& clave, const QString& valor) const;
};

// One load step or user action that writes settings: its writes reach the
// file together, in one write, when the outermost batch ends. When that
// write fails the user is told which file could not be written, why and
// what to do, and chooses "Reintentar" (after freeing space, say) or
// "Cancelar", which drops the changes: nothing is lost without a word.
// A call site opens one for the whole step:
//     const LoteAjustes lote;
class LoteAjustes {
public:
    LoteAjustes() = default;
    ~LoteAjustes();
    LoteAjustes(const LoteAjustes&) = delete;
    LoteAjustes& operator=(const LoteAjustes&) = delete;

    // The question asked when the batch cannot be written.
    static QString TextoReintento(const QString& descripcion);

private:
    settings::Batch m_lote;
};
