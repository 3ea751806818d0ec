#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

#include <gtest/gtest.h>

// Answers the modal dialogs of a test in the order they are shown: each
// show takes the next queued action, which drives the dialog (types, clicks)
// and returns its result. A dialog shown with nothing queued, or of another
// class than expected, fails the test; the dialog is then left as closed.
class DialogosGuionados {
public:
    using Accion = std::function<int(QDialog&)>;

    // Queues an action for a dialog of class T.
    template <class T>
    void Responder(std::function<void(T&)> accion)
    {
        m_acciones.append([accion](QDialog& dialogo) {
            T* tipado = qobject_cast<T*>(&dialogo);
            if (!tipado) {
                ADD_FAILURE() << "Se esperaba " << T::staticMetaObject.className() << " y se mostró "
                              << dialogo.metaObject()->className();
                return int(QDialog::Rejected);
            }
            accion(*tipado);
            return dialogo.result();
        });
    }

    int operator()(QDialog& dialogo);

    // Classes of the dialogs shown, in order.
    const QList<QString>& Mostrados() const { return m_mostrados; }
    qsizetype Pendientes() const { return m_acciones.size(); }

private:
    QList<Accion> m_acciones;
    QList<QString> m_mostrados;
};
