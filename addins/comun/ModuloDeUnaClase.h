#pragma once

#include "platform/addins/ModuloComplemento.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace addins {

// The module of a plugin that makes one class, `Clase`, whose full name is
// `Clase::NombreClase`.
template <class Clase>
class ModuloDeUnaClase : public ModuloComplemento {
public:
    // The body of the plugin's entry point: refuses a program of another
    // contract version.
    static ModuloComplemento* Entrada(const ServiciosHost* servicios)
    {
        if (!servicios || servicios->version != VersionInterfazComplementos)
            return nullptr;
        static ModuloDeUnaClase modulo;
        return &modulo;
    }

    int Version() const override { return VersionInterfazComplementos; }
    QStringList Clases() const override { return {QString::fromLatin1(Clase::NombreClase)}; }
    std::unique_ptr<Complemento> Crear(const QString& nombreClase) override
    {
        if (nombreClase.compare(QLatin1String(Clase::NombreClase), Qt::CaseInsensitive) != 0)
            return nullptr;
        return std::make_unique<Clase>();
    }
};

} // namespace addins

// Defines the plugin's exported entry point for a one-class module.
#define DUZ_EXPORTAR_COMPLEMENTO(Clase)                                                              \
    extern "C" Q_DECL_EXPORT addins::ModuloComplemento* DuzComplemento(                             \
        const addins::ServiciosHost* servicios)                                                      \
    {                                                                                                \
        return addins::ModuloDeUnaClase<Clase>::Entrada(servicios);                                  \
    }
