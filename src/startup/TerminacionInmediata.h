#pragma once

#include <exception>

// Thrown where the start-up must end the program at once. It unwinds to
// ModMain::Main, which calls the end-of-program hook: no window's unload
// handler runs on the way (destroying a widget is not unloading it).
class TerminacionInmediata : public std::exception {
public:
    explicit TerminacionInmediata(int codigo = 0) : m_codigo(codigo) {}

    int codigo() const { return m_codigo; }
    const char* what() const noexcept override { return "terminación inmediata del programa"; }

private:
    int m_codigo;
};
