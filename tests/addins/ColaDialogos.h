#pragma once

#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

#include <QDialog>
#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace addinstest {

// Answers the dialogs a test makes the program open, in order: each answer
// fills the dialog as a user would and presses a button. A dialog nobody
// answers fails the test and is cancelled; answers left over fail it too.
class ColaDialogos {
public:
    using Respuesta = std::function<int(QDialog&)>;

    ColaDialogos()
        : m_anterior(widgets::DialogoRegistroEjecutor::Establecer([this](QDialog& d) { return Responder(d); }))
    {
    }
    ~ColaDialogos()
    {
        widgets::DialogoRegistroEjecutor::Establecer(m_anterior);
        EXPECT_TRUE(m_respuestas.empty()) << m_respuestas.size() << " dialog answer(s) not used";
    }
    ColaDialogos(const ColaDialogos&) = delete;
    ColaDialogos& operator=(const ColaDialogos&) = delete;

    void Anadir(Respuesta r) { m_respuestas.push_back(std::move(r)); }
    int Abiertos() const { return m_abiertos; }

    // A record dialog: `rellenar` gives it values, then "Aceptar" is pressed;
    // the test fails when the dialog refuses.
    void Aceptar(std::function<void(widgets::DialogoRegistro&)> rellenar)
    {
        Anadir([rellenar = std::move(rellenar)](QDialog& d) {
            auto* registro = qobject_cast<widgets::DialogoRegistro*>(&d);
            if (!registro) {
                ADD_FAILURE() << "not a record dialog: " << d.objectName().toStdString();
                return int(QDialog::Rejected);
            }
            registro->show();
            rellenar(*registro);
            const bool aceptado = registro->Aceptar();
            EXPECT_TRUE(aceptado) << registro->windowTitle().toStdString();
            return aceptado ? int(QDialog::Accepted) : int(QDialog::Rejected);
        });
    }
    void Cancelar()
    {
        Anadir([](QDialog&) { return int(QDialog::Rejected); });
    }

private:
    int Responder(QDialog& d)
    {
        ++m_abiertos;
        if (m_respuestas.empty()) {
            ADD_FAILURE() << "unexpected dialog: " << d.windowTitle().toStdString();
            return QDialog::Rejected;
        }
        Respuesta r = std::move(m_respuestas.front());
        m_respuestas.pop_front();
        return r(d);
    }

    widgets::DialogoRegistroEjecutor::Funcion m_anterior;
    std::deque<Respuesta> m_respuestas;
    int m_abiertos = 0;
};

} // namespace addinstest
