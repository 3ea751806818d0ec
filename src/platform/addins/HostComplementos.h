#pragma once

#include "platform/addins/Complemento.h"
#include "platform/vb/VbError.h"

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace addins {

class BibliotecaComplemento;

// The add-in host. An add-in is installed when its library is in "addins" of
// the program folder and loads as an add-in of this program; the library
// file is the old library name as a Linux shared object ("PVVodidazaz" ->
// "libPVVodidazaz.so"). Libraries stay loaded once loaded.
//
// It also creates "a new object by class name": a class registered in the
// process (RegistroClase; tests register doubles this way) comes first,
// otherwise the library named before the "." of the class name makes it.
// Names compare without regard to letter case, as class names always did.
class HostComplementos {
public:
    using Fabrica = std::function<std::unique_ptr<Complemento>()>;

    static HostComplementos& Instancia();

    // "PVVodidazaz" -> "libPVVodidazaz.so".
    static QString ArchivoBiblioteca(const QString& biblioteca);
    // The library's path in "addins" of the program folder (the file as it
    // is on disk, found in any letter case), or "" when it is not there.
    static QString RutaBiblioteca(const QString& biblioteca);

    // True when the add-in is installed: its library is there and loads.
    // A library that is there but does not load counts as absent; the
    // reason is logged and kept in UltimoErrorCarga().
    bool CargarBiblioteca(const QString& biblioteca);
    QString UltimoErrorCarga() const { return m_ultimoError; }

    // A new object of the class. Fails with VB error 429 ("El componente
    // ActiveX no puede crear el objeto") when nothing makes it.
    std::unique_ptr<Complemento> CrearObjeto(const QString& nombreClase);
    // The same narrowed to the interface T; VB error 13 when it is not a T.
    template <class T>
    std::unique_ptr<T> CrearObjeto(const QString& nombreClase);

private:
    friend class RegistroClase;
    quint64 Registrar(const QString& nombreClase, Fabrica fabrica);
    void Anular(const QString& nombreClase, quint64 id);

    BibliotecaComplemento* Biblioteca(const QString& biblioteca);

    struct Registro {
        quint64 id;
        Fabrica fabrica;
    };
    // Per class (lower case) the registrations in order; the last one counts.
    QHash<QString, QList<Registro>> m_registros;
    quint64 m_siguienteId = 1;
    // Loaded libraries by their path on disk.
    QHash<QString, std::shared_ptr<BibliotecaComplemento>> m_bibliotecas;
    QString m_ultimoError;
};

template <class T>
std::unique_ptr<T> HostComplementos::CrearObjeto(const QString& nombreClase)
{
    std::unique_ptr<Complemento> objeto = CrearObjeto(nombreClase);
    T* interfaz = dynamic_cast<T*>(objeto.get());
    if (!interfaz)
        vb::ThrowTypeMismatch(nombreClase);
    objeto.release();
    return std::unique_ptr<T>(interfaz);
}

// Shorthand for HostComplementos::Instancia().CrearObjeto<T>(nombreClase).
template <class T>
std::unique_ptr<T> CrearObjeto(const QString& nombreClase)
{
    return HostComplementos::Instancia().CrearObjeto<T>(nombreClase);
}

} // namespace addins
