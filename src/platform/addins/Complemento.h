#pragma once

namespace addins {

// Root of every add-in object: what "create a new object by class name"
// hands back before the caller narrows it to the add-in's interface.
class Complemento {
public:
    Complemento() = default;
    Complemento(const Complemento&) = delete;
    Complemento& operator=(const Complemento&) = delete;
    // Out of line, so the type has one home: objects made inside a plugin are
    // narrowed by the program with dynamic_cast.
    virtual ~Complemento();
};

} // namespace addins
