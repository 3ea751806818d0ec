#pragma once

#include <QString>

namespace PVAPI {

// Turns a typed start-up password into the form kept in the settings. The
// login dialog and the options dialog compare and store only this form, so it
// must be deterministic and stable across builds; it is one-way, so the typed
// text is never kept. The empty text stays empty: an empty stored value means
// "no password", and an encoded password must never look like that.
class cCodificadorPassword {
public:
    // Replaces `texto` with its stored form.
    void Codificar(QString& texto) const;

    static QString Codificado(const QString& texto);
};

} // namespace PVAPI
