#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>
#include <stdexcept>

// A control of a window found by its control name, as the user sees it:
// the window keeps its controls to itself. A missing control fails the test
// (the exception ends it).
template <class T>
T& Control(const QObject& ventana, const char* nombre)
{
    T* control = ventana.findChild<T*>(QString::fromLatin1(nombre));
    if (!control) {
        ADD_FAILURE() << "no hay ningún control " << nombre;
        throw std::runtime_error(nombre);
    }
    return *control;
}
