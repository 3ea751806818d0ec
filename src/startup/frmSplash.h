#pragma once

#include "startup/frmMensaje.h"

#include <QWidget>

class App;
class QLabel;

// The splash window. Its loading does the first half of start-up before it
// is shown: it finds the installed add-ins, checks the picture database and
// opens the three databases. `mblnOK` tells the program entry whether
// start-up may go on; `mblnSalir` that the user chose to quit.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    frmSplash(App& app, frmMensaje::EjecutarDialogo ejecutarDialogo, QWidget* parent = nullptr);

    bool mblnOK = false;
    bool mblnSalir = false;

    // The loading. Throws TerminacionInmediata when the parish database's
    // entry lock is held by another workstation.
    void Form_Load();
    // Sets the notice label (also run when the window is shown).
    void Form_Activate();
    // Shows the main window unless the user chose to quit or the login was
    // refused, and closes this window.
    void Form_Unload(bool loginAceptado);

    // The add-in search: presence flags of gobjInfoConfig and, for each
    // add-in present, its shared object. The banks add-in is needed by the
    // donations and accounting add-ins, which count as absent without it.
    void BuscaComplementos();

    QLabel* lblCopyright() const { return m_lblCopyright; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    App& m_app;
    frmMensaje::EjecutarDialogo m_ejecutarDialogo;
    QLabel* m_lblCopyright;
};
