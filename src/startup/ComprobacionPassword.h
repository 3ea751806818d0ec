#pragma once

#include <QString>

namespace PVAPI {
struct cInfoConfiguracion;
}

// The start-up password check, apart from its dialog. The stored value is
// the encoder's form of the password in the user's PRINCIPAL section; empty
// means that no password is asked.
class ComprobacionPassword {
public:
    ComprobacionPassword(PVAPI::cInfoConfiguracion& infoConfig, QString appTitle);

    // The stored form ("" when none); the section is made of the current
    // `Usuario` and `idioma`.
    QString PasswordGuardado() const;

    // True when the typed text matches the stored form; the user is then
    // "Administrador". Blank text is compared as typed, so it never matches
    // a stored password.
    bool Comprobar(const QString& texto) const;

private:
    PVAPI::cInfoConfiguracion& m_infoConfig;
    QString m_appTitle;
};
