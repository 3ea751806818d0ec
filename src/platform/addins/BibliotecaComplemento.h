#pragma once

#include <QString>
#include <memory>

namespace addins {

class ModuloComplemento;

// One add-in library loaded from disk. It stays loaded for the rest of the
// process, as the objects it made may outlive any owner of this object.
class BibliotecaComplemento {
public:
    // Null, with the reason in *error, when the file is no loadable add-in
    // of this program (not a library, no entry point, another version).
    static std::unique_ptr<BibliotecaComplemento> Cargar(const QString& ruta, QString* error);

    ModuloComplemento& Modulo() const { return *m_modulo; }

private:
    explicit BibliotecaComplemento(ModuloComplemento* modulo) : m_modulo(modulo) {}

    ModuloComplemento* m_modulo;
};

} // namespace addins
